// The per-user folder and the two default files in it: "Default Chart.ovs",
// read into every slot at start-up, and "Default Configuration.ovc".
#pragma once

#include <wx/string.h>

/// The platform family: 0, 1, or 2 where a per-user data folder exists.
int GetWindowsPlatform();

/// The per-user folder without a trailing separator: "Orbivantelle" under
/// the user's application-data folder, or the program folder when there is
/// none. Nothing is cached, tested or created.
wxString GetUserDataFolder(const wxString& programFolder);

/// Full path of "Default Chart.ovs" in the per-user folder.
wxString GetDefaultChartPath(const wxString& programFolder);

/// Full path of "Default Configuration.ovc" in the per-user folder.
wxString GetDefaultConfigurationPath(const wxString& programFolder);
