// Feeds arbitrary bytes to the Astrolog chart-info reader. A file it accepts
// must write out and read back to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/astrolog_file.h"
#include "files/text_file_io.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckAstrologFileHeader(bytes);

    ChartTimeRecord time;
    ChartNameRecord name;
    if (!ReadAstrologFileLines(SplitDecodedLines(bytes), &time, &name))
        return 0;
    const std::string written = FormatAstrologFile(time, name);
    ChartTimeRecord againTime;
    ChartNameRecord againName;
    if (CheckAstrologFileHeader(written) != AstrologHeaderStatus::Ok ||
        !ReadAstrologFileLines(SplitDecodedLines(written), &againTime, &againName) ||
        FormatAstrologFile(againTime, againName) != written)
        std::abort();
    return 0;
}
