// The chart canvas as a real window: its setters search aspects and
// configurations for the shown charts and hand them to the information panel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include <wx/frame.h>

#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "tests/display/synthetic_chart.h"
#include "tests/gui/gui_test_support.h"

namespace {

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "canvas test", wxPoint(0, 0), wxSize(700, 500));
        canvas = new CChartCanvas(frame);
        panel = new CChartInfo(frame, canvas);
        canvas->SetInfoPanel(panel);
        frame->Show();
        // A hexagon in the native chart, a grand cross in the transit chart.
        const double hexagon[] = {0, 60, 120, 180, 240, 300};
        for (int p = 0; p < 6; ++p)
            setup.Show(kSlotNative, p, hexagon[p] + 15.0);
        const double cross[] = {10, 100, 190, 280};
        for (int p = 0; p < 4; ++p)
            setup.Show(kSlotTransit, p, cross[p]);
        setup.Search(1001, 6);
        setup.Search(1002, 6);
        setup.Search(1003, 6);
        setup.Search(1004, 6);
        ChartSet& set = chartSet;
        std::copy(setup.positions, setup.positions + kChartSlots, set.positions);
        set.names[kSlotNative].name = "Ann";
    }
    void TearDown() override { frame->Destroy(); }

    void Load(ChartModeFlags mode, ChartSlot a, ChartSlot b, ChartSlot c)
    {
        canvas->SetRestrictions(setup.pointRestricted, setup.aspectRestricted, setup.orbs, false);
        canvas->SetChartMode(mode, a, b, c, false, false);
        canvas->SetChartData(chartSet.positions, chartSet.times, chartSet.names, true);
    }

    wxFrame* frame = nullptr;
    CChartCanvas* canvas = nullptr;
    CChartInfo* panel = nullptr;
    ov_test::SearchSetup setup;
    ChartSet chartSet;
};

} // namespace

// Catches a canvas that starts with a view, the wrong orbs or class name.
TEST_F(CanvasTest, StartsEmpty)
{
    EXPECT_EQ(wxString(canvas->GetClassInfo()->GetClassName()), "CChartCanvas");
    EXPECT_EQ(canvas->GetName(), "panel");
    EXPECT_EQ(canvas->GetChartMode(), kChartNatal);
    EXPECT_EQ(canvas->GetAspectCount(), 0);
    EXPECT_DOUBLE_EQ(canvas->GetOrb(0), 10.0);
    EXPECT_DOUBLE_EQ(canvas->GetOrb(17), 10.0);
    EXPECT_EQ(canvas->GetHoveredItem(), -1);
    EXPECT_EQ(canvas->GetBackgroundColour(), *wxBLACK);
}

// Catches configurations searched outside their view, kept after leaving it,
// or missing from the panel's copy of the records.
TEST_F(CanvasTest, ConfigurationsFollowTheView)
{
    Load(kChartNatal | kViewPatterns, kSlotNative, kSlotNative, kSlotPartner);
    EXPECT_EQ(canvas->GetAspectCount(), 15);
    EXPECT_EQ(canvas->GetPatterns().GetCount(), 12);  // sextile, 2 trines, 6 kites, 3 rectangles
    ASSERT_EQ(panel->GetAspectCount(), 15);
    int listed = 0;
    for (int r = 0; r < 15; ++r) {
        EXPECT_EQ(panel->GetAspect(r).configurations, canvas->GetAspect(r).configurations) << r;
        listed += !canvas->GetAspect(r).configurations.empty();
    }
    EXPECT_EQ(listed, 15);

    canvas->SetChartMode(kChartNatal | kViewAspects, kSlotTransit, kSlotNative, kSlotPartner, true,
                         true);
    EXPECT_EQ(canvas->GetShownSlotA(), kSlotTransit);
    EXPECT_EQ(canvas->GetAspectCount(), 6);  // the cross: four squares, two oppositions
    EXPECT_TRUE(canvas->GetPatterns().IsEmpty());
    for (int r = 0; r < canvas->GetAspectCount(); ++r)  // no indices into the emptied array
        EXPECT_TRUE(canvas->GetAspect(r).configurations.empty()) << r;
    EXPECT_EQ(panel->GetShownSlotA(), kSlotTransit);
    EXPECT_EQ(panel->GetChartMode(), kChartNatal | kViewAspects);
}

