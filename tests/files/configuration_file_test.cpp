// The configuration file's text: the writer's lines and columns, the reader's
// keys and value rules, the header check, and numbers in a German locale.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <string>
#include <vector>

#include "files/configuration_file.h"
#include "tests/support/test_locale.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

/// A record with no field at its default value.
ConfigurationRecord UnusualRecord()
{
    ConfigurationRecord r;
    r.houseSystem = 792;
    r.nodeMode = 1;
    r.apogeeMode = 0;
    for (int i = 0; i < kChartPoints; ++i)
        r.pointRestricted[i] = i % 3 == 0;
    for (int k = 0; k < kAspectKinds; ++k) {
        r.aspectRestricted[k] = k % 2;
        r.orbs[k] = 0.25 * k + 0.5 + (k == 17 ? 170 : 0);
    }
    r.timeMotion = {true, true, true, "7.5", 60, 1};
    return r;
}

void ExpectSameRecord(const ConfigurationRecord& a, const ConfigurationRecord& b)
{
    EXPECT_EQ(a.houseSystem, b.houseSystem);
    EXPECT_EQ(a.nodeMode, b.nodeMode);
    EXPECT_EQ(a.apogeeMode, b.apogeeMode);
    EXPECT_EQ(0, std::memcmp(a.pointRestricted, b.pointRestricted, sizeof a.pointRestricted));
    EXPECT_EQ(0, std::memcmp(a.aspectRestricted, b.aspectRestricted, sizeof a.aspectRestricted));
    for (int k = 0; k < kAspectKinds; ++k)
        EXPECT_DOUBLE_EQ(a.orbs[k], b.orbs[k]) << k;
    EXPECT_EQ(a.timeMotion.separateSpeeds, b.timeMotion.separateSpeeds);
    EXPECT_EQ(a.timeMotion.smoothMotion, b.timeMotion.smoothMotion);
    EXPECT_EQ(a.timeMotion.pauseOnStep, b.timeMotion.pauseOnStep);
    EXPECT_EQ(a.timeMotion.pauseDuration, b.timeMotion.pauseDuration);
    EXPECT_EQ(a.timeMotion.frameRate, b.timeMotion.frameRate);
    EXPECT_EQ(a.timeMotion.stepMethod, b.timeMotion.stepMethod);
}

TEST(ConfigurationFile, EveryKeyRoundTripsInAlignedCrLfLines)
{
    const ConfigurationRecord written = UnusualRecord();
    const std::string text = WriteConfigurationText(written, kConfigAll);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 2u + 4 + 39 + 19 + 19 + 7);
    EXPECT_EQ(lines[0], "Orbivantelle Configuration File, Format Version: 1.0");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "House System: Morinus");
    EXPECT_EQ(lines[3], "North Node Type: Mean");
    EXPECT_EQ(lines[4], "Lilith Type: True");
    EXPECT_EQ(lines[6], "Sun:            X"); // "Eleventh House" is the longest point name
    EXPECT_EQ(lines[6 + 37], "Twelfth House:  -");
    EXPECT_EQ(lines[45], "Conjunction:      -");
    EXPECT_EQ(lines[64], "Conjunction Orb:      0.50");
    EXPECT_EQ(lines[72], "Sesquiquadrature Orb: 2.50");
    EXPECT_EQ(lines[81], "Quatronovile Orb:     174.75");
    const std::vector<std::string> motion(lines.begin() + 83, lines.begin() + 89);
    EXPECT_EQ(motion, (std::vector<std::string>{"Separate Chart Speeds: True", "Smooth Movement: True",
                                                "Pause at Each Step: True", "Pause Duration: 7.5",
                                                "Frame Rate: 60", "Step Method: Calendar Consistent"}));
    // One column for the marks of each block and for the orbs' first digits.
    auto expectColumn = [&](size_t first, size_t count, size_t column) {
        for (size_t i = first; i < first + count; ++i) {
            EXPECT_EQ(lines[i].find_first_not_of(' ', lines[i].find(':') + 1), column) << lines[i];
            EXPECT_EQ(lines[i][column - 1], ' ') << lines[i];
        }
    };
    expectColumn(6, 38, 16);
    expectColumn(45, 18, 18);
    expectColumn(64, 18, 22);

    ConfigurationRecord read;
    ReadConfigurationText(text, kConfigAll, &read);
    ExpectSameRecord(read, written);

    // Written and read section by section, the other sections stay untouched.
    for (ConfigSection section : {kConfigPointRestrictions, kConfigAspectRestrictions, kConfigOrbs,
                                  kConfigCalculation, kConfigTimeMotion}) {
        ConfigurationRecord untouched;
        ReadConfigurationText(WriteConfigurationText(written, ~section & 31), section, &untouched);
        ExpectSameRecord(untouched, ConfigurationRecord());
    }
}

struct ReadCase {
    const char* lines;
    bool (*check)(const ConfigurationRecord&);
};

