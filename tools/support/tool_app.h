// Start-up of the class library for the tools that draw into bitmaps.
#pragma once

/// Starts the class library with an application object that opens no window,
/// and the image handlers for writing PNG files. On failure prints
/// "<tool>: cannot start the class library (no display?)" and returns false.
bool StartToolApp(const char* tool, char** argv);
