#include "files/default_files.h"

#include <wx/filename.h>

#include "platform/user_data_folder.h"

int GetWindowsPlatform()
{
    return platform::PlatformFamily();
}

namespace {

const char kProductFolder[] = "Orbivantelle";

wxString InUserDataFolder(const wxString& programFolder, const char* name)
{
    const wxString folder = GetUserDataFolder(programFolder);
    // No folder: no path either, rather than a file in the root folder.
    if (folder.empty() && GetWindowsPlatform() == 2)
        return {};
    return folder + wxFileName::GetPathSeparator() + name;
}

} // namespace

wxString GetUserDataFolder(const wxString& programFolder)
{
    if (GetWindowsPlatform() == 2) {
        // Without any home folder the program's own folder is no stand-in:
        // it is shared by every user, and often not writable.
        const std::string base = platform::ApplicationDataFolder();
        if (base.empty())
            return {};
        return wxString::FromUTF8(base) + wxFileName::GetPathSeparator() + kProductFolder;
    }
    return programFolder;
}

wxString DescribeUserDataFolder(const wxString& programFolder)
{
    const wxString folder = GetUserDataFolder(programFolder);
    if (!folder.empty() || GetWindowsPlatform() != 2)
        return folder;
    return wxString::FromUTF8(platform::UnknownApplicationDataFolder()) + wxFileName::GetPathSeparator() +
           kProductFolder;
}

wxString GetDefaultChartPath(const wxString& programFolder)
{
    return InUserDataFolder(programFolder, "Default Chart.ovs");
}

wxString GetDefaultConfigurationPath(const wxString& programFolder)
{
    return InUserDataFolder(programFolder, "Default Configuration.ovc");
}
