#include "platform/file_choice.h"

#include <wx/arrstr.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>

namespace {

FileChoice AskWithFileDialog(const wxString& title, const wxString& wildcard, int flags)
{
    wxFileDialog dialog(nullptr, title, wxEmptyString, wxEmptyString, wildcard, flags);
    if (dialog.ShowModal() != wxID_OK)
        return FileChoice();
    return FileChoice(dialog.GetPath(), dialog.GetFilterIndex());
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
    const FileChoice choice = chooser ? chooser(title, adapted, flags) : AskWithFileDialog(title, adapted, flags);
    if (choice.path.empty() || !(flags & wxFD_SAVE))
        return choice.path;
    // GTK's dialog saves the name as typed, where the desktop dialog the
    // commands were made for adds the chosen filter's extension.
    const wxString path = WithFilterExtension(choice.path, adapted, choice.filterIndex);
    // The dialog asked about the name as typed, not about this one.
    if (path != choice.path && (flags & wxFD_OVERWRITE_PROMPT) && wxFileExists(path) &&
        wxMessageBox(wxString::Format(_("File '%s' already exists, do you really want to overwrite it?"),
                                      wxFileName(path).GetFullName()),
                     _("Confirm"), wxYES_NO | wxICON_QUESTION, nullptr) != wxYES)
        return wxString();
    return path;
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

wxString WithFilterExtension(const wxString& path, const wxString& wildcard, int filterIndex)
{
    const wxArrayString parts = wxSplit(wildcard, '|', '\0');
    const size_t patternAt = 2 * static_cast<size_t>(filterIndex < 0 ? 0 : filterIndex) + 1;
    if (patternAt >= parts.size())
        return path;
    // The first pattern of the filter, when it is "*.EXT" with a plain EXT.
    const wxString pattern = parts[patternAt].BeforeFirst(';').Trim(true).Trim(false);
    if (!pattern.StartsWith("*.") || pattern.length() < 3)
        return path;
    const wxString extension = pattern.Mid(2);
    if (extension.find_first_of("*?.[ ") != wxString::npos)
        return path;
    // A name with an extension of its own keeps it; one ending in a dot or a
    // hidden file's leading dot does not count as one.
    const wxString name = wxFileName(path).GetFullName();
    const size_t dot = name.rfind('.');
    if (dot != wxString::npos && dot > 0 && dot + 1 < name.length())
        return path;
    return (path.EndsWith(".") ? path : path + ".") + extension;
}
