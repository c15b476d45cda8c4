// The chart data file and the Astrolog file as text: random charts written
// and read back, the header rules, and the value forms both readers take.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include <wx/arrstr.h>

#include "engine/time_steps.h"
#include "files/astrolog_file.h"
#include "files/chart_data_file.h"
#include "files/coordinate_text.h"
#include "files/text_file_io.h"
#include "tests/support/test_locale.h"

namespace {

std::vector<wxString> Lines(const std::string& text) { return SplitDecodedLines(text); }

/// A name or place from pieces a user may type, including what the formats
/// use themselves (":", "#", double quotes) and letters beyond ASCII.
wxString RandomText(std::mt19937& rng, bool withHash)
{
    static const char* const kPieces[] = {"Ann",  "Lee", "St. Louis", "Zoë", "Ærø", "Москва", "東京",
                                          "a:b",  "12",  "\"Q\"",      "O'Neil", "x#y"};
    wxString text;
    const int count = int(rng() % 4);
    for (int i = 0; i < count; ++i) {
        wxString piece = wxString::FromUTF8(kPieces[rng() % (withHash ? 12 : 11)]);
        text << (i ? " " : "") << piece;
    }
    return text;
}

DmsAngle RandomAngle(std::mt19937& rng, int maxDegrees)
{
    DmsAngle a;
    a.degrees = int(rng() % maxDegrees);
    a.minutes = int(rng() % 60);
    a.seconds = double(rng() % 60);
    if (rng() % 2)
        NegateDms(&a);
    return a;
}

ChartTimeRecord RandomChart(std::mt19937& rng)
{
    ChartTimeRecord t;
    t.year = int(rng() % 10799) - 5400;
    t.month = int(rng() % 12) + 1;
    t.day = int(rng() % DaysInMonth(t.month, t.year)) + 1;
    t.hour = int(rng() % 24);
    t.minute = int(rng() % 60);
    t.second = double(rng() % 60);
    t.timeZone = int(rng() % 27) - 12;
    t.dst = int(rng() % 2);
    t.latitude = RandomAngle(rng, 90);
    t.longitude = RandomAngle(rng, 180);
    return t;
}

/// Every field a file keeps, as one line to compare.
std::string Describe(const ChartTimeRecord& t)
{
    return wxString::Format("%d-%d-%d %d:%d:%g zone %d dst %d lat %.9f lon %.9f", t.year, t.month, t.day, t.hour,
                            t.minute, t.second, t.timeZone, t.dst != 0, DmsToDecimal(&t.latitude),
                            DmsToDecimal(&t.longitude))
        .ToStdString();
}

const LocalNow kNow = MakeLocalNow(1781533800); // fixed moment; only its fields are used

TEST(ChartFileFormats, RandomChartsRoundTripThroughBothKinds)
{
    std::mt19937 rng(20261207);
    for (int i = 0; i < 3000; ++i) {
        const ChartTimeRecord written = RandomChart(rng);
        ChartNameRecord names;
        names.name = RandomText(rng, false);
        names.place = RandomText(rng, false);
        const std::string where = std::to_string(i);

        // Read into a slot that held something else, so every field must come from the file.
        ChartTimeRecord read = RandomChart(rng);
        ChartNameRecord readNames{"old", "old", 1};
        const std::string chartText = FormatChartFile(written, names, false);
        EXPECT_EQ(CheckChartFileHeader(chartText), ChartHeaderStatus::Ok);
        EXPECT_EQ(ReadChartFileLines(Lines(chartText), kSlotNative, kNow, &read, &readNames),
                  ChartFileReading::Read);
        EXPECT_EQ(Describe(read), Describe(written)) << chartText;
        EXPECT_EQ(readNames.name, names.name) << where;
        EXPECT_EQ(readNames.place, names.place) << where;
        EXPECT_EQ(readNames.isNow, 0);

        // Astrolog keeps "#" too; double quotes come back as apostrophes.
        names.name = RandomText(rng, true);
        const std::string astrologText = FormatAstrologFile(written, names);
        ChartTimeRecord imported = RandomChart(rng);
        imported.progressed = 1;
        ChartNameRecord importedNames{"old", "old", 1};
        EXPECT_EQ(CheckAstrologFileHeader(astrologText), AstrologHeaderStatus::Ok);
        ASSERT_TRUE(ReadAstrologFileLines(Lines(astrologText), &imported, &importedNames)) << astrologText;
        EXPECT_EQ(Describe(imported), Describe(written)) << astrologText;
        wxString expectedName = names.name;
        expectedName.Replace("\"", "'");
        EXPECT_EQ(importedNames.name, expectedName) << where;
        EXPECT_EQ(imported.progressed, 0);
        EXPECT_EQ(importedNames.isNow, 0);
    }
}

TEST(ChartFileFormats, WrittenLinesHaveTheirFixedForms)
{
    ChartTimeRecord t;
    t.year = -43, t.month = 3, t.day = 15, t.hour = 15, t.minute = 4, t.second = 9.9;
    t.timeZone = -8, t.dst = 1;
    DecimalToDms(37 + 47 / 60.0, &t.latitude);
    DecimalToDms(-(122 + 25 / 60.0), &t.longitude);
    const ChartNameRecord names{"Caesar \"Julius\"", "Rome", 0};
    EXPECT_EQ(FormatChartFile(t, names, false),
              "Orbivantelle Data File, Format Version: 1.0\r\n\r\nName: Caesar \"Julius\"\r\n"
              "Date: 15 March -43\r\nTime: 15:04:09\r\n"
              "Timezone: -8 (DST) # Positive values are Eastern hemisphere; negative, Western\r\n"
              "City: Rome\r\nCoordinates: 122:25:00W 37:47:00N\r\n");
    // A chart set to now has no date, time or daylight-saving marker.
    const std::string now = FormatChartFile(t, names, true);
    EXPECT_NE(now.find("Date: Now\r\nTime: Now\r\nTimezone: -8 # "), std::string::npos) << now;
    EXPECT_EQ(FormatAstrologFile(t, names), "@0102  ; Astrolog chart info.\r\n"
                                            "/qb Mar 15 -43 15:04:09 DT +8:00 122:25:00W 37:47:00N\r\n"
                                            "/zi \"Caesar 'Julius'\" \"Rome\"\r\n");
    t.hour = 3, t.dst = 0, t.timeZone = 0;
    DecimalToDms(5.5, &t.longitude);
    EXPECT_NE(FormatAstrologFile(t, names).find("/qb Mar 15 -43  3:04:09 ST +0:00   5:30:00E 37:47:00N"),
              std::string::npos);
}

TEST(ChartFileFormats, HeaderChecks)
{
    const std::string header = "Orbivantelle Data File, Format Version: ";
    struct Case {
        std::string bytes;
        ChartHeaderStatus expected;
    } cases[] = {
        {std::string(kChartFileHeaderLine) + "\r", ChartHeaderStatus::TooSmall}, // 44 bytes
        {std::string(kChartFileHeaderLine) + "\r\n", ChartHeaderStatus::Ok},     // 45 bytes
        {"ORBIVANTELLE DATA FILE, FORMAT VERSION: 1.0\r\nName: A\r\n", ChartHeaderStatus::Ok},
        {header + "0.005\r\nName: somebody\r\n", ChartHeaderStatus::Invalid},
        {header + "0.5\r\nName: somebody here\r\n", ChartHeaderStatus::Ok},
        {header + "1.1\r\nName: somebody here\r\n", ChartHeaderStatus::TooNew},
        {header + "1.0 # comment\nName: somebody here\n", ChartHeaderStatus::Ok},
        {header + "beta\r\nName: somebody here\r\n", ChartHeaderStatus::Invalid},
        {"Orbivantelle Data Fil, Format Version: 1.0\r\nName: someone\r\n", ChartHeaderStatus::Invalid},
        {"Orbivantellx Data File, Format Version: 1.0\r\nName: someone\r\n", ChartHeaderStatus::Invalid},
        {"Orbivantell\xc3\xa9 Data File, Format Version: 1.0\r\nName: someone\r\n", ChartHeaderStatus::Invalid},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckChartFileHeader(c.bytes), c.expected) << c.bytes;

    EXPECT_EQ(CheckAstrologFileHeader("@0102abcd"), AstrologHeaderStatus::TooSmall);
    EXPECT_EQ(CheckAstrologFileHeader("@0102abcde"), AstrologHeaderStatus::Ok);
    EXPECT_EQ(CheckAstrologFileHeader("@0103  ; Astrolog"), AstrologHeaderStatus::Invalid);
}

TEST(ChartFileFormats, ChartFileValueForms)
{
    struct Case {
        const char* lines;
        int zone, dst;
        double latitude, longitude;
    } cases[] = {
        {"Timezone: -8 (DST) # comment", -8, 1, 0, 0},
        {"timezone: -8 dst", -8, 1, 0, 0},
        {"TIMEZONE: -8(DST)", -8, 0, 0, 0},
        {"Timezone: +5:30", 5, 0, 0, 0},
        {"Timezone: none", 0, 0, 0, 0},
        {"Coordinates: 122:25:00W 37:47:00N", 0, 0, 37 + 47 / 60.0, -(122 + 25 / 60.0)},
        {"Coordinates: 37:47:00N 122:25:00W", 0, 0, 37 + 47 / 60.0, -(122 + 25 / 60.0)},
        {"Coordinates: 122W25 37n47", 0, 0, 37 + 47 / 60.0, -(122 + 25 / 60.0)},
        {"Coordinates: 151:13:00e   33:52:00s", 0, 0, -(33 + 52 / 60.0), 151 + 13 / 60.0},
    };
    for (const Case& c : cases) {
        ChartTimeRecord t;
        ChartNameRecord n;
        t.dst = 7;
        ReadChartFileLines(Lines(c.lines), kSlotNative, kNow, &t, &n);
        EXPECT_EQ(t.timeZone, c.zone) << c.lines;
        if (c.latitude == 0) {
            EXPECT_EQ(t.dst, c.dst) << c.lines;
        } else {
            EXPECT_NEAR(DmsToDecimal(&t.latitude), c.latitude, 1e-9) << c.lines;
            EXPECT_NEAR(DmsToDecimal(&t.longitude), c.longitude, 1e-9) << c.lines;
        }
    }

    // "#" starts a comment, ":" after the first stays in the value, unknown
    // keys and lines without ":" are skipped, a later line wins.
    ChartTimeRecord t;
    ChartNameRecord n;
    ReadChartFileLines(Lines("Name: A#B\nCity: Paris: France\nColour: red\njunk\nname:   Ann  \n"
                             "Time: 3:04:09 PM\nDate: 6 December 2026\nTime: 9:05\n"),
                       kSlotNative, kNow, &t, &n);
    EXPECT_EQ(n.name, "Ann");
    EXPECT_EQ(n.place, "Paris: France");
    EXPECT_EQ(t.hour, 9);
    EXPECT_EQ(t.minute, 5);
    EXPECT_EQ(t.second, 0);
    EXPECT_EQ(t.year, 2026);
}

TEST(ChartFileFormats, NowCharts)
{
    // "Date: Now" with a "Time" line: the caller sets the slot to now; for
    // the default slot that is also its start-up flag.
    for (ChartSlot slot : {kSlotNative, kSlotDefault}) {
        ChartTimeRecord t;
        ChartNameRecord n;
        t.progressed = 1;
        EXPECT_EQ(ReadChartFileLines(Lines("Name: Kept?\nDate: NOW\nTime: 1:02:03\nTimezone: 3"), slot, kNow,
                                     &t, &n),
                  ChartFileReading::SetToNow);
        EXPECT_EQ(n.isNow, 1);
        EXPECT_EQ(t.progressed, slot == kSlotDefault ? 1 : 0);
        EXPECT_EQ(t.dst, kNow.dst ? 1 : 0);
    }
    // Without a "Time" line the date is today's, the clock stays, and the
    // chart is not a "now" chart.
    ChartTimeRecord t;
    t.hour = 7;
    ChartNameRecord n;
    EXPECT_EQ(ReadChartFileLines(Lines("Date: Now"), kSlotDefault, kNow, &t, &n), ChartFileReading::Read);
    EXPECT_EQ(t.year, kNow.year);
    EXPECT_EQ(t.day, kNow.day);
    EXPECT_EQ(t.hour, 7);
    EXPECT_EQ(n.isNow, 0);
    EXPECT_EQ(t.progressed, 0);
    // "Time: Now" alone takes the current clock time.
    EXPECT_EQ(ReadChartFileLines(Lines("Date: 1 May 1990\nTime: now"), kSlotNative, kNow, &t, &n),
              ChartFileReading::Read);
    EXPECT_EQ(t.hour, kNow.hour);
    EXPECT_EQ(t.minute, kNow.minute);
}

TEST(ChartFileFormats, AstrologLinesFromEitherBuildAndTheirOddities)
{
    struct Case {
        const char* text;
        int hour, minute, second, zone, dst;
    } cases[] = {
        // Unix builds write "-" switches and 12-hour times.
        {"@0102\n-qb Dec  6 2026  3:04:09pm DT +8:00 122:25:00W 37:47:00N\n-zi \"A\" \"B\"", 15, 4, 9, -8, 1},
        {"@0102\r/qb 12 6 2026 12:45:00am dt -5:30 122:25:00W 37:47:00N\r/zi \"A\" \"B\"", 0, 15, 0, 5, 0},
        {"@0102\n/qb Dec 6 2026 23:59:59 ST 0:00 122:25:00W 37:47:00N\n/zi \"A\" \"B\"", 23, 59, 59, 0, 0},
    };
    for (const Case& c : cases) {
        ChartTimeRecord t;
        ChartNameRecord n{"x", "y", 1};
        ASSERT_TRUE(ReadAstrologFileLines(Lines(c.text), &t, &n)) << c.text;
        EXPECT_EQ(t.year, 2026);
        EXPECT_EQ(t.month, 12);
        EXPECT_EQ(t.day, 6);
        EXPECT_EQ(t.hour, c.hour) << c.text;
        EXPECT_EQ(t.minute, c.minute) << c.text;
        EXPECT_EQ(t.second, c.second) << c.text;
        EXPECT_EQ(t.timeZone, c.zone) << c.text;
        EXPECT_EQ(t.dst, c.dst) << c.text;
        EXPECT_EQ(n.name, "A");
        EXPECT_EQ(n.isNow, 0);
    }

    // An empty second pair of quotes gives an empty place.
    ChartTimeRecord t;
    ChartNameRecord n{"x", "y", 0};
    ASSERT_TRUE(ReadAstrologFileLines(Lines("@0102\n/qb Dec 6 2026 1:00:00 ST 0:00 1:00:00E 1:00:00N\n"
                                            "/zi \"Ann\" \"\""),
                                      &t, &n));
    EXPECT_EQ(n.name, "Ann");
    EXPECT_EQ(n.place, "");

    // No readable chart line: nothing changes.
    for (const char* text : {"@0102  ; Astrolog chart info.\n/zi \"A\" \"B\"",
                             "@0102\nqb Dec 6 2026 1:00:00 ST\n/QB Dec 6 2026 1:00:00 ST",
                             "@0102\n/qb\n/qb garbage here"}) {
        ChartTimeRecord before;
        before.year = 1234;
        ChartTimeRecord u = before;
        ChartNameRecord un{"keep", "keep", 1};
        EXPECT_FALSE(ReadAstrologFileLines(Lines(text), &u, &un)) << text;
        EXPECT_EQ(u.year, 1234);
        EXPECT_EQ(un.name, "keep");
        EXPECT_EQ(un.isNow, 1);
    }
}

/// One Astrolog file whose chart line ends with the given date, time and zone.
std::string AstrologFile(const std::string& qb)
{
    return "@0102  ; Astrolog chart info.\r\n/qb " + qb + " 74:00:00W 40:43:00N\r\n/zi \"Z\" \"Here\"\r\n";
}

std::string DateAndClock(const ChartTimeRecord& t)
{
    return wxString::Format("%d-%d-%d %d:%02d:%02d zone %d", t.year, t.month, t.day, t.hour, t.minute,
                            int(t.second), t.timeZone)
        .ToStdString();
}

TEST(ChartFileFormats, AstrologDecimalZonesKeepTheFilesMoment)
{
    // Read as whole numbers, "-5.5" was zone 5 with the clock unchanged and
    // "+3.75" zone -3: the moment moved by 30 or 45 minutes. A language with
    // a decimal comma must not end the number at the ".".
    struct Case {
        const char* qb;
        double westHours; ///< the file's zone
        const char* chart;
    } cases[] = {
        {"Jan 1 2000 0:00:00 ST -5.5", -5.5, "1999-12-31 23:30:00 zone 5"},
        {"Mar 14 1987 23:30:00 ST +3.75", 3.75, "1987-3-15 0:15:00 zone -3"},
        {"Mar 1 2000 0:10:00 ST -0.5", -0.5, "2000-2-29 23:40:00 zone 0"},
        {"Jun 10 1950 12:00:00 DT +9.7", 9.7, "1950-6-10 12:42:00 zone -9"},
        // 7 minutes 22.8 seconds: the nearest whole second.
        {"Jul 4 1976 12:00:00 ST -2.123", -2.123, "1976-7-4 11:52:37 zone 2"},
        {"Jul 4 1976 12:00:00 ST +24.0", 24, "1976-7-4 12:00:00 zone -24"},
    };
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        const ov_test::ScopedNumericLocale numbers(locale);
        if (std::string(locale) != "C" && !numbers.UsesDecimalComma()) {
            ADD_FAILURE() << locale << " cannot be made";
            continue;
        }
        for (const Case& c : cases) {
            ChartTimeRecord t;
            ChartNameRecord n;
            ASSERT_TRUE(ReadAstrologFileLines(Lines(AstrologFile(c.qb)), &t, &n)) << c.qb << " in " << locale;
            EXPECT_EQ(DateAndClock(t), c.chart) << c.qb << " in " << locale;

            // The file's clock as universal time, then moved by its zone.
            ChartTimeRecord file;
            const wxArrayString tokens = wxSplit(wxString(c.qb), ' ', '\0');
            ASSERT_TRUE(ParseDateInto(tokens[0] + " " + tokens[1] + " " + tokens[2], &file.month, &file.day,
                                      &file.year));
            ASSERT_TRUE(ParseTimeInto(tokens[3], &file.hour, &file.minute, &file.second));
            file.dst = t.dst;
            int64_t fileMillis = 0, chartMillis = 0;
            ASSERT_TRUE(ChartMomentMillis(file, &fileMillis));
            ASSERT_TRUE(ChartMomentMillis(t, &chartMillis));
            EXPECT_NEAR(double(chartMillis), fileMillis + c.westHours * 3600000.0, 500.0) << c.qb << " in " << locale;
        }
    }

