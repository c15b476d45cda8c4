#include "tests/gui/gui_test_support.h"

#include "display/glyphs/glyph_engine.h"
#include "engine/ephemeris_setup.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>
#include <wx/stopwatch.h>

namespace ov_test {

namespace {

std::string g_home;
pid_t g_homeOwner = 0;

/// Removes the temporary home with every configuration folder in it; only
/// in the process that made it, not in a child that forked from it.
void RemoveTemporaryHome()
{
    if (!g_home.empty() && getpid() == g_homeOwner) {
        std::error_code ignored;
        std::filesystem::remove_all(g_home, ignored);
    }
}

/// Makes a new folder from a mkdtemp template, or stops the tests: going on
/// would let the program write into the real user's folders.
std::string MakeFolderOrStop(std::string path)
{
    if (mkdtemp(path.data()) == nullptr) {
        std::fprintf(stderr, "cannot make the temporary folder %s: %s\n", path.c_str(), std::strerror(errno));
        std::exit(EXIT_FAILURE);
    }
    return path;
}

} // namespace

void InitGuiTestEnvironment()
{
    CompileAllGlyphs();
    InitEphemeris("");
    // The program keeps files in a folder under HOME: never touch the real one.
    const char* tmp = std::getenv("TMPDIR");
    g_home = MakeFolderOrStop(std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/ov_gui_home_XXXXXX");
    g_homeOwner = getpid();
    std::atexit(RemoveTemporaryHome);
    setenv("HOME", g_home.c_str(), 1);
    // The per-user folder follows XDG_CONFIG_HOME before HOME.
    setenv("XDG_CONFIG_HOME", (g_home + "/.config").c_str(), 1);
}

void UseEmptyConfigFolder()
{
    setenv("XDG_CONFIG_HOME", MakeFolderOrStop(g_home + "/config_XXXXXX").c_str(), 1);
}

void PumpEvents(int milliseconds)
{
    wxStopWatch watch;
    do {
        wxYield();
        wxMilliSleep(5);
    } while (watch.Time() < milliseconds);
}

} // namespace ov_test
