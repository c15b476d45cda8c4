// The text of the About box.
#pragma once

#include <wx/string.h>

/// The About message with the class library's version text and the
/// ephemeris library's version number filled in.
wxString BuildAboutText(const wxString& libraryVersion, const wxString& ephemerisVersion);

/// Version number of the ephemeris library the program runs on.
wxString GetEphemerisVersion();
