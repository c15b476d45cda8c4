// The chart wheel window: its copies of the chart set, restrictions and
// orbs, the aspects and configurations it found, and the tables the last
// paint left for the mouse hover.
#pragma once

#include <cstdint>
#include <vector>

#include <wx/frame.h>
#include <wx/window.h>

#include "display/aspects/aspect_pattern.h"
#include "display/aspects/aspect_record.h"
#include "display/panel/info_panel_types.h"
#include "display/wheel/wheel_tables.h"
#include "engine/chart_set.h"

class wxDC;
class CChartInfo;

class CChartCanvas : public wxWindow {
public:
    /// Creates the window on the frame whose status bar receives hover texts.
    explicit CChartCanvas(wxFrame* frame);
    ~CChartCanvas() override;

    /// The panel that receives every result; set it before the other setters.
    void SetInfoPanel(CChartInfo* panel);
    void SetChartMode(ChartModeFlags flags, ChartSlot a, ChartSlot b, ChartSlot c,
                      bool recalculate, bool refresh);
    void SetChartData(const ChartPositions* positions, const ChartTimeRecord* times,
                      const ChartNameRecord* names, bool refresh);
    void SetRestrictions(const uint8_t (*pointRestricted)[kChartPoints],
                         const uint8_t* aspectRestricted, const double* orbs, bool refresh);

    /// Searches the aspects between slot A and slot B (one chart when equal)
    /// and hands them to the panel.
    void FindAspects(ChartSlot slotA, ChartSlot slotB, bool twoCharts);
    /// Appends (index < 0) or overwrites one record; a full array ignores appends.
    void AddAspect(ObjectId aspect, ChartSlot slotA, ChartSlot slotB, ObjectId pointA,
                   ObjectId pointB, double angleA, double angleB, double orb, int index);
    /// Sets the screen end points of record index around (cx, cy).
    void SetAspectLine(int index, int cx, int cy, double radiusA, double radiusB);
    /// Rebuilds the configurations and the records' configuration lists.
    void FindAspectPatterns();

    /// Draws the whole wheel into dc at the window's client size.
    void Draw(wxDC& dc);

    // Read access for the panel, the frame and tests.
    ChartModeFlags GetChartMode() const { return m_chartMode; }
    ChartSlot GetShownSlotA() const { return m_shownSlotA; }
    ChartSlot GetShownSlotB() const { return m_shownSlotB; }
    const ChartSet& GetChartSet() const { return m_chartSet; }
    int GetAspectCount() const { return m_aspectCount; }
    const AspectRecord& GetAspect(int index) const { return m_aspects[index]; }
    const AspectPatternArray& GetPatterns() const { return m_patterns; }
    uint8_t IsPointRestricted(ChartSlot slot, PointIndex index) const
    {
        return m_pointRestricted[slot][index];
    }
    uint8_t IsAspectRestricted(int kind) const { return m_aspectRestricted[kind]; }
    double GetOrb(int kind) const { return m_orbs[kind]; }
    CChartInfo* GetInfoPanel() const { return m_infoPanel; }
    InfoPageKind GetHoverKind() const { return m_hoverKind; }
    ObjectId GetHoveredItem() const { return m_hoveredItem; }
    ChartSlot GetHoveredSlot() const { return m_hoveredSlot; }
    int GetNearAspectCount() const { return m_nearAspectCount; }
    const uint8_t* GetAspectSelection() const { return m_aspectSelection; }
    const WheelGeometry& GetWheelGeometry(ChartSlot slot) const { return m_geometry[slot]; }
    const PointPlacement& GetPointPlacement(ChartSlot slot, PointIndex index) const
    {
        return m_placement[slot][index];
    }
    const WheelAngleEntry& GetHouseAngle(ChartSlot slot, int house) const { return m_houseAngles[slot][house]; }
    const WheelAngleEntry& GetSignAngle(ChartSlot slot, int sign) const { return m_signAngles[slot][sign]; }
    /// Paint events handled so far: lets the time motion wait for the
    /// last repaint it asked for.
    int64_t GetPaintCount() const { return m_paintCount; }

private:
    // Searches aspects (and configurations in that view) for the shown charts.
    void SearchShownCharts();

