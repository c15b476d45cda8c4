// Locales for tests: one that is not installed on the machine is compiled
// into a private folder found through LOCPATH, so language tests run on a
// bare build machine too.
#pragma once

#include <cstdlib>
#include <locale.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace ov_test {

inline bool LocaleLoads(const char* name)
{
    locale_t probe = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(nullptr));
    if (probe)
        freelocale(probe);
    return probe != nullptr;
}

/// True when the locale can be used, compiling it when needed.
inline bool EnsureLocale(const char* name)
{
    if (LocaleLoads(name))
        return true;
    static struct Folders {
        std::vector<std::string> paths;
        ~Folders()
        {
            for (const std::string& path : paths)
                std::system(("rm -rf " + path).c_str());
        }
    } folders;
    char folder[] = "/tmp/ov_locale_XXXXXX";
    if (!mkdtemp(folder))
        return false;
    folders.paths.push_back(folder);
    const std::string locale(name);
    const std::string command = "localedef -i " + locale.substr(0, locale.find('.')) + " -f UTF-8 " + folder +
                                "/" + locale + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return false;
    setenv("LOCPATH", folder, 1);
    return LocaleLoads(name);
}

/// Makes the process's numeric locale the given one for the scope, as a
/// user's language setting would, and puts the old one back.
class ScopedNumericLocale {
public:
    explicit ScopedNumericLocale(const char* name) : m_old(setlocale(LC_NUMERIC, nullptr))
    {
        m_active = setlocale(LC_NUMERIC, name) != nullptr;
    }
    ~ScopedNumericLocale() { setlocale(LC_NUMERIC, m_old.c_str()); }
    bool Active() const { return m_active; }

private:
    std::string m_old;
    bool m_active = false;
};

} // namespace ov_test
