// A language for tests: a locale that is not installed is compiled into a
// private folder found through LOCPATH, so the test runs on a bare machine.
#pragma once

#include <cstdlib>
#include <locale.h>
#include <string>

namespace ov_test {

/// Makes the process's numeric locale the given one for the scope, as a
/// user's language setting does, and puts the old one back.
class ScopedNumericLocale {
public:
    explicit ScopedNumericLocale(const char* name) : m_old(setlocale(LC_NUMERIC, nullptr))
    {
        if (!setlocale(LC_NUMERIC, name)) {
            // Removed when the tests end.
            static struct Folder {
                std::string path = "/tmp/ov_locale_XXXXXX";
                ~Folder() { std::system(("rm -rf " + path).c_str()); }
            } made;
            std::string& folder = made.path;
            const std::string locale(name);
            if (mkdtemp(folder.data()) != nullptr &&
                std::system(("localedef -i " + locale.substr(0, locale.find('.')) + " -f UTF-8 " + folder + "/" +
                             locale + " >/dev/null 2>&1").c_str()) == 0)
                setenv("LOCPATH", folder.c_str(), 1);
            setlocale(LC_NUMERIC, name);
        }
    }
    ~ScopedNumericLocale() { setlocale(LC_NUMERIC, m_old.c_str()); }
    /// True when numbers are now written with a decimal comma.
    bool UsesDecimalComma() const { return localeconv()->decimal_point[0] == ','; }

private:
    std::string m_old;
};

} // namespace ov_test
