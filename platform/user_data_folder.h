// Where this user's application data lives. The desktop's own convention
// stands in for the per-user application-data folder of other systems.
#pragma once

#include <string>

namespace platform {

/// The platform family as the per-user folder rules know it: 0, 1, or 2 for
/// a system with a per-user application-data folder. Always 2 here.
int PlatformFamily();

/// The per-user application-data folder without the product word:
/// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config when
/// HOME is set and not empty, else .config in the home folder that the
/// password database gives the user; "" when none of them is there.
std::string ApplicationDataFolder();

/// How a message names the application-data folder when there is none.
std::string UnknownApplicationDataFolder();

} // namespace platform
