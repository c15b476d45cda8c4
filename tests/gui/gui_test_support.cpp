#include "tests/gui/gui_test_support.h"

#include "display/glyphs/glyph_engine.h"
#include "engine/ephemeris_setup.h"

#include <cstdlib>
#include <string>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>
#include <wx/stopwatch.h>

namespace ov_test {

void InitGuiTestEnvironment()
{
    CompileAllGlyphs();
    InitEphemeris("");
    // The program keeps files in a folder under HOME: never touch the real one.
    static std::string home = "/tmp/ov_gui_home_XXXXXX";
    if (mkdtemp(home.data()) != nullptr) {
        setenv("HOME", home.c_str(), 1);
        // The per-user folder follows XDG_CONFIG_HOME before HOME.
        setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    }
}

void UseEmptyConfigFolder()
{
    std::string config = std::string(std::getenv("HOME") ? std::getenv("HOME") : "/tmp") + "/config_XXXXXX";
    if (mkdtemp(config.data()) != nullptr)
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
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
