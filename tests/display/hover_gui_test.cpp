// Hover and click on the real wheel under Xvfb: the pointer is moved by the
// X server over a sign, a house, a point and an aspect line, and the status
// bar and the information panel must follow.
#include <gtest/gtest.h>

#include <cmath>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include "display/wheel/aspect_hover.h"
#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "display/aspects/polar_mapping.h"
#include "display/wheel/wheel_hit_test.h"
#include "shell/command_ids.h"
#include "tests/gui/frame_fixture.h"
#include "tests/gui/gui_test_support.h"

namespace {

class HoverTest : public ov_test::FrameTest {
protected:
    CChartCanvas* Canvas() { return frame->GetCanvas(); }

    /// Window position at a wheel angle and radius of the painted wheel.
    wxPoint AtWheel(double angle, double radius)
    {
        const WheelGeometry& g = Canvas()->GetWheelGeometry(Canvas()->GetShownSlotA());
        int x = 0, y = 0;
        PolarPoint(g.originX + g.width / 2, g.originY + g.height / 2, angle, radius, &x, &y);
        return {x, y};
    }

    /// Moves the real pointer to a window position of the canvas.
    void MoveTo(const wxPoint& p)
    {
        // Approach from a neighbouring pixel so the server always reports motion.
        sim.MouseMove(Canvas()->ClientToScreen(p + wxPoint(1, 0)));
        ov_test::PumpEvents(30);
        sim.MouseMove(Canvas()->ClientToScreen(p));
        ov_test::PumpEvents(60);
    }

    void Click()
    {
        sim.MouseClick();
        ov_test::PumpEvents(60);
    }

    wxString Status() { return frame->GetStatusBar()->GetStatusText(0); }

    bool NearAnyAspect(const wxPoint& p)
    {
        for (int i = 0; i < Canvas()->GetAspectCount(); ++i) {
            const AspectRecord& r = Canvas()->GetAspect(i);
            if (DistanceToAspectLine(r.x1, r.y1, r.x2, r.y2, p.x, p.y) <= kAspectNearDistance + 2)
                return true;
        }
        return false;
    }

    wxUIActionSimulator sim;
};

} // namespace

TEST_F(HoverTest, SignRingNamesTheSignAndAClickShowsIt)
{
    const WheelGeometry& g = Canvas()->GetWheelGeometry(0);
    ASSERT_GT(g.outerRadius, 100) << "the wheel was not painted";
    const double asc = frame->GetChartSet().positions[0].cusps[1].longitude;
    const double ringRadius = (g.outerRadius + g.signInnerRadius) / 2.0;
    const struct {
        int sign;
        const char* name;
    } cases[] = {{1, "Aries"}, {4, "Cancer"}, {12, "Pisces"}};
    for (const auto& c : cases) {
        // The middle of the sign: 15 degrees past its first degree.
        MoveTo(AtWheel(WheelAngle((c.sign - 1) * 30.0 + 15.0, asc), ringRadius));
        EXPECT_EQ(Status(), c.name);
        EXPECT_EQ(Canvas()->GetHoverKind(), kPageSign);
        EXPECT_EQ(Canvas()->GetHoveredItem(), 499 + c.sign);
    }
    Click();
    EXPECT_EQ(frame->GetInfoPanel()->GetPage(), kPageSign);
    EXPECT_EQ(frame->GetInfoPanel()->GetSelection(), 511);
}

TEST_F(HoverTest, HouseAreaNamesTheHouseWithBothCusps)
{
    const WheelGeometry& g = Canvas()->GetWheelGeometry(0);
    const ChartPositions& chart = frame->GetChartSet().positions[0];
    const double asc = chart.cusps[1].longitude;
    int tested = 0;
    for (int house : {1, 4, 8, 10}) {
        // A spot in the middle of the house that no aspect line passes.
        const double from = WheelAngle(chart.cusps[house].longitude, asc);
        double to = WheelAngle(chart.cusps[house % 12 + 1].longitude, asc);
        if (to < from)
            to += 360.0;
        wxPoint spot;
        bool found = false;
        for (double r = g.aspectRadius * 0.9; r > 50 && !found; r -= 7)
            for (double f = 0.3; f <= 0.7 && !found; f += 0.1) {
                spot = AtWheel(std::fmod(from + (to - from) * f, 360.0), r);
                found = !NearAnyAspect(spot);
            }
        if (!found)
            continue;
        ++tested;
        MoveTo(spot);
        EXPECT_EQ(Canvas()->GetHoverKind(), kPageHouse) << house;
        EXPECT_EQ(Canvas()->GetHoveredItem(), 749 + house);
        EXPECT_EQ(Status(), FormatHouseStatus(house, chart.cusps[house].longitude,
                                              chart.cusps[house % 12 + 1].longitude));
        EXPECT_TRUE(Status().StartsWith(wxString(HouseOrdinal(house)) + " House: ")) << Status();
    }
    EXPECT_GE(tested, 2) << "no free spot found in the houses";
}

