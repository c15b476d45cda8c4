// Coordinate, date and time text: parsing, formatting and the round trip
// through a chart file.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <unistd.h>
#include <vector>

#include <wx/debug.h>

#include "files/coordinate_text.h"
#include "files/decimal_text.h"

namespace {

int g_asserts = 0;
void CountAssert(const wxString&, int, const wxString&, const wxString&, const wxString&) { ++g_asserts; }

/// Sets an environment variable for the object's lifetime (LC_ALL by
/// default: the formatters read the environment).
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = getenv(name))
            m_old = old, m_had = true;
        setenv(name, value, 1);
    }
    ~ScopedEnvironment()
    {
        m_had ? setenv(m_name.c_str(), m_old.c_str(), 1) : unsetenv(m_name.c_str());
        if (m_name == "TZ")
            tzset();
    }

private:
    std::string m_name;
    std::string m_old;
    bool m_had = false;
};

struct ScopedLocaleEnvironment : ScopedEnvironment {
    explicit ScopedLocaleEnvironment(const char* value) : ScopedEnvironment("LC_ALL", value) {}
};

struct CoordinateCase {
    const char* text;
    bool longitude;
    bool ok;
    int degrees, minutes;
    double seconds;
};

TEST(ParseCoordinate, ReadsBothFormsAndLeavesTheAngleAloneOnFailure)
{
    const DmsAngle before{11, 22, 33.0};
    const CoordinateCase cases[] = {
        {"37:47:00N", false, true, 37, 47, 0},
        {"37:47:00N", true, false, 0, 0, 0},       // N is no longitude letter
        {"122W25", true, true, -122, 25, 0},
        {"122W", true, false, 0, 0, 0},            // used to leave 122 east behind
        {"122:25:00W", true, true, -122, 25, 0},
        {"90:00:00N", false, true, 90, 0, 0},      // the pole, once read back as 0
        {"12:34:56.7N", false, true, 12, 34, 56},
        {"  122:25:00w \t", true, true, -122, 25, 0}, // blanks trimmed, case ignored
        {"0:30:00S", false, true, 0, -30, 0},      // sign on the first non-zero part
        {"37:47", false, false, 0, 0, 0},          // no hemisphere letter
        {"37:47:00X", false, false, 0, 0, 0},
        {":47:00N", false, false, 0, 0, 0},
        {"", false, false, 0, 0, 0},
        // Out of range: these once read as 20E05, 1W39, 99E and 1E30.
        {"200E5", true, false, 0, 0, 0},
        {"1W99", true, false, 0, 0, 0},
        {"99999999999999999999:00:00E", true, false, 0, 0, 0},
        {"1E123456789012345678901234567890", true, false, 0, 0, 0},
        {"91:00:00N", false, false, 0, 0, 0},   // once 1N
        {"90:00:01N", false, false, 0, 0, 0},
        {"90N1", false, false, 0, 0, 0},
        {"180:00:00W", true, true, -180, 0, 0},
        {"180:00:01E", true, false, 0, 0, 0},
        {"12:75:00N", false, false, 0, 0, 0},   // once 12N15
        {"12:30:60N", false, false, 0, 0, 0},
        // A sign only before the degrees; elsewhere it once gave a value
        // that was written back as a different one.
        {"1:-2N", false, false, 0, 0, 0},
        {"5:30:-15N", false, false, 0, 0, 0},
        {"5:+30:15N", false, false, 0, 0, 0},
        {"122W-25", true, false, 0, 0, 0},
        {"-37:47:00N", false, true, -37, 47, 0},
        {"-37:47:00S", false, true, 37, 47, 0},
        {"-0:30:00N", false, true, 0, -30, 0},
    };
    for (const CoordinateCase& c : cases) {
        SCOPED_TRACE(c.text);
        DmsAngle angle = before;
        const bool ok = c.longitude ? ParseCoordinate(c.text, &angle, 'E', 'W', true)
                                    : ParseCoordinate(c.text, &angle, 'N', 'S', false);
        EXPECT_EQ(ok, c.ok);
        const DmsAngle expected = c.ok ? DmsAngle{c.degrees, c.minutes, c.seconds} : before;
        EXPECT_EQ(angle.degrees, expected.degrees);
        EXPECT_EQ(angle.minutes, expected.minutes);
        EXPECT_DOUBLE_EQ(angle.seconds, expected.seconds);
    }
}

