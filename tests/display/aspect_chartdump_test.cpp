// chartdump --aspects: the tool prints what the program's own searches find
// for the chart, with the start-up or the all-points restrictions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "display/aspects/aspect_pattern.h"
#include "display/aspects/aspect_search.h"
#include "engine/ephemeris_setup.h"
#include "shell/chart_slots.h"
#include "tests/support/run_chartdump.h"
#include "tests/support/sample_charts.h"

namespace {

using ov_test::HaveChartDump;
using ov_test::RunChartDump;
using ov_test::SampleMoment;
using ov_test::ShowAllPointsAndAspects;

// The lines the tool should print after the chart, from an in-process search.
std::vector<std::string> Expected(const ChartTimeRecord& record, bool all)
{
    ChartPositions positions[kChartSlots];
    ComputeNatalChart(&record, ids::kPlacidus, &positions[0]);
    ChartRestrictions r;
    SetDefaultRestrictions(r);
    if (all)
        ShowAllPointsAndAspects(r);
    MarkUnavailablePoints(positions[0], 0, r);
    std::vector<AspectRecord> records(kMaxAspects);
    const int count = FindAspectRecords(positions, r.pointRestricted, r.aspectRestricted, r.orbs, 0,
                                        0, records.data());
    AspectPatternArray patterns;
    FindAspectPatterns(records.data(), count, &patterns);
    std::vector<std::string> lines;
    char line[256];
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line, "aspect %d %d %d %.9f\n", records[i].aspect,
                      records[i].pointA, records[i].pointB, records[i].orb);
        lines.push_back(line);
    }
    for (int p = 0; p < patterns.GetCount(); ++p) {
        std::string text = "pattern " + std::to_string(patterns[p].configuration);
        for (int id : patterns[p].pointIds)
            text += " " + std::to_string(id);
        lines.push_back(text + "\n");
    }
    return lines;
}

} // namespace

// Catches a tool that prints other records or configurations than the
// program finds, drops the chart lines, or takes an unknown mode.
TEST(ChartDumpAspects, PrintsTheProgramsSearchResults)
{
    if (!HaveChartDump())
        GTEST_SKIP() << "chartdump is not built";
    InitEphemeris(OV_BINARY_DIR "/display_tests");
    const ChartTimeRecord record = SampleMoment(1990, 6, 15, 12, 0, 1, 47.4, 8.5);
    const char* chart = "1990 6 15 12 0 0 1 0 47.4 8.5 780";
    for (bool all : {false, true}) {
        std::vector<std::string> lines;
        int exitCode = -1;
        ASSERT_TRUE(RunChartDump(std::string(chart) + (all ? " --aspects all" : " --aspects default"),
                                 &lines, &exitCode));
        ASSERT_EQ(exitCode, 0);
        const size_t chartLines = 3 + 12 + kComputedPoints;
        ASSERT_GT(lines.size(), chartLines);
        const std::vector<std::string> tail(lines.begin() + chartLines, lines.end());
        const auto expected = Expected(record, all);
        EXPECT_EQ(tail, expected) << (all ? "all" : "default");
        EXPECT_NE(std::find_if(tail.begin(), tail.end(),
                               [](const std::string& l) { return l.rfind("pattern ", 0) == 0; }),
                  tail.end());
    }
    for (const char* bad : {" --aspects none", " --aspects"}) {
        std::vector<std::string> lines;
        int exitCode = -1;
        ASSERT_TRUE(RunChartDump(std::string(chart) + bad, &lines, &exitCode));
        EXPECT_EQ(exitCode, 2) << bad;
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].rfind("usage: chartdump", 0), 0u);
    }
    CloseEphemeris();
}
