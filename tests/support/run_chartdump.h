// Runs the chartdump tool from the build tree and collects what it prints.
#pragma once

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace ov_test {

inline std::string ChartDumpPath() { return std::string(OV_BINARY_DIR) + "/chartdump"; }

/// True when build/chartdump exists (tests skip without it).
inline bool HaveChartDump() { return std::ifstream(ChartDumpPath()).good(); }

/// Runs build/chartdump with the given arguments; standard error goes into the
/// lines too. False when the tool cannot be started at all.
inline bool RunChartDump(const std::string& arguments, std::vector<std::string>* lines, int* exitCode)
{
    const std::string command = ChartDumpPath() + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return false;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        lines->emplace_back(buffer);
    const int status = pclose(pipe);
    *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
}

} // namespace ov_test