TEST(FormatCoordinate, RoundsSecondsAndCarriesSixtyIntoTheMinutes)
{
    struct Case {
        DmsAngle angle;
        bool longitude;
        const char* expected;
    };
    const Case cases[] = {
        {{-122, 25, 30.4}, true, "122:25:30W"},
        {{-122, 25, 30.5}, true, "122:25:31W"},
        {{37, 47, 59.6}, true, "37:48:00E"}, // not 37:47:60
        {{10, 59, 59.9999}, true, "11:00:00E"},
        {{0, -30, 0.0}, true, "0:30:00W"},
        {{0, 0, -1.0}, true, "0:00:01W"},
        {{0, 0, 0.0}, true, "0:00:00E"},
        {{0, 0, -0.4}, true, "0:00:00E"},      // "0:00:00W" read back as east
        {{10, 75, 125.0}, true, "11:17:05E"},
        // Only the date line and the poles are kept off; 90 degrees of
        // longitude, and 45 of latitude, take their carry.
        {{-179, 59, 59.7}, true, "179:59:59W"}, // 180 would read back as 0
        {{89, 59, 59.5}, true, "90:00:00E"},
        {{-89, 59, 59.6}, true, "90:00:00W"},
        {{89, 59, 59.5}, false, "89:59:59N"},
        {{-89, 59, 59.9}, false, "89:59:59S"},
        {{44, 59, 59.5}, false, "45:00:00N"},
        // Values no reader gives once made undefined arithmetic.
        {{1, 2, std::nan("")}, true, "1:02:00E"},
        {{0, 0, 1e300}, true, "277777777:46:40E"},   // capped at 1e12 seconds
        {{INT32_MIN, INT32_MIN, -1e300}, true, "2461052819:54:40W"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.longitude ? FormatCoordinate(c.angle, "E", "W", true) : FormatCoordinate(c.angle, "N", "S", false),
                  c.expected);
}

double TotalSeconds(const DmsAngle& a)
{
    const double magnitude = std::abs(a.degrees) * 3600.0 + std::abs(a.minutes) * 60.0 + std::fabs(a.seconds);
    const bool negative = a.degrees ? a.degrees < 0 : a.minutes ? a.minutes < 0 : a.seconds < 0;
    return negative ? -magnitude : magnitude;
}

TEST(FormatCoordinate, SaveAndReloadKeepsTheAngleWithinASecond)
{
    const double secondsValues[] = {0.0, 0.49, 29.5, 59.49, 59.5, 59.9999};
    for (bool longitude : {true, false})
        for (int degrees : {0, 1, 45, 89, 122, 179})
            for (int minutes : {0, 1, 30, 59})
                for (double seconds : secondsValues)
                    for (int sign : {1, -1}) {
                        if (!longitude && degrees > 89)
                            continue;
                        DmsAngle angle{degrees, minutes, seconds};
                        if (sign < 0)
                            degrees ? angle.degrees = -degrees
                                    : minutes ? angle.minutes = -minutes : angle.seconds = -seconds;
                        const wxString text = longitude ? FormatCoordinate(angle, "E", "W", true)
                                                        : FormatCoordinate(angle, "N", "S", false);
                        DmsAngle back;
                        ASSERT_TRUE(longitude ? ParseCoordinate(text, &back, 'E', 'W', true)
                                              : ParseCoordinate(text, &back, 'N', 'S', false))
                            << text;
                        EXPECT_NEAR(TotalSeconds(back), TotalSeconds(angle), 1.0) << text;
                    }
}

TEST(ParseDateInto, ReadsNamedAndNumericDatesWithSignedYears)
{
    struct Case {
        const char* text;
        bool ok;
        int month, day, year;
    };
    const Case cases[] = {
        {"6 December 2026", true, 12, 6, 2026},
        {"Dec 6, 2026", true, 12, 6, 2026},
        {"12 6 2026", true, 12, 6, 2026},        // month day year, as Astrolog writes it
        {"6 December -500", true, 12, 6, -500},  // the library parser drops the minus
        {"1 Jan 999", true, 1, 1, 999},
        {"29 Feb 2000", true, 2, 29, 2000},
        {"29 Feb 1900", false, 0, 0, 0},
        {"31 February 2026", false, 0, 0, 0},    // used to assert in the library
        {"2026-12-06", true, 12, 6, 2026},
        {"-500-03-01", true, 3, 1, -500},
        {"2026-13-01", false, 0, 0, 0},          // the library parser made it 13 January
        {"Jan 1 99999999999", false, 0, 0, 0},   // the library parser made it 58367
        {"no date here", false, 0, 0, 0},
        {"", false, 0, 0, 0},
        // Once read wrong through the class library's parser: a partial
        // read, a missing year taken from the clock, a dropped minus sign,
        // the computer's zone moving the day (this test runs in Apia).
        {"14 March 1987 garbage", false, 0, 0, 0},
        {"6 12\u6708 2026", false, 0, 0, 0},     // a month name of Japanese only
        {"mar 14", false, 0, 0, 0},
        {"March 25th, 2710", true, 3, 25, 2710},
        {"-500/12/06", true, 12, 6, -500},
        {"5/7/-4346", true, 5, 7, -4346},
        {"12/30/2011", true, 12, 30, 2011},
        {"30/12/2011", true, 12, 30, 2011},
        {"6.12.2026", true, 12, 6, 2026},
        {"2026 12 6", true, 12, 6, 2026},
        {"6 -12 2026", false, 0, 0, 0},
        {"6 December 2026 12:00", false, 0, 0, 0},
        {"today", false, 0, 0, 0},
        {"2026-12-06-01", false, 0, 0, 0},
    };
    const ScopedEnvironment zone("TZ", "Pacific/Apia");
    tzset();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t month = 7, day = 8, year = 1999;
        EXPECT_EQ(ParseDateInto(c.text, &month, &day, &year), c.ok);
        EXPECT_EQ(month, c.ok ? c.month : 7);
        EXPECT_EQ(day, c.ok ? c.day : 8);
        EXPECT_EQ(year, c.ok ? c.year : 1999);
    }
}

