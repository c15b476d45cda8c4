// Painting of the chart wheel: the zodiac ring and houses, the point glyphs
// spread apart where they crowd, and one overlay (aspect lines, the aspects
// of configurations, or dispositor lines). Every paint also refreshes the
// tables the mouse hover reads.
#include <cmath>
#include <vector>

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/pen.h>

#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "display/glyphs/colours.h"
#include "display/glyphs/glyph_engine.h"
#include "display/aspects/aspect_search.h"
#include "display/aspects/polar_mapping.h"
#include "display/wheel/wheel_layout.h"

namespace {

const wxColour kGrey(128, 128, 128);
const wxColour kDarkGrey(64, 64, 64);

/// Character glyph of a decimal digit ("0" is character code 48).
ObjectId DigitGlyph(int digit) { return kCharacterGlyphFirst + ('0' - 32) + digit; }

/// A character glyph's origin is the top-left corner of its 5 x 7 cell; this
/// moves it so that the cell is centred on the point instead.
constexpr int kCharCentreDx = -2;
constexpr int kCharCentreDy = -3;

bool IsValidSlot(ChartSlot slot) { return slot >= 0 && slot < kChartSlots; }

wxPen MakePen(const wxColour& colour, int width, wxPenStyle style = wxPENSTYLE_SOLID)
{
    return wxPen(colour, width, style);
}

/// A ring of radius r as the ellipse in its bounding box; the radii of a
/// tiny window can reach zero or below, which draw nothing.
void DrawCircle(wxDC& dc, int cx, int cy, int r)
{
    if (r > 0)
        dc.DrawEllipse(cx - r, cy - r, 2 * r, 2 * r);
}

/// Clears a flag when the scope ends, whichever way it is left.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

void CChartCanvas::OnPaint(wxPaintEvent& event)
{
    ++m_paintCount;
    wxPaintDC dc(this);
    PrepareDC(dc);
    Draw(dc);
}

void CChartCanvas::Draw(wxDC& dc)
{
    int w = 0, h = 0;
    GetClientSize(&w, &h);
    // A zero-sized window has nothing to show, and a bitmap of that size is
    // invalid. A paint that arrives while one is running (a message box or
    // a yield inside it) is skipped rather than drawn over a half-made buffer.
    if (w <= 0 || h <= 0 || m_painting)
        return;
    FlagGuard guard(m_painting);

    // The buffer has the target's resolution: on a screen that doubles
    // every pixel, lines are drawn at the screen's pixels, not enlarged.
    wxBitmap buffer;
    buffer.CreateWithDIPSize(w, h, dc.GetContentScaleFactor());
    wxMemoryDC memory(buffer);
    // Glyph strokes are one pixel wide on an integer grid: smoothing would
    // blur them into grey pairs of pixels.
    if (wxGraphicsContext* gc = memory.GetGraphicsContext())
        gc->SetAntialiasMode(wxANTIALIAS_NONE);
    memory.SetBackground(*wxBLACK_BRUSH);
    memory.Clear();

    const DrawingSquare square = ComputeDrawingSquare(w, h);
    DrawChart(memory, square.x, square.y, square.side, square.side, m_shownSlotA, m_shownSlotB, m_chartMode);

    // One copy of the finished picture, so a repaint never flickers.
    dc.Blit(0, 0, w, h, &memory, 0, 0);
}

void CChartCanvas::DrawChart(wxDC& dc, int x, int y, int w, int h, ChartSlot slotA, ChartSlot slotB,
                             ChartModeFlags mode)
{
    if (IsSingleWheel(mode)) {
        if (IsValidSlot(slotA))
            DrawSingleWheel(dc, x, y, w, h, slotA, mode);
    } else if (mode & (kChartSynastry | kChartTransits)) {
        if (IsValidSlot(slotA) && IsValidSlot(slotB))
            DrawBiWheel(dc, x, y, w, h, slotA, slotB, mode);
    }
}

WheelLayout CChartCanvas::ComputeWheelLayout(int w, int h, bool twoRings) const
{
    return ::ComputeWheelLayout(w, h, twoRings);
}

void CChartCanvas::StoreWheelGeometry(ChartSlot slot, int x, int y, int w, int h, const WheelLayout& layout)
{
    WheelGeometry& g = m_geometry[slot];
    g.originX = x;
    g.originY = y;
    g.width = w;
    g.height = h;
    g.outerRadius = layout.D / 2;
    g.signInnerRadius = layout.S / 2;
    g.aspectRadius = layout.R4;
}

void CChartCanvas::DrawSingleWheel(wxDC& dc, int x, int y, int w, int h, ChartSlot slot, ChartModeFlags mode)
{
    StoreWheelGeometry(slot, x, y, w, h, ComputeWheelLayout(w, h, false));
    DrawZodiac(dc, x, y, w, h, slot, false);
    const double ascendant = m_chartSet.positions[slot].cusps[1].longitude;
    DrawPoints(dc, x, y, w, h, slot, ascendant, false, false, (mode & kViewDispositorsBySign) != 0,
               (mode & kViewDispositorsByHouse) != 0);
    if (mode & kViewAspects)
        DrawAspectLines(dc, x, y, w, h, slot, slot, false, false);
    else if (mode & kViewPatterns)
        DrawAspectLines(dc, x, y, w, h, slot, slot, false, true);
    else if (mode & kViewDispositorsBySign)
        DrawDispositorLines(dc, x, y, w, h, slot, true);
    else if (mode & kViewDispositorsByHouse)
        DrawDispositorLines(dc, x, y, w, h, slot, false);
    else
        m_aspectCount = 0;
}

void CChartCanvas::DrawBiWheel(wxDC& dc, int x, int y, int w, int h, ChartSlot inner, ChartSlot outer,
                               ChartModeFlags mode)
{
    StoreWheelGeometry(inner, x, y, w, h, ComputeWheelLayout(w, h, true));
    DrawZodiac(dc, x, y, w, h, inner, true);
    // Both rings turn with the inner chart's Ascendant.
    const double ascendant = m_chartSet.positions[inner].cusps[1].longitude;
    DrawPoints(dc, x, y, w, h, inner, ascendant, true, false, false, false);
    DrawPoints(dc, x, y, w, h, outer, ascendant, true, true, false, false);
    if (mode & kViewAspects)
        DrawAspectLines(dc, x, y, w, h, inner, outer, true, false);
    else
        m_aspectCount = 0;
}

void CChartCanvas::DrawZodiac(wxDC& dc, int x, int y, int w, int h, ChartSlot slot, bool twoRings)
{
    const WheelLayout l = ComputeWheelLayout(w, h, twoRings);
    const int cx = x + w / 2;
    const int cy = y + h / 2;
    const ChartPositions& chart = m_chartSet.positions[slot];
    const double ascendant = chart.cusps[1].longitude;

    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(MakePen(*wxWHITE, 1));
    DrawCircle(dc, cx, cy, l.D / 2);
    DrawCircle(dc, cx, cy, l.S / 2);

    for (int house = 1; house <= 12; ++house) {
        const bool angular = house == 1 || house == 4 || house == 7 || house == 10;
        dc.SetPen(MakePen(kGrey, 1,
                          angular ? (l.scale == 1 ? wxPENSTYLE_SOLID : wxPENSTYLE_LONG_DASH) : wxPENSTYLE_DOT));
        const double angle = CuspWheelAngle(chart.cusps[house].longitude, ascendant);
        m_houseAngles[slot][house].angle = angle;
        m_houseAngles[slot][house].number = house;
        DrawPolarLine(dc, cx, cy, 0, angular ? l.S / 2 : l.R4, angle, angle);

        double next = chart.cusps[house + 1].longitude - ascendant;
        if (next < angle)
            next += 360.0;
        if (l.S > 200) {
            const bool hovered = m_hoverKind == kPageHouse && m_hoveredItem == ids::kHouseFirst - 1 + house;
            dc.SetPen(MakePen(hovered ? *wxWHITE : kGrey, 1));
            const double middle = std::fmod((angle + next) / 2.0, 360.0);
            if (house < 10) {
                DrawGlyphAt(dc, DigitGlyph(house), 1, cx + kCharCentreDx, cy + kCharCentreDy, 35, middle);
            } else {
                DrawGlyphAt(dc, DigitGlyph(house / 10), 1, cx - 3 + kCharCentreDx, cy + kCharCentreDy, 35, middle);
                DrawGlyphAt(dc, DigitGlyph(house % 10), 1, cx + 3 + kCharCentreDx, cy + kCharCentreDy, 35, middle);
            }
        }

        dc.SetPen(MakePen(*wxWHITE, 1));
        double signAngle = (house - 1) * 30.0 - ascendant;
        if (signAngle < 0.0)
            signAngle += 360.0;
        m_signAngles[slot][house].angle = signAngle;
        m_signAngles[slot][house].number = house;
        DrawPolarLine(dc, cx, cy, l.S / 2, l.D / 2, signAngle, signAngle);

        const ObjectId sign = ids::kSignFirst - 1 + house;
        dc.SetPen(MakePen(GetIdColour(sign, 255), m_hoveredItem == sign ? 2 : 1));
        DrawGlyphAt(dc, sign, l.scale, cx, cy, (l.D + l.S) / 4, signAngle + 15.0);
    }

    // The aspect circle goes over the cusp lines; nothing else drawn here
    // reaches its radius, so one circle after them all is enough.
    dc.SetPen(MakePen(kDarkGrey, 1));
    DrawCircle(dc, cx, cy, l.R4);
}

ObjectId CChartCanvas::DispositorOf(ChartSlot slot, PointIndex index, bool bySign) const
{
    const ChartPositions& chart = m_chartSet.positions[slot];
    if (index < kComputedPoints) {
        if (bySign)
            return GetSignRuler(ids::kSignFirst + static_cast<int>(NormalizeDegrees(chart.points[index].longitude) / 30.0));
        const int house = chart.points[index].house;
        return house >= 1 && house <= 12 ? GetSignRuler(ids::kSignFirst - 1 + house) : -1;
    }
    const int cusp = index - (kComputedPoints - 1);
    if (bySign)
        return GetSignRuler(ids::kSignFirst + static_cast<int>(NormalizeDegrees(chart.cusps[cusp].longitude) / 30.0));
    return GetSignRuler(ids::kSignFirst - 1 + cusp);
}

void CChartCanvas::DrawPoints(wxDC& dc, int x, int y, int w, int h, ChartSlot slot, double referenceAscendant,
                              bool twoRings, bool outerRing, bool dispositorsBySign, bool dispositorsByHouse)
{
    const WheelLayout l = ComputeWheelLayout(w, h, twoRings);
    const int cx = x + w / 2;
    const int cy = y + h / 2;
    const int glyphRadius = twoRings && !outerRing ? InnerRingGlyphRadius(l) : l.R3;
    const int pointerStart = glyphRadius - l.G / 2 - 3;
    const ChartPositions& chart = m_chartSet.positions[slot];

    for (PointIndex i = 0; i < kChartPoints; ++i) {
        if (m_pointRestricted[slot][i])
            continue;
        const double longitude = PointLongitude(chart, i);
        PointPlacement& p = m_placement[slot][i];
        p.trueAngle = p.displayAngle = WheelAngle(longitude, referenceAscendant);
        p.pointId = PointIndexToId(i);
    }
    SpreadGlyphs(slot, 5.5);

    const bool dispositors = dispositorsBySign || dispositorsByHouse;
    for (PointIndex i = 0; i < kChartPoints; ++i) {
        if (m_pointRestricted[slot][i])
            continue;
        const PointPlacement& p = m_placement[slot][i];
        const ObjectId id = p.pointId;
        // Cusp ids double as house items, so a cusp counts as hovered only
        // while a point is hovered.
        const bool hovered = m_hoveredItem == id && m_hoveredSlot == slot &&
                             (i < kComputedPoints || m_hoverKind == kPagePoint);
        int width = hovered ? 2 : 1;
        if (dispositors && DispositorOf(slot, i, dispositorsBySign) - ids::kPointFirst == i)
            width *= 2; // a point that rules its own sign or house
        dc.SetPen(MakePen(GetIdColour(id, 255), width));
        DrawGlyphAt(dc, id, l.scale, cx, cy, glyphRadius, p.displayAngle);
        if (twoRings && outerRing)
            dc.SetPen(MakePen(GetIdColour(id, 128), hovered ? 2 : 1));
        DrawPolarLine(dc, cx, cy, pointerStart, l.R4 + 3, p.displayAngle, p.trueAngle);
        SetGlyphBox(slot, i, cx, cy, glyphRadius, p.displayAngle, l.G, l.G);
    }
}

void CChartCanvas::SpreadGlyphs(ChartSlot slot, double minimumSeparation)
{
    std::vector<int> shown;
    double trueAngle[kChartPoints];
    double displayAngle[kChartPoints];
    for (PointIndex i = 0; i < kChartPoints; ++i) {
        trueAngle[i] = m_placement[slot][i].trueAngle;
        displayAngle[i] = m_placement[slot][i].displayAngle;
        if (!m_pointRestricted[slot][i])
            shown.push_back(i);
    }
    SpreadGlyphAngles(shown, trueAngle, displayAngle, minimumSeparation);
    for (int i : shown)
        m_placement[slot][i].displayAngle = displayAngle[i];
}

void CChartCanvas::DrawAspectLines(wxDC& dc, int x, int y, int w, int h, ChartSlot slotA, ChartSlot slotB,
                                   bool twoRings, bool configurationsOnly)
{
    const WheelLayout l = ComputeWheelLayout(w, h, twoRings);
    const int cx = x + w / 2;
    const int cy = y + h / 2;
    const bool patternsView = (m_chartMode & kViewPatterns) != 0;
    for (int r = 0; r < m_aspectCount; ++r) {
        const AspectRecord& record = m_aspects[r];
        if (configurationsOnly && record.configurations.empty())
            continue;
        int width = record.aspect == ids::kAspectFirst ? 2 : 1;
        if (m_hoverKind == kPageAspects && m_aspectSelection[r])
            width *= 2;
        const uint8_t intensity = AspectLineIntensity(AspectOrbLimit(m_orbs, record.aspect), record.orb, patternsView);
        dc.SetPen(MakePen(GetAspectColour(record.aspect, intensity), width));
        DrawPolarLine(dc, cx, cy, l.R4, l.R4, record.angleA, record.angleB);
        SetAspectLine(r, cx, cy, l.R4, l.R4);
    }
}

void CChartCanvas::DrawDispositorLines(wxDC& dc, int x, int y, int w, int h, ChartSlot slot, bool bySign)
{
    const WheelLayout l = ComputeWheelLayout(w, h, false);
    const int cx = x + w / 2;
    const int cy = y + h / 2;
    m_aspectCount = 0;
    for (PointIndex i = 0; i < kChartPoints; ++i) {
        if (m_pointRestricted[slot][i])
            continue;
        const ObjectId ruler = DispositorOf(slot, i, bySign);
        if (ruler < ids::kPointFirst || ruler >= ids::kPointFirst + kComputedPoints)
            continue;
        const PointIndex rulerIndex = ruler - ids::kPointFirst;
        // A hidden ruler has no glyph and no fresh placement this paint: its
        // line would end at a stale or empty spot, so it is left out.
        if (m_pointRestricted[slot][rulerIndex])
            continue;
        const PointPlacement& from = m_placement[slot][i];
        const PointPlacement& to = m_placement[slot][rulerIndex];
        const int width = m_hoverKind == kPageAspects && m_aspectSelection[m_aspectCount] ? 2 : 1;
        const RgbTriple mean = MeanColour(ColourClassRgb(GetColourClass(from.pointId), 255),
                                          ColourClassRgb(GetColourClass(ruler), 255));
        dc.SetPen(MakePen(wxColour(mean.red, mean.green, mean.blue), width));
        DrawPolarLine(dc, cx, cy, l.R4, l.R4, from.trueAngle, to.trueAngle);
        AddAspect(ids::kDisposits, slot, slot, from.pointId, ruler, from.trueAngle, to.trueAngle, 0.0, -1);
        SetAspectLine(m_aspectCount - 1, cx, cy, l.R4, l.R4);
    }
    if (m_infoPanel)
        m_infoPanel->SetAspectList(m_aspectCount, m_aspects.data());
}

void CChartCanvas::DrawPolarLine(wxDC& dc, int cx, int cy, double radius1, double radius2, double angle1,
                                 double angle2)
{
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    PolarPoint(cx, cy, angle1, radius1, &x1, &y1);
    PolarPoint(cx, cy, angle2, radius2, &x2, &y2);
    dc.DrawLine(x1, y1, x2, y2);
}

void CChartCanvas::DrawGlyphAt(wxDC& dc, ObjectId glyph, int scale, int cx, int cy, double radius, double angle)
{
    int px = 0, py = 0;
    PolarPoint(cx, cy, angle, radius, &px, &py);
    DrawGlyph(glyph, dc, px, py, scale);
}

void CChartCanvas::SetGlyphBox(ChartSlot slot, PointIndex index, int cx, int cy, double radius, double angle,
                               int width, int height)
{
    int px = 0, py = 0;
    PolarPoint(cx, cy, angle, radius, &px, &py);
    PointPlacement& p = m_placement[slot][index];
    p.left = px - width / 2;
    p.top = py - height / 2;
    p.width = width;
    p.height = height;
}
