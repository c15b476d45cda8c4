// The chartfile tool: writes with the program's writers, reads as "Open Chart
// File" does, and says by its exit code whether the file was accepted.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/support/run_tool.h"

namespace {

using ov_test::ToolRun;

/// Runs chartfile with the arguments; standard error is dropped unless asked for.
ToolRun RunChartfile(const std::string& arguments, bool withErrors = false)
{
    return ov_test::RunTool("chartfile " + arguments, withErrors);
}

TEST(ChartfileTool, WritesAndReadsBackBothKinds)
{
    char dir[] = "/tmp/ov_chartfile_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string base = dir;
    const std::string expected = "name Zoë \"Q\" a:b\nplace Sydney, NSW\ndate -43 3 15\ntime 15 4 9\nzone 10\ndst 1\n"
                                 "latitude -33.866667\nlongitude 151.216667\nnow 0\nprogressed 0\n";
    for (const char* kind : {"chart", "astrolog"}) {
        const std::string path = base + "/" + kind;
        const ToolRun written = RunChartfile(std::string("write ") + kind + " " + path +
                                         " -43 3 15 15 4 9 10 1 -33.866667 151.216667 'Zoë \"Q\" a:b' 'Sydney, NSW'");
        EXPECT_EQ(written.exitCode, 0) << kind;
        const ToolRun read = RunChartfile("read " + path);
        EXPECT_EQ(read.exitCode, 0) << kind;
        std::string want = expected;
        if (std::string(kind) == "astrolog")
            want.replace(want.find("\"Q\""), 3, "'Q'");
        EXPECT_EQ(read.output, want) << kind;
    }

    // Refused files and failed writes exit 1 with the message; a newer
    // version opens only with --yes.
    std::ofstream(base + "/newer.ovs") << "Orbivantelle Data File, Format Version: 1.1\r\n\r\nName: N\r\n";
    EXPECT_EQ(RunChartfile("read " + base + "/newer.ovs").exitCode, 1);
    EXPECT_EQ(RunChartfile("read " + base + "/newer.ovs --yes").exitCode, 0);
    const ToolRun refused = RunChartfile("read /dev/zero", true);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.output.find("Error opening file!"), std::string::npos) << refused.output;
    const ToolRun unwritable = RunChartfile("write chart " + base + "/no/such/folder 2000 1 1 0 0 0 0 0 0 0 a b", true);
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.output.find("Error creating file " + base + "/no/such/folder"), std::string::npos);

    for (const char* bad : {"", "read", "read a b", "write chart x 2000 13 1 0 0 0 0 0 0 0 a b",
                            "write text x 2000 1 1 0 0 0 0 0 0 0 a b", "write chart x 2000 1 1 0 0 0 0 0 0 0 a"})
        EXPECT_EQ(RunChartfile(bad).exitCode, 2) << bad;
    std::system(("rm -rf '" + base + "'").c_str());
}

} // namespace
