// Whether the C library really read the compiled zone file that a TZ value
// names. When that file is missing, empty or damaged, the C library quietly
// takes the name's first letters as a zone of universal time, and a test
// over that zone checks nothing.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ov_test {

/// The folder the C library reads zone files from: TZDIR when it is set and
/// not empty, else the system's.
inline std::string ZoneInfoFolder()
{
    const char* dir = std::getenv("TZDIR");
    return dir != nullptr && *dir != '\0' ? dir : "/usr/share/zoneinfo";
}

/// The file the C library reads for a TZ value that names a zone: a leading
/// ':' is dropped, an absolute path is taken as it is, and any other name is
/// looked for in ZoneInfoFolder().
inline std::string ZoneFilePath(std::string tz)
{
    if (!tz.empty() && tz[0] == ':')
        tz.erase(0, 1);
    return !tz.empty() && tz[0] == '/' ? tz : ZoneInfoFolder() + "/" + tz;
}

/// The clocks and changes of a compiled zone file (its 64-bit part when the
/// file has one).
struct ZoneFile {
    struct Clock {
        long offset = 0;
        bool isDst = false;
        std::string abbreviation;
    };
    struct Change {
        int64_t at = 0;
        size_t clock = 0;
    };
    std::vector<Clock> clocks;
    std::vector<Change> changes;
};

namespace zone_file_detail {

inline uint64_t BigEndian(const std::string& bytes, size_t at, size_t size)
{
    uint64_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

inline int64_t Signed(uint64_t value, size_t size)
{
    const unsigned bits = static_cast<unsigned>(size * 8);
    if (bits < 64 && (value >> (bits - 1)) != 0)
        return static_cast<int64_t>(value) - (int64_t{1} << bits);
    return static_cast<int64_t>(value);
}

/// Reads one header and the data after it, with times of timeSize bytes,
/// from byte at. Returns what is wrong, or "" with *end just past the data.
inline std::string ReadBlock(const std::string& bytes, size_t at, size_t timeSize, char* version, ZoneFile* zone,
                             size_t* end)
{
    constexpr size_t kHeader = 44;
    if (bytes.size() < at + kHeader)
        return "a header is cut short at byte " + std::to_string(bytes.size());
    if (bytes.compare(at, 4, "TZif") != 0)
        return "no \"TZif\" at byte " + std::to_string(at);
    *version = bytes[at + 4];
    if (*version != '\0' && (*version < '2' || *version > '9'))
        return "an unknown version byte " + std::to_string(static_cast<unsigned char>(*version));
    // isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt.
    uint64_t count[6];
    for (size_t i = 0; i < 6; ++i)
        count[i] = BigEndian(bytes, at + 20 + 4 * i, 4);
    const uint64_t utCount = count[0], stdCount = count[1], leapCount = count[2], changeCount = count[3],
                   clockCount = count[4], charCount = count[5];
    if (clockCount == 0 || clockCount > 256 || charCount == 0 || (utCount != 0 && utCount != clockCount) ||
        (stdCount != 0 && stdCount != clockCount))
        return "the header's counts do not fit together";
    const uint64_t size = changeCount * (timeSize + 1) + clockCount * 6 + charCount + leapCount * (timeSize + 4) +
                          stdCount + utCount;
    if (bytes.size() - at - kHeader < size)
        return "the header counts " + std::to_string(size) + " bytes of data after byte " +
               std::to_string(at + kHeader) + ", the file has " + std::to_string(bytes.size() - at - kHeader);
    const size_t changeTimes = at + kHeader, changeClocks = changeTimes + changeCount * timeSize;
    const size_t clocks = changeClocks + changeCount, chars = clocks + clockCount * 6;
    if (bytes[chars + charCount - 1] != '\0')
        return "the abbreviations do not end in a null";
    zone->clocks.clear();
    for (size_t i = 0; i < clockCount; ++i) {
        const size_t c = clocks + 6 * i;
        ZoneFile::Clock clock;
        clock.offset = static_cast<long>(Signed(BigEndian(bytes, c, 4), 4));
        const unsigned char isDst = static_cast<unsigned char>(bytes[c + 4]);
        const unsigned char abbreviation = static_cast<unsigned char>(bytes[c + 5]);
        if (isDst > 1 || abbreviation >= charCount)
            return "clock " + std::to_string(i) + " is malformed";
        clock.isDst = isDst == 1;
        clock.abbreviation = bytes.c_str() + chars + abbreviation;
        zone->clocks.push_back(clock);
    }
    zone->changes.clear();
    for (size_t i = 0; i < changeCount; ++i) {
        ZoneFile::Change change;
        change.at = Signed(BigEndian(bytes, changeTimes + timeSize * i, timeSize), timeSize);
        change.clock = static_cast<unsigned char>(bytes[changeClocks + i]);
        if (change.clock >= clockCount || (i > 0 && change.at <= zone->changes.back().at))
            return "change " + std::to_string(i) + " is out of order or names no clock";
        zone->changes.push_back(change);
    }
    *end = at + kHeader + size;
    return "";
}

} // namespace zone_file_detail

/// Reads a compiled zone file whole: the header and data of the 32-bit part
/// and, from version 2 on, of the 64-bit part and the closing rule between
/// two newlines, each the size its header says and nothing after. Returns
/// what is wrong with it, or "".
inline std::string ReadZoneFile(const std::string& path, ZoneFile* zone)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return "is missing";
    if (!std::filesystem::is_regular_file(path, error))
        return "is not a file";
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail())
        return "cannot be read";
    if (bytes.empty())
        return "is empty";
    char version = 0;
    size_t end = 0;
    std::string wrong = zone_file_detail::ReadBlock(bytes, 0, 4, &version, zone, &end);
    if (wrong.empty() && version != '\0') {
        char again = 0;
        wrong = zone_file_detail::ReadBlock(bytes, end, 8, &again, zone, &end);
        if (wrong.empty() && again != version)
            wrong = "its two headers name different versions";
        if (wrong.empty() && (end + 2 > bytes.size() || bytes[end] != '\n' || bytes.back() != '\n' ||
                              bytes.find('\n', end + 1) != bytes.size() - 1))
            wrong = "the closing rule is not one line between two newlines at the end";
    } else if (wrong.empty() && end != bytes.size()) {
        wrong = "has " + std::to_string(bytes.size() - end) + " bytes after its data";
    }
    return wrong.empty() ? "" : "is damaged: " + wrong;
}

