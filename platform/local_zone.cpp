#include "platform/local_zone.h"

#include <ctime>

namespace platform {

bool LocalZoneAt(int64_t utcSeconds, long* offsetSeconds, int* isDst)
{
    const std::time_t t = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr)
        return false;
    *offsetSeconds = local.tm_gmtoff;
    *isDst = local.tm_isdst;
    return true;
}

} // namespace platform