TEST(ParseTimeInto, ReadsTwelveAndTwentyFourHourClocks)
{
    struct Case {
        const char* text;
        bool ok;
        int hour, minute, second;
    };
    const Case cases[] = {
        {"3:04:09pm", true, 15, 4, 9},           // the library parser reads 03:04:09
        {"3:04:09 PM", true, 15, 4, 9},
        {"9:05:07 AM", true, 9, 5, 7},
        {"12:00:00 AM", true, 0, 0, 0},
        {"12:30 p.m.", true, 12, 30, 0},
        {"15:04:09", true, 15, 4, 9},
        {"09:05:07.8", true, 9, 5, 7},            // whole seconds
        {"7pm", true, 19, 0, 0},                   // the library parser reads 07:00
        {"7", true, 7, 0, 0},                      // a bare hour, as the library parser
        {"07", true, 7, 0, 0},                     // reads it
        {"23", true, 23, 0, 0},
        {"24", false, 0, 0, 0},
        {"12 am", true, 0, 0, 0},
        {"noon", true, 12, 0, 0},                  // left to the library parser
        {"12:30:00am", true, 0, 30, 0},
        {"9:05", true, 9, 5, 0},
        {"midnight", true, 0, 0, 0},
        {"9.05.07", true, 9, 5, 7},               // the library parser read 09:00:00
        {"12.30", true, 12, 30, 0},               // and 12:00
        {"12.5", false, 0, 0, 0},
        {"9h05", false, 0, 0, 0},
        {"1430", false, 0, 0, 0},                 // and 14:00
        {"12:30 garbage", false, 0, 0, 0},        // and 12:30
        {"09\u664205\u520607\u79d2", false, 0, 0, 0}, // Japanese, read only in Japanese
        {"25:00", false, 0, 0, 0},
        {"13:00 pm", false, 0, 0, 0},
        {"10:61", false, 0, 0, 0},
        {"later", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t hour = 1, minute = 2;
        double second = 3.0;
        EXPECT_EQ(ParseTimeInto(c.text, &hour, &minute, &second), c.ok);
        EXPECT_EQ(hour, c.ok ? c.hour : 1);
        EXPECT_EQ(minute, c.ok ? c.minute : 2);
        EXPECT_DOUBLE_EQ(second, c.ok ? c.second : 3.0);
    }
}

bool LocaleLoads(const char* name)
{
    locale_t probe = newlocale(LC_TIME_MASK, name, static_cast<locale_t>(nullptr));
    if (probe)
        freelocale(probe);
    return probe != nullptr;
}

} // namespace

