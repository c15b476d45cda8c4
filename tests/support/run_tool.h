// Runs a developer tool from the build tree and collects what it prints.
#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace ov_test {

struct ToolRun {
    int exitCode = -1;  ///< 124 when the tool ran for more than a minute
    std::string output; ///< standard output, and standard error unless dropped
};

/// Runs build/<commandLine> (the tool's name and its arguments) in /tmp.
inline ToolRun RunTool(const std::string& commandLine, bool withErrors = true)
{
    ToolRun run;
    const std::string command = "cd /tmp && timeout 60 " + std::string(OV_BINARY_DIR) + "/" + commandLine +
                                (withErrors ? " 2>&1" : " 2>/dev/null");
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

} // namespace ov_test
