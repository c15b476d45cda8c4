// The tools' shared command-line reading: what the chart-mode word and the
// chart arguments accept, so no tool draws a chart from half-read input.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/support/tool_arguments.h"

namespace {

// Splits a command-line tail into the char* array the parsers read.
class Arguments {
public:
    explicit Arguments(const std::string& line)
    {
        std::istringstream in(line);
        for (std::string word; in >> word;)
            words_.push_back(word);
        for (std::string& w : words_)
            pointers_.push_back(&w[0]);
    }
    char** Get() { return pointers_.data(); }
    int Count() const { return static_cast<int>(pointers_.size()); }

private:
    std::vector<std::string> words_;
    std::vector<char*> pointers_;
};

} // namespace

// Catches a mode word with two chart types, an unknown bit or a bad number
// reaching the canvas.
TEST(ToolArguments, ModeWordTakesOneTypeAndAtMostOneView)
{
    const struct {
        const char* text;
        bool ok;
        int mode;
    } rows[] = {
        {"0x101", true, 0x101}, {"257", true, 0x101}, {"0X8", true, 0x8},     {"0x210", true, 0x210},
        {"0x103", false, 0},    {"0x100", false, 0},  {"0x301", false, 0},    {"0x1001", false, 0},
        {"0x20", false, 0},     {"-1", false, 0},     {"0x", false, 0},       {"1x", false, 0},
        {"", false, 0},         {"0x10000", false, 0},
    };
    for (const auto& row : rows) {
        int mode = -7;
        EXPECT_EQ(ParseMode(row.text, &mode), row.ok) << row.text;
        EXPECT_EQ(mode, row.ok ? row.mode : -7) << row.text;
    }
}

// Catches an impossible date, a coordinate or house system out of range, or
// a stray argument count being taken as a chart.
TEST(ToolArguments, ChartArgumentsNeedOneOrTwoWholeCharts)
{
    const struct {
        const char* line;
        bool ok;
    } rows[] = {
        {"1974 7 23 14 35 0 1 0 48.85 2.35 780", true},
        {"2000 2 29 0 0 59.5 -24 1 -90 180 793", true},
        {"1974 7 23 14 35 0 1 0 48.85 2.35 780 1980 1 2 3 4 5 -5 1 40.7 -74", true},
        {"2001 2 29 0 0 0 0 0 0 0 780", false},
        {"1974 7 23 24 35 0 1 0 48.85 2.35 780", false},
        {"1974 7 23 14 35 60 1 0 48.85 2.35 780", false},
        {"1974 7 23 14 35 0 25 0 48.85 2.35 780", false},
        {"1974 7 23 14 35 0 1 2 48.85 2.35 780", false},
        {"1974 7 23 14 35 0 1 0 90.5 2.35 780", false},
        {"1974 7 23 14 35 0 1 0 48.85 nan 780", false},
        {"1974 7 23 14 35 0 1 0 48.85 2.35 779", false},
        {"1974 7 23 14 35 0 1 0 48.85 2.35 794", false},
        {"1974 7 23 14 35 0 1 0 48.85 2.35 780 1980", false},
        {"1974 7 23 14 35 0 1 0 48.85 2.35 780 1980 13 2 3 4 5 -5 1 40.7 -74", false},
        {"1974 7 23 14 35 0 1 0 48.85 2.35", false},
    };
    for (const auto& row : rows) {
        Arguments args(row.line);
        ChartArguments charts;
        EXPECT_EQ(ParseChartArguments(args.Get(), args.Count(), &charts), row.ok) << row.line;
    }
}

// Catches a field read into the wrong place of the chart record.
TEST(ToolArguments, ChartArgumentsFillBothRecords)
{
    Arguments args("1974 7 23 14 35 12.5 1 1 -48.5 2.25 782 1980 1 2 3 4 5 -5 0 40.75 -74.5");
    ChartArguments charts;
    charts.first.progressed = 1;
    ASSERT_TRUE(ParseChartArguments(args.Get(), args.Count(), &charts));
    const ChartTimeRecord& a = charts.first;
    EXPECT_EQ(a.year, 1974);
    EXPECT_EQ(a.month, 7);
    EXPECT_EQ(a.day, 23);
    EXPECT_EQ(a.hour, 14);
    EXPECT_EQ(a.minute, 35);
    EXPECT_EQ(a.second, 12.5);
    EXPECT_EQ(a.timeZone, 1);
    EXPECT_EQ(a.dst, 1);
    EXPECT_EQ(a.progressed, 0);
    EXPECT_DOUBLE_EQ(DmsToDecimal(&a.latitude), -48.5);
    EXPECT_DOUBLE_EQ(DmsToDecimal(&a.longitude), 2.25);
    EXPECT_EQ(charts.houseSystem, 782);
    ASSERT_TRUE(charts.hasSecond);
    EXPECT_EQ(charts.second.year, 1980);
    EXPECT_EQ(charts.second.second, 5.0);
    EXPECT_EQ(charts.second.timeZone, -5);
    EXPECT_DOUBLE_EQ(DmsToDecimal(&charts.second.longitude), -74.5);
}
