// Moving charts over every change of the clocks in the computer's time zone
// data. The chart's moment is always the start plus the steps taken; a chart
// made for now keeps reading as a chart for now made at its new moment, and
// the summer flag it carries on either side of a change is worked out here
// from the offsets and flags the data gives there.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/time_steps.h"
#include "platform/local_zone.h"
#include "shell/chart_slots.h"
#include "shell/clock.h"
#include "tests/support/time_zone.h"
#include "tests/support/zone_file.h"

namespace {

/// The names of every zone in the time zone data that the C library reads
/// (under TZDIR when that is set), so that a copy there is swept whole.
std::vector<std::string> SystemZones()
{
    std::ifstream in(ov_test::ZoneInfoFolder() + "/tzdata.zi");
    std::vector<std::string> zones;
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("Z ", 0) == 0)
            zones.push_back(line.substr(2, line.find(' ', 2) - 2));
    return zones;
}

struct WallClock {
    long offset = 0;
    bool isDst = false;
    bool operator==(const WallClock& o) const { return offset == o.offset && isDst == o.isDst; }
    bool operator!=(const WallClock& o) const { return !(*this == o); }
};

WallClock WallAt(int64_t t)
{
    WallClock w;
    int isDst = 0;
    platform::LocalZoneAt(t, &w.offset, &isDst);
    w.isDst = isDst > 0;
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

/// A chart's clock as a chart holds it on either side of one change of the
/// clocks, from the data there alone: where the data flags the two sides
/// differently, summer time is the side with the larger offset (Ireland's
/// winter and Morocco's Ramadan clock are flagged, and are not summer time);
/// elsewhere each side keeps its flag. The zone is the offset less the
/// summer hour, whole hours cut toward zero.
struct ChartClock {
    int zone = 0;
    int dst = 0;
};

ChartClock ClockOnSide(const WallClock& side, const WallClock& other)
{
    ChartClock c;
    c.dst = side.isDst != other.isDst && side.offset != other.offset ? side.offset > other.offset : side.isDst;
    c.zone = static_cast<int>((side.offset - c.dst * 3600L) / 3600);
    return c;
}

/// The chart that Chart for Now gives at moment t on a chart in the
/// computer's zone there.
ChartTimeRecord ChartForNow(int64_t t)
{
    static ChartSet set;
    const CurrentMoment now = MomentAt(static_cast<std::time_t>(t));
    set.times[kSlotNative].timeZone = now.timeZone;
    SetChartToNow(set, kSlotNative, now);
    return set.times[kSlotNative];
}

std::string Describe(const ChartTimeRecord& r)
{
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%06.3f zone %d%s", r.year, r.month, r.day, r.hour,
                  r.minute, r.second, r.timeZone, r.dst ? " (+DST)" : "");
    return text;
}

bool SameClock(const ChartTimeRecord& a, const ChartTimeRecord& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second && a.timeZone == b.timeZone && a.dst == b.dst;
}

class ClockChangeSweep {
public:
    explicit ClockChangeSweep(const std::string& zone) : zone_(zone) {}

    /// Moves a chart made for now before a change over it and back, steps
    /// of a clock span or one calendar day, checking every step.
    void Cross(int64_t change, const WallClock& before, const WallClock& after)
    {
        sides_[0] = ClockOnSide(before, after);
        sides_[1] = ClockOnSide(after, before);
        walls_[0] = before;
        walls_[1] = after;
        change_ = change;
        // A chart for now some time before the change, three steps over it
        // and three back, by hours and by seconds.
        for (const int64_t span : {int64_t{3600}, int64_t{1}}) {
            const int64_t start = change - span * 2 + (span > 1 ? 1800 : 0);
            ChartTimeRecord chart = ChartForNow(start);
            const TimeMotionStep step = MakeStep(1, span > 1 ? "Hours" : "Seconds", true, true);
            int64_t moment = start;
            for (const int direction : {1, 1, 1, -1, -1, -1}) {
                if (!Step(step, direction, &chart, moment, moment + direction * span))
                    return;
                moment += direction * span;
            }
        }
        // A day on keeps the clock reading, which names a moment on the other
        // side of the change; the flag there decides which.
        const int64_t start = change - 86400 + 7200;
        ChartTimeRecord chart = ChartForNow(start);
        const TimeMotionStep day = MakeStep(1, "Days", true, true);
        const ChartClock& b = sides_[0];
        const ChartClock& a = sides_[1];
        const bool follows = SideOf(start) == 0 && chart.timeZone == b.zone && chart.dst == b.dst && a.zone == b.zone;
        const int64_t onward = start + 86400 + (follows ? (b.dst - a.dst) * 3600 : 0);
        if (Step(day, 1, &chart, start, onward))
            Step(day, -1, &chart, onward, start);
    }

    int Failures() const { return failures_; }
    size_t Steps() const { return steps_; }

private:
    /// 0 before the change, 1 after it, -1 for a moment whose clock is
    /// neither (another change nearby).
    int SideOf(int64_t t) const
    {
        const WallClock w = WallAt(t);
        if ((t < change_ ? walls_[0] : walls_[1]) != w)
            return -1;
        return t < change_ ? 0 : 1;
    }

