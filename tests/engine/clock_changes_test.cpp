// Moving charts over every change of the clocks in the computer's time zone
// data: the chart's moment is always the start plus the steps taken, and its
// clock follows the computer's wherever a whole-hour zone can show it.
#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "engine/time_steps.h"
#include "platform/local_zone.h"
#include "tests/support/time_zone.h"

namespace {

/// The names of every zone in the system's time zone data.
std::vector<std::string> SystemZones()
{
    std::ifstream in("/usr/share/zoneinfo/tzdata.zi");
    std::vector<std::string> zones;
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("Z ", 0) == 0)
            zones.push_back(line.substr(2, line.find(' ', 2) - 2));
    return zones;
}

struct WallClock {
    long offset = 0;
    int isDst = 0;
    bool operator!=(const WallClock& o) const { return offset != o.offset || (isDst > 0) != (o.isDst > 0); }
};

WallClock WallAt(int64_t t)
{
    WallClock w;
    platform::LocalZoneAt(t, &w.offset, &w.isDst);
    return w;
}

/// The first second of each change of the computer's clock between two
/// moments, looked for a week at a time.
std::vector<int64_t> ClockChanges(int64_t from, int64_t to)
{
    constexpr int64_t kWeek = 7 * 86400;
    std::vector<int64_t> changes;
    WallClock before = WallAt(from);
    for (int64_t t = from; t < to; t += kWeek) {
        const WallClock after = WallAt(t + kWeek);
        if (after != before) {
            int64_t lo = t, hi = t + kWeek; // lo shows before, hi does not
            while (hi - lo > 1) {
                const int64_t mid = lo + (hi - lo) / 2;
                (WallAt(mid) != before ? hi : lo) = mid;
            }
            changes.push_back(hi);
        }
        before = after;
    }
    return changes;
}

/// A chart whose clock reads moment t in a whole-hour zone and flag.
ChartTimeRecord ChartAt(int64_t t, int zone, int dst)
{
    const std::time_t clock = static_cast<std::time_t>(t + (zone + dst) * 3600LL);
    std::tm f{};
    gmtime_r(&clock, &f);
    ChartTimeRecord r;
    r.year = f.tm_year + 1900;
    r.month = f.tm_mon + 1;
    r.day = f.tm_mday;
    r.hour = f.tm_hour;
    r.minute = f.tm_min;
    r.second = f.tm_sec;
    r.timeZone = zone;
    r.dst = dst;
    return r;
}

/// The computer's clock at moment t as a chart would show it, or -1 for a
/// clock no whole-hour chart of this zone shows: the flag it would carry.
int ShownFlag(int zone, int64_t t)
{
    platform::ComputerZone computer;
    if (!platform::ReadComputerZone(t, &computer))
        return -1;
    const int flag = computer.summer ? 1 : 0;
    return computer.offsetSeconds == (zone + flag) * 3600L ? flag : -1;
}

bool ShowsWallClock(const ChartTimeRecord& r, int64_t t)
{
    const std::time_t moment = static_cast<std::time_t>(t);
    std::tm wall{};
    localtime_r(&moment, &wall);
    return r.year == wall.tm_year + 1900 && r.month == wall.tm_mon + 1 && r.day == wall.tm_mday &&
           r.hour == wall.tm_hour && r.minute == wall.tm_min && r.second == wall.tm_sec;
}

// Catches a moving chart whose clock jumps by the computer's change of the
// clocks where the chart's zone and flag cannot show it (half-hour summer
// time, Irish winter time, a change of the standard zone, double summer
// time): its moment would be minutes or hours away from the steps taken.
TEST(ClockChanges, StepsOverEveryChangeOfTheClocksMoveTheMomentExactly)
{
    const std::vector<std::string> zones = SystemZones();
    ASSERT_GT(zones.size(), 300u) << "the system's time zone data (tzdata) is missing";
    const struct {
        const char* unit;
        int64_t seconds;
    } spans[] = {{"Hours", 3600}, {"Seconds", 1}};
    const ov_test::ScopedTimeZone computer("UTC0");
    int failures = 0;
    size_t changesSeen = 0;
    for (const std::string& name : zones) {
        ov_test::ScopedTimeZone::Set(name.c_str());
        const std::vector<int64_t> changes = ClockChanges(ov_test::Utc(1916, 1, 1), ov_test::Utc(2038, 1, 1));
        changesSeen += changes.size();
        for (const int64_t change : changes) {
            for (const auto& span : spans) {
                // A chart set to the computer's clock a little before the
                // change, moved three steps over it and three steps back.
                const int64_t start = change - span.seconds * 2 + (span.seconds > 1 ? 1800 : 0);
                platform::ComputerZone computer;
                ASSERT_TRUE(platform::ReadComputerZone(start, &computer));
                const int zone = computer.zoneHours;
                ChartTimeRecord chart = ChartAt(start, zone, computer.summer ? 1 : 0);
                const TimeMotionStep step = MakeStep(1, span.unit, true, true);
                const int directions[] = {1, 1, 1, -1, -1, -1};
                int64_t expected = start;
                for (const int direction : directions) {
                    const ChartTimeRecord before = chart;
                    const int64_t previous = expected;
                    ASSERT_TRUE(StepChartTime(step, direction, &chart));
                    expected += direction * span.seconds;
                    int64_t moment = 0;
                    ASSERT_TRUE(ChartMomentMillis(chart, &moment));
                    // Where the chart showed the computer's clock before the
                    // step and a whole-hour clock of its zone can show it
                    // after, it shows it; elsewhere it keeps its flag.
                    const bool followed = ShownFlag(zone, previous) == before.dst;
                    const int shown = ShownFlag(zone, expected);
                    const int expectedDst = followed && shown >= 0 ? shown : before.dst;
                    const bool wall = followed && shown >= 0;
                    if (moment != expected * 1000 || chart.timeZone != zone || chart.dst != expectedDst ||
                        (wall && !ShowsWallClock(chart, expected))) {
                        ADD_FAILURE() << name << ": a step of " << direction << " " << span.unit << " from "
                                      << previous << " (change at " << change << ") gives the moment "
                                      << moment / 1000 << " instead of " << expected << ", zone "
                                      << chart.timeZone << " for " << zone << ", flag " << chart.dst << " for "
                                      << expectedDst << ", clock " << chart.hour << ":" << chart.minute << ":"
                                      << chart.second;
                        if (++failures >= 20)
                            return;
                    }
                }
            }
        }
    }
    // A sweep that found nothing to step over would prove nothing.
    EXPECT_GT(changesSeen, 10000u);
}

} // namespace