    // Beyond a day, as "+24:30" is: refused, nothing changed.
    for (const char* zone : {"24.5", "-24.01", "+25.0"}) {
        ChartTimeRecord t;
        t.year = 1234;
        ChartNameRecord n{"keep", "keep", 1};
        EXPECT_FALSE(ReadAstrologFileLines(Lines(AstrologFile(std::string("Jul 4 1976 12:00:00 ST ") + zone)), &t, &n))
            << zone;
        EXPECT_EQ(t.year, 1234) << zone;
        EXPECT_EQ(n.name, "keep") << zone;
    }
}

TEST(ChartFileFormats, AstrologZoneShiftsStayInTheReadableYears)
{
    // Half an hour took 31 December 999999999 into a year the date reader
    // refuses, so the export of an accepted file could not be read back.
    for (const char* qb : {"Dec 31 999999999 23:50:00 ST +0:30", "Jan 1 -999999999 0:10:00 ST -0:30",
                           "Dec 31 999999999 23:59:59 ST +0.01", "Jan 1 -999999999 0:00:10 ST -0.01"}) {
        ChartTimeRecord t;
        t.year = 1234;
        ChartNameRecord n{"keep", "keep", 1};
        EXPECT_FALSE(ReadAstrologFileLines(Lines(AstrologFile(qb)), &t, &n)) << qb;
        EXPECT_EQ(t.year, 1234) << qb;
    }

    // Shifts into and within the edge years are kept, and write a file that
    // reads back to the same chart.
    const struct {
        const char* qb;
        const char* chart;
    } edges[] = {
        {"Dec 31 999999998 23:50:00 ST +0:30", "999999999-1-1 0:20:00 zone 0"},
        {"Dec 31 999999999 23:20:00 ST +0.5", "999999999-12-31 23:50:00 zone 0"},
        {"Jan 1 -999999998 0:10:00 ST -0:30", "-999999999-12-31 23:40:00 zone 0"},
        {"Jan 1 -999999999 0:40:00 ST -1.5", "-999999999-1-1 0:10:00 zone 1"},
    };
    for (const auto& edge : edges) {
        ChartTimeRecord t;
        ChartNameRecord n;
        ASSERT_TRUE(ReadAstrologFileLines(Lines(AstrologFile(edge.qb)), &t, &n)) << edge.qb;
        EXPECT_EQ(DateAndClock(t), edge.chart) << edge.qb;
        const std::string written = FormatAstrologFile(t, n);
        ChartTimeRecord again;
        ChartNameRecord againNames;
        ASSERT_TRUE(ReadAstrologFileLines(Lines(written), &again, &againNames)) << written;
        EXPECT_EQ(FormatAstrologFile(again, againNames), written);
    }
}

} // namespace