    /// One step from moment from, which must reach moment to. False once
    /// enough failures have been told.
    bool Step(const TimeMotionStep& step, int direction, ChartTimeRecord* chart, int64_t from, int64_t to)
    {
        ++steps_;
        const ChartTimeRecord before = *chart;
        if (!StepChartTime(step, direction, chart))
            return Fail("the step was refused", before, *chart, from, to);
        int64_t moment = 0;
        if (!ChartMomentMillis(*chart, &moment) || moment != to * 1000)
            return Fail("the moment is not the steps taken", before, *chart, from, to);
        if (chart->timeZone != before.timeZone)
            return Fail("the zone changed", before, *chart, from, to);
        const int sideFrom = SideOf(from), sideTo = SideOf(to);
        if (sideFrom < 0 || sideTo < 0)
            return true;
        // The chart for now there reads the data as worked out above.
        const ChartTimeRecord forNow = ChartForNow(to);
        if (forNow.timeZone != sides_[sideTo].zone || forNow.dst != sides_[sideTo].dst)
            return Fail("the chart for now is not the data's clock", before, *chart, from, to);
        // A chart that read as the computer's clock follows it wherever the
        // computer's clock is still its zone, and keeps its flag elsewhere.
        const ChartClock& was = sides_[sideFrom];
        const ChartClock& now = sides_[sideTo];
        const bool followed = before.timeZone == was.zone && before.dst == was.dst;
        const int expectedDst = followed && now.zone == before.timeZone ? now.dst : before.dst;
        if (chart->dst != expectedDst)
            return Fail("the summer flag is not the data's", before, *chart, from, to);
        if (followed && now.zone == before.timeZone && !SameClock(*chart, forNow))
            return Fail("the chart is not the chart for now", before, *chart, from, to);
        return true;
    }

    bool Fail(const char* what, const ChartTimeRecord& before, const ChartTimeRecord& after, int64_t from, int64_t to)
    {
        ADD_FAILURE() << zone_ << ", change at " << change_ << " (offsets " << walls_[0].offset << " to "
                      << walls_[1].offset << ", flags " << walls_[0].isDst << " to " << walls_[1].isDst << "): "
                      << what << ": " << Describe(before) << " at " << from << " became " << Describe(after)
                      << ", due at " << to << "; the chart for now there is " << Describe(ChartForNow(to));
        return ++failures_ < 20;
    }

    std::string zone_;
    ChartClock sides_[2];
    WallClock walls_[2];
    int64_t change_ = 0;
    int failures_ = 0;
    size_t steps_ = 0;
};

// Catches a moving chart that parts from the computer's clock as a chart for
// now reads it: St. John's, Adelaide, Lord Howe and Chatham charts that kept
// their summer flag for ever, Ireland's flagged winter taken as summer time,
// a clock that jumps where the chart's zone cannot show the change.
TEST(ClockChanges, ChartsForNowMovedOverEveryChangeOfTheClocksStayChartsForNow)
{
    const std::vector<std::string> zones = SystemZones();
    ASSERT_GT(zones.size(), 300u) << "no zone list in " << ov_test::ZoneInfoFolder() << "/tzdata.zi";
    const ov_test::ScopedTimeZone computer("UTC0");
    size_t changesSeen = 0, steps = 0;
    int failures = 0;
    for (const std::string& name : zones) {
        // A zone whose file the C library could not read runs on universal
        // time and would pass unseen.
        ov_test::ScopedTimeZone::Set(name.c_str());
        const std::string notLoaded = ov_test::ZoneNotLoaded(name);
        if (!notLoaded.empty()) {
            ADD_FAILURE() << notLoaded;
            continue;
        }
        ClockChangeSweep sweep(name);
        const std::vector<int64_t> changes = ClockChanges(ov_test::Utc(1916, 1, 1), ov_test::Utc(2038, 1, 1));
        changesSeen += changes.size();
        for (const int64_t change : changes) {
            sweep.Cross(change, WallAt(change - 1), WallAt(change));
            if (sweep.Failures() >= 20)
                break;
        }
        steps += sweep.Steps();
        failures += sweep.Failures();
        if (failures >= 40)
            return;
    }
    // A sweep that found nothing to step over would prove nothing.
    EXPECT_GT(changesSeen, 10000u);
    EXPECT_GT(steps, 12 * changesSeen);
}

// Catches a sweep that runs on universal time where a zone's file is
// missing, empty or cut short: each such file is refused, naming it, and the
// C library's own fallback is told apart from the whole file's clocks even
// without reading the damaged file.
TEST(ZoneFileCheck, RefusesAZoneFileTheCLibraryDidNotRead)
{
    const std::string source = ov_test::ZoneFilePath("America/St_Johns");
    std::ifstream in(source, std::ios::binary);
    const std::string whole{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ov_test::ZoneFile stJohns;
    ASSERT_EQ(ov_test::ReadZoneFile(source, &stJohns), "") << source;

    std::string folder = testing::TempDir() + "zone_file_check_XXXXXX";
    ASSERT_NE(mkdtemp(&folder[0]), nullptr);
    struct Cleanup {
        std::string folder;
        ~Cleanup() { std::filesystem::remove_all(folder); }
    } cleanup{folder};
    const auto write = [&folder](const std::string& name, const std::string& bytes) {
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
        return folder + "/" + name;
    };
    const ov_test::ScopedTimeZone computer("UTC0");

    const std::string copy = write("whole", whole);
    ov_test::ScopedTimeZone::Set((":" + copy).c_str());
    EXPECT_EQ(ov_test::ZoneNotLoaded(":" + copy), "");

    const std::string missing = folder + "/missing";
    const std::string damaged[] = {missing, write("empty", ""), write("cut_to_60", whole.substr(0, 60)),
                                   write("one_short", whole.substr(0, whole.size() - 1))};
    for (const std::string& path : damaged) {
        ov_test::ScopedTimeZone::Set(path.c_str());
        const std::string notLoaded = ov_test::ZoneNotLoaded(path);
        EXPECT_NE(notLoaded.find(path), std::string::npos) << path << ": " << notLoaded;
    }
    // Where the file is missing, the C library's clocks are not St. John's.
    ov_test::ScopedTimeZone::Set(missing.c_str());
    EXPECT_NE(ov_test::LibraryDisagreement(stJohns), "");
}

} // namespace
