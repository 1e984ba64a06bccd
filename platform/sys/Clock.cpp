#include "platform/sys/Clock.h"

#include <chrono>
#include <ctime>

namespace vur::sys {

namespace {

constexpr std::int64_t MsPerDay = 86400000;

std::int64_t FloorDiv(std::int64_t A, std::int64_t B) {
    const std::int64_t Q = A / B;
    return (A % B != 0 && (A < 0) != (B < 0)) ? Q - 1 : Q;
}

SystemClock TheSystemClock;
Clock* Installed = nullptr;

} // namespace

std::int64_t ToUnixMilliseconds(const SystemTime& Time) {
    using namespace std::chrono;
    const year_month_day Date{year{Time.Year}, month{static_cast<unsigned>(Time.Month)},
                              day{static_cast<unsigned>(Time.Day)}};
    const std::int64_t Days = sys_days{Date}.time_since_epoch().count();
    return Days * MsPerDay + ((Time.Hour * 60 + Time.Minute) * 60 + Time.Second) * 1000LL + Time.Milliseconds;
}

SystemTime FromUnixMilliseconds(std::int64_t Milliseconds) {
    using namespace std::chrono;
    const std::int64_t Days = FloorDiv(Milliseconds, MsPerDay);
    std::int64_t Rest = Milliseconds - Days * MsPerDay;
    const sys_days DayPoint{days{Days}};
    const year_month_day Date{DayPoint};
    SystemTime T;
    T.Year = static_cast<int>(Date.year());
    T.Month = static_cast<int>(static_cast<unsigned>(Date.month()));
    T.Day = static_cast<int>(static_cast<unsigned>(Date.day()));
    T.DayOfWeek = static_cast<int>(weekday{DayPoint}.c_encoding());
    T.Milliseconds = static_cast<int>(Rest % 1000);
    Rest /= 1000;
    T.Second = static_cast<int>(Rest % 60);
    Rest /= 60;
    T.Minute = static_cast<int>(Rest % 60);
    T.Hour = static_cast<int>(Rest / 60);
    return T;
}

SystemTime SystemClock::UtcTime() const {
    using namespace std::chrono;
    const auto Now = time_point_cast<milliseconds>(system_clock::now());
    return FromUnixMilliseconds(Now.time_since_epoch().count());
}

SystemTime SystemClock::LocalTime() const {
    using namespace std::chrono;
    const auto Now = time_point_cast<milliseconds>(system_clock::now());
    const std::int64_t Ms = Now.time_since_epoch().count();
    const std::time_t Seconds = static_cast<std::time_t>(FloorDiv(Ms, 1000));
    std::tm Local{};
    localtime_r(&Seconds, &Local);
    SystemTime T;
    T.Year = Local.tm_year + 1900;
    T.Month = Local.tm_mon + 1;
    T.Day = Local.tm_mday;
    T.DayOfWeek = Local.tm_wday;
    T.Hour = Local.tm_hour;
    T.Minute = Local.tm_min;
    // A leap second shows as 60 in tm; the calendar here has none.
    T.Second = Local.tm_sec > 59 ? 59 : Local.tm_sec;
    T.Milliseconds = static_cast<int>(Ms - FloorDiv(Ms, 1000) * 1000);
    return T;
}

Clock& CurrentClock() { return Installed != nullptr ? *Installed : TheSystemClock; }

Clock* SetCurrentClock(Clock* Replacement) {
    Clock* Previous = Installed;
    Installed = Replacement;
    return Previous;
}

} // namespace vur::sys
