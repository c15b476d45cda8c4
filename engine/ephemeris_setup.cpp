// Start-up and shut-down of the ephemeris library: where it finds its data
// files, and the start-up lunar modes.
#include "engine/ephemeris_setup.h"

#include <cstring>
#include <vector>

#include <swephexp.h>

#include "engine/chart_positions.h"
#include "platform/platform_paths.h"

namespace {
constexpr int kMaxFolderParts = 20;
} // namespace

int ComposeEphemerisPath(const char* programPath, const char* currentFolder, const char* fixedFolders,
                         std::string* path)
{
    std::string text = "."; // the current folder comes first
    text += ';';

    // The program's folder: everything before the last slash ("/" for a
    // program in the root folder).
    if (programPath != nullptr) {
        const char* slash = std::strrchr(programPath, '/');
        if (slash != nullptr) {
            std::string folder(programPath, slash);
            if (folder.empty())
                folder = "/";
            if (text.size() + folder.size() + 1 < kEphemerisPathLimit)
                text += folder + ';';
        }
    }

    // The fixed folders. The splitter writes into its text, so it gets a copy.
    const char* fixed = fixedFolders != nullptr ? fixedFolders : "";
    std::vector<char> list(fixed, fixed + std::strlen(fixed) + 1);
    char* parts[kMaxFolderParts] = {};
    const int count = SplitAtAnyOf(list.data(), ";", parts, kMaxFolderParts);
    for (int i = 0; i < count; ++i) {
        const char* part = parts[i];
        // Relative entries and anything that looks like a drive are not fixed folders.
        if (part[0] == '\0' || part[0] == '.' || (part[1] != '\0' && part[1] == ':'))
            continue;
        const size_t length = std::strlen(part);
        if (text.size() + length + 1 >= kEphemerisPathLimit)
            break; // the path stops receiving entries
        text += part;
        text += ';';
    }

    if (path != nullptr)
        *path = text;
    return currentFolder != nullptr ? 0 : -1;
}

int BuildEphemerisPath(const char* programPath)
{
    const std::string program = platform::ExecutablePath(programPath);
    std::string folder;
    const bool haveFolder = platform::CurrentFolder(&folder);
    std::string path;
    const int result = ComposeEphemerisPath(program.c_str(), haveFolder ? folder.c_str() : nullptr,
                                            platform::FixedEphemerisFolders(), &path);
    // The library's own SE_EPHE_PATH environment variable still takes precedence.
    swe_set_ephe_path(path.c_str());
    return result;
}

void InitEphemeris(const char* programPath)
{
    BuildEphemerisPath(programPath);
    SetMeanNodeMode(0);   // true node
    SetMeanApogeeMode(1); // mean apogee
}

void CloseEphemeris() { swe_close(); }

int SplitAtAnyOf(char* text, const char* separators, char** parts, int maxCount)
{
    if (text == nullptr || parts == nullptr || maxCount <= 0)
        return 0;
    if (separators == nullptr)
        separators = "";
    auto isSeparator = [separators](char c) { return c != '\0' && std::strchr(separators, c) != nullptr; };

    int count = 0;
    parts[count++] = text;
    char* p = text;
    while (*p != '\0') {
        if (*p == '\r' || *p == '\n') { // a line end ends the text
            *p = '\0';
            break;
        }
        if (isSeparator(*p) && count < maxCount) {
            *p++ = '\0';
            while (isSeparator(*p))
                ++p;
            parts[count++] = p;
            continue;
        }
        ++p;
    }
    if (count < maxCount)
        parts[count] = nullptr;
    return count;
}