TEST(ConfigurationFile, ReaderAppliesEachKeyByItsRule)
{
    // The starting record: Placidus, true node, mean apogee, nothing hidden,
    // orbs of 9, frame rate 25, pause 2.5, time consistent.
    auto start = [] {
        ConfigurationRecord r;
        r.apogeeMode = 1;
        for (double& orb : r.orbs)
            orb = 9;
        return r;
    };
    const ReadCase cases[] = {
        // Restriction marks in any letter case; anything else clears.
        {"Sun: x\nMoon: NON\nMercury: no\nVenus: Restrict\nMars: RESTRICTED\nPluto: X # hidden",
         [](const ConfigurationRecord& r) {
             return r.pointRestricted[0] && r.pointRestricted[1] && r.pointRestricted[2] && r.pointRestricted[3] &&
                    r.pointRestricted[4] && r.pointRestricted[9];
         }},
        {"Sun: x\nSun: -\nMoon: x\nmoon: Yes\nMars: x\nMARS:\nAscendant: x\nSquare: nO\nTrine: Nope",
         [](const ConfigurationRecord& r) {
             return !r.pointRestricted[0] && !r.pointRestricted[1] && !r.pointRestricted[4] &&
                    r.pointRestricted[26] && r.aspectRestricted[2] && !r.aspectRestricted[3];
         }},
        // Node, apogee and house-system keys under both their names.
        {"Moon's Node Type: Mean Node\nLilith Type: True Apogee\nHouseSys: kOCH",
         [](const ConfigurationRecord& r) { return r.nodeMode == 1 && r.apogeeMode == 0 && r.houseSystem == 781; }},
        {"North Node Type: Mean\nNorth Node Type: True\nApogee Type: osculating\nHouse System: Gauquelin",
         [](const ConfigurationRecord& r) { return r.nodeMode == 0 && r.apogeeMode == 1 && r.houseSystem == 780; }},
        {"House System: Null\rHouse System: Elsewhere",
         [](const ConfigurationRecord& r) { return r.houseSystem == 783; }},
        // Orbs: the leading number, 0 without one; not a number keeps the old orb.
        {"Trine Orb: 7.25 degrees\nSquare Orb: none\nSextile Orb: -3\nOpposition Orb: 200",
         [](const ConfigurationRecord& r) {
             return r.orbs[3] == 7.25 && r.orbs[2] == 0 && r.orbs[4] == -3 && r.orbs[1] == 200;
         }},
        {"Conjunction Orb: nan\nOpposition Orb: inf\nSquare Orb: 1e999\nTrine Orb: -infinity",
         [](const ConfigurationRecord& r) { return r.orbs[0] == 9 && r.orbs[1] == 9 && r.orbs[2] == 9 && r.orbs[3] == 9; }},
        // Pause duration.
        {"Pause Duration: 0", [](const ConfigurationRecord& r) { return r.timeMotion.pauseDuration == "2.5"; }},
        {"Pause Duration: -4", [](const ConfigurationRecord& r) { return r.timeMotion.pauseDuration == "2.5"; }},
        {"Pause Duration: soon", [](const ConfigurationRecord& r) { return r.timeMotion.pauseDuration == "2.5"; }},
        {"Pause Duration: nan", [](const ConfigurationRecord& r) { return r.timeMotion.pauseDuration == "2.5"; }},
        {"Pause Duration: 1e999", [](const ConfigurationRecord& r) { return r.timeMotion.pauseDuration == "2.5"; }},
        {"Pause Duration: 3.00001", [](const ConfigurationRecord& r) { return r.timeMotion.pauseDuration == "3"; }},
        {"Pause Duration: 2.25", [](const ConfigurationRecord& r) { return r.timeMotion.pauseDuration == "2.2"; }},
        {"Pause Duration: 1e20", [](const ConfigurationRecord& r) {
             return r.timeMotion.pauseDuration == "100000000000000000000";
         }},
        // Frame rate: clamped to 1..100, halves upward; not finite keeps the old rate.
        {"Frame Rate: 0", [](const ConfigurationRecord& r) { return r.timeMotion.frameRate == 1; }},
        {"Frame Rate: 250", [](const ConfigurationRecord& r) { return r.timeMotion.frameRate == 100; }},
        {"Frame Rate: 24.5", [](const ConfigurationRecord& r) { return r.timeMotion.frameRate == 25; }},
        {"Frame Rate: nan", [](const ConfigurationRecord& r) { return r.timeMotion.frameRate == 25; }},
        {"Frame Rate: 1e999", [](const ConfigurationRecord& r) { return r.timeMotion.frameRate == 25; }},
        {"Frame Rate: -inf", [](const ConfigurationRecord& r) { return r.timeMotion.frameRate == 25; }},
        // Check boxes and the step method.
        {"Separate Chart Speeds: TRUE\nSmooth Movement: untrue\nPause at Each Step: yes",
         [](const ConfigurationRecord& r) {
             return r.timeMotion.separateSpeeds && r.timeMotion.smoothMotion && !r.timeMotion.pauseOnStep;
         }},
        {"Step Method: calendar consistent", [](const ConfigurationRecord& r) { return r.timeMotion.stepMethod == 1; }},
        {"Step Method: calendar", [](const ConfigurationRecord& r) { return r.timeMotion.stepMethod == 0; }},
        // Lines without a colon, unknown keys and a key after a comment mark do nothing.
        {"Sun x\nSunny: x\n# Moon: x\nConjunction: x # : X", [](const ConfigurationRecord& r) {
             return !r.pointRestricted[0] && !r.pointRestricted[1] && r.aspectRestricted[0];
         }},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.lines);
        ConfigurationRecord record = start();
        ReadConfigurationText(c.lines, kConfigAll, &record);
        EXPECT_TRUE(c.check(record));
    }
}

