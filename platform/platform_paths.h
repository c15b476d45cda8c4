// What the program asks of the operating system about folders: its own
// executable, the current folder and where the ephemeris data lives.
#pragma once

#include <string>

namespace platform {

/// Full path of the running executable (its real path from /proc/self/exe);
/// the first command-line argument when that cannot be read, "" when neither is there.
std::string ExecutablePath(const char* firstArgument);

/// The current folder; false when it cannot be read.
bool CurrentFolder(std::string* folder);

/// The fixed folders that hold the ephemeris data files, each ending in "/",
/// separated by ";": the distribution's folder (found at build time), then
/// the local administrator's.
const char* FixedEphemerisFolders();

} // namespace platform
