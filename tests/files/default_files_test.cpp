// Where the per-user folder and the two default files are, for each way the
// environment names (or fails to name) the user's folders. Paths are only
// computed: nothing here creates or writes a file.
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "files/default_files.h"

namespace {

/// Sets or removes one environment variable and puts it back afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char* name, std::optional<std::string> value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

const char kProgramFolder[] = "/opt/orbivantelle/bin";

TEST(DefaultFiles, FolderFollowsXdgConfigHomeThenHomeThenThePasswordDatabaseNeverTheProgramFolder)
{
    const passwd* user = getpwuid(getuid());
    const std::string recorded = user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
    struct Case {
        const char* what;
        std::optional<std::string> config;
        std::optional<std::string> home;
        std::string folder;
    };
    const Case cases[] = {
        {"absolute XDG_CONFIG_HOME first", "/tmp/ov_cfg", std::nullopt, "/tmp/ov_cfg/Orbivantelle"},
        {"XDG_CONFIG_HOME before HOME", "/tmp/ov_cfg", "/tmp/ov_home", "/tmp/ov_cfg/Orbivantelle"},
        {"relative XDG_CONFIG_HOME ignored", "relative/cfg", "/tmp/ov_home", "/tmp/ov_home/.config/Orbivantelle"},
        {"HOME", std::nullopt, "/tmp/ov_home", "/tmp/ov_home/.config/Orbivantelle"},
        {"HOME unset", std::nullopt, std::nullopt, recorded + "/.config/Orbivantelle"},
        {"HOME empty", "", "", recorded + "/.config/Orbivantelle"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScopedVariable config("XDG_CONFIG_HOME", c.config);
        const ScopedVariable home("HOME", c.home);
        if (recorded.empty() && c.folder.rfind("/.config/Orbivantelle", 0) == 0) {
            // This user has no entry in the password database: no folder,
            // no default file paths, and the message names the usual place.
            EXPECT_EQ(GetUserDataFolder(kProgramFolder).utf8_string(), "");
            EXPECT_EQ(GetDefaultChartPath(kProgramFolder).utf8_string(), "");
            EXPECT_EQ(DescribeUserDataFolder(kProgramFolder).utf8_string(), "$HOME/.config/Orbivantelle");
            continue;
        }
        EXPECT_EQ(GetUserDataFolder(kProgramFolder).utf8_string(), c.folder);
        EXPECT_EQ(DescribeUserDataFolder(kProgramFolder).utf8_string(), c.folder);
        EXPECT_EQ(GetDefaultChartPath(kProgramFolder).utf8_string(), c.folder + "/Default Chart.ovs");
        EXPECT_EQ(GetDefaultConfigurationPath(kProgramFolder).utf8_string(), c.folder + "/Default Configuration.ovc");
    }
}

} // namespace
