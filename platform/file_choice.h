// The one way the program asks the user for a file name. It goes through a
// replaceable function because the GTK file dialog cannot be answered by a
// modal-dialog hook in tests.
#pragma once

#include <functional>
#include <wx/string.h>

/// What the user chose: the path (empty when cancelled) and the filter of
/// the wildcard that was chosen, counted from 0.
struct FileChoice {
    FileChoice(const wxString& chosenPath = wxString(), int chosenFilter = 0)
        : path(chosenPath), filterIndex(chosenFilter)
    {
    }
    wxString path;
    int filterIndex;
};

/// Asks for a file with a title, a wildcard in the class library's
/// "Description|pattern|..." form and wxFD_* flags.
using FileChooser = std::function<FileChoice(const wxString& title, const wxString& wildcard, int flags)>;

/// Asks through the installed chooser (the platform file dialog by default)
/// and returns the chosen path, or an empty text when the user cancels. A
/// name saved without an extension gets the chosen filter's ("albert" with
/// "*.ovs" chosen becomes "albert.ovs"); when that file exists and the flags
/// ask before overwriting, the user is asked, and No cancels.
wxString ChooseFile(const wxString& title, const wxString& wildcard, int flags);

/// Replaces the chooser; an empty function restores the file dialog.
void SetFileChooser(FileChooser chooser);

/// The wildcard as this platform needs it: GTK's "*.*" hides files without
/// a dot in their name, so the all-files pattern becomes "*".
wxString AdaptFileWildcard(const wxString& wildcard);

/// The path with the extension of the wildcard's filter at filterIndex added
/// when its file name has none; unchanged for a pattern without a plain
/// extension ("*", "*.*") or a name that has one.
wxString WithFilterExtension(const wxString& path, const wxString& wildcard, int filterIndex);
