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
    const InfoPageKind oldKind = hoverKind_;
    const ObjectId oldItem = hoveredItem_;
    const ChartSlot oldSlot = hoveredSlot_;
    hoveredSlot_ = shownSlotA_;
    wxString status;

    const WheelGeometry& g = geometry_[shownSlotA_];
    const int cx = g.originX + g.width / 2;
    const int cy = g.originY + g.height / 2;
    const int x = event.GetX();
    const int y = event.GetY();
    const double d = std::hypot(double(x - cx), double(y - cy));
    const double angle = PointerWheelAngle(x - cx, y - cy);

    switch (ClassifyWheelDistance(d, g.outerRadius, g.signInnerRadius, g.aspectRadius)) {
    case WheelRegion::Outside:
        hoverKind_ = kPageSummary;
        hoveredItem_ = -1;
        break;

    case WheelRegion::SignRing: {
        double angles[13];
        CopyAngles(signAngles_[shownSlotA_], angles);
        const ObjectId sign = ids::kSignFirst - 1 + FindSignOrdinal(angles, angle);
        status = wxGetTranslation(wxString::FromUTF8(GetIdName(sign)));
        hoverKind_ = kPageSign;
        hoveredItem_ = sign;
        break;
    }

    case WheelRegion::PointRing: {
        hoverKind_ = kPageSummary;
        hoveredItem_ = -1;
        // The inner (or only) ring first; the outer ring of a two-ring chart
        // only when nothing on the inner one was hit.
        const int rings = IsSingleWheel(chartMode_) ? 1 : 2;
        for (int ring = 0; ring < rings && hoveredItem_ == -1; ++ring) {
            const ChartSlot slot = ring == 0 ? shownSlotA_ : shownSlotB_;
            for (PointIndex i = 0; i < kChartPoints; ++i) {
                const PointPlacement& box = placement_[slot][i];
                if (pointRestricted_[slot][i] || !HitBoxContains(box.left, box.top, box.width, box.height, x, y))
                    continue;
                // Both rings turn with the inner chart's ascendant.
                const double ascendant = chartSet_.positions[shownSlotA_].cusps[1].longitude;
                const double longitude = std::fmod(std::fmod(box.trueAngle + ascendant, 360.0) + 360.0, 360.0);
                status = FormatPointStatus(box.pointId, longitude);
                hoverKind_ = kPagePoint;
                hoveredItem_ = box.pointId;
                hoveredSlot_ = slot;
                break;
            }
        }
        break;
    }

    case WheelRegion::AspectArea: {
        const NearAspects near =
            FindAspectsNearPointer(aspects_.data(), aspectCount_, patterns_, chartMode_, x, y, aspectSelection_);
        if (near.count > 0) {
            hoverKind_ = kPageAspects;
            hoveredItem_ = kNearAspectsItem;
            nearAspectCount_ = near.count;
            status = near.status;
            break;
        }
        double angles[13];
        CopyAngles(houseAngles_[shownSlotA_], angles);
        const int house = FindHouseNumber(angles, angle);
        const HouseCuspEntry* cusps = chartSet_.positions[shownSlotA_].cusps;
        status = FormatHouseStatus(house, cusps[house].longitude, cusps[house % 12 + 1].longitude);
        hoverKind_ = kPageHouse;
        hoveredItem_ = ids::kHouseFirst - 1 + house;
        break;
    }
    }

    // Repaint only when the highlight changes, and on every move near
    // aspects, whose set may change within one hover kind.
    if (hoverKind_ != oldKind || hoveredItem_ != oldItem || hoveredSlot_ != oldSlot || hoverKind_ == kPageAspects)
        Refresh(false);
    if (frame_ != nullptr && frame_->GetStatusBar() != nullptr)
        frame_->SetStatusText(status, 0);
}

void CChartCanvas::OnLeftDown(wxMouseEvent& event)
{
    event.Skip(); // keep the default focus handling
    if (infoPanel_ == nullptr)
        return;
    if (hoverKind_ != kPageAspects && infoPanel_->IsShowing(hoverKind_, hoveredItem_, hoveredSlot_) == 0)
        return;
    if (hoverKind_ == kPageAspects) {
        infoPanel_->SetSelectedAspects(nearAspectCount_, aspectSelection_);
        infoPanel_->SetAspectSortOrder(0, true);
    }
    // A click on nothing brings the panel back to the chart summary.
    infoPanel_->SetPage(hoverKind_, hoveredItem_, hoveredSlot_);
    infoPanel_->Refresh(false);
}

void CChartCanvas::OnLeaveWindow(wxMouseEvent& event)
{
    // The wheel is not repainted: a highlight stays until the next paint.
    hoverKind_ = kPageSummary;
    hoveredItem_ = -1;
    hoveredSlot_ = shownSlotA_;
    if (frame_ != nullptr && frame_->GetStatusBar() != nullptr)
        frame_->SetStatusText(wxString(), 0);
}
