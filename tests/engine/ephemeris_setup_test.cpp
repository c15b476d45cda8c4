// The ephemeris search path: its order, its length limit, the splitter it
// uses, and that the library really finds its data files along it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <swephexp.h>

#include "engine/chart_positions.h"
#include "engine/ephemeris_setup.h"
#include "platform/platform_paths.h"

namespace {

const char kFixed[] = "/usr/share/libswe/ephe/;/usr/local/share/libswe/ephe/";

TEST(EphemerisPath, OrderAndCases)
{
    struct Case {
        const char* program;
        const char* currentFolder;
        const char* fixed;
        const char* path;
        int result;
    };
    const Case cases[] = {
        {"/opt/ov/bin/orbivantelle", "/home/u", kFixed,
         ".;/opt/ov/bin;/usr/share/libswe/ephe/;/usr/local/share/libswe/ephe/;", 0},
        // An unreadable current folder is only reported.
        {"/opt/ov/bin/orbivantelle", nullptr, kFixed,
         ".;/opt/ov/bin;/usr/share/libswe/ephe/;/usr/local/share/libswe/ephe/;", -1},
        // A bare program name has no folder to add.
        {"orbivantelle", "/home/u", kFixed, ".;/usr/share/libswe/ephe/;/usr/local/share/libswe/ephe/;", 0},
        {nullptr, "/home/u", kFixed, ".;/usr/share/libswe/ephe/;/usr/local/share/libswe/ephe/;", 0},
        {"/orbivantelle", "/", kFixed, ".;/;/usr/share/libswe/ephe/;/usr/local/share/libswe/ephe/;", 0},
        // Relative and drive-like entries, and empty ones, are not fixed folders.
        {"/a/b", "/", "./ephe;;C:\\sweph\\ephe\\;/srv/ephe/;;", ".;/a;/srv/ephe/;", 0},
        {"/a/b", "/", "", ".;/a;", 0},
    };
    for (const Case& c : cases) {
        std::string path;
        EXPECT_EQ(ComposeEphemerisPath(c.program, c.currentFolder, c.fixed, &path), c.result);
        EXPECT_EQ(path, c.path);
    }
}

TEST(EphemerisPath, StaysWithinWhatTheLibraryAccepts)
{
    // The library silently ignores a longer path and uses its default.
    const std::string longFolder = "/" + std::string(299, 'p');
    std::string path;
    ComposeEphemerisPath((longFolder + "/prog").c_str(), "/", kFixed, &path);
    EXPECT_EQ(path, ".;/usr/share/libswe/ephe/;/usr/local/share/libswe/ephe/;"); // folder left out

    for (size_t length = 150; length < 260; ++length) {
        const std::string folder = "/" + std::string(length - 1, 'q');
        ComposeEphemerisPath((folder + "/prog").c_str(), "/", kFixed, &path);
        EXPECT_LT(path.size(), kEphemerisPathLimit) << length;
        EXPECT_LE(path.size(), 242u) << length;
        // Entries are only ever dropped whole, from the end.
        EXPECT_EQ(path.back(), ';') << length;
        EXPECT_EQ(path.compare(0, 2, ".;"), 0) << length;
    }
}

TEST(EphemerisPath, FixedFoldersTextIsNotWrittenTo)
{
    // The splitter writes end marks into its text; the folder list is a
    // constant, so it must be split from a copy (a write here would crash).
    static const char constantList[] = "/one/;/two/";
    std::string path;
    ComposeEphemerisPath("/p/x", "/", constantList, &path);
    EXPECT_EQ(path, ".;/p;/one/;/two/;");
    EXPECT_STREQ(constantList, "/one/;/two/");
    EXPECT_NE(std::strstr(platform::FixedEphemerisFolders(), "/usr/local/share/libswe/ephe/"), nullptr);
}

TEST(SplitAtAnyOf, PartsRunsLineEndsAndLimit)
{
    struct Case {
        const char* text;
        const char* separators;
        int maxCount;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {"a;b;c", ";", 20, {"a", "b", "c"}},
        {"a;;;b", ";", 20, {"a", "b"}},
        {"a;b,c", ";,", 20, {"a", "b", "c"}},
        {"a;b\nc;d", ";", 20, {"a", "b"}},
        {"a;b\r\n", ";", 20, {"a", "b"}},
        {"a;b;c;d", ";", 2, {"a", "b;c;d"}},
        {"a;", ";", 20, {"a", ""}},
        {";a", ";", 20, {"", "a"}},
        {"", ";", 20, {""}},
        {"\\sweph\\ephe\\", ";", 20, {"\\sweph\\ephe\\"}},
    };
    for (const Case& c : cases) {
        std::vector<char> text(c.text, c.text + std::strlen(c.text) + 1);
        char* parts[20];
        std::memset(parts, 0x7f, sizeof parts);
        const int count = SplitAtAnyOf(text.data(), c.separators, parts, c.maxCount);
        ASSERT_EQ(count, static_cast<int>(c.parts.size())) << c.text;
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(parts[i], c.parts[i]) << c.text;
        if (count < c.maxCount) {
            EXPECT_EQ(parts[count], nullptr) << c.text;
        }
    }
    char* parts[2];
    EXPECT_EQ(SplitAtAnyOf(nullptr, ";", parts, 2), 0);
}

TEST(EphemerisSetup, StartUpModesAndReadablePath)
{
    SetMeanNodeMode(1);
    SetMeanApogeeMode(0);
    InitEphemeris("engine_tests");
    EXPECT_FALSE(IsMeanNode());
    EXPECT_TRUE(IsMeanApogee());
    EXPECT_EQ(BuildEphemerisPath("engine_tests"), 0);
    EXPECT_NE(platform::ExecutablePath(nullptr).find("engine_tests"), std::string::npos);
}

TEST(EphemerisSetup, LibraryFindsAsteroidsAlongTheBuiltPathOnly)
{
    // The path is really the one in use: without the fixed folders Chiron
    // cannot be found, with them it is. (The library's own SE_EPHE_PATH
    // would override both, so this only holds when it is not set.)
    if (std::getenv("SE_EPHE_PATH") != nullptr)
        GTEST_SKIP() << "SE_EPHE_PATH overrides the built path";
    double values[6];
    char error[AS_MAXCH] = {};
    std::string path;
    ComposeEphemerisPath("/nonexistent/prog", "/", "/nonexistent/ephe/", &path);
    swe_set_ephe_path(path.c_str());
    EXPECT_LT(swe_calc_ut(2451545.0, SE_CHIRON, SEFLG_SPEED, values, error), 0);

    ComposeEphemerisPath("/nonexistent/prog", "/", platform::FixedEphemerisFolders(), &path);
    swe_set_ephe_path(path.c_str());
    const int flags = swe_calc_ut(2451545.0, SE_CHIRON, SEFLG_SPEED, values, error);
    EXPECT_GE(flags, 0) << error;
    const int moon = swe_calc_ut(2451545.0, SE_MOON, SEFLG_SPEED, values, error);
    EXPECT_EQ(moon & SEFLG_MOSEPH, 0) << error;
    InitEphemeris("engine_tests");
}

} // namespace
