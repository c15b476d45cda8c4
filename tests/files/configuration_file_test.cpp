// The configuration file's text: the writer's lines and columns, the reader's
// keys and value rules, and the header check.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/configuration_file.h"

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

TEST(ConfigurationFile, EveryKeyRoundTripsInAlignedCrLfLines)
{
    ConfigurationRecord written; // no field at its default value
    written.houseSystem = 792;
    written.nodeMode = 1;
    written.apogeeMode = 1;
    for (int i = 0; i < kChartPoints; ++i)
        written.pointRestricted[i] = i % 3 == 0;
    for (int k = 0; k < kAspectKinds; ++k) {
        written.aspectRestricted[k] = k % 2;
        written.orbs[k] = 0.25 * k + 0.5 + (k == 17 ? 170 : 0);
    }
    written.timeMotion = {true, true, true, "7.5", 60, 1};
    const std::string text = WriteConfigurationText(written, kConfigAll);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 2u + 4 + 39 + 19 + 19 + 7);
    const std::vector<std::string> expected[] = {
        {"Orbivantelle Configuration File, Format Version: 1.0", "", "House System: Morinus",
         "North Node Type: Mean", "Lilith Type: Mean", "", "Sun:            X"},
        {"Conjunction:      -"},
        {"Conjunction Orb:      0.50"},
        {"Sesquiquadrature Orb: 2.50"},
        {"Quatronovile Orb:     174.75", "", "Separate Chart Speeds: True", "Smooth Movement: True",
         "Pause at Each Step: True", "Pause Duration: 7.5", "Frame Rate: 60", "Step Method: Calendar Consistent",
         ""}};
    const size_t at[] = {0, 45, 64, 72, 81};
    for (int b = 0; b < 5; ++b)
        EXPECT_EQ(std::vector<std::string>(lines.begin() + at[b], lines.begin() + at[b] + expected[b].size()),
                  expected[b]);
    // One column for the marks of each block and for the orbs' first digits.
    const size_t blocks[][3] = {{6, 38, 16}, {45, 18, 18}, {64, 18, 22}};
    for (const auto& block : blocks) {
        for (size_t i = block[0]; i < block[0] + block[1]; ++i)
            EXPECT_EQ(lines[i].find_first_not_of(' ', lines[i].find(':') + 1), block[2]) << lines[i];
    }
    // Read back, every field is as written.
    ConfigurationRecord read;
    ReadConfigurationText(text, kConfigAll, &read);
    EXPECT_EQ(WriteConfigurationText(read, kConfigAll), text);
    // Written without a section and read with only that one, nothing changes.
    const std::string untouched = WriteConfigurationText(ConfigurationRecord(), kConfigAll);
    for (ConfigSection section : {1u, 2u, 4u, 8u, 16u}) {
        ConfigurationRecord other;
        ReadConfigurationText(WriteConfigurationText(written, ~section & 31), section, &other);
        EXPECT_EQ(WriteConfigurationText(other, kConfigAll), untouched) << section;
    }
}

/// The value of a key line in the text, blanks trimmed.
std::string ValueOf(const std::string& text, const std::string& key)
{
    const size_t start = text.find("\n" + key + ":");
    const size_t value = text.find_first_not_of(' ', start + key.size() + 2);
    return start == std::string::npos ? "?" : text.substr(value, text.find('\r', value) - value);
}

