#include "platform/file_choice.h"

#include <wx/arrstr.h>
#include <wx/filedlg.h>

namespace {

wxString AskWithFileDialog(const wxString& title, const wxString& wildcard, int flags)
{
    return wxFileSelector(title, wxEmptyString, wxEmptyString, wxEmptyString, wildcard, flags, nullptr);
}

FileChooser& InstalledChooser()
{
    static FileChooser chooser;
    return chooser;
}

} // namespace

wxString ChooseFile(const wxString& title, const wxString& wildcard, int flags)
{
    const wxString adapted = AdaptFileWildcard(wildcard);
    const FileChooser& chooser = InstalledChooser();
    return chooser ? chooser(title, adapted, flags) : AskWithFileDialog(title, adapted, flags);
}

void SetFileChooser(FileChooser chooser)
{
    InstalledChooser() = std::move(chooser);
}

wxString AdaptFileWildcard(const wxString& wildcard)
{
    // Descriptions and patterns alternate; only the patterns change.
    wxArrayString parts = wxSplit(wildcard, '|', '\0');
    for (size_t i = 1; i < parts.size(); i += 2) {
        if (parts[i] == "*.*")
            parts[i] = "*";
    }
    return wxJoin(parts, '|', '\0');
}
