// x11_close_window TITLE SECONDS [PID]: waits until a top-level window named TITLE is mapped,
// then asks it to close as a window manager does, with a WM_DELETE_WINDOW client message. Exit
// status 0 once the message is sent, 1 when the display cannot be opened, 2 when no such window
// has appeared within SECONDS or process PID has ended first.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <signal.h>
#include <string>
#include <sys/select.h>
#include <sys/types.h>

namespace {

std::string Property(Display* display, Window window, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
            &format, &count, &after, &data)
            == Success
        && data) {
        if (format == 8)
            value.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return value;
}

// Every top-level window is watched for renames; the first mapped one named title is returned.
Window FindMappedWindow(Display* display, const std::string& title)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = None;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return None;
    for (unsigned int i = 0; i < count && found == None; ++i) {
        XSelectInput(display, children[i], PropertyChangeMask | StructureNotifyMask);
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes)
            || attributes.map_state != IsViewable)
            continue;
        if (Property(display, children[i], netWmName) == title
            || Property(display, children[i], XA_WM_NAME) == title)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

bool Alive(pid_t process)
{
    return process <= 0 || kill(process, 0) == 0;
}

// Blocks until the server sends an event; false once the deadline has passed or process has
// ended. A process that ends before it makes a window sends nothing, so it is looked at now and
// then.
bool WaitForEvent(Display* display, std::chrono::steady_clock::time_point deadline, pid_t process)
{
    using namespace std::chrono;
    while (XPending(display) == 0) {
        auto left = deadline - steady_clock::now();
        if (left <= steady_clock::duration::zero() || !Alive(process))
            return false;
        if (process > 0 && left > milliseconds(100))
            left = milliseconds(100);
        const auto micros = duration_cast<microseconds>(left).count();
        timeval timeout{ static_cast<time_t>(micros / 1000000),
            static_cast<suseconds_t>(micros % 1000000) };
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(ConnectionNumber(display), &readable);
        select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &timeout);
    }
    XEvent event;
    while (XPending(display) > 0)
        XNextEvent(display, &event);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: x11_close_window TITLE SECONDS [PID]\n");
        return 1;
    }
    const std::string title = argv[1];
    const int seconds = std::atoi(argv[2]);
    const pid_t process = argc > 3 ? static_cast<pid_t>(std::atol(argv[3])) : 0;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x11_close_window: cannot open the display\n");
        return 1;
    }
    // Watching the root before the first look means no window can appear unseen in between.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    Window window = None;
    while ((window = FindMappedWindow(display, title)) == None) {
        if (!WaitForEvent(display, deadline, process)) {
            std::fprintf(stderr, "x11_close_window: no window named \"%s\"\n", title.c_str());
            XCloseDisplay(display);
            return 2;
        }
    }

    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &message);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
