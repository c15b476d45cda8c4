#include "platform/desktop_font_scale.h"

#include <cmath>

#include <gdk/gdk.h>

namespace platform {

double DesktopFontScale()
{
    // The screen's resolution is what text is laid out at; it stays 96 on a
    // screen that only doubles its pixels (GDK_SCALE), where fonts grow with
    // everything else.
    GdkScreen* screen = gdk_screen_get_default();
    if (screen == nullptr)
        return 1.0;
    const double dpi = gdk_screen_get_resolution(screen);
    if (!std::isfinite(dpi) || dpi <= 0.0)
        return 1.0;
    return dpi / 96.0;
}

} // namespace platform