// Catches a two-ring search done within one chart, or with the wrong slots.
TEST_F(CanvasTest, TwoRingsSearchBetweenInnerAndOuter)
{
    Load(kChartTransits | kViewAspects, kSlotNative, kSlotNative, kSlotTransit);
    EXPECT_EQ(canvas->GetShownSlotA(), kSlotNative);
    EXPECT_EQ(canvas->GetShownSlotB(), kSlotTransit);
    ASSERT_GT(canvas->GetAspectCount(), 0);
    for (int r = 0; r < canvas->GetAspectCount(); ++r) {
        EXPECT_EQ(canvas->GetAspect(r).chartA, kSlotNative);
        EXPECT_EQ(canvas->GetAspect(r).chartB, kSlotTransit);
    }
    EXPECT_EQ(panel->GetAspectCount(), canvas->GetAspectCount());
}

// Catches records or a panel list that survive hiding every point, and a
// panel still listing the aspects near the last click after new restrictions.
TEST_F(CanvasTest, HidingEveryPointEmptiesTheList)
{
    Load(kChartNatal | kViewAspects, kSlotNative, kSlotNative, kSlotPartner);
    ASSERT_GT(panel->GetAspectCount(), 0);
    panel->SetAspectSortOrder(0, false);
    ASSERT_EQ(panel->GetPage(), kPageAspects);
    std::memset(setup.pointRestricted, 1, sizeof setup.pointRestricted);
    canvas->SetRestrictions(setup.pointRestricted, setup.aspectRestricted, setup.orbs, true);
    EXPECT_EQ(canvas->GetAspectCount(), 0);
    EXPECT_EQ(panel->GetAspectCount(), 0);
    EXPECT_EQ(panel->GetPage(), kPageSummary);
    EXPECT_EQ(panel->IsPointRestricted(kSlotNative, 0), 1);
}

// Catches a panel that forgets its page when the shown chart changes, and
// line end points not set for a record.
TEST_F(CanvasTest, PanelKeepsPageForTheShownChartAndLinesGetEnds)
{
    Load(kChartNatal | kViewAspects, kSlotNative, kSlotNative, kSlotPartner);
    panel->SetPage(kPagePoint, 10000, kSlotNative);
    canvas->SetChartMode(kChartComposite | kViewAspects, kSlotComposite, kSlotNative, kSlotPartner,
                         true, false);
    EXPECT_EQ(panel->GetPage(), kPagePoint);
    EXPECT_EQ(panel->GetSelection(), 10000);
    EXPECT_EQ(panel->GetPageSlot(), kSlotComposite);
    EXPECT_EQ(panel->IsShowing(kPagePoint, 10000, kSlotComposite), 0);

    canvas->SetChartMode(kChartNatal | kViewAspects, kSlotNative, kSlotNative, kSlotPartner, true,
                         false);
    ASSERT_GT(canvas->GetAspectCount(), 0);
    canvas->SetAspectLine(0, 200, 200, 100, 100);
    const AspectRecord& r = canvas->GetAspect(0);
    const double length = std::hypot(r.x2 - r.x1, r.y2 - r.y1);
    EXPECT_GT(length, 10.0);
    EXPECT_NEAR(std::hypot(r.x1 - 200, r.y1 - 200), 100.0, 1.0);
    canvas->SetAspectLine(kMaxAspects + 5, 0, 0, 1, 1);  // out of range: ignored
    ov_test::PumpEvents(30);
}
