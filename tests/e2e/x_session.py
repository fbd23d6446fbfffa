"""The real lumble under its own Xvfb, driven by xdotool and read over AT-SPI.

Shared by the end-to-end test and the screenshot tool: a private X server
without a window manager, a private session bus with the accessibility bus,
an optional listener that hears every beep as an XKB bell, and the running
program seen the way a screen reader sees it.
"""
import os
import select
import signal
import subprocess
import sys
import tempfile
import time

_INSIDE = "LUMBLE_E2E_INSIDE_PRIVATE_BUS"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout=10.0):
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.05)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, timeout=20, capture_output=True, text=True).stdout


def in_private_bus(run, timeout):
    """Runs run() in this script started again inside a private session bus, so
    the accessibility bus sees only our program; returns its exit status."""
    if os.environ.get(_INSIDE):
        os.setsid()  # everything started from here is ended with the session
        return run()
    # The output goes through a file: daemons the bus starts must not hold ours open.
    with tempfile.TemporaryFile() as log:
        try:
            status = subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv],
                                    env=dict(os.environ, **{_INSIDE: "1"}), stdin=subprocess.DEVNULL, stdout=log,
                                    stderr=subprocess.STDOUT, timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            status = 1
            print(f"{os.path.basename(sys.argv[0])}: timed out after {timeout} s", file=sys.stderr)
        log.seek(0)
        sys.stdout.write(log.read().decode(errors="replace"))
    return status


class Session:
    """Xvfb, the accessibility bus, and the bell listener when one is given."""

    def __init__(self, screen, bell_listener=None):
        self.processes = []
        try:
            os.environ["DISPLAY"] = self._start_xvfb(screen)
            os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            os.environ["QT_QPA_PLATFORM"] = "xcb"
            self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stdout=subprocess.DEVNULL)
            if bell_listener:
                self.bells = self._spawn([bell_listener], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
                check(self.bells.stdout.readline().strip() == b"ready", "the bell listener did not start")
                os.set_blocking(self.bells.stdout.fileno(), False)
                self.heard = b""
        except BaseException:
            self.close()
            raise

    def _spawn(self, command, **kwargs):
        kwargs.setdefault("stdin", subprocess.DEVNULL)
        process = subprocess.Popen(command, stderr=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def start_lumble(self, folder):
        return Lumble(self._spawn([os.path.join(folder, "lumble")], cwd="/", stdout=subprocess.DEVNULL))

    def _start_xvfb(self, screen):
        # Xvfb picks a free display number itself and writes it here once it accepts
        # clients. Without -noreset it would reset whenever its last client left and
        # turn away whoever connected meanwhile.
        reader, writer = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(writer), "-noreset", "-screen", "0", f"{screen[0]}x{screen[1]}x24",
                     "-nolisten", "tcp"], pass_fds=(writer,))
        os.close(writer)
        said = b""
        # Xvfb writes the number and the newline separately, and stops if the pipe closes in between.
        while not said.endswith(b"\n"):
            check(select.select([reader], [], [], 20)[0], "Xvfb did not start")
            heard = os.read(reader, 64)
            check(heard, "Xvfb did not start")
            said += heard
        os.close(reader)
        number = said.decode().strip()
        check(number.isdigit(), "Xvfb did not say which display it took")
        return f":{number}"

    def screenshot(self, path):
        """Whether the whole screen could be written to path."""
        return subprocess.run(["import", "-window", "root", path], timeout=20).returncode == 0

    def _listen(self, what, heard_enough):
        def probe():
            try:
                self.heard += os.read(self.bells.stdout.fileno(), 65536)
            except BlockingIOError:
                pass
            return heard_enough()

        wait_for(what, probe)

    def wait_for_bells(self, count, what):
        self._listen(what, lambda: self.heard.count(b"bell\n") >= count)
        self.heard = self.heard.replace(b"bell\n", b"", count)

    def bells_before_mark(self):
        """The bells rung since the last call, counted without waiting a while:
        the listener rings a bell of its own, which comes after them."""
        self.bells.stdin.write(b"\n")
        self.bells.stdin.flush()
        self._listen("the bell listener's mark", lambda: b"mark\n" in self.heard)
        before, _, self.heard = self.heard.partition(b"mark\n")
        return before.count(b"bell\n")

    def close(self):
        for process in reversed(self.processes):
            process.kill()
            process.wait()
        # Services that the buses started on our behalf go too.
        for entry in os.listdir("/proc"):
            if entry.isdigit() and int(entry) != os.getpid():
                try:
                    if os.getsid(int(entry)) == os.getsid(0):
                        os.kill(int(entry), signal.SIGKILL)
                except OSError:
                    pass


class Lumble:
    """The running program, seen through AT-SPI."""

    def __init__(self, process):
        self.process = process
        import pyatspi
        self.pyatspi = pyatspi
        self.app = wait_for("lumble on the accessibility bus", self._find_app, timeout=20)
        self.frame = wait_for("the main window", lambda: self._first(self.app, "frame"))

    def _find_app(self):
        for app in self.pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Lumble" and app.get_process_id() == self.process.pid:
                return app
        return None

    def _first(self, node, role):
        for child in node:
            if child is not None and child.getRoleName() == role:
                return child
        return None

    def extents(self, node):
        box = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return (box.x, box.y, box.width, box.height)

    def x_window(self):
        """The main window's geometry as the X server has it, not as Qt tells it."""
        ids = wait_for("the window on the X server", lambda: xdotool(
            "search", "--all", "--onlyvisible", "--pid", str(self.process.pid), "--name", "^Lumble$").split())
        check(len(ids) == 1, f"one visible window, found {len(ids)}")
        shell = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", ids[0]).split())
        return tuple(int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def page(self):
        """The controls of the page shown, in creation order, as (role, name, node)."""
        central = self._first(self.frame, "filler")
        panel = self._first(central, "layered pane")
        for page in panel:
            if page.getState().contains(self.pyatspi.STATE_SHOWING):
                return [(child.getRoleName(), child.name, child) for child in page
                        if child.getState().contains(self.pyatspi.STATE_SHOWING)]
        return []

    def shown(self, role, name=None):
        return [node for r, n, node in self.page() if r == role and (name is None or n == name)]

    def click(self, node):
        x, y, w, h = self.extents(node)
        xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", "1")

    def choose_word_list(self, name):
        """Opens the drop-down with a click and clicks the row, as a teacher would."""
        combo = self.shown("combo box")[0]
        self.click(combo)
        row = wait_for(f"the row {name} on the screen", lambda: [
            item for item in combo[0]
            if item.name == name and item.getState().contains(self.pyatspi.STATE_SHOWING)])[0]
        self.click(row)
        wait_for(f"{name} chosen", lambda: combo.name == name)

    def wait_exit(self):
        try:
            return self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise Failure("lumble did not quit")
