// What another X client can do to the game's window:
//   x11_close_request WINDOW_ID           asks it to close, as a window manager does when the
//                                         player clicks its close button (WM_DELETE_WINDOW)
//   x11_close_request WINDOW_ID destroy   destroys it outright
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: x11_close_request WINDOW_ID [destroy]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x11_close_request: no display\n");
        return 1;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    Status sent = 1;
    if (argc == 3 && std::strcmp(argv[2], "destroy") == 0) {
        XDestroyWindow(display, window);
    } else {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        sent = XSendEvent(display, window, False, NoEventMask, &event);
    }
    XCloseDisplay(display);  // flushes the request
    return sent != 0 ? 0 : 1;
}
