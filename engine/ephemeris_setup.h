// Start-up and shut-down of the ephemeris library: the data-file search path
// and the start-up lunar modes.
#pragma once

#include <string>

void InitEphemeris(const char* programPath);
void CloseEphemeris();
int BuildEphemerisPath(const char* programPath);
int SplitAtAnyOf(char* text, const char* separators, char** parts, int maxCount);
