#include "tools/support/tool_arguments.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/object_ids.h"

namespace {

bool IsOneBitOf(int value, int mask) { return value != 0 && (value & ~mask) == 0 && (value & (value - 1)) == 0; }

} // namespace

bool ParseInt(const char* text, long low, long high, int* out)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < low || value > high)
        return false;
    *out = static_cast<int>(value);
    return true;
}

bool ParseReal(const char* text, double low, double high, double* out)
{
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text, &end);
    if (errno != 0 || end == text || *end != '\0' || !std::isfinite(value) || value < low || value > high)
        return false;
    *out = value;
    return true;
}

bool ParseMode(const char* text, int* out)
{
    const bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(hex ? text + 2 : text, &end, hex ? 16 : 10);
    if (errno != 0 || end == (hex ? text + 2 : text) || *end != '\0' || value < 0 || value > 0xFFFF)
        return false;
    const int mode = static_cast<int>(value);
    const int type = mode & 0xFF;
    const int view = mode & ~0xFF;
    if (!IsOneBitOf(type, 0x1F) || (view != 0 && !IsOneBitOf(view, 0xF00)))
        return false;
    *out = mode;
    return true;
}

bool ParseMoment(char** arg, ChartTimeRecord* record)
{
    double second = 0.0, latitude = 0.0, longitude = 0.0;
    const bool ok = ParseInt(arg[0], -5400, 5400, &record->year) && ParseInt(arg[1], 1, 12, &record->month) &&
                    ParseInt(arg[2], 1, 31, &record->day) && ParseInt(arg[3], 0, 23, &record->hour) &&
                    ParseInt(arg[4], 0, 59, &record->minute) && ParseReal(arg[5], 0.0, 59.999999, &second) &&
                    ParseInt(arg[6], -24, 24, &record->timeZone) && ParseInt(arg[7], 0, 1, &record->dst) &&
                    ParseReal(arg[8], -90.0, 90.0, &latitude) && ParseReal(arg[9], -180.0, 180.0, &longitude);
    if (!ok || record->day > DaysInMonth(record->month, record->year))
        return false;
    record->second = second;
    record->progressed = 0;
    DecimalToDms(latitude, &record->latitude);
    DecimalToDms(longitude, &record->longitude);
    return true;
}

bool ParseChartArguments(char** arg, int count, ChartArguments* out)
{
    if (count != 11 && count != 21)
        return false;
    out->hasSecond = count == 21;
    return ParseMoment(arg, &out->first) &&
           ParseInt(arg[10], ids::kHouseSystemFirst, ids::kHouseSystemLast, &out->houseSystem) &&
           (!out->hasSecond || ParseMoment(arg + 11, &out->second));
}

bool ParseSize(const char* tool, const char* name, const char* text, int high, int* out)
{
    if (ParseInt(text, 1, high, out))
        return true;
    std::fprintf(stderr, "%s: %s must be a whole number of pixels from 1 to %d\n", tool, name, high);
    return false;
}

int Usage(const char* usage)
{
    std::fputs(usage, stderr);
    return 2;
}
