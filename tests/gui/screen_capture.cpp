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

} // namespace

wxImage CaptureClientArea(wxWindow* window)
{
    // Paints still queued reach the server first.
    window->Refresh(false);
    window->Update();
    PumpEvents(100);
    const double scale = window->GetContentScaleFactor();
    const wxPoint origin = window->ClientToScreen(wxPoint(0, 0));
    const wxSize size = window->GetClientSize();
    const int x = std::lround(origin.x * scale), y = std::lround(origin.y * scale);
    const int w = std::lround(size.x * scale), h = std::lround(size.y * scale);

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

} // namespace ov_test
