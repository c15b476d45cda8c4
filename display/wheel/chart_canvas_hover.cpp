// Mouse hover and selection on the chart wheel: the status bar names what
// lies under the pointer, the wheel highlights it, a click shows it in the
// information panel. The hit tests read the tables of the last paint.
#include "display/wheel/chart_canvas.h"

#include <cmath>

#include "display/wheel/aspect_hover.h"
#include "display/panel/chart_info.h"
#include "display/wheel/wheel_hit_test.h"

namespace {

/// Hovered item while aspects lie near the pointer.
constexpr ObjectId kNearAspectsItem = -127;

void CopyAngles(const WheelAngleEntry* table, double angles[13])
{
    for (int i = 0; i <= 12; ++i)
        angles[i] = table[i].angle;
}

} // namespace

void CChartCanvas::OnMouseMove(wxMouseEvent& event)
{
    const InfoPageKind oldKind = m_hoverKind;
    const ObjectId oldItem = m_hoveredItem;
    const ChartSlot oldSlot = m_hoveredSlot;
    m_hoveredSlot = m_shownSlotA;
    wxString status;

    const WheelGeometry& g = m_geometry[m_shownSlotA];
    const int cx = g.originX + g.width / 2;
    const int cy = g.originY + g.height / 2;
    const int x = event.GetX();
    const int y = event.GetY();
    const double d = std::hypot(double(x - cx), double(y - cy));
    const double angle = PointerWheelAngle(x - cx, y - cy);

    switch (ClassifyWheelDistance(d, g.outerRadius, g.signInnerRadius, g.aspectRadius)) {
    case WheelRegion::Outside:
        m_hoverKind = kPageSummary;
        m_hoveredItem = -1;
        break;

    case WheelRegion::SignRing: {
        double angles[13];
        CopyAngles(m_signAngles[m_shownSlotA], angles);
        const ObjectId sign = ids::kSignFirst - 1 + FindSignOrdinal(angles, angle);
        status = wxGetTranslation(wxString::FromUTF8(GetIdName(sign)));
        m_hoverKind = kPageSign;
        m_hoveredItem = sign;
        break;
    }

    case WheelRegion::PointRing: {
        m_hoverKind = kPageSummary;
        m_hoveredItem = -1;
        // The inner (or only) ring first; the outer ring of a two-ring chart
        // only when nothing on the inner one was hit.
        const int rings = IsSingleWheel(m_chartMode) ? 1 : 2;
        for (int ring = 0; ring < rings && m_hoveredItem == -1; ++ring) {
            const ChartSlot slot = ring == 0 ? m_shownSlotA : m_shownSlotB;
            for (PointIndex i = 0; i < kChartPoints; ++i) {
                const PointPlacement& box = m_placement[slot][i];
                if (m_pointRestricted[slot][i] || !HitBoxContains(box.left, box.top, box.width, box.height, x, y))
                    continue;
                // Both rings turn with the inner chart's ascendant.
                const double ascendant = m_chartSet.positions[m_shownSlotA].cusps[1].longitude;
                const double longitude = std::fmod(std::fmod(box.trueAngle + ascendant, 360.0) + 360.0, 360.0);
                status = FormatPointStatus(box.pointId, longitude);
                m_hoverKind = kPagePoint;
                m_hoveredItem = box.pointId;
                m_hoveredSlot = slot;
                break;
            }
        }
        break;
    }

    case WheelRegion::AspectArea: {
        const NearAspects near =
            FindAspectsNearPointer(m_aspects.data(), m_aspectCount, m_patterns, m_chartMode, x, y, m_aspectSelection);
        if (near.count > 0) {
            m_hoverKind = kPageAspects;
            m_hoveredItem = kNearAspectsItem;
            m_nearAspectCount = near.count;
            status = near.status;
            break;
        }
        double angles[13];
        CopyAngles(m_houseAngles[m_shownSlotA], angles);
        const int house = FindHouseNumber(angles, angle);
        const HouseCuspEntry* cusps = m_chartSet.positions[m_shownSlotA].cusps;
        status = FormatHouseStatus(house, cusps[house].longitude, cusps[house % 12 + 1].longitude);
        m_hoverKind = kPageHouse;
        m_hoveredItem = ids::kHouseFirst - 1 + house;
        break;
    }
    }

    // Repaint only when the highlight changes, and on every move near
    // aspects, whose set may change within one hover kind.
    if (m_hoverKind != oldKind || m_hoveredItem != oldItem || m_hoveredSlot != oldSlot || m_hoverKind == kPageAspects)
        Refresh(false);
    if (m_frame != nullptr && m_frame->GetStatusBar() != nullptr)
        m_frame->SetStatusText(status, 0);
}

void CChartCanvas::OnLeftDown(wxMouseEvent& event)
{
    event.Skip(); // keep the default focus handling
    if (m_infoPanel == nullptr)
        return;
    if (m_hoverKind != kPageAspects && m_infoPanel->IsShowing(m_hoverKind, m_hoveredItem, m_hoveredSlot) == 0)
        return;
    if (m_hoverKind == kPageAspects) {
        m_infoPanel->SetSelectedAspects(m_nearAspectCount, m_aspectSelection);
        m_infoPanel->SetAspectSortOrder(0, true);
    }
    // A click on nothing brings the panel back to the chart summary.
    m_infoPanel->SetPage(m_hoverKind, m_hoveredItem, m_hoveredSlot);
    m_infoPanel->Refresh(false);
}

void CChartCanvas::OnLeaveWindow(wxMouseEvent& event)
{
    // The wheel is not repainted: a highlight stays until the next paint.
    m_hoverKind = kPageSummary;
    m_hoveredItem = -1;
    m_hoveredSlot = m_shownSlotA;
    if (m_frame != nullptr && m_frame->GetStatusBar() != nullptr)
        m_frame->SetStatusText(wxString(), 0);
}
