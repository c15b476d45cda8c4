// Pages 1 and 2: a sign or a house with its rulers and what stands in it.
#include <wx/intl.h>

#include "display/aspects/aspect_search.h"
#include "display/panel/info_pages.h"
#include "engine/object_ids.h"
#include "engine/whole_seconds.h"

using namespace info_page;

namespace {

/// The charts whose points a sign or house page lists: the page's own, then
/// on two-ring charts the other ring's.
int ListedCharts(const InfoPanelState& state, ChartSlot charts[2])
{
    charts[0] = state.pageSlot;
    if (!state.IsTwoRing())
        return 1;
    charts[1] = state.OtherRingSlot();
    return 2;
}

/// One "item in sign/house" line; on two-ring charts an empty glyph cell
/// puts the two rings' glyphs in two columns.
void WriteItemLine(PanelWriter& out, const InfoPanelState& state, int chartIndex, ObjectId item, ObjectId place)
{
    wxString format = "/s2//g%d//s1/ in /s2//g%d/";
    if (state.IsTwoRing())
        format = chartIndex == 0 ? "/s2//g-//g%d//s1/ in /s2//g%d/" : "/s2//g%d//g-//s1/ in /s2//g%d/";
    out.DrawMarkupText(Grey(), 2, kAlignCentre, true, wxString::Format(format, item, place));
}

wxString HouseOrdinal(ObjectId house)
{
    static const char* const kOrdinals[12] = {"First", "Second", "Third",   "Fourth", "Fifth",    "Sixth",
                                              "Seventh", "Eigth", "Ninth", "Tenth", "Eleventh", "Twelfth"};
    if (house < ids::kHouseFirst || house > ids::kHouseLast)
        return wxGetTranslation("Invalid");
    return wxGetTranslation(kOrdinals[house - ids::kHouseFirst]);
}

} // namespace

PageReport DrawSignPage(PanelWriter& out, const InfoPanelState& state, int w, int h, ObjectId sign)
{
    const int T = state.textSize;
    out.SetArea(T, T, w, h);
    const wxColour colour = ClassColour(sign);
    out.WriteGlyph(sign, colour, 4, 2, true, true);
    out.WriteText(GetIdName(sign), colour, 12, true, kAlignCentre, PanelFont::Modern);
    out.NewLine(3 * T);
    const ObjectId ruler = GetSignRuler(sign);
    out.DrawMarkupText(ClassColour(ruler), 1, kAlignCentre, true, wxString::Format("/s1/Ruled by /s2//g%d/", ruler));
    out.NewLine(4 * T);

    const double from = 30.0 * (sign - ids::kSignFirst), to = from + 30.0;
    ChartSlot charts[2];
    const int chartCount = ListedCharts(state, charts);
    for (int c = 0; c < chartCount; ++c) {
        const ChartPositions& chart = state.charts.positions[charts[c]];
        for (PointIndex k = 0; k < kChartPoints; ++k) {
            if (state.pointRestricted[charts[c]][k])
                continue;
            const double longitude = PointLongitude(chart, k);
            if (longitude >= from && longitude < to)
                WriteItemLine(out, state, c, PointIndexToId(k), sign);
        }
    }
    out.NewLine(T);
    return {out.GetY(), wxString()};
}

PageReport DrawHousePage(PanelWriter& out, const InfoPanelState& state, int w, int h, ObjectId house)
{
    const int T = state.textSize;
    out.SetArea(10, 10, w, h);
    const wxColour colour = ClassColour(house);
    out.WriteGlyph(house, colour, 4, 2, true, true);
    if (state.IsTwoRing())
        out.WriteText(RingLabel(state), colour, 12, true, kAlignCentre, PanelFont::Modern);
    out.WriteText(HouseOrdinal(house) + " House", colour, 12, true, kAlignCentre, PanelFont::Modern);
    out.NewLine(3 * T);

    const int n = house - 749;
    if (n < 1 || n > 12) {
        // No cusp belongs to this identifier; the rest of the page would read
        // outside the cusp table.
        out.NewLine(T);
        return {out.GetY(), wxString()};
    }
    const ChartPositions& chart = state.charts.positions[state.pageSlot];
    const HouseCuspEntry& cusp = chart.cusps[n];
    const HouseCuspEntry& next = chart.cusps[n + 1];
    out.DrawMarkupText(colour, 1, kAlignCentre, true,
                       wxString::Format("/s1/Natural Ruler: /s2//g%d/", GetSignRuler(499 + n)));
    out.DrawMarkupText(colour, 1, kAlignCentre, true,
                       wxString::Format("/s1/Natal Ruler: /s2//g%d/", GetSignRuler(cusp.zodiac.sign)));
    out.NewLine(2 * T);

    const ZodiacPosition a = RoundToWholeSeconds(cusp.zodiac);
    WriteNumberColumn(out, w, T, "From 00  00'00", "From ", colour, a.degrees, a.sign, a.minutes,
                      int(a.seconds), ClassColour(a.sign), wxString());
    out.NewLine(3 * T);
    const ZodiacPosition b = RoundToWholeSeconds(next.zodiac);
    WriteNumberColumn(out, w, T, "  To 00  00'00", "  To ", colour, b.degrees, b.sign, b.minutes,
                      int(b.seconds), ClassColour(b.sign), wxString());
    out.NewLine(6 * T);

    const double start = cusp.longitude, end = next.longitude;
    ChartSlot charts[2];
    const int chartCount = ListedCharts(state, charts);
    for (int c = 0; c < chartCount; ++c) {
        const ChartPositions& listed = state.charts.positions[charts[c]];
        for (PointIndex k = 0; k < kComputedPoints; ++k) {
            if (state.pointRestricted[charts[c]][k])
                continue;
            const double L = listed.points[k].longitude;
            const bool inside = end < start ? (L >= start || L < end) : (L >= start && L < end);
            if (inside)
                WriteItemLine(out, state, c, PointIndexToId(k), house);
        }
    }
    out.NewLine(T);
    return {out.GetY(), wxString()};
}
