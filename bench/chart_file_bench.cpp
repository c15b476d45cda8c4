// Reading and parsing one chart data file and one Astrolog file from disk,
// as opening a chart does before the recalculation.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "files/astrolog_file.h"
#include "files/chart_data_file.h"
#include "files/text_file_io.h"

namespace {

ChartTimeRecord SampleChart()
{
    ChartTimeRecord t;
    t.year = 1987, t.month = 3, t.day = 14, t.hour = 15, t.minute = 4, t.second = 9, t.timeZone = -8, t.dst = 1;
    DecimalToDms(37.783333, &t.latitude);
    DecimalToDms(-122.416667, &t.longitude);
    return t;
}

/// Writes the text to a file in a temporary folder once; returns its path.
wxString SampleFile(const char* name, const std::string& text)
{
    static std::string folder;
    if (folder.empty()) {
        folder = "/tmp/ov_bench_files_XXXXXX";
        if (!mkdtemp(folder.data()))
            folder = "/tmp";
    }
    const std::string path = folder + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return wxString::FromUTF8(path);
}

void BM_ReadChartDataFile(benchmark::State& state)
{
    const ChartNameRecord names{"Ann Example", "San Francisco, CA", 0};
    const wxString path = SampleFile("chart.ovs", FormatChartFile(SampleChart(), names, false));
    const LocalNow now = MakeLocalNow(1781533800);
    for (auto _ : state) {
        std::string bytes;
        ReadFileBytes(path, &bytes);
        ChartTimeRecord time;
        ChartNameRecord name;
        if (CheckChartFileHeader(bytes) == ChartHeaderStatus::Ok)
            ReadChartFileLines(SplitDecodedLines(bytes), kSlotNative, now, &time, &name);
        benchmark::DoNotOptimize(time);
    }
}
BENCHMARK(BM_ReadChartDataFile);

void BM_ReadAstrologFile(benchmark::State& state)
{
    const ChartNameRecord names{"Ann Example", "San Francisco, CA", 0};
    const wxString path = SampleFile("chart.dat", FormatAstrologFile(SampleChart(), names));
    for (auto _ : state) {
        std::string bytes;
        ReadFileBytes(path, &bytes);
        ChartTimeRecord time;
        ChartNameRecord name;
        if (CheckAstrologFileHeader(bytes) == AstrologHeaderStatus::Ok)
            ReadAstrologFileLines(SplitDecodedLines(bytes), &time, &name);
        benchmark::DoNotOptimize(time);
    }
}
BENCHMARK(BM_ReadAstrologFile);

} // namespace
