// The per-user folder and the two default files in it: "Default Chart.ovs",
// read into every slot at start-up, and "Default Configuration.ovc".
#pragma once

#include <wx/string.h>

/// The platform family: 0, 1, or 2 where a per-user data folder exists.
int GetWindowsPlatform();

/// The per-user folder without a trailing separator: "Orbivantelle" under
/// the user's application-data folder; "" when the user has none (no
/// XDG_CONFIG_HOME, HOME or home folder in the password database). A
/// platform without such folders would use the program folder. Nothing is
/// cached, tested or created.
wxString GetUserDataFolder(const wxString& programFolder);

/// The per-user folder as a message names it: the folder, or the usual
/// place ("$HOME/.config/Orbivantelle") when there is none.
wxString DescribeUserDataFolder(const wxString& programFolder);

/// Full path of "Default Chart.ovs" in the per-user folder; "" when there is
/// no per-user folder.
wxString GetDefaultChartPath(const wxString& programFolder);

/// Full path of "Default Configuration.ovc" in the per-user folder; "" when
/// there is no per-user folder.
wxString GetDefaultConfigurationPath(const wxString& programFolder);
