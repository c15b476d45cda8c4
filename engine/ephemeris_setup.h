// Start-up and shut-down of the ephemeris library: the data-file search path
// and the start-up lunar modes.
#pragma once

#include <cstddef>
#include <string>

/// The library ignores a longer search path (and falls back to its default),
/// so the path is kept below this many characters.
constexpr size_t kEphemerisPathLimit = 243;

/// Sets the search path from the program's path and the start-up lunar
/// modes (true node, mean apogee). Call once before anything is computed.
void InitEphemeris(const char* programPath);
/// Releases the library's open files and buffers.
void CloseEphemeris();
/// Hands the search path to the library; -1 when the current folder cannot be read.
int BuildEphemerisPath(const char* programPath);
/// The search path text: ".", the program's folder, then each fixed folder
/// (";"-separated list), every entry followed by ";", shorter than
/// kEphemerisPathLimit. currentFolder null means it could not be read (result -1).
int ComposeEphemerisPath(const char* programPath, const char* currentFolder, const char* fixedFolders,
                         std::string* path);
/// Splits a writable text in place at any of the separators (runs count as
/// one), ending at a line end; the entry after the last part is null when
/// there is room. Returns the number of parts.
int SplitAtAnyOf(char* text, const char* separators, char** parts, int maxCount);
