// What the X server shows of a window: the screenshot a user would take.
#pragma once

#include <wx/image.h>

class wxWindow;

namespace ov_test {

/// The pixels of the window's client area as the X server shows them, at
/// the screen's own resolution: twice the client size on a screen that
/// doubles every pixel (GDK_SCALE=2). An invalid image when the area cannot
/// be read (off the screen).
wxImage CaptureClientArea(wxWindow* window);

/// The same for the whole window, its border included.
wxImage CaptureWindow(wxWindow* window);

} // namespace ov_test
