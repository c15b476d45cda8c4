// Page 3: one point with its rulership, place, speed, dispositors and aspects.
#include <cmath>

#include "display/panel/info_pages.h"
#include "engine/object_ids.h"
#include "engine/whole_seconds.h"

using namespace info_page;

namespace {

bool IsBody(ObjectId id) { return id >= ids::kPointFirst && id < ids::kPointFirst + kComputedPoints; }
bool IsCusp(ObjectId id) { return id >= ids::kHouseFirst && id <= ids::kHouseLast; }

void WriteRulership(PanelWriter& out, ObjectId point)
{
    const RuledSigns ruled = GetRuledSigns(point);
    if (ruled.count == 1)
        out.DrawMarkupText(ClassColour(ruled.first), 1, kAlignCentre, true,
                           wxString::Format("/s1/Rules /s2//g%d/", ruled.first));
    else if (ruled.count == 2)
        out.DrawMarkupText(Grey(), 1, kAlignCentre, true,
                           wxString::Format("/s1/Rules /s2//g%d//s1/ and /s2//g%d/", ruled.first, ruled.second));
    else if (IsCusp(point))
        out.DrawMarkupText(ClassColour(point), 1, kAlignCentre, true,
                           wxString::Format("/s1/Corresponds to /s2//g%d/", point - 250));
}

/// The first house of chart that holds longitude L, 0 when none does.
int HouseHolding(const ChartPositions& chart, double L)
{
    for (int n = 1; n <= 12; ++n) {
        const double a = chart.cusps[n].longitude, b = chart.cusps[n + 1].longitude;
        if (b > a ? (a <= L && L < b) : (L >= a || L < b))
            return n;
    }
    return 0;
}

void WriteDispositors(PanelWriter& out, const InfoPanelState& state, ObjectId point)
{
    const int T = state.textSize;
    const ChartPositions& chart = state.charts.positions[state.pageSlot];
    const PointPositionEntry& entry = chart.points[point - ids::kPointFirst];
    out.WriteText("Dispositors\n", White(), 14, true, kAlignCentre, PanelFont::Swiss);
    out.NewLine(T);

    const wxString isFinal = wxString::Format("/s2//g%d//s1/ is final", point);
    // Rulers are Sun to Pluto; anything else has no position to look up.
    auto rulerEntry = [&](ObjectId ruler) -> const PointPositionEntry* {
        return IsBody(ruler) ? &chart.points[ruler - ids::kPointFirst] : nullptr;
    };

    wxString bySign = "/s1/By Sign: ";
    const ObjectId signRuler = GetSignRuler(entry.zodiac.sign);
    if (signRuler == point)
        bySign += isFinal;
    else if (const PointPositionEntry* r = rulerEntry(signRuler))
        bySign += wxString::Format("/s2//g%d//s1/ in /s2//g%d/", signRuler, r->zodiac.sign);
    else
        bySign += "unknown";
    out.DrawMarkupText(Grey(), 1, kAlignCentre, true, bySign);
    out.NewLine(T / 2);

    wxString byHouse = "/s1/By House: ";
    const bool hasHouse = entry.house >= 1 && entry.house <= 12;
    const ObjectId houseRuler = hasHouse ? GetSignRuler(499 + entry.house) : -1;
    if (!hasHouse)
        byHouse += "no house";
    else if (houseRuler == point)
        byHouse += isFinal;
    else if (const PointPositionEntry* r = rulerEntry(houseRuler))
        byHouse += wxString::Format("/s2//g%d//s1/ in /s2//g%d/", houseRuler, 749 + r->house);
    else
        byHouse += "unknown";
    out.DrawMarkupText(Grey(), 1, kAlignCentre, true, byHouse);
    out.NewLine(T / 2);
    out.NewLine(2 * T);
}

} // namespace

PageReport DrawPointPage(PanelWriter& out, const InfoPanelState& state, int w, int h, ObjectId point)
{
    PageReport report;
    const int T = state.textSize;
    out.SetArea(10, 10, w, h);
    const wxColour colour = ClassColour(point);
    out.WriteGlyph(point, colour, 4, 2, true, true);
    if (state.IsTwoRing())
        out.WriteText(RingLabel(state), colour, 12, true, kAlignCentre, PanelFont::Modern);
    out.WriteText(GetIdName(point), colour, 12, true, kAlignCentre, PanelFont::Modern);
    out.NewLine(T + T / 2);
    WriteRulership(out, point);
    out.NewLine(T / 2 + 2 * T);

    const ChartPositions& chart = state.charts.positions[state.pageSlot];
    if (IsCusp(point)) {
        const ZodiacPosition z = RoundToWholeSeconds(chart.cusps[point - ids::kHouseFirst + 1].zodiac);
        WriteNumberColumn(out, w, T, "00  00'00", wxString(), colour, z.degrees, z.sign, z.minutes,
                          int(z.seconds), ClassColour(z.sign), wxString());
        out.NewLine(3 * T);
    } else if (IsBody(point)) {
        const PointPositionEntry& entry = chart.points[point - ids::kPointFirst];
        const ZodiacPosition z = RoundToWholeSeconds(entry.zodiac);
        // Unlike the position lists, a retrograde North Node gets no letter here.
        const bool node = point == ids::kPointFirst + 10;
        const wxString suffix = !node && entry.longitudeSpeed < 0 ? "r" : node && entry.longitudeSpeed >= 0 ? "d" : "";
        WriteNumberColumn(out, w, T, "00  00'00", wxString(), colour, z.degrees, z.sign, z.minutes,
                          int(z.seconds), ClassColour(z.sign), suffix);
        out.NewLine(3 * T);

        const ChartPositions& houses = state.charts.positions[state.OtherRingSlot()];
        const double L = entry.longitude;
        int n = HouseHolding(houses, L);
        if (n == 0) {
            report.error = "Error!  Invalid House Cusp Position!";
            n = 1;
        }
        double into = L - houses.cusps[n].longitude;
        if (into < 0)
            into += 360.0;
        DmsAngle dms;
        dms = RoundToWholeSeconds(*DecimalToDms(into, &dms));
        const ObjectId houseId = 749 + n;
        WriteNumberColumn(out, w, T, "00  00'00", wxString(), colour, dms.degrees, houseId, dms.minutes,
                          int(dms.seconds), ClassColour(houseId), wxString());
        out.NewLine(3 * T);
        out.WriteText(wxString::Format("Speed: %.4f", entry.longitudeSpeed), Grey(), T, false, kAlignCentre,
                      PanelFont::Modern);
        out.NewLine(4 * T);
        WriteDispositors(out, state, point);
    }

    DrawAspectListPage(out, state, w, h, point, 0, false, -1, -1);
    out.NewLine(T);
    report.height = out.GetY();
    return report;
}