TEST_F(HoverTest, PointGlyphNamesThePointAndAClickShowsItsPage)
{
    const PointPlacement& sun = Canvas()->GetPointPlacement(0, 0);
    ASSERT_EQ(sun.pointId, 10000);
    MoveTo(wxPoint(sun.left + sun.width / 2, sun.top + sun.height / 2));
    const double longitude = frame->GetChartSet().positions[0].points[0].longitude;
    EXPECT_EQ(Status(), FormatPointStatus(10000, longitude));
    EXPECT_TRUE(Status().StartsWith("Sun: ")) << Status();
    EXPECT_EQ(Canvas()->GetHoverKind(), kPagePoint);

    Click();
    CChartInfo* panel = frame->GetInfoPanel();
    EXPECT_EQ(panel->GetPage(), kPagePoint);
    EXPECT_EQ(panel->GetSelection(), 10000);
    EXPECT_EQ(panel->GetPageSlot(), 0);

    // Leaving the wheel empties the status bar and forgets the hover.
    sim.MouseMove(frame->GetInfoPanel()->GetScreenPosition() + wxPoint(50, 50));
    ov_test::PumpEvents(80);
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(Canvas()->GetHoverKind(), kPageSummary);
}

TEST_F(HoverTest, OuterRingPointOfTwoRingChartBelongsToTheOuterSlot)
{
    SendMenu(kCmdViewSynastry);
    ov_test::PumpEvents(100);
    const PointPlacement& moon = Canvas()->GetPointPlacement(kSlotPartner, 1);
    ASSERT_EQ(moon.pointId, 10001);
    MoveTo(wxPoint(moon.left + moon.width / 2, moon.top + moon.height / 2));
    EXPECT_EQ(Canvas()->GetHoverKind(), kPagePoint);
    EXPECT_EQ(Canvas()->GetHoveredItem(), 10001);
    EXPECT_EQ(Canvas()->GetHoveredSlot(), kSlotPartner);
    EXPECT_TRUE(Status().StartsWith("Moon: ")) << Status();
}

TEST_F(HoverTest, AspectLineIsNamedAndAClickListsTheAspectsNearIt)
{
    ASSERT_GT(Canvas()->GetAspectCount(), 0);
    // The midpoint of the longest line, where it is least likely to cross others.
    int best = 0;
    double bestLength = 0;
    for (int i = 0; i < Canvas()->GetAspectCount(); ++i) {
        const AspectRecord& r = Canvas()->GetAspect(i);
        const double length = std::hypot(r.x2 - r.x1, r.y2 - r.y1);
        if (length > bestLength) {
            bestLength = length;
            best = i;
        }
    }
    const AspectRecord& line = Canvas()->GetAspect(best);
    MoveTo(wxPoint((line.x1 + line.x2) / 2, (line.y1 + line.y2) / 2));
    EXPECT_EQ(Canvas()->GetHoverKind(), kPageAspects);
    EXPECT_EQ(Canvas()->GetHoveredItem(), -127);
    EXPECT_GE(Canvas()->GetNearAspectCount(), 1);
    EXPECT_EQ(Canvas()->GetAspectSelection()[best], 1);
    ObjectId first = 0, second = 0;
    OrderAspectPoints(line, Canvas()->GetChartMode(), &first, &second);
    wxString aspectName = GetIdName(line.aspect);
    aspectName.Replace("Conjunction", "Conjunct");
    aspectName.Replace("Opposition", "Opposing");
    const wxString expected = wxString(GetIdName(first)) + " " + aspectName + " " + GetIdName(second);
    EXPECT_TRUE(Status().Contains(expected) || Status().Contains("aspects near mouse") ||
                Status().Contains(GetIdAbbreviation(first)))
        << Status() << " / " << expected;

    Click();
    CChartInfo* panel = frame->GetInfoPanel();
    EXPECT_EQ(panel->GetPage(), kPageAspects);
    EXPECT_EQ(panel->GetListMode(), 0) << "the near aspects, in found order";

    // A click outside the wheel brings the panel back to the summary.
    MoveTo(wxPoint(2, 2));
    EXPECT_EQ(Canvas()->GetHoverKind(), kPageSummary);
    EXPECT_EQ(Status(), "");
    Click();
    EXPECT_EQ(panel->GetPage(), kPageSummary);
}

