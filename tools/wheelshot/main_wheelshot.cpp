// Developer tool: draws the chart wheel for given birth data into a PNG.
//   wheelshot OUT.png WIDTH HEIGHT MODE Y M D h m s ZONE DST LAT LON HOUSE
//             [Y2 M2 D2 h2 m2 s2 ZONE2 DST2 LAT2 LON2]
// MODE is the chart-mode word (chart type OR view flag, decimal or 0x hex).
// The second chart is the partner, or the transit in the natal-with-transits
// type. The chart set is filled through the real recalculation with the
// start-up restrictions and orbs, and painted by a real CChartCanvas.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>

#include "display/chart_canvas.h"
#include "display/glyph_engine.h"
#include "engine/ephemeris_setup.h"
#include "shell/chart_slots.h"

namespace {

const char kUsage[] = "usage: wheelshot OUT.png WIDTH HEIGHT MODE Y M D h m s ZONE DST LAT LON HOUSE "
                      "[Y2 M2 D2 h2 m2 s2 ZONE2 DST2 LAT2 LON2]\n";

bool ParseInt(const char* text, long low, long high, int* out)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < low || value > high)
        return false;
    *out = static_cast<int>(value);
    return true;
}

bool ParseReal(const char* text, double low, double high, double* out)
{
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text, &end);
    if (errno != 0 || end == text || *end != '\0' || !std::isfinite(value) || value < low || value > high)
        return false;
    *out = value;
    return true;
}

bool IsOneBitOf(int value, int mask) { return value != 0 && (value & ~mask) == 0 && (value & (value - 1)) == 0; }

// The chart-mode word: exactly one chart type, at most one view flag, nothing else.
bool ParseMode(const char* text, int* out)
{
    const bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(hex ? text + 2 : text, &end, hex ? 16 : 10);
    if (errno != 0 || end == (hex ? text + 2 : text) || *end != '\0' || value < 0 || value > 0xFFFF)
        return false;
    const int mode = static_cast<int>(value);
    const int type = mode & 0xFF;
    const int view = mode & ~0xFF;
    if (!IsOneBitOf(type, 0x1F) || (view != 0 && !IsOneBitOf(view, 0xF00)))
        return false;
    *out = mode;
    return true;
}

// One chart's birth data, read as chartdump reads it, from ten arguments.
bool ParseMoment(char** arg, ChartTimeRecord* record)
{
    double second = 0.0, latitude = 0.0, longitude = 0.0;
    const bool ok = ParseInt(arg[0], -5400, 5400, &record->year) && ParseInt(arg[1], 1, 12, &record->month) &&
                    ParseInt(arg[2], 1, 31, &record->day) && ParseInt(arg[3], 0, 23, &record->hour) &&
                    ParseInt(arg[4], 0, 59, &record->minute) && ParseReal(arg[5], 0.0, 59.999999, &second) &&
                    ParseInt(arg[6], -24, 24, &record->timeZone) && ParseInt(arg[7], 0, 1, &record->dst) &&
                    ParseReal(arg[8], -90.0, 90.0, &latitude) && ParseReal(arg[9], -180.0, 180.0, &longitude);
    if (!ok || record->day > DaysInMonth(record->month, record->year))
        return false;
    record->second = second;
    record->progressed = 0;
    DecimalToDms(latitude, &record->latitude);
    DecimalToDms(longitude, &record->longitude);
    return true;
}

int Usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

class WheelShotApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(WheelShotApp);

int main(int argc, char** argv)
{
    if (argc != 16 && argc != 26)
        return Usage();
    int width = 0, height = 0, mode = 0, houseSystem = 0;
    ChartTimeRecord first, second;
    if (!ParseInt(argv[2], 1, 8192, &width) || !ParseInt(argv[3], 1, 8192, &height) || !ParseMode(argv[4], &mode) ||
        !ParseMoment(argv + 5, &first) || !ParseInt(argv[15], ids::kHouseSystemFirst, ids::kHouseSystemLast, &houseSystem))
        return Usage();
    const bool hasSecond = argc == 26;
    if (hasSecond && !ParseMoment(argv + 16, &second))
        return Usage();

    wxApp::SetInstance(new WheelShotApp);
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv)) {
        std::fprintf(stderr, "wheelshot: cannot start the class library (no display?)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    wxInitAllImageHandlers();
    InitEphemeris(argv[0]);
    CompileAllGlyphs();

    // Start-up defaults, then the given charts in their slots, then the real
    // recalculation of all eight slots and the shown slots of the type.
    ChartSet set;
    ChartRestrictions restrictions;
    ChartSettings settings;
    SetStartupDefaults(set, restrictions, settings, GetCurrentMoment());
    const ChartType type = mode & 0xFF;
    set.times[kSlotNative] = first;
    set.names[kSlotNative].isNow = 0;
    if (hasSecond) {
        const ChartSlot slot = type == kChartTransits ? kSlotTransit : kSlotPartner;
        set.times[slot] = second;
        set.names[slot].isNow = 0;
    }
    settings.houseSystem = houseSystem;
    settings.chartType = type;
    settings.view = mode & ~0xFF;
    RecalculateCharts(set, restrictions, houseSystem);
    SelectShownCharts(type, set, settings);

    auto* frame = new wxFrame(nullptr, wxID_ANY, "wheelshot");
    frame->SetClientSize(width, height);
    auto* canvas = new CChartCanvas(frame);
    canvas->SetSize(0, 0, width, height);
    canvas->SetRestrictions(restrictions.pointRestricted, restrictions.aspectRestricted, restrictions.orbs, false);
    canvas->SetChartData(set.positions, set.times, set.names, false);
    canvas->SetChartMode(mode, settings.shownA, settings.shownB, settings.shownC, true, false);

    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        canvas->Draw(dc);
    }
    const int lines = canvas->GetAspectCount();
    const int configurations = canvas->GetPatterns().GetCount();
    const bool saved = bitmap.ConvertToImage().SaveFile(wxString::FromUTF8(argv[1]), wxBITMAP_TYPE_PNG);
    frame->Destroy();
    CloseEphemeris();
    wxEntryCleanup();
    if (!saved) {
        std::fprintf(stderr, "wheelshot: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %dx%d, mode 0x%x, %d lines, %d configurations\n", argv[1], width, height,
                mode, lines, configurations);
    return 0;
}
