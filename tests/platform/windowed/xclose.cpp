// Presses a window's close button the way a window manager does: sends it the
// WM_DELETE_WINDOW protocol message. Usage: xclose TITLE
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>

namespace {

Window FindByTitle(Display* d, Window w, const char* title) {
    char* name = nullptr;
    if (XFetchName(d, w, &name) && name) {
        bool match = std::strcmp(name, title) == 0;
        XFree(name);
        if (match) return w;
    }
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i) found = FindByTitle(d, children[i], title);
        if (children) XFree(children);
    }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return std::fprintf(stderr, "usage: xclose TITLE\n"), 2;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return std::fprintf(stderr, "xclose: no display\n"), 1;
    Window w = FindByTitle(d, DefaultRootWindow(d), argv[1]);
    if (!w) return std::fprintf(stderr, "xclose: no window titled %s\n", argv[1]), 1;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    XCloseDisplay(d);
    return 0;
}
