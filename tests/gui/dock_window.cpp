#include "tests/gui/dock_window.h"

#include <sstream>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace ov_test {

bool ParseDockEdges(const std::string& text, std::vector<DockEdge>* docks)
{
    docks->clear();
    std::istringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto colon = item.find(':');
        if (colon == std::string::npos)
            return false;
        DockEdge dock{item.substr(0, colon), 0};
        try {
            dock.pixels = std::stoi(item.substr(colon + 1));
        } catch (...) {
            return false;
        }
        if ((dock.edge != "top" && dock.edge != "bottom" && dock.edge != "left" && dock.edge != "right") ||
            dock.pixels <= 0)
            return false;
        docks->push_back(dock);
    }
    return !docks->empty();
}

wxRect AreaBesideDocks(wxRect screen, const std::vector<DockEdge>& docks)
{
    for (const DockEdge& dock : docks) {
        if (dock.edge == "left")
            screen.x += dock.pixels, screen.width -= dock.pixels;
        else if (dock.edge == "right")
            screen.width -= dock.pixels;
        else if (dock.edge == "top")
            screen.y += dock.pixels, screen.height -= dock.pixels;
        else
            screen.height -= dock.pixels;
    }
    return screen;
}

struct DockWindows::Connection {
    Display* display = nullptr;
};

namespace {

void SetCardinals(Display* display, Window window, const char* name, const long* values, int count)
{
    XChangeProperty(display, window, XInternAtom(display, name, False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values), count);
}

void OpenDock(Display* display, const DockEdge& dock)
{
    const int screen = DefaultScreen(display);
    const int width = DisplayWidth(display, screen);
    const int height = DisplayHeight(display, screen);
    // _NET_WM_STRUT_PARTIAL: left, right, top, bottom, then the start and
    // end of each along its edge.
    long strut[12] = {};
    int x = 0, y = 0, w = width, h = height;
    if (dock.edge == "left") {
        strut[0] = dock.pixels, strut[5] = height - 1;
        w = dock.pixels;
    } else if (dock.edge == "right") {
        strut[1] = dock.pixels, strut[7] = height - 1;
        x = width - dock.pixels, w = dock.pixels;
    } else if (dock.edge == "top") {
        strut[2] = dock.pixels, strut[9] = width - 1;
        h = dock.pixels;
    } else {
        strut[3] = dock.pixels, strut[11] = width - 1;
        y = height - dock.pixels, h = dock.pixels;
    }
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), x, y, unsigned(w),
                                              unsigned(h), 0, BlackPixel(display, screen),
                                              WhitePixel(display, screen));
    // Without a place of its own a window manager may place the dock like
    // any window, inside the work area that it has just made smaller.
    XSizeHints hints = {};
    hints.flags = USPosition | PPosition | USSize | PSize;
    hints.x = x, hints.y = y, hints.width = w, hints.height = h;
    XSetWMNormalHints(display, window, &hints);
    const Atom dockType = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&dockType), 1);
    SetCardinals(display, window, "_NET_WM_STRUT_PARTIAL", strut, 12);
    SetCardinals(display, window, "_NET_WM_STRUT", strut, 4);
    XMapWindow(display, window);
}

} // namespace

DockWindows::DockWindows(const std::vector<DockEdge>& docks) : m_connection(new Connection)
{
    m_connection->display = XOpenDisplay(nullptr);
    if (m_connection->display == nullptr)
        return;
    for (const DockEdge& dock : docks)
        OpenDock(m_connection->display, dock);
    XSync(m_connection->display, False);
}

DockWindows::~DockWindows()
{
    if (m_connection->display != nullptr)
        XCloseDisplay(m_connection->display);
}

bool DockWindows::IsOpen() const { return m_connection->display != nullptr; }

} // namespace ov_test
