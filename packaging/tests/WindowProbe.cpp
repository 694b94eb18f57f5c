// SPDX-License-Identifier: GPL-3.0-or-later
// A small X11 tool for the real-window test, for the two things that xdotool and xwininfo
// cannot do:
//   window-probe close WINDOW   asks a window to close as a window manager does (WM_DELETE_WINDOW)
//   window-probe cursor         prints the pointer image the server shows now: WxH+XHOT+YHOT
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int closeWindow(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    if (!XSendEvent(display, window, False, NoEventMask, &event))
        return 1;
    XSync(display, False);
    return 0;
}

int printCursor(Display* display)
{
    int eventBase = 0;
    int errorBase = 0;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase)) {
        std::fprintf(stderr, "window-probe: the server has no XFIXES extension\n");
        return 1;
    }
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image)
        return 1;
    std::printf("%dx%d+%d+%d\n", image->width, image->height, image->xhot, image->yhot);
    XFree(image);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool close = argc == 3 && std::strcmp(argv[1], "close") == 0;
    const bool cursor = argc == 2 && std::strcmp(argv[1], "cursor") == 0;
    if (!close && !cursor) {
        std::fprintf(stderr, "usage: window-probe close WINDOW | window-probe cursor\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window-probe: cannot open the display\n");
        return 1;
    }
    const int result =
        close ? closeWindow(display, std::strtoul(argv[2], nullptr, 0)) : printCursor(display);
    XCloseDisplay(display);
    return result;
}
