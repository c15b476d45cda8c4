// Linux answers to the folder questions: /proc/self/exe, getcwd and the
// ephemeris folders of the Debian data packages.
#include "platform/platform_paths.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

#ifndef OV_SWE_EPHEDIR
#define OV_SWE_EPHEDIR "/usr/share/libswe/ephe/"
#endif

namespace platform {

std::string ExecutablePath(const char* firstArgument)
{
    char resolved[PATH_MAX];
    if (realpath("/proc/self/exe", resolved) != nullptr)
        return resolved;
    return firstArgument != nullptr ? firstArgument : "";
}

bool CurrentFolder(std::string* folder)
{
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer) == nullptr)
        return false;
    if (folder != nullptr)
        *folder = buffer;
    return true;
}

const char* FixedEphemerisFolders()
{
    return OV_SWE_EPHEDIR ";/usr/local/share/libswe/ephe/";
}

} // namespace platform