TEST(ConfigurationFile, ReaderSkipsSectionsNotAsked)
{
    ConfigurationRecord record;
    const ConfigurationKeysRead read = ReadConfigurationText(
        "Sun: X\r\nTrine: X\r\nTrine Orb: 3\r\nNorth Node Type: Mean\r\nFrame Rate: 5\r\n", kConfigOrbs, &record);
    EXPECT_EQ(record.orbs[3], 3);
    EXPECT_FALSE(record.pointRestricted[0] || record.aspectRestricted[3] || record.nodeMode || read.nodeMode);
    EXPECT_EQ(record.timeMotion.frameRate, 25);
}

TEST(ConfigurationFile, HeaderSizeProductWordKeyAndVersion)
{
    const std::string key = "Orbivantelle Configuration File, Format Version";
    struct Case {
        std::string bytes;
        ConfigHeaderStatus status;
    };
    const Case cases[] = {
        {key + ":", ConfigHeaderStatus::TooSmall},                 // 48 bytes
        {key + ":1", ConfigHeaderStatus::Ok},                      // 49 bytes
        {key + ": 1.0\r\n", ConfigHeaderStatus::Ok},
        {"ORBIVANTELLE CONFIGURATION FILE, FORMAT VERSION: 0.5\n", ConfigHeaderStatus::Ok},
        {key + ": 0.005\r\n", ConfigHeaderStatus::Invalid},
        {key + ": 1.1\r\n", ConfigHeaderStatus::TooNew},
        {key + ": nan\r\n", ConfigHeaderStatus::Invalid},
        {key + ": inf\r\n", ConfigHeaderStatus::Invalid},
        {key + ": one\r\n", ConfigHeaderStatus::Invalid},
        {key + " 1.0\r\nSun: X", ConfigHeaderStatus::Invalid},     // no colon on the first line
        {"Orbivantelle Data File, Format Version: 1.0\r\n\r\nName: Someone\r\n", ConfigHeaderStatus::Invalid},
        {"Orbivantellx Configuration File, Format Version: 1.0\r\n", ConfigHeaderStatus::Invalid},
        {key + " # note: 1.0\r\n", ConfigHeaderStatus::Invalid},   // the colon is in the comment
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckConfigurationHeaderBytes(c.bytes), c.status) << c.bytes;
}

TEST(ConfigurationFile, NumbersUseAPointInAGermanLocale)
{
    if (!ov_test::EnsureLocale("de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 cannot be made";
    const ov_test::ScopedNumericLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.Active());
    char sample[16];
    std::snprintf(sample, sizeof sample, "%.1f", 2.5);
    ASSERT_STREQ(sample, "2,5"); // the locale really is German
    const std::string before = setlocale(LC_ALL, nullptr);

    ConfigurationRecord record = UnusualRecord();
    const std::string text = WriteConfigurationText(record, kConfigAll);
    EXPECT_NE(text.find("Conjunction Orb:      0.50\r\n"), std::string::npos);
    EXPECT_EQ(text.find(','), text.find(", Format")); // the header's comma is the only one

    ConfigurationRecord read;
    ReadConfigurationText(text + "Trine Orb: 7.25\r\nPause Duration: 2.75\r\nFrame Rate: 24.5\r\n", kConfigAll, &read);
    EXPECT_EQ(read.orbs[3], 7.25);
    EXPECT_EQ(read.timeMotion.pauseDuration, "2.8");
    EXPECT_EQ(read.timeMotion.frameRate, 25);
    EXPECT_EQ(CheckConfigurationHeaderBytes(std::string(kConfigurationHeaderKey) + ": 0.5\r\n"),
              ConfigHeaderStatus::Ok);
    EXPECT_EQ(before, setlocale(LC_ALL, nullptr));
    EXPECT_EQ(uselocale(static_cast<locale_t>(nullptr)), LC_GLOBAL_LOCALE);
}

} // namespace
