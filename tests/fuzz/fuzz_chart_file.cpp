// Feeds arbitrary bytes to the chart data file reader. Whatever it reads
// must write out and read back to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/chart_data_file.h"
#include "files/text_file_io.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckChartFileHeader(bytes);

    LocalNow now;
    now.year = 2026, now.month = 6, now.day = 15, now.hour = 10, now.minute = 30;
    const ChartSlot slot = size > 0 ? ChartSlot(data[0] % kChartSlots) : 0;
    ChartTimeRecord time;
    ChartNameRecord name;
    const ChartFileReading read = ReadChartFileLines(SplitDecodedLines(bytes), slot, now, &time, &name);
    if (read == ChartFileReading::Refused)
        return 0;
    const bool setToNow = read == ChartFileReading::SetToNow;

    const std::string written = FormatChartFile(time, name, setToNow);
    if (CheckChartFileHeader(written) != ChartHeaderStatus::Ok)
        std::abort();
    ChartTimeRecord againTime;
    ChartNameRecord againName;
    const ChartFileReading again = ReadChartFileLines(SplitDecodedLines(written), slot, now, &againTime, &againName);
    const bool againNow = again == ChartFileReading::SetToNow;
    if (againNow != setToNow || FormatChartFile(againTime, againName, againNow) != written)
        std::abort();
    return 0;
}
