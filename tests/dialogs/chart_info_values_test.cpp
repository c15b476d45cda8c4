// The chart information dialog's conversions without a window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "dialogs/chart_info_values.h"

namespace {

/// New York's rules, so the tests know when daylight saving is in force.
class ChartInfoValuesTest : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
        tzset();
    }
    void TearDown() override
    {
        unsetenv("TZ");
        tzset();
    }
};

TEST_F(ChartInfoValuesTest, DaylightSavingIsStoredOnlyWhenKnownAndGuessedFromTheComputersClock)
{
    // Before any daylight-saving rules the class library cannot tell (-1);
    // the computer's clock says there was no summer time then.
    const wxDateTime unknown(1, wxDateTime::Jul, 1800, 12, 0, 0);
    ASSERT_LT(unknown.IsDST(), 0);
    const struct {
        wxDateTime moment;
        int stored;
        bool guessed;
    } cases[] = {{wxDateTime(1, wxDateTime::Jul, 2026, 12, 0, 0), 1, true},
                 {wxDateTime(15, wxDateTime::Jan, 2026, 12, 0, 0), 0, false},
                 {unknown, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.moment.GetYear());
        ChartTimeRecord record;
        record.timeZone = 9;
        record.dst = 7;
        DateTimeToChartTime(c.moment, &record);
        EXPECT_EQ(record.dst, c.stored);
        EXPECT_EQ(record.year, c.moment.GetYear());
        EXPECT_EQ(record.hour, 12);
        EXPECT_EQ(record.timeZone, 9) << "the zone stays";
        EXPECT_EQ(GuessDaylightSaving(c.moment), c.guessed);
    }
}

} // namespace
