// The drawing tools on a display: a PNG they cannot write is reported on
// standard error with exit code 1, not in a dialog that keeps the tool waiting.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string output;
};

// Runs a tool from the build tree, giving up after 60 seconds (exit 124).
ToolRun RunTool(const std::string& commandLine)
{
    ToolRun run;
    const std::string command = "timeout 60 " + std::string(OV_BINARY_DIR) + "/" + commandLine + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        run.output += buffer;
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace

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
