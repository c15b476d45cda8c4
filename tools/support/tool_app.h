// Start-up and close-down for the tools that draw into bitmaps.
#pragma once

class wxBitmap;
class wxFrame;

/// Starts the class library with an application object that opens no window,
/// and the image handlers for writing PNG files. On failure prints
/// "<tool>: cannot start the class library (no display?)" and returns false.
bool StartToolApp(const char* tool, char** argv);

/// StartToolApp, then the ephemeris and the compiled glyphs for drawing charts.
bool StartChartTool(const char* tool, char** argv);

/// Writes the bitmap as a PNG file, then closes the frame, the ephemeris and
/// the class library. On a failed write prints "<tool>: cannot write <path>"
/// and returns false.
bool SaveAndCloseChartTool(const char* tool, const wxBitmap& bitmap, const char* path, wxFrame* frame);
