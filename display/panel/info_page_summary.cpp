// Page 0: the charts on screen with their birth data, positions and cusps.
#include <cmath>
#include <cstdlib>

#include "display/panel/info_pages.h"
#include "engine/object_ids.h"
#include "engine/whole_seconds.h"
#include "files/coordinate_text.h"

using namespace info_page;

namespace {

struct Block {
    const char* heading; ///< nullptr: no heading
    ChartSlot slot;
    bool positions;      ///< the chart's positions follow its details
};

wxString DateLine(const ChartTimeRecord& t)
{
    if (t.year >= 1000 && t.year <= 4000)
        return FormatLongDate(t.month, t.day, t.year) + "\n";
    return wxString::Format("%d %.3s %d\n", t.day, GetIdName(330 + t.month), t.year);
}

bool IsZero(const DmsAngle& a) { return a.degrees == 0 && a.minutes == 0 && a.seconds == 0.0; }

wxString AngleLine(const char* label, const DmsAngle& a, const char* hemisphere)
{
    const DmsAngle shown = RoundToWholeSeconds(a);
    return wxString::Format(wxString::FromUTF8("%s: %2d\xC2\xB0%02d'%02d\""), label, shown.degrees, shown.minutes,
                            int(shown.seconds)) +
           hemisphere;
}

void WriteDetails(PanelWriter& out, const InfoPanelState& state, ChartSlot slot)
{
    const int T = state.textSize;
    const ChartTimeRecord& t = state.charts.times[slot];
    const ChartNameRecord& n = state.charts.names[slot];
    auto line = [&](const wxString& text) {
        out.WriteText(text, LightGrey(), T, false, kAlignCentre, PanelFont::Modern);
    };
    if (!n.name.empty())
        line(n.name + "\n");
    if (!n.place.empty())
        line(n.place + "\n");
    if (!n.name.empty() && !n.place.empty())
        out.NewLine(T);
    if (t.progressed)
        line("Progressed to\n");
    line(DateLine(t));
    line(FormatLocalTime(t.hour, t.minute, t.second) + "\n");
    line(wxString::Format("Timezone: %d", t.timeZone) + (t.dst ? " (+DST)\n" : "\n"));
    if (!n.place.empty() && n.name.empty())
        out.NewLine(T);
    line(AngleLine("Lat.", t.latitude, IsDmsNegative(t.latitude) ? "S\n" : "N\n"));
    const bool west = IsDmsNegative(t.longitude) || IsZero(t.longitude);
    line(AngleLine("Lon.", t.longitude, west ? "W\n" : "E\n"));
    out.NewLine(2 * T);
}

/// The house shown beside point k of the listed chart.
int HouseOfPoint(const InfoPanelState& state, ChartSlot listed, PointIndex k)
{
    const ChartPositions* p = state.charts.positions;
    if (state.IsTwoRing()) {
        const ChartSlot other = listed == state.shownSlotB ? state.shownSlotC : state.shownSlotB;
        return FindHouseOfPoint(k, p[listed].points, p[other].cusps);
    }
    // One wheel: the house stored with the listed chart's own point, so the
    // column agrees with the cusps listed below it and with the wheel (a
    // progressed chart with its progressed houses, never another slot's).
    return p[listed].points[k].house;
}

void WritePositions(PanelWriter& out, const InfoPanelState& state, ChartSlot slot)
{
    const int T = state.textSize;
    const ChartPositions& chart = state.charts.positions[slot];
    for (PointIndex k = 0; k < kComputedPoints; ++k) {
        if (state.pointRestricted[slot][k])
            continue;
        const ObjectId id = PointIndexToId(k);
        out.DrawMarkupText(ClassColour(id), 1, kAlignLeft, false, wxString::Format("/g%d/: ", id));
        out.WritePosition(id, chart.points[k].longitude, chart.points[k].longitudeSpeed, 1, 1, kAlignContinue,
                          false);
        const int house = HouseOfPoint(state, slot, k);
        out.DrawMarkupText(ClassColour(749 + house), 1, kAlignContinue, false, wxString::Format(" %2d", house));
        out.NewLine(3 * T / 2);
    }
    out.NewLine(10);
    for (int n = 1; n <= 12; ++n) {
        const ObjectId house = 749 + n;
        out.DrawMarkupText(ClassColour(house), 1, kAlignLeft, false, wxString::Format("/g%d/: ", house));
        out.WritePosition(house, chart.cusps[n].longitude, 0.0001, 1, 1, kAlignContinue, true);
    }
    out.NewLine(T);
}

} // namespace

PageReport DrawSummaryPage(PanelWriter& out, const InfoPanelState& state, int w, int h)
{
    PageReport report;
    const int T = state.textSize;
    const int margin = out.MeasureText(": 00  00'00\"  ", T, false, PanelFont::Modern);
    out.SetArea((w - 2 * T - margin) / 2, 10, w, h);

    const ChartModeFlags mode = state.chartMode;
    const ChartSlot A = state.shownSlotA, B = state.shownSlotB, C = state.shownSlotC;
    const char* title = nullptr;
    Block blocks[3] = {};
    int count = 0;
    bool compositeHeading = false;
    if (mode & kChartNatal) {
        title = "Natal Chart";
        blocks[count++] = {nullptr, A, true};
    } else if (mode & kChartComposite) {
        title = "Composite Chart";
        blocks[count++] = {"Native", B, false};
        blocks[count++] = {"Partner", C, true};
        compositeHeading = true;
    } else if (mode & kChartDavison) {
        title = "Davison Chart";
        blocks[count++] = {"Native", B, false};
        blocks[count++] = {"Partner", C, false};
        blocks[count++] = {"Midpoint", A, true};
    } else if (mode & kChartSynastry) {
        title = "Synastry";
        blocks[count++] = {"Native", B, true};
        blocks[count++] = {"Partner", C, true};
    } else if (mode & kChartTransits) {
        title = "Transits";
        blocks[count++] = {"Native", B, true};
        blocks[count++] = {"Transits", C, true};
    } else {
        report.error = "ERROR: Should not have gotten here (DrawChartSummary)";
        blocks[count++] = {nullptr, A, false};
    }
    if (title) {
        out.WriteText(title, White(), T + 2, true, kAlignCentre, PanelFont::Swiss);
        out.NewLine(3 * (T + 2));
    }

    for (int b = 0; b < count; ++b) {
        const Block& block = blocks[b];
        if (block.heading) {
            out.WriteText(block.heading, White(), T, true, kAlignCentre, PanelFont::Swiss);
            out.NewLine(T + T / 2);
        }
        WriteDetails(out, state, block.slot);
        if (!block.positions)
            continue;
        if (compositeHeading) {
            out.WriteText("Composite Positions", White(), T, true, kAlignCentre, PanelFont::Swiss);
            out.NewLine(2 * T);
        }
        // The one-wheel types list the wheel's chart; the two-ring types each block's own.
        WritePositions(out, state, IsSingleWheel(mode) ? A : block.slot);
    }
    report.height = out.GetY();
    return report;
}
