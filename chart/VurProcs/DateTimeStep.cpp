#include "chart/VurProcs/DateTimeStep.h"

#include <cmath>
#include <cstdint>

namespace vur {

const std::array<double, 28> DateTimeStep = {1.0 / 86400000000.0,
                                             1.0 / 86400000.0,
                                             1.0 / 86400.0,
                                             5.0 / 86400.0,
                                             10.0 / 86400.0,
                                             15.0 / 86400.0,
                                             30.0 / 86400.0,
                                             1.0 / 1440.0,
                                             5.0 / 1440.0,
                                             10.0 / 1440.0,
                                             15.0 / 1440.0,
                                             30.0 / 1440.0,
                                             1.0 / 24.0,
                                             2.0 / 24.0,
                                             0.25,
                                             0.5,
                                             1,
                                             2,
                                             3,
                                             7,
                                             15,
                                             30,
                                             60,
                                             90,
                                             120,
                                             182,
                                             365,
                                             1};

namespace {

struct TCivilDate {
    std::int64_t Year;
    int Month;
    int Day;
};

// Day 0 of TDateTime (30 December 1899) counted from 1 January 1970.
constexpr std::int64_t UnixShift = 25569;

// The proleptic Gregorian calendar through 400-year eras starting on 1 March.
TCivilDate CivilFromDays(std::int64_t Days) {
    const std::int64_t Z = Days - UnixShift + 719468;
    const std::int64_t Era = (Z >= 0 ? Z : Z - 146096) / 146097;
    const std::int64_t DayOfEra = Z - Era * 146097;
    const std::int64_t YearOfEra = (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
    const std::int64_t DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
    const std::int64_t MonthIndex = (5 * DayOfYear + 2) / 153;
    const int Day = static_cast<int>(DayOfYear - (153 * MonthIndex + 2) / 5 + 1);
    const int Month = static_cast<int>(MonthIndex < 10 ? MonthIndex + 3 : MonthIndex - 9);
    return {YearOfEra + Era * 400 + (Month <= 2 ? 1 : 0), Month, Day};
}

std::int64_t DaysFromCivil(const TCivilDate& Date) {
    const std::int64_t Y = Date.Year - (Date.Month <= 2 ? 1 : 0);
    const std::int64_t Era = (Y >= 0 ? Y : Y - 399) / 400;
    const std::int64_t YearOfEra = Y - Era * 400;
    const std::int64_t MonthIndex = Date.Month > 2 ? Date.Month - 3 : Date.Month + 9;
    const std::int64_t DayOfYear = (153 * MonthIndex + 2) / 5 + Date.Day - 1;
    const std::int64_t DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
    return Era * 146097 + DayOfEra - 719468 + UnixShift;
}

int DaysInMonth(std::int64_t Year, int Month) {
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool Leap = (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
    return Month == 2 && Leap ? 29 : Days[Month - 1];
}

// Beyond this many days from 1899 the calendar steps fall back to plain arithmetic.
constexpr double CalendarLimit = 1e8;

bool HasCalendar(double Value) { return std::isfinite(Value) && std::fabs(Value) < CalendarLimit; }

TCivilDate DatePart(double Value) { return CivilFromDays(static_cast<std::int64_t>(std::trunc(Value))); }

double Join(const TCivilDate& Date) { return static_cast<double>(DaysFromCivil(Date)); }

void MoveMonths(TCivilDate& Date, int Months, bool Forwards) {
    if (Forwards) {
        Date.Month += Months;
        if (Date.Month > 12) {
            Date.Month -= 12;
            ++Date.Year;
        }
    } else if (Date.Month > Months) {
        Date.Month -= Months;
    } else {
        --Date.Year;
        Date.Month = 12 - (Months - Date.Month);
    }
    Date.Day = 1;
}

} // namespace

double NextDateTimeStep(double Value) {
    for (int Step = dtSixMonths; Step >= dtOneMicroSecond; --Step)
        if (DateTimeStep[static_cast<std::size_t>(Step)] <= Value)
            return DateTimeStep[static_cast<std::size_t>(Step + 1)];
    return DateTimeStep[dtOneYear];
}

TDateTimeStep FindDateTimeStep(double Value) {
    for (int Step = dtOneYear; Step >= dtOneMicroSecond; --Step)
        if (std::fabs(DateTimeStep[static_cast<std::size_t>(Step)] - Value) < DateTimeStep[dtOneMicroSecond])
            return static_cast<TDateTimeStep>(Step);
    return dtNone;
}

TDateTime VurRoundDate(TDateTime Value, TDateTimeStep Step) {
    if (!(Value > 0) || !HasCalendar(Value)) return Value;
    TCivilDate Date = DatePart(Value);
    switch (Step) {
    case dtHalfMonth:
        Date.Day = Date.Day < 15 ? 1 : 15;
        break;
    case dtOneMonth:
    case dtTwoMonths:
    case dtThreeMonths:
    case dtFourMonths:
    case dtSixMonths:
        Date.Day = 1;
        break;
    case dtOneYear:
        Date.Day = 1;
        Date.Month = 1;
        break;
    default:
        break;
    }
    return Join(Date);
}

void VurDateTimeIncrement(bool IsDateTime, bool Increment, double& Value, double AIncrement,
                          TDateTimeStep Step) {
    const bool Calendar = Step >= dtHalfMonth && Step <= dtOneYear;
    if (!IsDateTime || !Calendar || !HasCalendar(Value)) {
        Value = Increment ? Value + AIncrement : Value - AIncrement;
        return;
    }
    TCivilDate Date = DatePart(Value);
    switch (Step) {
    case dtHalfMonth:
        if (Increment) {
            // Forwards the 15th follows anything before it, the next 1st the rest.
            if (Date.Day < 15)
                Date.Day = 15;
            else
                MoveMonths(Date, 1, true);
        } else if (Date.Day > 15) {
            Date.Day = 15;
        } else if (Date.Day > 1) {
            Date.Day = 1;
        } else {
            MoveMonths(Date, 1, false);
            Date.Day = 15;
        }
        break;
    case dtOneMonth:
        MoveMonths(Date, 1, Increment);
        break;
    case dtTwoMonths:
        MoveMonths(Date, 2, Increment);
        break;
    case dtThreeMonths:
        MoveMonths(Date, 3, Increment);
        break;
    case dtFourMonths:
        MoveMonths(Date, 4, Increment);
        break;
    case dtSixMonths:
        MoveMonths(Date, 6, Increment);
        break;
    default:
        Date.Year += Increment ? 1 : -1;
        // 29 February of a year that has none becomes the 28th.
        if (Date.Day > DaysInMonth(Date.Year, Date.Month)) Date.Day = DaysInMonth(Date.Year, Date.Month);
        break;
    }
    Value = Join(Date);
}

} // namespace vur
