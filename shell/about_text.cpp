#include "shell/about_text.h"

#include <swephexp.h>

wxString BuildAboutText(const wxString& libraryVersion, const wxString& ephemerisVersion)
{
    wxString text = "Orbivantelle Alpha 6\n"
                    "Note that this is an Alpha version;\n"
                    "you are encouraged to stay updated\n"
                    "on new versions at least until out\n"
                    "of Alpha testing and officially released\n"
                    "\n"
                    "Uses WXVER\n"
                    "and v" + ephemerisVersion + " of the Swiss Ephemeris\n";
    text.Replace("WXVER", libraryVersion, false);
    return text;
}

wxString GetEphemerisVersion()
{
    char version[256] = {};
    swe_version(version);
    return wxString::FromUTF8(version);
}
