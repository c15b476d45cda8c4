// What the tools refuse before drawing or computing anything: sizes their
// drawing surfaces cannot hold, a house system the house calculation does
// not compute, and a failed class-library assertion, which once opened a
// dialog that kept the tool waiting for ever.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <wx/debug.h>

#include "tests/support/run_tool.h"
#include "tools/support/tool_app.h"

namespace {

using ov_test::RunTool;
using ov_test::ToolRun;

const std::string kChart = " 1974 7 23 14 35 0 1 0 48.85 2.35";

} // namespace

TEST(ToolRefusals, SizesTheDrawingCannotMakeAndHouseSystem793)
{
    const struct {
        std::string command;
        int exitCode;
        const char* firstLine; ///< nullptr: any output
    } rows[] = {
        // panelshot heights from 32768 made cairo assert, and the tool hung.
        {"panelshot /tmp/never.png 32768 0x101 0 -1" + kChart + " 780", 2,
         "panelshot: HEIGHT must be a whole number of pixels from 1 to 32767\n"},
        {"panelshot /tmp/never.png 0 0x101 0 -1" + kChart + " 780", 2,
         "panelshot: HEIGHT must be a whole number of pixels from 1 to 32767\n"},
        {"wheelshot /tmp/never.png 8193 300 0x101" + kChart + " 780", 2,
         "wheelshot: WIDTH must be a whole number of pixels from 1 to 8192\n"},
        {"wheelshot /tmp/never.png 300 -5 0x101" + kChart + " 780", 2,
         "wheelshot: HEIGHT must be a whole number of pixels from 1 to 8192\n"},
        // The house calculation computes no Gauquelin houses: chartdump
        // printed twelve cusps of zero.
        {"chartdump" + kChart + " 793", 2, "chartdump: house system 793 (Gauquelin) has no twelve houses; use 780 to 792\n"},
        {"chartdump" + kChart + " 792", 0, "jd 2442252.065972222\n"},
    };
    for (const auto& row : rows) {
        const ToolRun run = RunTool(row.command);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.command << "\n" << run.output;
        EXPECT_EQ(run.output.substr(0, run.output.find('\n') + 1), row.firstLine) << row.command;
    }
}

TEST(ToolRefusalsDeathTest, AClassLibraryAssertionPrintsAndExits)
{
    EXPECT_EXIT(
        {
            ExitOnClassLibraryAssert("panelshot");
            wxFAIL_MSG("no surface of that size");
        },
        testing::ExitedWithCode(kToolAssertExitCode),
        "panelshot: class library assertion failed: .*no surface of that size");
}