// With LOCPATH set, the C library's newlocale keeps the search list it builds
// from it; that is no leak of ours, and the sanitizer run must not fail on it.
extern "C" const char* __lsan_default_suppressions() { return "leak:__argz_add_sep\n"; }

namespace {

/// True when the locale can be used. Machines without it installed get it
/// compiled into a private folder found through LOCPATH (a fresh folder per
/// locale: the C library remembers names it failed to find in a folder), so
/// the language tests run on a bare build machine too.
bool LocaleInstalled(const char* name)
{
    if (LocaleLoads(name))
        return true;
    // Removed when the tests end.
    static struct Folders {
        std::vector<std::string> paths;
        ~Folders()
        {
            for (const std::string& path : paths)
                std::system(("rm -rf " + path).c_str());
        }
    } folders;
    char folder[] = "/tmp/ov_locale_XXXXXX";
    if (!mkdtemp(folder))
        return false;
    folders.paths.push_back(folder);
    const std::string locale(name);
    const std::string source = locale.substr(0, locale.find('.'));
    const std::string command =
        "localedef -i " + source + " -f UTF-8 " + folder + "/" + locale + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return false;
    setenv("LOCPATH", folder, 1);
    return LocaleLoads(name);
}

TEST(FormatLongDate, DropsTheLeadingZeroAndFallsBackToC)
{
    for (const char* name : {"C", "xx_NOWHERE.UTF-8"}) {
        const ScopedLocaleEnvironment env(name);
        EXPECT_EQ(FormatLongDate(12, 6, 2026), "6 December 2026") << name;
        EXPECT_EQ(FormatLongDate(3, 15, 1999), "15 March 1999") << name;
        EXPECT_EQ(FormatLocalTime(9, 5, 7.9), "09:05:07") << name; // 24-hour keeps its zero
    }
}

TEST(FormatLocalTime, TwelveHourClockLosesTheLeadingZero)
{
    if (!LocaleInstalled("en_US.UTF-8"))
        GTEST_SKIP() << "en_US.UTF-8 is not installed";
    const ScopedLocaleEnvironment env("en_US.UTF-8");
    EXPECT_EQ(FormatLocalTime(9, 5, 7.0), "9:05:07 AM");
    EXPECT_EQ(FormatLongDate(12, 6, 2026), "6 December 2026");
}

TEST(FormatLocalTime, GermanNamesWithoutDecimalCommasInNumbers)
{
    if (!LocaleInstalled("de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    const ScopedLocaleEnvironment env("de_DE.UTF-8");
    EXPECT_EQ(FormatLongDate(3, 6, 2026), wxString::FromUTF8("6 März 2026"));
    char number[16];
    snprintf(number, sizeof number, "%.1f", 1.5);
    EXPECT_STREQ(number, "1.5");
}

// The program's own texts read back to the same fields in each language:
// through the class library's parser BCE years came back as CE years in
// German, French and Russian, and a Japanese time kept only its hour.
TEST(ParseDateInto, ReadsTheFormattersTextsInEachLanguage)
{
    struct Date {
        int month, day, year;
    };
    const Date dates[] = {{3, 1, -500}, {12, 6, 2026}, {2, 29, -4800}, {5, 7, -4346},
                          {12, 31, 5399}, {1, 1, -5400}, {9, 15, 0}, {10, 4, 7}};
    const int times[][3] = {{0, 0, 0}, {9, 5, 7}, {12, 30, 0}, {15, 4, 9}, {23, 59, 59}};
    struct Literal {
        const char* locale;
        const char* date;
        const char* time;
    };
    const Literal literals[] = {
        {"de_DE.UTF-8", "1 M\u00e4rz -500", "09:05:07"},
        {"fr_FR.UTF-8", "1 mars -500", "09:05:07"},
        {"ru_RU.UTF-8", "1 \u043c\u0430\u0440\u0442\u0430 -500", "09:05:07"},
        {"ja_JP.UTF-8", "1 3\u6708 -500", "09\u664205\u520607\u79d2"},
        {"en_US.UTF-8", "1 March -500", "9:05:07 AM"},
    };
    for (const Literal& language : literals) {
        if (!LocaleInstalled(language.locale)) {
            ADD_FAILURE() << language.locale << " could not be made";
            continue;
        }
        SCOPED_TRACE(language.locale);
        const ScopedLocaleEnvironment env(language.locale);
        EXPECT_EQ(FormatLongDate(3, 1, -500), wxString::FromUTF8(language.date));
        EXPECT_EQ(FormatLocalTime(9, 5, 7.0), wxString::FromUTF8(language.time));
        for (const Date& date : dates) {
            const wxString text = FormatLongDate(date.month, date.day, date.year);
            int32_t month = 0, day = 0, year = 0;
            EXPECT_TRUE(ParseDateInto(text, &month, &day, &year)) << text;
            EXPECT_EQ(month * 100 + day, date.month * 100 + date.day) << text;
            EXPECT_EQ(year, date.year) << text;
        }
        for (const auto& time : times) {
            const wxString text = FormatLocalTime(time[0], time[1], time[2] + 0.9);
            int32_t hour = -1, minute = -1;
            double second = -1.0;
            EXPECT_TRUE(ParseTimeInto(text, &hour, &minute, &second)) << text;
            EXPECT_EQ(hour * 10000 + minute * 100 + second, time[0] * 10000 + time[1] * 100 + time[2]) << text;
        }
        // A wxString can hold values beyond U+10FFFF, which no codeset
        // writes: refused, without the UTF-8 converter's assertion.
        const wxString beyond = wxString("3") + wxUniChar(0x11034D);
        g_asserts = 0;
        const wxAssertHandler_t previous = wxSetAssertHandler(CountAssert);
        int32_t hour = -1, minute = -1, month = -1, day = -1, year = -1;
        double second = -1.0;
        DmsAngle angle{1, 2, 3.0};
        EXPECT_FALSE(ParseTimeInto(beyond, &hour, &minute, &second));
        EXPECT_FALSE(ParseDateInto(beyond + " 3 2000", &month, &day, &year));
        EXPECT_FALSE(ParseCoordinate(beyond, &angle, 'N', 'S', false));
        EXPECT_EQ(ReadLeadingDecimal(wxString("2.5") + wxUniChar(0x11034D)), 2.5);
        wxSetAssertHandler(previous);
        EXPECT_EQ(g_asserts, 0);
    }
}

TEST(FormatLongDate, GivesNothingForImpossibleFields)
{
    // A year of INT_MIN once overflowed on the way into the C runtime.
    EXPECT_EQ(FormatLongDate(1, 1, INT32_MIN), "");
    EXPECT_EQ(FormatLongDate(13, 1, 2000), "");
    EXPECT_EQ(FormatLongDate(1, 0, 2000), "");
    EXPECT_EQ(FormatLocalTime(24, 0, 0.0), "");
    EXPECT_EQ(FormatLocalTime(0, 60, 0.0), "");
    EXPECT_EQ(FormatLocalTime(0, 0, std::nan("")), "");
    EXPECT_EQ(FormatLocalTime(0, 0, 1e300), "");
    EXPECT_EQ(FormatLocalTime(0, 0, -0.5), "");
}

TEST(FormatLocalTime, LeavesTheProcessLocaleAlone)
{
    const std::string before = setlocale(LC_ALL, nullptr);
    const ScopedLocaleEnvironment env("C.UTF-8");
    FormatLongDate(1, 2, 2003);
    FormatLocalTime(4, 5, 6);
    EXPECT_EQ(before, setlocale(LC_ALL, nullptr));
    EXPECT_EQ(uselocale(static_cast<locale_t>(nullptr)), LC_GLOBAL_LOCALE);
}

} // namespace
