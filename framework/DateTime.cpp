#include "framework/DateTime.h"

#include "framework/Exceptions.h"

namespace vur {

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

TDateTime EncodeDate(int Year, int Month, int Day) {
    static constexpr int DaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool Valid = Year >= 1 && Year <= 9999 && Month >= 1 && Month <= 12 && Day >= 1 &&
                       Day <= DaysInMonth[Month - 1] + (Month == 2 && IsLeapYear(Year) ? 1 : 0);
    if (!Valid) throw EConvertError("Invalid argument to date encode");
    long long Days = Day;
    for (int M = 1; M < Month; ++M) Days += DaysInMonth[M - 1] + (M == 2 && IsLeapYear(Year) ? 1 : 0);
    const long long Y = Year - 1;
    Days += Y * 365 + Y / 4 - Y / 100 + Y / 400;
    // Day 1 of year 1 is 693594 days before 30 December 1899.
    return static_cast<TDateTime>(Days - 693594);
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999)
        throw EConvertError("Invalid argument to time encode");
    return (((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / MSecsPerDay;
}

TDateTime SystemTimeToDateTime(const sys::SystemTime& Time) {
    const TDateTime Date = EncodeDate(Time.Year, Time.Month, Time.Day);
    const TDateTime Of = EncodeTime(Time.Hour, Time.Minute, Time.Second, Time.Milliseconds);
    return Date >= 0 ? Date + Of : Date - Of;
}

TDateTime CurrentLocalDateTime() { return SystemTimeToDateTime(sys::CurrentClock().LocalTime()); }

} // namespace vur
