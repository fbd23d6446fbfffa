// Prints "bell" on its own line for every bell the X server rings, so the
// end-to-end test can hear the game's beeps.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

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
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    std::printf("ready\n");
    std::fflush(stdout);
    while (true) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == eventBase && reinterpret_cast<XkbEvent*>(&event)->any.xkb_type == XkbBellNotify) {
            std::printf("bell\n");
            std::fflush(stdout);
        }
    }
}
