// The information panel's page state, the aspect sort and the list filters.
#include <gtest/gtest.h>

#include <vector>

#include "display/panel/info_panel_state.h"

namespace {

AspectRecord Aspect(ObjectId a, ObjectId b, double orb, ObjectId kind = 1000, ChartSlot slotA = 0,
                    ChartSlot slotB = 0)
{
    AspectRecord r;
    r.chartA = slotA;
    r.chartB = slotB;
    r.aspect = kind;
    r.pointA = a;
    r.pointB = b;
    r.orb = orb;
    return r;
}

std::vector<std::pair<ObjectId, ObjectId>> ListedPairs(const InfoPanelState& s)
{
    std::vector<std::pair<ObjectId, ObjectId>> out;
    for (int i = 0; i < s.AspectCount(); ++i)
        out.push_back(OrientPair(s.aspects[s.order[i]], -1));
    return out;
}

TEST(InfoPanelState, IsShowingCountsEveryNegativeItemAsNone)
{
    InfoPanelState s;
    s.SetPage(kPagePoint, -5, 2);
    EXPECT_EQ(s.selection, -1);
    EXPECT_EQ(s.IsShowing(kPagePoint, -1, 2), 0);
    EXPECT_EQ(s.IsShowing(kPagePoint, -7, 2), 0);
    EXPECT_EQ(s.IsShowing(kPagePoint, -1, 3), -1);
    s.SetPage(kPageSign, 503, 0);
    EXPECT_EQ(s.IsShowing(kPageSign, 503, 0), 0);
    EXPECT_EQ(s.IsShowing(kPageHouse, 503, 0), -1);
}

TEST(InfoPanelState, SortsByEveryModeAndKeepsFoundOrderWithASelection)
{
    const AspectRecord records[] = {
        Aspect(10003, 10001, 2.0), Aspect(750, 10002, 0.5), Aspect(10001, 10004, 1.0),
        Aspect(10001, 10002, 3.0), Aspect(10025, 10000, 0.1),
    };
    struct Case {
        AspectListMode mode;
        ChartModeFlags chartMode;
        std::vector<std::pair<ObjectId, ObjectId>> expected;
    };
    const Case cases[] = {
        {kListAll | kListSortByOrb, 1,
         {{10000, 10025}, {750, 10002}, {10001, 10004}, {10001, 10003}, {10001, 10002}}},
        // Equal first points by second point; the cusp (750) after every body.
        {kListAll | kListSortByFirst, 1,
         {{10000, 10025}, {10001, 10002}, {10001, 10003}, {10001, 10004}, {750, 10002}}},
        {kListAll | kListSortBySecond, 1,
         {{10001, 10002}, {750, 10002}, {10001, 10003}, {10001, 10004}, {10000, 10025}}},
        // Natal with transits: "first" follows the point written first (the second).
        {kListAll | kListSortByFirst, kChartTransits,
         {{10001, 10002}, {750, 10002}, {10001, 10003}, {10001, 10004}, {10000, 10025}}},
        {kListAll | kListSortBySecond, kChartTransits,
         {{10000, 10025}, {10001, 10002}, {10001, 10003}, {10001, 10004}, {750, 10002}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        InfoPanelState s;
        s.SetChartMode(c.chartMode | kViewAspects);
        s.SetAspectList(5, records);
        s.SetAspectSortOrder(c.mode);
        EXPECT_EQ(ListedPairs(s), c.expected);
    }

    // A point page (a selection) lists in found order whatever the mode says.
    InfoPanelState s;
    s.SetAspectSortOrder(kListAll | kListSortByOrb);
    s.SetPage(kPagePoint, 10001, 0);
    s.SetAspectList(5, records);
    EXPECT_EQ(s.order, (std::vector<int32_t>{0, 1, 2, 3, 4}));
}

TEST(InfoPanelState, SortOrderSwitchesToTheListPage)
{
    InfoPanelState s;
    s.SetShownCharts(6, 0, 1);
    s.SetChartMode(kChartComposite | kViewAspects);
    s.SetPage(kPagePoint, 10003, 6);
    s.SetAspectSortOrder(kListAll | kListSortByOrb);
    EXPECT_EQ(s.page, kPageAspects);
    EXPECT_EQ(s.selection, -1);
    EXPECT_EQ(s.pageSlot, 6);
    s.SetShownCharts(0, 3, 1);
    s.SetChartMode(kChartSynastry | kViewAspects);
    s.SetAspectSortOrder(kListAll | kListSortByFirst);
    EXPECT_EQ(s.pageSlot, 3); // the inner ring
}

TEST(InfoPanelState, NearClickListFallsBackToSummaryOnNewRestrictionsOrMode)
{
    const uint8_t none[kChartSlots][kChartPoints] = {};
    struct Case {
        AspectListMode mode;
        bool restrictions; ///< else a chart-mode change
        InfoPageKind expectedPage;
    };
    const Case cases[] = {
        {0, true, kPageSummary},
        {0, false, kPageSummary},
        {kListAll | kListSortByOrb, true, kPageAspects},
        {kListFound | kListSortByOrb, false, kPageAspects},
    };
    for (const Case& c : cases) {
        InfoPanelState s;
        s.SetShownCharts(3, 0, 0);
        s.SetAspectSortOrder(c.mode);
        if (c.restrictions)
            s.SetRestrictions(none);
        else
            s.SetChartMode(kChartDavison | kViewAspects);
        EXPECT_EQ(s.page, c.expectedPage) << c.mode;
        if (c.expectedPage == kPageSummary) {
            EXPECT_EQ(s.selection, -1);
        }
    }
}

TEST(InfoPanelState, TwoRingPageAlwaysNamesAShownRing)
{
    // A point page of the Davison chart (slot 5), then the user switches to
    // synastry: the page must not show slot 5 under the partner's label.
    InfoPanelState s;
    s.SetShownCharts(5, 0, 1);
    s.SetChartMode(kChartDavison | kViewAspects);
    s.SetPage(kPagePoint, 10000, 5);
    s.SetShownCharts(0, 0, 1);
    s.SetChartMode(kChartSynastry | kViewAspects);
    EXPECT_EQ(s.page, kPagePoint);
    EXPECT_EQ(s.pageSlot, 0);
    EXPECT_EQ(s.OtherRingSlot(), 1);

    // The partner's page stays when the partner ring stays.
    s.SetPage(kPagePoint, 10000, 1);
    s.SetChartMode(kChartSynastry | kViewPatterns);
    EXPECT_EQ(s.pageSlot, 1);
    EXPECT_EQ(s.OtherRingSlot(), 0);

    // Synastry to transits: the partner ring is replaced by the transits.
    s.SetShownCharts(0, 0, 2);
    EXPECT_EQ(s.pageSlot, 0);
    s.SetChartMode(kChartTransits | kViewAspects);
    EXPECT_EQ(s.pageSlot, 0);

    // One-wheel types keep whatever the canvas sets afterwards.
    s.SetShownCharts(6, 0, 1);
    s.SetChartMode(kChartComposite | kViewAspects);
    s.SetPage(s.page, s.selection, 6);
    EXPECT_EQ(s.pageSlot, 6);
    EXPECT_EQ(s.OtherRingSlot(), 6);
}

TEST(OrientPair, PutsTheLowerOrTheSelectedPointFirstWithinOneChart)
{
    struct Case {
        AspectRecord record;
        ObjectId selection;
        ObjectId first, second;
    };
    const Case cases[] = {
        {Aspect(10005, 750, 1), -1, 750, 10005},
        {Aspect(10005, 750, 1), 10005, 10005, 750},
        {Aspect(10001, 10005, 1), 10005, 10005, 10001},
        {Aspect(10005, 10001, 1, 1000, 0, 2), -1, 10005, 10001},     // two charts keep their order
        {Aspect(10005, 10001, 1, 1000, 0, 2), 10001, 10005, 10001},
        {Aspect(10005, 10001, 0, ids::kDisposits), -1, 10005, 10001}, // ruler first, as drawn
    };
    for (const Case& c : cases) {
        const auto pair = OrientPair(c.record, c.selection);
        EXPECT_EQ(pair.first, c.first);
        EXPECT_EQ(pair.second, c.second);
    }
}

TEST(FindSettings, KindOrbAndPointsDecideWithoutReadingPastTheTables)
{
    FindAspectsSettings find;
    find.aspects[0] = 1; // conjunction
    find.aspects[2] = 1; // square
    find.pointsA[0] = 1; // Sun as first point
    find.pointsB[26] = 1; // Ascendant as second point
    find.orbFrom = 0.0;
    find.orbTo = 0.0;
    struct Case {
        AspectRecord record;
        uint8_t both;
        double orbTo;
        bool passes;
    };
    const Case cases[] = {
        {Aspect(10000, 10005, 0.0), 0, 0.0, true},      // orb bounds 0..0 take an exact aspect
        {Aspect(10000, 10005, 0.01), 0, 0.0, false},
        {Aspect(10000, 10005, 2.0), 0, 2.0, true},      // first point alone is enough
        {Aspect(10000, 10005, 2.0), 1, 2.0, false},     // ... unless both must be chosen
        {Aspect(10000, 750, 2.0), 1, 2.0, true},
        {Aspect(10003, 10005, 1.0), 0, 2.0, false},
        {Aspect(10000, 10005, 1.0, 1001), 0, 2.0, false},
        {Aspect(10000, 10005, 0.0, ids::kDisposits), 0, 2.0, false}, // 1020 is no searched kind
        {Aspect(10000, 10005, 0.0, 1019), 0, 2.0, false},
        {Aspect(10000, 99999, 0.0, 1002), 1, 2.0, false}, // unknown point: chosen in neither list
    };
    for (const Case& c : cases) {
        find.bothPoints = c.both;
        find.orbTo = c.orbTo;
        EXPECT_EQ(PassesFindSettings(c.record, find), c.passes) << c.record.pointA << " " << c.record.pointB;
    }
}

TEST(IsAspectListed, SelectionFlagsAndRingNarrowing)
{
    InfoPanelState s;
    const AspectRecord records[] = {
        Aspect(10000, 10001, 1, 1000, 0, 1),
        Aspect(10001, 10000, 1, 1000, 0, 1),
        Aspect(10002, 10003, 1, 1000, 0, 1),
    };
    s.SetShownCharts(0, 0, 1);
    s.SetChartMode(kChartSynastry | kViewAspects);
    s.SetAspectList(3, records);
    uint8_t flags[kMaxAspects] = {};
    flags[2] = 1;
    s.SetSelectedAspects(flags);
    // Near the click: only flagged records.
    EXPECT_FALSE(IsAspectListed(s, 0, -1, 0));
    EXPECT_TRUE(IsAspectListed(s, 2, -1, 0));
    // The inner ring's Sun: only records whose first point is the Sun.
    s.SetPage(kPagePoint, 10000, 0);
    EXPECT_TRUE(IsAspectListed(s, 0, 10000, 0));
    EXPECT_FALSE(IsAspectListed(s, 1, 10000, 0));
    // The outer ring's Sun: only records whose second point is the Sun.
    s.SetPage(kPagePoint, 10000, 1);
    EXPECT_FALSE(IsAspectListed(s, 0, 10000, 0));
    EXPECT_TRUE(IsAspectListed(s, 1, 10000, 0));
    EXPECT_TRUE(IsAspectListed(s, 2, -1, kListAll));
}

TEST(InfoPanelState, AspectListIsCappedAndSafeWithNothing)
{
    InfoPanelState s;
    std::vector<AspectRecord> many(kMaxAspects + 10, Aspect(10000, 10001, 1));
    s.SetAspectList(int(many.size()), many.data());
    EXPECT_EQ(s.AspectCount(), kMaxAspects);
    s.SetAspectList(3, nullptr);
    EXPECT_EQ(s.AspectCount(), 0);
    s.SetAspectList(-4, many.data());
    EXPECT_EQ(s.AspectCount(), 0);
    s.SetPage(kPageHouse, 750, 42);
    EXPECT_EQ(s.pageSlot, 0);
}

} // namespace
