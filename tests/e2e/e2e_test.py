#!/usr/bin/python3
"""Plays the real lumble under a real X server, as a child and an adult would.

The built executable is copied into a temporary folder beside a generated word
library and started under Xvfb without a window manager. Real key presses and
clicks come from xdotool; what the pages show is read over AT-SPI, the way a
screen reader reads it; every beep is heard as an XKB bell notification.
"""
import argparse
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

# Each word has its own length, so the mask alone tells which picture is up.
PICTURES = {"cat": (1400, 700), "frog": (700, 1120), "horse": (400, 300)}
PANEL = (1000, 800)


def whole(value):
    """The program's conversion to whole pixels: nearest, halves away from zero."""
    return int(value + 0.5) if value >= 0 else -int(-value + 0.5)


def png(width, height, rgb):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    row = b"\x00" + bytes(rgb) * width
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(row * height)) + chunk(b"IEND", b""))


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


class Session:
    """Xvfb, a private D-Bus with the accessibility bus, and the bell listener."""

    def __init__(self, screen, bell_listener):
        self.screen = screen
        self.processes = []
        self.display = self._start_xvfb()
        os.environ["DISPLAY"] = self.display
        os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        os.environ["QT_QPA_PLATFORM"] = "xcb"
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stdout=subprocess.DEVNULL)
        self.bells = self._spawn([bell_listener], stdout=subprocess.PIPE)
        check(self.bells.stdout.readline().strip() == b"ready", "the bell listener did not start")
        os.set_blocking(self.bells.stdout.fileno(), False)

    def _spawn(self, command, **kwargs):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def start_lumble(self, folder):
        return Lumble(self._spawn([os.path.join(folder, "lumble")], cwd="/", stdout=subprocess.DEVNULL))

    def _start_xvfb(self):
        for number in range(90, 130):
            if os.path.exists(f"/tmp/.X11-unix/X{number}") or os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            width, height = self.screen
            self._spawn(["Xvfb", f":{number}", "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"])
            wait_for("Xvfb", lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"))
            return f":{number}"
        raise Failure("no free X display number")

    def bells_rung(self):
        """The number of bells since the last call."""
        time.sleep(0.3)  # a bell travels through the X server before it is heard
        try:
            heard = os.read(self.bells.stdout.fileno(), 65536)
        except BlockingIOError:
            heard = b""
        return heard.count(b"bell")

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


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=20)


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

    def texts(self):
        return [name for _, name, _ in self.page()]

    def click(self, node):
        x, y, w, h = self.extents(node)
        xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", "1")

    def wait_exit(self):
        try:
            return self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise Failure("lumble did not quit")


def make_library(folder):
    words = os.path.join(folder, "words")
    colours = [(220, 80, 60), (60, 160, 90), (70, 110, 200)]
    for (word, size), colour in zip(PICTURES.items(), colours):
        group = os.path.join(words, "Animals", "farm" if word != "frog" else "pond")
        os.makedirs(group, exist_ok=True)
        with open(os.path.join(group, word + ".png"), "wb") as out:
            out.write(png(*size, colour))
    for name in ("Colours", ".Drafts"):
        os.makedirs(os.path.join(words, name, "g"), exist_ok=True)
    before = {}
    for root, _, files in os.walk(folder):
        for name in files:
            path = os.path.join(root, name)
            with open(path, "rb") as content:
                before[path] = content.read()
    return before


def expected_start_page(screen):
    panel_left = whole((screen[0] - PANEL[0]) / 2)
    panel_top = whole((screen[1] - PANEL[1]) / 2)
    centre = lambda width: whole(panel_left + (PANEL[0] - width) / 2)
    start_top = whole(panel_top + 3 * PANEL[1] / 4)
    quit_top = whole(start_top + 60 * 1.5)
    return (panel_left, panel_top), {
        "Choose a list then press 'Start'": (centre(800), whole(panel_top + PANEL[1] / 4), 800, 120),
        "combo": (centre(800), whole(panel_top + PANEL[1] / 2), 800, 60),
        "Start": (centre(300), start_top, 300, 60),
        "Quit": (centre(300), quit_top, 300, 60),
        "stinfo": (centre(600), whole(quit_top + 60 * 1.5), 600, 20),
    }


