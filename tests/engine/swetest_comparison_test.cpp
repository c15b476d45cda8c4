// Whole natal charts against the ephemeris library's own reference client,
// swetest, run here as a separate program: positions, speeds, cusps, ARMC
// and sidereal time for many moments, places, zones, house systems and both
// lunar modes. The universal time handed to swetest is worked out by the
// test's own calendar arithmetic, not by the engine.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "engine/chart_positions.h"
#include "tests/engine/civil_time.h"
#include "tests/support/run_chartdump.h"

namespace {

using ov_test::HaveChartDump;
using ov_test::RunChartDump;

struct ChartCase {
    civil::Moment local;
    int zone;
    int dst;
    double latitude;
    double longitude;
    ObjectId houseSystem;
    int meanNode;
    int meanApogee;
};

struct ReferenceChart {
    std::vector<std::vector<double>> points; // six values per point
    std::vector<double> cusps;               // cusps 1..12 at [1..12]
    double armc = 0.0;
    double siderealDegrees = 0.0;
};

// swetest letters in the engine's point order, nodes and apogees by mode.
std::string SwetestBodies(int meanNode, int meanApogee)
{
    std::string bodies = "0123456789";
    bodies += meanNode == 1 ? 'm' : 't';
    bodies += meanApogee == 1 ? 'A' : 'B';
    bodies += "DFGHIEJKLMNOPQ"; // Chiron, Ceres, Pallas, Juno, Vesta, Pholus, Cupido..Poseidon
    return bodies + "x";        // and the sidereal time
}

// Placidus and Koch cannot be cast inside the polar circles; Porphyry is
// what the chart must then show.
char ExpectedHouseLetter(const ChartCase& c)
{
    const char letter = static_cast<char>(IdToEphemerisNumber(c.houseSystem));
    if ((letter == 'P' || letter == 'K') && std::fabs(c.latitude) > 67.0)
        return 'O';
    return letter;
}

bool RunSwetest(const ChartCase& c, ReferenceChart* out, std::string* error)
{
    const civil::Moment ut = civil::FromSeconds(civil::ToSeconds(c.local) - (c.zone + c.dst) * 3600);
    char command[512];
    std::snprintf(command, sizeof command,
                  "swetest -b%d.%d.%dgreg -ut%d:%d:%d -p%s -fPlbRss -head -eswe -edir%s "
                  "-house%.9f,%.9f,%c 2>&1",
                  ut.day, ut.month, ut.year, ut.hour, ut.minute, ut.second,
                  SwetestBodies(c.meanNode, c.meanApogee).c_str(), OV_SWE_EPHEDIR, c.longitude, c.latitude,
                  ExpectedHouseLetter(c));
    FILE* pipe = popen(command, "r");
    if (pipe == nullptr) {
        *error = "cannot start swetest";
        return false;
    }
    std::vector<std::string> lines;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        lines.emplace_back(buffer);
    const int status = pclose(pipe);
    if (status != 0) {
        *error = std::string("swetest failed: ") + command;
        return false;
    }

    out->cusps.assign(13, 0.0);
    for (const std::string& line : lines) {
        if (line.size() < 16)
            continue;
        const std::string label = line.substr(0, 15);
        std::istringstream numbers(line.substr(15));
        if (label.rfind("house", 0) == 0) {
            int n = std::stoi(label.substr(5));
            numbers >> out->cusps.at(n);
        } else if (label.rfind("ARMC", 0) == 0) {
            numbers >> out->armc;
        } else if (label.rfind("Sidereal Time", 0) == 0) {
            numbers >> out->siderealDegrees;
        } else if (out->points.size() < kComputedPoints && label.rfind("error", 0) != 0 &&
                   label.rfind("warning", 0) != 0) {
            std::vector<double> values(6);
            for (double& v : values)
                numbers >> v;
            if (numbers.fail()) {
                *error = "unreadable swetest line: " + line;
                return false;
            }
            out->points.push_back(values);
        }
    }
    if (out->points.size() != kComputedPoints) {
        *error = "swetest gave too few points";
        return false;
    }
    return true;
}

double AngleDifference(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

std::vector<ChartCase> MakeCases()
{
    // A spread of moments (1000 to 3000), both hemispheres, zones east and
    // west, daylight saving, polar latitudes; house systems and the lunar
    // modes are cycled through all their values.
    struct Base {
        civil::Moment local;
        int zone, dst;
        double latitude, longitude;
    };
    const Base bases[] = {
        {{2000, 1, 1, 7, 0, 0}, -5, 0, 40.7128, -74.006},
        {{1987, 7, 14, 23, 59, 59}, 1, 1, 52.52, 13.405},
        {{1955, 2, 24, 19, 15, 0}, -8, 0, 37.7749, -122.4194},
        {{1969, 7, 21, 2, 56, 15}, 0, 0, 0.6875, 23.4333},
        {{2024, 3, 31, 1, 30, 0}, 10, 1, -33.8688, 151.2093},
        {{1912, 4, 15, 2, 20, 0}, -3, 0, -34.6037, -58.3816},
        {{1066, 10, 14, 9, 0, 0}, 0, 0, 50.91, 0.487},
        {{2999, 12, 31, 23, 59, 59}, 12, 0, -41.2865, 174.7762},
        {{1800, 6, 21, 12, 0, 0}, 2, 1, 69.6492, 18.9553},       // Tromso, inside the polar circle
        {{2015, 12, 21, 16, 45, 30}, -9, 0, 71.2906, -156.7886}, // Utqiagvik
        {{1600, 1, 1, 0, 0, 0}, 5, 0, -77.85, 166.67},           // McMurdo, far south
        {{1350, 8, 8, 13, 13, 13}, -1, 1, 64.1466, -21.9426},
        {{2050, 5, 5, 5, 5, 5}, 9, 0, 35.6762, 139.6503},
        {{1776, 7, 4, 17, 0, 0}, -4, 0, 39.9526, -75.1652},
    };
    std::vector<ChartCase> cases;
    int counter = 0;
    for (const Base& b : bases) {
        for (int pass = 0; pass < 2; ++pass) {
            ChartCase c{b.local, b.zone, b.dst, b.latitude, b.longitude, 0, 0, 1};
            c.houseSystem = 780 + counter % 13;
            if (c.houseSystem == ids::kNullHouses)
                c.houseSystem = ids::kPlacidus; // the "Null" houses are the engine's own
            c.meanNode = counter % 2;
            c.meanApogee = (counter / 2) % 2;
            cases.push_back(c);
            ++counter;
        }
    }
    // Every house system the library casts, at polar latitudes too.
    for (ObjectId hs = 780; hs <= 792; ++hs) {
        if (hs != ids::kNullHouses)
            cases.push_back({{1999, 8, 11, 12, 30, 0}, 2, 1, 69.6492, 18.9553, hs, 1, 0});
    }
    return cases;
}

// Positions, speeds and cusps within 1e-6 degree, sidereal time within
// 1e-7 hour, every house a real one in the requested system.
void ExpectAgrees(const ChartPositions& chart, const ReferenceChart& reference, ObjectId houseSystem)
{
    EXPECT_LT(AngleDifference(chart.armc, reference.armc), 1e-6);
    EXPECT_NEAR(chart.siderealTime, reference.siderealDegrees / 15.0, 1e-7);
    EXPECT_GE(chart.siderealTime, 0.0);
    EXPECT_LT(chart.siderealTime, 24.0);
    for (int k = 1; k <= 12; ++k) {
        EXPECT_LT(AngleDifference(chart.cusps[k].longitude, reference.cusps[k]), 1e-6) << "cusp " << k;
        EXPECT_EQ(chart.cusps[k].houseSystem, houseSystem) << "cusp " << k;
    }
    for (int i = 0; i < kComputedPoints; ++i) {
        const PointPositionEntry& p = chart.points[i];
        const std::vector<double>& r = reference.points[i];
        const char* name = GetIdName(PointIndexToId(i));
        EXPECT_LT(AngleDifference(p.longitude, r[0]), 1e-6) << name;
        EXPECT_NEAR(p.latitude, r[1], 1e-6) << name;
        EXPECT_NEAR(p.distance, r[2], 1e-6) << name;
        EXPECT_NEAR(p.longitudeSpeed, r[3], 1e-6) << name;
        EXPECT_NEAR(p.latitudeSpeed, r[4], 1e-6) << name;
        EXPECT_NEAR(p.distanceSpeed, r[5], 1e-6) << name;
        EXPECT_GE(p.house, 1) << name;
        EXPECT_LE(p.house, 12) << name;
    }
}

std::string Describe(const ChartCase& c)
{
    char text[256];
    std::snprintf(text, sizeof text, "%d %d %d %d %d %d %d %d %.9f %.9f %d %d %d", c.local.year, c.local.month,
                  c.local.day, c.local.hour, c.local.minute, c.local.second, c.zone, c.dst, c.latitude,
                  c.longitude, c.houseSystem, c.meanNode, c.meanApogee);
    return text;
}

TEST(SwetestComparison, NatalChartsAgreeWithReferenceClient)
{
    for (const ChartCase& c : MakeCases()) {
        SCOPED_TRACE(Describe(c));
        ReferenceChart reference;
        std::string error;
        ASSERT_TRUE(RunSwetest(c, &reference, &error)) << error;

        ChartTimeRecord record;
        record.year = c.local.year;
        record.month = c.local.month;
        record.day = c.local.day;
        record.hour = c.local.hour;
        record.minute = c.local.minute;
        record.second = c.local.second;
        record.timeZone = c.zone;
        record.dst = c.dst;
        DecimalToDms(c.latitude, &record.latitude);
        DecimalToDms(c.longitude, &record.longitude);

        SetMeanNodeMode(c.meanNode);
        SetMeanApogeeMode(c.meanApogee);
        ChartPositions chart{};
        ComputeNatalChart(&record, c.houseSystem, &chart);
        SetMeanNodeMode(0);
        SetMeanApogeeMode(1);

        ExpectAgrees(chart, reference, c.houseSystem);
        EXPECT_EQ(chart.cusps[13].longitude, chart.cusps[1].longitude);
        for (int i = 0; i < kComputedPoints; ++i)
            EXPECT_EQ(chart.points[i].houseSystem, c.houseSystem);
    }
}

// Reads chartdump's output back into a chart; false on any line out of shape.
bool ParseChartDump(const std::vector<std::string>& lines, double* jd, ChartPositions* chart)
{
    if (lines.size() != 3u + 12u + kComputedPoints)
        return false;
    bool ok = std::sscanf(lines[0].c_str(), "jd %lf", jd) == 1 &&
              std::sscanf(lines[1].c_str(), "st %lf", &chart->siderealTime) == 1 &&
              std::sscanf(lines[2].c_str(), "armc %lf", &chart->armc) == 1;
    for (int k = 1; k <= 12 && ok; ++k) {
        int n = 0;
        HouseCuspEntry& cusp = chart->cusps[k];
        ok = std::sscanf(lines[2 + k].c_str(), "cusp %d %lf %d", &n, &cusp.longitude, &cusp.houseSystem) == 3 &&
             n == k;
    }
    for (int i = 0; i < kComputedPoints && ok; ++i) {
        int index = 0, id = 0;
        PointPositionEntry& p = chart->points[i];
        ok = std::sscanf(lines[15 + i].c_str(), "point %d %d %lf %lf %lf %lf %lf %lf %d", &index, &id,
                         &p.longitude, &p.latitude, &p.distance, &p.longitudeSpeed, &p.latitudeSpeed,
                         &p.distanceSpeed, &p.house) == 9 &&
             index == i && id == PointIndexToId(i);
    }
    return ok;
}

TEST(ChartDumpTool, PrintsChartsThatAgreeWithReferenceClient)
{
    if (!HaveChartDump())
        GTEST_SKIP() << "chartdump is not built";
    const ChartCase cases[] = {
        {{1987, 7, 14, 23, 59, 59}, 1, 1, 52.52, 13.405, 787, 0, 1},
        {{1600, 1, 1, 0, 0, 0}, 5, 0, -77.85, 166.67, 781, 1, 0},
        {{2024, 3, 31, 1, 30, 0}, 10, 1, -33.8688, 151.2093, 791, 1, 1},
    };
    for (const ChartCase& c : cases) {
        const std::string arguments = Describe(c);
        SCOPED_TRACE(arguments);
        std::vector<std::string> lines;
        int exitCode = -1;
        ASSERT_TRUE(RunChartDump(arguments, &lines, &exitCode));
        ASSERT_EQ(exitCode, 0);
        double jd = 0.0;
        ChartPositions chart{};
        ASSERT_TRUE(ParseChartDump(lines, &jd, &chart));

        ReferenceChart reference;
        std::string error;
        ASSERT_TRUE(RunSwetest(c, &reference, &error)) << error;
        const civil::Moment ut = civil::FromSeconds(civil::ToSeconds(c.local) - (c.zone + c.dst) * 3600);
        EXPECT_NEAR(jd, civil::JulianDay(ut), 1e-8);
        ExpectAgrees(chart, reference, c.houseSystem);
    }
}

TEST(ChartDumpTool, RejectsBadArgumentsWithUsage)
{
    if (!HaveChartDump())
        GTEST_SKIP() << "chartdump is not built";
    const char* bad[] = {
        "",
        "2000 1 1 12 0 0 0 0 51.5 0",                 // no house system
        "2000 13 1 12 0 0 0 0 51.5 0 780",            // month
        "2001 2 29 12 0 0 0 0 51.5 0 780",            // no such day
        "2000 1 1 24 0 0 0 0 51.5 0 780",             // hour
        "2000 1 1 12 0 0 0 2 51.5 0 780",             // daylight-saving flag
        "2000 1 1 12 0 0 0 0 91 0 780",               // latitude
        "2000 1 1 12 0 0 0 0 51.5 0 779",             // house system
        "2000 1 1 12 0 0 0 0 51.5 0 780 2",           // node mode
        "2000 1 1 12 0 0 0 0 51.5 0 780 0 1 9",       // one argument too many
        "2000 1 1 12 0 0 0 0 51.5x 0 780",            // not a number
        "2000 1 1 12 0 0 0 0 nan 0 780",
    };
    for (const char* arguments : bad) {
        std::vector<std::string> lines;
        int exitCode = -1;
        ASSERT_TRUE(RunChartDump(arguments, &lines, &exitCode));
        EXPECT_EQ(exitCode, 2) << arguments;
        ASSERT_EQ(lines.size(), 1u) << arguments;
        EXPECT_EQ(lines[0].rfind("usage: chartdump", 0), 0u) << arguments;
    }
}

} // namespace
