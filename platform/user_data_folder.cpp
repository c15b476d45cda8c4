#include "platform/user_data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace platform {

namespace {

/// The home folder the password database gives this process's user, or ""
/// when the user has no entry there or the entry names no absolute folder.
std::string PasswordDatabaseHome()
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return {};
    if (found->pw_dir == nullptr || found->pw_dir[0] != '/')
        return {};
    return found->pw_dir;
}

} // namespace

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
    // Started without HOME (a service, env -i): the user's home all the same.
    const std::string recorded = PasswordDatabaseHome();
    if (!recorded.empty())
        return recorded + "/.config";
    return {};
}

std::string UnknownApplicationDataFolder()
{
    return "$HOME/.config";
}

} // namespace platform