def expected_picture(panel, size):
    box_w, box_h = whole(PANEL[0] * 0.7), whole(PANEL[1] * 0.7)
    scale = min(box_w / size[0], box_h / size[1], 1.0)
    w, h = max(whole(size[0] * scale), 1), max(whole(size[1] * scale), 1)
    return (whole(panel[0] + (PANEL[0] - w) / 2), whole(panel[1] + (PANEL[1] * 0.7 - h) / 2 + PANEL[1] / 10), w, h)


def check_start_page(lumble, screen):
    panel, expected = expected_start_page(screen)
    combo = wait_for("the word lists", lambda: lumble.shown("combo box"))[0]
    check(combo.name == "Animals", f"the first word list is selected, got {combo.name!r}")
    rows = [item.name for item in combo[0]]
    check(rows == ["Animals", "Colours"], f"the drop-down lists the word lists, got {rows}")
    check(lumble.extents(combo) == expected["combo"], f"drop-down at {lumble.extents(combo)}")
    for name in ("Start", "Quit"):
        button = lumble.shown("push button", name)
        check(button and lumble.extents(button[0]) == expected[name], f"{name} at the wrong place")
    labels = lumble.shown("label")
    check(lumble.extents(labels[0]) == expected["Choose a list then press 'Start'"], "instructions misplaced")
    check(labels[1].name.startswith("Word library:") and lumble.extents(labels[1]) == expected["stinfo"],
          f"information line {labels[1].name!r} at {lumble.extents(labels[1])}")
    check(not lumble.shown("check box"), "the handwriting check box stays hidden")
    return panel


