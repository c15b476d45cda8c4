#include "files/zone_clock.h"

#include <algorithm>

#include "platform/local_zone.h"

LocalNow ZoneClockAt(std::time_t moment, int timeZone, bool dst)
{
    LocalNow now;
    const std::time_t clock = moment + (static_cast<std::time_t>(timeZone) + (dst ? 1 : 0)) * 3600;
    std::tm fields{};
    if (gmtime_r(&clock, &fields) == nullptr)
        return now;
    now.year = fields.tm_year + 1900;
    now.month = fields.tm_mon + 1;
    now.day = fields.tm_mday;
    now.hour = fields.tm_hour;
    now.minute = fields.tm_min;
    now.second = std::min(fields.tm_sec, 59);
    now.dst = dst;
    return now;
}

LocalNow MakeLocalNow(std::time_t moment)
{
    platform::ComputerZone zone;
    if (!platform::ReadComputerZone(moment, &zone))
        return LocalNow();
    return ZoneClockAt(moment, zone.zoneHours, zone.summer);
}
