#include "platform/user_data_folder.h"

#include <cstdlib>

namespace platform {

int PlatformFamily()
{
    return 2;
}

std::string ApplicationDataFolder()
{
    // Read afresh on every call: a changed environment moves the folder.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return config;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + "/.config";
    return {};
}

} // namespace platform