/// What the C library's zone, as the last tzset left it, says against a zone
/// file, or "" when it shows the file's clocks: both of its tzname among the
/// file's abbreviations, and at every change the file makes between years
/// 1800 and 2200 the file's offset, flag and abbreviation there.
inline std::string LibraryDisagreement(const ZoneFile& zone)
{
    const auto known = [&zone](const char* abbreviation) {
        for (const ZoneFile::Clock& c : zone.clocks)
            if (abbreviation != nullptr && c.abbreviation == abbreviation)
                return true;
        return false;
    };
    const auto shows = [](const std::tm& t) {
        return std::string(t.tm_zone != nullptr ? t.tm_zone : "(none)") + " at offset " +
               std::to_string(t.tm_gmtoff) + (t.tm_isdst > 0 ? " (summer)" : "");
    };
    for (const char* name : {tzname[0], tzname[1]})
        if (!known(name))
            return std::string("the C library's zone is named ") + (name != nullptr ? name : "(none)") +
                   ", which the file does not name";
    constexpr int64_t kFrom = -5364662400, kTo = 7258118400; // 1800 and 2200
    std::vector<ZoneFile::Change> checked;
    for (const ZoneFile::Change& c : zone.changes)
        if (c.at >= kFrom && c.at < kTo)
            checked.push_back(c);
    // A zone that never changes shows its first clock at all times.
    if (zone.changes.empty())
        checked.push_back(ZoneFile::Change{});
    for (const ZoneFile::Change& c : checked) {
        const std::time_t at = static_cast<std::time_t>(c.at);
        std::tm local{};
        if (localtime_r(&at, &local) == nullptr)
            return "the C library gives no local time at " + std::to_string(c.at);
        const ZoneFile::Clock& due = zone.clocks[c.clock];
        if (local.tm_gmtoff != due.offset || (local.tm_isdst > 0) != due.isDst || local.tm_zone == nullptr ||
            due.abbreviation != local.tm_zone)
            return "at " + std::to_string(c.at) + " the C library shows " + shows(local) + ", the file " +
                   due.abbreviation + " at offset " + std::to_string(due.offset) + (due.isDst ? " (summer)" : "");
    }
    return "";
}

/// "" when the C library, since the last tzset, shows the zone of the
/// compiled zone file that the TZ value tz names; else which file and what
/// is wrong.
inline std::string ZoneNotLoaded(const std::string& tz)
{
    const std::string path = ZoneFilePath(tz);
    ZoneFile zone;
    std::string wrong = ReadZoneFile(path, &zone);
    if (wrong.empty()) {
        wrong = LibraryDisagreement(zone);
        if (wrong.empty())
            return "";
        wrong = "disagrees with the C library: " + wrong;
    }
    std::tm epoch{};
    const std::time_t t = 0;
    localtime_r(&t, &epoch);
    return "zone " + tz + ": its file " + path + " " + wrong + " (the C library shows " +
           (tzname[0] != nullptr ? tzname[0] : "(none)") + " at offset " + std::to_string(epoch.tm_gmtoff) +
           " in 1970)";
}

} // namespace ov_test
