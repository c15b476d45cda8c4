#include "tests/gui/screen_capture.h"

#include <cmath>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <wx/window.h>

#include "tests/gui/gui_test_support.h"

namespace ov_test {

namespace {

// One channel of a pixel by its mask (8 bits a channel on the test screens).
unsigned char Channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    return static_cast<unsigned char>((pixel & mask) >> shift);
}

/// The pixels of a rectangle of the screen, given in the toolkit's logical
/// pixels, at the screen's own resolution; the window's paints are flushed
/// first.
wxImage CaptureScreenRect(wxWindow* window, const wxRect& area)
{
    // Paints still queued reach the server first.
    window->Refresh(false);
    window->Update();
    PumpEvents(100);
    const double scale = window->GetContentScaleFactor();
    const int x = std::lround(area.x * scale), y = std::lround(area.y * scale);
    const int w = std::lround(area.width * scale), h = std::lround(area.height * scale);

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return wxImage();
    wxImage image;
    const Window root = DefaultRootWindow(display);
    XWindowAttributes screen;
    XGetWindowAttributes(display, root, &screen);
    if (w > 0 && h > 0 && x >= 0 && y >= 0 && x + w <= screen.width && y + h <= screen.height) {
        if (XImage* shot = XGetImage(display, root, x, y, w, h, AllPlanes, ZPixmap)) {
            image.Create(w, h);
            for (int py = 0; py < h; ++py)
                for (int px = 0; px < w; ++px) {
                    const unsigned long p = XGetPixel(shot, px, py);
                    image.SetRGB(px, py, Channel(p, shot->red_mask), Channel(p, shot->green_mask),
                                 Channel(p, shot->blue_mask));
                }
            XDestroyImage(shot);
        }
    }
    XCloseDisplay(display);
    return image;
}

} // namespace

wxImage CaptureClientArea(wxWindow* window)
{
    return CaptureScreenRect(window, wxRect(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize()));
}

wxImage CaptureWindow(wxWindow* window) { return CaptureScreenRect(window, window->GetScreenRect()); }

} // namespace ov_test
