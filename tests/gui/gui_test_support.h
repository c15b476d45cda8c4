// Shared helpers for the GUI tests.
#pragma once

#include <wx/image.h>

namespace ov_test {

/// Called once before the tests run: compiles glyph tables, points the
/// ephemeris at its data, and whatever else every GUI test relies on. HOME
/// becomes a new folder under TMPDIR (or /tmp), removed at exit; the tests
/// stop if it cannot be made.
void InitGuiTestEnvironment();

/// Points XDG_CONFIG_HOME at a new empty folder in that temporary HOME, so
/// that the default files one frame writes never reach the next.
void UseEmptyConfigFolder();

/// Lets pending events (paints, sizes, timers) run.
void PumpEvents(int milliseconds = 50);

} // namespace ov_test