// The dispositor views name the ruler as the one that disposits ("Mercury
// Disposits Uranus" once stood for Uranus ruling Mercury's sign). The
// fixture's chart, 15 June 2026 10:30 in New York, worked out by hand from
// its signs and its Placidus houses.
TEST_F(HoverTest, DispositorLinesNameTheRulerAsTheOneThatDisposits)
{
    struct Relation {
        ObjectId point;
        ObjectId ruler;
        const char* status;
    };
    const struct {
        int command;
        std::vector<Relation> relations;
    } views[] = {
        // Sun and Uranus in Gemini, Mercury and Jupiter in Cancer, Venus in
        // Leo, Mars in Taurus, Saturn and Neptune in Aries, Pluto in
        // Aquarius, the Node in Pisces.
        {kCmdViewDispositorsBySign,
         {{10000, 10002, "Mercury Disposits Sun"},
          {10002, 10001, "Moon Disposits Mercury"},
          {10003, 10000, "Sun Disposits Venus"},
          {10004, 10003, "Venus Disposits Mars"},
          {10005, 10001, "Moon Disposits Jupiter"},
          {10007, 10002, "Mercury Disposits Uranus"},
          {10009, 10007, "Uranus Disposits Pluto"},
          {10010, 10008, "Neptune Disposits North Node"}}},
        // Sun, Mars and Uranus in the 10th house, Mercury and Jupiter in the
        // 11th, Venus in the 12th, Saturn and Neptune in the 8th, Pluto in
        // the 6th, the Node in the 7th.
        {kCmdViewDispositorsByHouse,
         {{10000, 10006, "Saturn Disposits Sun"},
          {10002, 10007, "Uranus Disposits Mercury"},
          {10003, 10008, "Neptune Disposits Venus"},
          {10006, 10009, "Pluto Disposits Saturn"},
          {10009, 10002, "Mercury Disposits Pluto"},
          {10010, 10003, "Venus Disposits North Node"}}},
    };
    for (const auto& view : views) {
        SendMenu(view.command);
        ov_test::PumpEvents(150);
        int tested = 0;
        for (const Relation& relation : view.relations) {
            SCOPED_TRACE(relation.status);
            int index = -1;
            for (int i = 0; i < Canvas()->GetAspectCount(); ++i)
                if (Canvas()->GetAspect(i).pointA == relation.point)
                    index = i;
            ASSERT_GE(index, 0) << "no dispositor line from the point";
            const AspectRecord line = Canvas()->GetAspect(index);
            ASSERT_EQ(line.aspect, ids::kDisposits);
            ASSERT_EQ(line.pointB, relation.ruler);
            // A spot on this line and near no other.
            wxPoint spot;
            bool found = false;
            for (double f = 0.2; f <= 0.8 && !found; f += 0.05) {
                spot = wxPoint(int(line.x1 + f * (line.x2 - line.x1)), int(line.y1 + f * (line.y2 - line.y1)));
                found = true;
                for (int i = 0; i < Canvas()->GetAspectCount() && found; ++i) {
                    const AspectRecord& r = Canvas()->GetAspect(i);
                    found = i == index ||
                            DistanceToAspectLine(r.x1, r.y1, r.x2, r.y2, spot.x, spot.y) > kAspectNearDistance + 2;
                }
            }
            if (!found)
                continue;
            ++tested;
            MoveTo(spot);
            EXPECT_EQ(Status(), relation.status);
        }
        EXPECT_GE(tested, 3) << "too few lines could be reached alone";
    }
}