def play_game(lumble, session, panel, hints):
    """Plays every word, each with a wrong letter that must beep and, with hints,
    one hint by a click on the big button; returns the score text and More..."""
    played = []
    while True:
        page = wait_for("a word or the results", lambda: lumble.shown("push button"))
        if page[0].name == "More...":
            break
        button = page[0]
        phrase = lumble.shown("label")[0]
        picture = wait_for("the picture", lambda: lumble.shown("image", "picture"))[0]
        word = next(w for w in PICTURES if len(w) == len(phrase.name))
        check(phrase.name == "*" * len(word), f"the masked word shows asterisks, got {phrase.name!r}")
        wait_for(f"the caption points: {len(word)}", lambda: button.name == f"points: {len(word)}")
        check(lumble.extents(picture) == expected_picture(panel, PICTURES[word]),
              f"the picture of {word} at {lumble.extents(picture)}")
        tenth = PANEL[1] // 10
        check(lumble.extents(phrase) == (panel[0], panel[1] + 8 * tenth, PANEL[0], tenth), "phrase misplaced")
        check(lumble.extents(button) == (panel[0], panel[1] + 9 * tenth, PANEL[0], tenth), "button misplaced")
        typed = 0
        if hints:
            lumble.click(button)
            wait_for("the hint", lambda: lumble.shown("label")[0].name.startswith(word[0]))
            wait_for("a hint to cost a point", lambda: lumble.shown("push button")[0].name == f"points: {len(word) - 1}")
            typed = 1
        session.bells_rung()
        xdotool("type", "--delay", "40", "z")
        check(session.bells_rung() == 1, "a wrong letter beeps")
        xdotool("type", "--delay", "40", word[typed:])
        check(session.bells_rung() == 0, "right letters do not beep")
        banner = wait_for("Word Complete!", lambda: lumble.shown("label", "Word Complete!"))[0]
        check(lumble.extents(banner) == (panel[0], panel[1], PANEL[0], PANEL[1] // 10), "banner misplaced")
        wait_for("the whole word", lambda: lumble.shown("label")[0].name == word)
        played.append(word)
        xdotool("key", "Return")
        wait_for("the next page", lambda: not lumble.shown("label", "Word Complete!"))
    check(sorted(played) == sorted(PICTURES), f"every picture is played once, got {played}")
    points, caption = wait_for("the score", lambda: lumble.shown("label") if len(lumble.shown("label")) == 2 else None)
    check(caption.name == "You Scored", f"the results page shows {caption.name!r}")
    check(lumble.extents(points) == (panel[0] + 100, whole(panel[1] + (PANEL[1] - 60) / 2), 800, 60),
          "score misplaced")
    check(lumble.extents(caption)[1] == lumble.extents(points)[1] - 120, "caption misplaced")
    check(lumble.extents(page[0]) == (panel[0] + 100, whole(panel[1] + 5 * PANEL[1] / 6), 800, 60),
          "More... misplaced")
    return points.name, page[0]


def run(args):
    screen = tuple(int(side) for side in args.screen.split("x"))
    folder = tempfile.mkdtemp(prefix="lumble-e2e-")
    session = Session(screen, args.bell_listener)
    started = time.monotonic()
    try:
        shutil.copy2(args.lumble, os.path.join(folder, "lumble"))
        library = make_library(folder)

        lumble = session.start_lumble(folder)
        check(lumble.extents(lumble.frame) == (0, 0, *screen), f"window covers {lumble.extents(lumble.frame)}")
        panel = check_start_page(lumble, screen)
        xdotool("type", "--delay", "40", "ab")
        check(session.bells_rung() == 0, "keys on the start page are ignored without a beep")

        lumble.click(lumble.shown("push button", "Start")[0])
        # On a screen lower than the panel the big button lies off the screen's
        # bottom edge, where the layout puts it, and cannot be clicked.
        hints = panel[1] + PANEL[1] <= screen[1]
        score, more = play_game(lumble, session, panel, hints)
        expected = "9 out of 12" if hints else "12 out of 12"
        check(score == expected, f"the first game scores {expected}, got {score}")
        xdotool("key", "Return", "x")
        check(session.bells_rung() == 0, "keys on the results page are ignored without a beep")
        lumble.click(more)
        wait_for("the start page", lambda: lumble.shown("push button", "Start"))
        lumble.click(lumble.shown("push button", "Start")[0])
        score, _ = play_game(lumble, session, panel, hints=False)
        check(score == "12 out of 12", f"a game without hints scores 12 out of 12, got {score}")

        xdotool("key", "ctrl+q")
        check(lumble.wait_exit() == 0, "Ctrl+Q ends with exit status 0")

        lumble = session.start_lumble(folder)
        lumble.click(wait_for("Quit", lambda: lumble.shown("push button", "Quit"))[0])
        check(lumble.wait_exit() == 0, "the Quit button ends with exit status 0")

        for path, content in library.items():
            with open(path, "rb") as now:
                check(now.read() == content, f"{path} was changed")
        print(f"e2e {args.screen}: passed in {time.monotonic() - started:.1f} s")
        return 0
    except Exception as failure:  # every way of failing is reported the same way
        print(f"e2e {args.screen}: FAILED: {failure}", file=sys.stderr)
        shot = os.path.join(tempfile.gettempdir(), f"lumble-e2e-{args.screen}.png")
        subprocess.run(["import", "-window", "root", shot], timeout=20)
        print(f"the screen at that moment: {shot}", file=sys.stderr)
        return 1
    finally:
        session.close()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lumble", required=True)
    parser.add_argument("--bell-listener", required=True)
    parser.add_argument("--screen", default="1280x1024")
    parser.add_argument("--inside-private-bus", action="store_true")
    args = parser.parse_args()
    if args.inside_private_bus:
        os.setsid()  # everything started from here is ended with the session
        sys.exit(run(args))
    # A private session bus, so the accessibility bus sees only this program. Its
    # output goes through a file: daemons it starts must not hold our output open.
    with tempfile.TemporaryFile() as log:
        try:
            finished = subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv, "--inside-private-bus"],
                                      stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT, timeout=150)
            status = finished.returncode
        except subprocess.TimeoutExpired:
            status = 1
            print("e2e: timed out", file=sys.stderr)
        log.seek(0)
        sys.stdout.write(log.read().decode(errors="replace"))
    sys.exit(status)


if __name__ == "__main__":
    main()
