// How much larger than their point sizes the desktop draws fonts.
#pragma once

namespace platform {

/// The desktop's font scale: the toolkit's font resolution (which carries
/// the user's text scaling and the X resource Xft.dpi) over 96 dots per
/// inch. 1 when no display is open or the resolution is unknown. Cheap: it
/// reads a value the toolkit keeps.
double DesktopFontScale();

} // namespace platform
