// The one way the program asks the user for a file name. It goes through a
// replaceable function because the GTK file dialog cannot be answered by a
// modal-dialog hook in tests.
#pragma once

#include <functional>
#include <wx/string.h>

/// Asks for a file with a title, a wildcard in the class library's
/// "Description|pattern|..." form and wxFD_* flags. Returns the chosen
/// path, or an empty text when the user cancels.
using FileChooser = std::function<wxString(const wxString& title, const wxString& wildcard, int flags)>;

/// Asks through the installed chooser (the platform file dialog by default).
wxString ChooseFile(const wxString& title, const wxString& wildcard, int flags);

/// Replaces the chooser; an empty function restores the file dialog.
void SetFileChooser(FileChooser chooser);

/// The wildcard as this platform needs it: GTK's "*.*" hides files without
/// a dot in their name, so the all-files pattern becomes "*".
wxString AdaptFileWildcard(const wxString& wildcard);
