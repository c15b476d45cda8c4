// Start-up and close-down for the tools that draw into bitmaps.
#pragma once

class wxBitmap;
class wxFrame;

/// Exit code of a tool stopped by a failed class-library assertion.
constexpr int kToolAssertExitCode = 3;

/// From now on a failed class-library assertion prints "<tool>: class
/// library assertion failed: ..." on standard error and ends the process
/// with kToolAssertExitCode, instead of opening a dialog nobody answers.
void ExitOnClassLibraryAssert(const char* tool);

/// Starts the class library with an application object that opens no window,
/// and the image handlers for writing PNG files; assertions end the tool
/// (ExitOnClassLibraryAssert). On failure prints
/// "<tool>: cannot start the class library (no display?)" and returns false.
bool StartToolApp(const char* tool, char** argv);

/// StartToolApp, then the ephemeris and the compiled glyphs for drawing charts.
bool StartChartTool(const char* tool, char** argv);

/// Writes the bitmap as a PNG file, then closes the frame, the ephemeris and
/// the class library. On a failed write prints "<tool>: cannot write <path>"
/// and returns false.
bool SaveAndCloseChartTool(const char* tool, const wxBitmap& bitmap, const char* path, wxFrame* frame);
