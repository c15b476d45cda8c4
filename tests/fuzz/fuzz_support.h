// What every fuzz target shares: a class-library assertion is a finding too,
// since in the program it would stop on a dialog.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include <wx/debug.h>

namespace ov_fuzz {

inline void AbortOnAssert(const wxString&, int, const wxString&, const wxString&, const wxString&)
{
    std::abort();
}

inline const bool kAssertsAbort = (wxSetAssertHandler(AbortOnAssert), true);

/// Build machines often have only the C locale: compiles UTF-8 locales
/// ("de_DE.UTF-8") into a private folder, removed at exit, and points
/// LOCPATH at it. Returns whether each was made; those not made are told.
inline std::vector<bool> CompileLocales(const char* target, const std::vector<std::string>& names)
{
    static std::string folder;
    std::vector<bool> made(names.size(), false);
    char name[] = "/tmp/ov_fuzz_locale_XXXXXX";
    if (mkdtemp(name) == nullptr)
        return made;
    folder = name;
    std::atexit([] { std::system(("rm -rf " + folder).c_str()); });
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string command = "localedef -i " + names[i].substr(0, names[i].find('.')) + " -f UTF-8 " +
                                    folder + "/" + names[i] + " >/dev/null 2>&1";
        made[i] = std::system(command.c_str()) == 0;
        if (!made[i])
            fprintf(stderr, "%s: %s could not be made; its texts run in C\n", target, names[i].c_str());
    }
    setenv("LOCPATH", folder.c_str(), 1);
    return made;
}

} // namespace ov_fuzz
