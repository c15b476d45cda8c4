// Developer tool: paints one page of the information panel for given birth
// data into a PNG, 200 pixels wide.
//   panelshot OUT.png HEIGHT MODE PAGE ITEM Y M D h m s ZONE DST LAT LON HOUSE
//             [Y2 M2 D2 h2 m2 s2 ZONE2 DST2 LAT2 LON2]
// MODE is the chart-mode word as for wheelshot, PAGE the page kind (0 summary,
// 1 sign, 2 house, 3 point, 4 aspect list) and ITEM the selected sign, house
// or point identifier, or -1. The chart set goes through the real
// recalculation with the start-up restrictions and orbs to a real canvas and
// panel pair, wired as the main frame wires them.
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
#include "display/chart_info.h"
#include "display/glyph_engine.h"
#include "engine/ephemeris_setup.h"
#include "shell/chart_slots.h"

namespace {

const char kUsage[] = "usage: panelshot OUT.png HEIGHT MODE PAGE ITEM Y M D h m s ZONE DST LAT LON HOUSE "
                      "[Y2 M2 D2 h2 m2 s2 ZONE2 DST2 LAT2 LON2]\n";
constexpr int kPanelWidth = 200;

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

class PanelShotApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(PanelShotApp);

int main(int argc, char** argv)
{
    if (argc != 17 && argc != 27)
        return Usage();
    int height = 0, mode = 0, page = 0, item = 0, houseSystem = 0;
    ChartTimeRecord first, second;
    if (!ParseInt(argv[2], 1, 65536, &height) || !ParseMode(argv[3], &mode) || !ParseInt(argv[4], 0, 4, &page) ||
        !ParseInt(argv[5], -1, 100000, &item) || !ParseMoment(argv + 6, &first) ||
        !ParseInt(argv[16], ids::kHouseSystemFirst, ids::kHouseSystemLast, &houseSystem))
        return Usage();
    const bool hasSecond = argc == 27;
    if (hasSecond && !ParseMoment(argv + 17, &second))
        return Usage();

    wxApp::SetInstance(new PanelShotApp);
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv)) {
        std::fprintf(stderr, "panelshot: cannot start the class library (no display?)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    wxInitAllImageHandlers();
    InitEphemeris(argv[0]);
    CompileAllGlyphs();

    ChartSet set;
    ChartRestrictions restrictions;
    ChartSettings settings;
    SetStartupDefaults(set, restrictions, settings, GetCurrentMoment());
    const ChartType type = mode & 0xFF;
    // The given charts are nowhere in particular: no start-up city name
    // beside their coordinates.
    set.times[kSlotNative] = first;
    set.names[kSlotNative] = ChartNameRecord();
    if (hasSecond) {
        const ChartSlot slot = type == kChartTransits ? kSlotTransit : kSlotPartner;
        set.times[slot] = second;
        set.names[slot] = ChartNameRecord();
    }
    settings.houseSystem = houseSystem;
    settings.chartType = type;
    settings.view = mode & ~0xFF;
    RecalculateCharts(set, restrictions, houseSystem);
    SelectShownCharts(type, set, settings);

    // The frame's wiring: canvas and panel side by side, the panel handed to
    // the canvas before any data.
    auto* frame = new wxFrame(nullptr, wxID_ANY, "panelshot");
    frame->SetClientSize(700 + kPanelWidth, height);
    auto* canvas = new CChartCanvas(frame);
    auto* panel = new CChartInfo(frame, canvas);
    canvas->SetSize(0, 0, 700, height);
    panel->SetSize(700, 0, kPanelWidth, height);
    canvas->SetInfoPanel(panel);
    canvas->SetRestrictions(restrictions.pointRestricted, restrictions.aspectRestricted, restrictions.orbs, false);
    canvas->SetChartData(set.positions, set.times, set.names, false);
    canvas->SetChartMode(mode, settings.shownA, settings.shownB, settings.shownC, true, false);

    // The dispositor views build their list while the wheel paints.
    {
        wxBitmap wheel(700, height, 24);
        wxMemoryDC dc(wheel);
        canvas->Draw(dc);
    }

    // What a click on the wheel (or the aspect-list command) would select;
    // pages are about the wheel's chart, or the inner ring's.
    const ChartSlot slot = IsSingleWheel(mode) ? settings.shownA : settings.shownB;
    if (page == kPageAspects && item < 0)
        panel->SetAspectSortOrder(kListAll | kListSortByOrb, false);
    else
        panel->SetPage(page, item, slot);

    // Two passes: the first page sets the scroll range, which may take room
    // for the scroll bar; the second draws at the final client size.
    wxBitmap bitmap(kPanelWidth, height, 24);
    for (int pass = 0; pass < 2; ++pass) {
        wxMemoryDC dc(bitmap);
        panel->Draw(dc);
    }
    const int pageHeight = panel->GetVirtualSize().y;
    const int aspects = panel->GetAspectCount();
    const bool saved = bitmap.ConvertToImage().SaveFile(wxString::FromUTF8(argv[1]), wxBITMAP_TYPE_PNG);
    frame->Destroy();
    CloseEphemeris();
    wxEntryCleanup();
    if (!saved) {
        std::fprintf(stderr, "panelshot: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %dx%d, mode 0x%x, page %d, item %d, slot %d, %d aspects, page height %d\n", argv[1],
                kPanelWidth, height, mode, page, item, slot, aspects, pageHeight);
    return 0;
}
