#include "tests/gui/gui_test_support.h"

#include "display/glyph_engine.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>
#include <wx/stopwatch.h>

namespace ov_test {

void InitGuiTestEnvironment()
{
    CompileAllGlyphs();
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
