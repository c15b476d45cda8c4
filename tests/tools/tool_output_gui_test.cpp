// The drawing tools on a display: a PNG they cannot write is reported on
// standard error with exit code 1, not in a dialog that keeps the tool waiting.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/run_tool.h"

using ov_test::RunTool;
using ov_test::ToolRun;

TEST(ToolOutput, UnwritablePngFailsAtOnceWithAMessage)
{
    const std::string chart = " 1974 7 23 14 35 0 1 0 48.85 2.35 780";
    const struct {
        std::string command;
        const char* message;
    } rows[] = {
        {"wheelshot /nonexistent-dir/w.png 300 300 0x101" + chart,
         "wheelshot: cannot write /nonexistent-dir/w.png\n"},
        {"panelshot /nonexistent-dir/p.png 300 0x101 0 -1" + chart,
         "panelshot: cannot write /nonexistent-dir/p.png\n"},
        {"glyphsheet /nonexistent-dir/g.png", "glyphsheet: cannot write /nonexistent-dir/g.png\n"},
    };
    for (const auto& row : rows) {
        const ToolRun run = RunTool(row.command);
        EXPECT_EQ(run.exitCode, 1) << row.command;
        EXPECT_EQ(run.output, row.message) << row.command;
    }
}