    // Wheel drawing (chart_canvas_paint.cpp).
    void OnPaint(wxPaintEvent& event);
    void DrawChart(wxDC& dc, int x, int y, int w, int h, ChartSlot slotA, ChartSlot slotB,
                   ChartModeFlags mode);
    void DrawSingleWheel(wxDC& dc, int x, int y, int w, int h, ChartSlot slot, ChartModeFlags mode);
    void DrawBiWheel(wxDC& dc, int x, int y, int w, int h, ChartSlot inner, ChartSlot outer,
                     ChartModeFlags mode);
    WheelLayout ComputeWheelLayout(int w, int h, bool twoRings) const;
    void StoreWheelGeometry(ChartSlot slot, int x, int y, int w, int h, const WheelLayout& layout);
    void DrawZodiac(wxDC& dc, int x, int y, int w, int h, ChartSlot slot, bool twoRings);
    void DrawPoints(wxDC& dc, int x, int y, int w, int h, ChartSlot slot, double referenceAscendant,
                    bool twoRings, bool outerRing, bool dispositorsBySign, bool dispositorsByHouse);
    void SpreadGlyphs(ChartSlot slot, double minimumSeparation);
    void DrawAspectLines(wxDC& dc, int x, int y, int w, int h, ChartSlot slotA, ChartSlot slotB,
                         bool twoRings, bool configurationsOnly);
    void DrawDispositorLines(wxDC& dc, int x, int y, int w, int h, ChartSlot slot, bool bySign);
    void DrawPolarLine(wxDC& dc, int cx, int cy, double radius1, double radius2, double angle1,
                       double angle2);
    void DrawGlyphAt(wxDC& dc, ObjectId glyph, int scale, int cx, int cy, double radius, double angle);
    void SetGlyphBox(ChartSlot slot, PointIndex index, int cx, int cy, double radius, double angle,
                     int width, int height);
    /// The ruler of a point's sign (by sign) or of the sign numbered like its
    /// house (by house); -1 when there is none.
    ObjectId DispositorOf(ChartSlot slot, PointIndex index, bool bySign) const;

    // Mouse hover and selection (chart_canvas_hover.cpp).
    void OnMouseMove(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeaveWindow(wxMouseEvent& event);

    int64_t m_paintCount = 0;
    ChartSlot m_shownSlotA = 0;
    ChartSlot m_shownSlotB = 0;
    ChartModeFlags m_chartMode = kChartNatal;
    ChartSet m_chartSet;
    CChartInfo* m_infoPanel = nullptr;
    wxFrame* m_frame = nullptr;

    // Hover state: what lies under the pointer (kind 0 nothing, 1 sign,
    // 2 house, 3 point, 4 aspects near the pointer).
    ObjectId m_hoveredItem = -1;
    ChartSlot m_hoveredSlot = 0;
    InfoPageKind m_hoverKind = kPageSummary;
    int m_nearAspectCount = 0;
    AspectSelection m_aspectSelection = {};

    uint8_t m_pointRestricted[kChartSlots][kChartPoints] = {};
    uint8_t m_aspectRestricted[kAspectKinds] = {};
    double m_orbs[kAspectKinds] = {};

    // Filled by each paint for the hover.
    PointPlacement m_placement[kChartSlots][kChartPoints] = {};
    WheelAngleEntry m_houseAngles[kChartSlots][kAngleTableSize] = {};
    WheelAngleEntry m_signAngles[kChartSlots][kAngleTableSize] = {};
    WheelGeometry m_geometry[kChartSlots] = {};

    bool m_painting = false; ///< set while a paint runs, so a nested paint is skipped

    int m_aspectCount = 0;
    std::vector<AspectRecord> m_aspects; ///< kMaxAspects records, the first m_aspectCount valid
    AspectPatternArray m_patterns;

    wxDECLARE_CLASS(CChartCanvas);
    wxDECLARE_NO_COPY_CLASS(CChartCanvas);
    wxDECLARE_EVENT_TABLE();
};
