#include "files/default_files.h"

#include <wx/filename.h>

#include "platform/user_data_folder.h"

int GetWindowsPlatform()
{
    return platform::PlatformFamily();
}

wxString GetUserDataFolder(const wxString& programFolder)
{
    if (GetWindowsPlatform() == 2) {
        const std::string base = platform::ApplicationDataFolder();
        if (!base.empty())
            return wxString::FromUTF8(base) + wxFileName::GetPathSeparator() + "Orbivantelle";
    }
    return programFolder;
}

wxString GetDefaultChartPath(const wxString& programFolder)
{
    return GetUserDataFolder(programFolder) + wxFileName::GetPathSeparator() + "Default Chart.ovs";
}

wxString GetDefaultConfigurationPath(const wxString& programFolder)
{
    return GetUserDataFolder(programFolder) + wxFileName::GetPathSeparator() + "Default Configuration.ovc";
}