TEST(ConfigurationFile, ReaderAppliesEachKeyByItsRule)
{
    struct Case {
        const char* lines;
        std::vector<std::pair<std::string, std::string>> expected; // key, value as written back
    };
    const Case cases[] = {
        {"Sun: x\nMoon: NON\nMercury: no\nVenus: Restrict\nMars: RESTRICTED\nPluto: X # hidden\nsquare: nO",
         {{"Sun", "X"}, {"Moon", "X"}, {"Mercury", "X"}, {"Venus", "X"}, {"Mars", "X"}, {"Pluto", "X"}, {"Square", "X"}}},
        {"Sun: x\nSun: -\nMoon: x\nmoon: Yes\nMars: x\nMARS:\nAscendant: x\nTrine: x\nTrine: Nope",
         {{"Sun", "-"}, {"Moon", "-"}, {"Mars", "-"}, {"Ascendant", "X"}, {"Trine", "-"}}},
        {"Moon's Node Type: Mean Node\nLilith Type: True Apogee\nHouseSys: kOCH",
         {{"North Node Type", "Mean"}, {"Lilith Type", "True"}, {"House System", "Koch"}}},
        {"North Node Type: Mean\nNorth Node Type: True\nApogee Type: osculating\nHouse System: Gauquelin",
         {{"North Node Type", "True"}, {"Lilith Type", "Mean"}, {"House System", "Placidus"}}},
        {"House System: Null\rHouse System: Elsewhere", {{"House System", "Null"}}},
        {"Trine Orb: 7.25 degrees\nSquare Orb: none\nSextile Orb: -3\nOpposition Orb: 200",
         {{"Trine Orb", "7.25"}, {"Square Orb", "0.00"}, {"Sextile Orb", "-3.00"}, {"Opposition Orb", "200.00"}}},
        // Not a finite number: the orb and the frame rate keep their values.
        {"Conjunction Orb: nan\nOpposition Orb: inf\nSquare Orb: 1e999\nFrame Rate: nan",
         {{"Conjunction Orb", "9.00"}, {"Opposition Orb", "9.00"}, {"Square Orb", "9.00"}, {"Frame Rate", "25"}}},
        {"Frame Rate: 1e999\nPause Duration: 1e999", {{"Frame Rate", "25"}, {"Pause Duration", "2.5"}}},
        {"Frame Rate: -inf\nPause Duration: nan", {{"Frame Rate", "25"}, {"Pause Duration", "2.5"}}},
        {"Frame Rate: 0\nPause Duration: 0", {{"Frame Rate", "1"}, {"Pause Duration", "2.5"}}},
        {"Frame Rate: 250\nPause Duration: -4", {{"Frame Rate", "100"}, {"Pause Duration", "2.5"}}},
        {"Frame Rate: 24.5\nPause Duration: soon", {{"Frame Rate", "25"}, {"Pause Duration", "2.5"}}},
        {"Pause Duration: 3.00001", {{"Pause Duration", "3"}}},
        {"Pause Duration: 2.25", {{"Pause Duration", "2.2"}}},
        {"Pause Duration: 1e20", {{"Pause Duration", "100000000000000000000"}}},
        {"Separate Chart Speeds: TRUE\nSmooth Movement: untrue\nPause at Each Step: yes\nStep Method: calendar "
         "CONSISTENT",
         {{"Separate Chart Speeds", "True"}, {"Smooth Movement", "True"}, {"Pause at Each Step", "False"},
          {"Step Method", "Calendar Consistent"}}},
        {"Step Method: calendar", {{"Step Method", "Time Consistent"}}},
        // No colon, an unknown key, a key in a comment: nothing happens.
        {"Sun x\nSunny: x\n# Moon: x\nConjunction: x # : -", {{"Sun", "-"}, {"Moon", "-"}, {"Conjunction", "X"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        ConfigurationRecord record;
        for (double& orb : record.orbs)
            orb = 9;
        record.apogeeMode = 1;
        record.timeMotion.frameRate = 25;
        ReadConfigurationText(c.lines, kConfigAll, &record);
        const std::string text = WriteConfigurationText(record, kConfigAll);
        for (const auto& [key, value] : c.expected)
            EXPECT_EQ(ValueOf(text, key), value) << key;
    }
}

TEST(ConfigurationFile, HeaderSizeProductWordKeyAndVersion)
{
    const std::string key = kConfigurationHeaderKey;
    const std::pair<std::string, ConfigHeaderStatus> cases[] = {
        {key + ":", ConfigHeaderStatus::TooSmall}, // 48 bytes
        {key + ":1", ConfigHeaderStatus::Ok},      // 49 bytes
        {"ORBIVANTELLE CONFIGURATION FILE, FORMAT VERSION: 0.5\n", ConfigHeaderStatus::Ok},
        {key + ": 0.005\r\n", ConfigHeaderStatus::Invalid},
        {key + ": 1.1\r\n", ConfigHeaderStatus::TooNew},
        {key + ": nan\r\n", ConfigHeaderStatus::Invalid},
        {key + ": inf\r\n", ConfigHeaderStatus::Invalid},
        {key + " 1.0\r\nSun: X", ConfigHeaderStatus::Invalid},   // no colon on the first line
        {key + " # note: 1.0\r\n", ConfigHeaderStatus::Invalid}, // the colon is in the comment
        {"Orbivantelle Data File, Format Version: 1.0\r\n\r\nName: Someone\r\n", ConfigHeaderStatus::Invalid},
        {"Orbivantellx Configuration File, Format Version: 1.0\r\n", ConfigHeaderStatus::Invalid},
    };
    for (const auto& [bytes, status] : cases)
        EXPECT_EQ(CheckConfigurationHeaderBytes(bytes), status) << bytes;
}

} // namespace
