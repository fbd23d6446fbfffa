// Prints "bell" on its own line for every bell the X server rings, so the
// end-to-end test can hear the game's beeps. Each line read from stdin rings a
// bell of the listener's own, printed as "mark": a bell rung before it is
// printed before it, so the test can count beeps without waiting a while.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

int main()
{
    int eventBase = 0;
    int errorBase = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    int opcode = 0;
    Display* display = XkbOpenDisplay(nullptr, &eventBase, &errorBase, &major, &minor, nullptr);
    if (!display || !XkbQueryExtension(display, &opcode, &eventBase, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "bell_listener: no display with the XKB extension\n");
        return 1;
    }
    const Atom mark = XInternAtom(display, "LUMBLE_E2E_MARK", False);
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);
    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const auto* xkb = reinterpret_cast<XkbEvent*>(&event);
            if (event.type == eventBase && xkb->any.xkb_type == XkbBellNotify) {
                std::printf(xkb->bell.name == mark ? "mark\n" : "bell\n");
                std::fflush(stdout);
            }
        }
        pollfd watched[] = {{ConnectionNumber(display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (poll(watched, 2, -1) < 0)
            return 1;
        if (watched[1].revents != 0) {
            char lines[256];
            const ssize_t got = read(STDIN_FILENO, lines, sizeof lines);
            if (got <= 0)
                return 0; // the test has finished with us
            for (auto marks = std::count(lines, lines + got, '\n'); marks > 0; --marks)
                XkbBell(display, None, 0, mark);
            XFlush(display);
        }
    }
}
