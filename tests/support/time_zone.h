// The computer's time zone for the length of a test, and universal moments
// written as calendar fields.
#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

namespace ov_test {

/// Sets the C library's time zone (TZ) and restores the old one when it ends.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        const char* old = std::getenv("TZ");
        hadOld_ = old != nullptr;
        if (hadOld_)
            old_ = old;
        Set(zone);
    }
    ~ScopedTimeZone()
    {
        if (hadOld_)
            setenv("TZ", old_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

    /// Moves to another zone; the one before the scope still comes back.
    static void Set(const char* zone)
    {
        setenv("TZ", zone, 1);
        tzset();
    }

private:
    bool hadOld_ = false;
    std::string old_;
};

/// Seconds since 1970 of a universal date and time.
inline std::time_t Utc(int year, int month, int day, int hour = 0, int minute = 0)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return timegm(&t);
}

} // namespace ov_test
