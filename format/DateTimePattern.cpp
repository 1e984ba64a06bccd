#include "format/DateTimePattern.h"

#include "format/GeneralNumber.h"
#include "format/TextWriter.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>

namespace vur {

namespace {
constexpr int MaxDepth = 2;
constexpr std::int64_t MsPerDay = 86400000;
// 1 January 1 and 31 December 9999 in days since 30 December 1899.
constexpr std::int64_t FirstDay = -693593;
constexpr std::int64_t LastDay = 2958465;

bool IsQuote(char C) { return C == '\'' || C == '"'; }
char Lower(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; }
// ASCII only, whatever the process locale says about other bytes.
bool IsLetter(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }

bool StartsWithNoCase(std::string_view Text, std::size_t At, std::string_view Word) {
    if (Text.size() - At < Word.size()) return false;
    for (std::size_t I = 0; I < Word.size(); ++I)
        if (Lower(Text[At + I]) != Word[I]) return false;
    return true;
}

bool IsMarkerAt(std::string_view Pattern, std::size_t At) {
    return StartsWithNoCase(Pattern, At, "am/pm") || StartsWithNoCase(Pattern, At, "a/p") ||
           StartsWithNoCase(Pattern, At, "ampm");
}

// An hour token shows the 12-hour clock when an am/pm marker comes before the
// next "a" or "h" outside quotes.
bool MarkerFollows(std::string_view Pattern, std::size_t From) {
    for (std::size_t I = From; I < Pattern.size(); ++I) {
        const char C = Pattern[I];
        if (IsQuote(C)) {
            I = Pattern.find(C, I + 1);
            if (I == std::string_view::npos) return false;
        } else if (Lower(C) == 'a') {
            return IsMarkerAt(Pattern, I);
        } else if (Lower(C) == 'h') {
            return false;
        }
    }
    return false;
}

std::size_t LongestName(const auto& Names) {
    std::size_t Longest = 0;
    for (const std::string& Name : Names) Longest = std::max(Longest, Name.size());
    return Longest;
}

struct TCivilDate {
    std::int64_t Year;
    int Month;
    int Day;
};

// Proleptic Gregorian date of a day count since 1 January 1970.
TCivilDate CivilFromDays(std::int64_t Days) {
    Days += 719468;
    const std::int64_t Era = (Days >= 0 ? Days : Days - 146096) / 146097;
    const std::int64_t DayOfEra = Days - Era * 146097;
    const std::int64_t YearOfEra = (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
    const std::int64_t DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
    const std::int64_t MonthIndex = (5 * DayOfYear + 2) / 153;
    const int Day = static_cast<int>(DayOfYear - (153 * MonthIndex + 2) / 5 + 1);
    const int Month = static_cast<int>(MonthIndex < 10 ? MonthIndex + 3 : MonthIndex - 9);
    return {YearOfEra + Era * 400 + (Month <= 2 ? 1 : 0), Month, Day};
}

} // namespace

TDateTimePattern::TDateTimePattern(std::string_view Pattern, const TFormatSettings& Settings)
    : FSettings(Settings) {
    Parse(Pattern.empty() ? std::string_view("c") : Pattern, 1);
    for (const TToken& Token : FTokens) FMaxLength += static_cast<std::size_t>(TokenMaxLength(Token));
}

void TDateTimePattern::AddLiteral(std::string_view Text) {
    if (Text.empty()) return;
    const int Start = static_cast<int>(FLiterals.size());
    FLiterals.append(Text);
    if (FTokens.size() > FJoinFloor && FTokens.back().Kind == tkLiteral &&
        FTokens.back().Start + FTokens.back().Length == Start) {
        FTokens.back().Length += static_cast<int>(Text.size());
        return;
    }
    FTokens.push_back({tkLiteral, 0, false, Start, static_cast<int>(Text.size())});
}

void TDateTimePattern::AddName(TTokenKind Kind, std::uint8_t Width) {
    FTokens.push_back({Kind, Width});
    if (Kind == tkDayName)
        FReads |= Width == 3 ? srShortDayNames : srLongDayNames;
    else
        FReads |= Width == 3 ? srShortMonthNames : srLongMonthNames;
}

void TDateTimePattern::AddAmPm(std::string_view Am, std::string_view Pm) {
    TToken Token{tkAmPm};
    Token.Start = static_cast<int>(FLiterals.size());
    Token.Length = static_cast<int>(Am.size());
    FLiterals.append(Am);
    Token.Start2 = static_cast<int>(FLiterals.size());
    Token.Length2 = static_cast<int>(Pm.size());
    FLiterals.append(Pm);
    FTokens.push_back(Token);
}

void TDateTimePattern::Parse(std::string_view Pattern, int Depth) {
    const TFormatSettings& Settings = FSettings;
    // Nested patterns deeper than this write nothing, which ends any cycle.
    const bool CanNest = Depth < MaxDepth;
    const auto Nest = [&](const std::string& Nested, TSettingsRead Read) {
        if (!CanNest) return;
        FReads |= Read;
        Parse(Nested, Depth + 1);
    };
    char LastLetter = '\0';
    bool MarkerWritten = false;
    std::size_t I = 0;
    while (I < Pattern.size()) {
        const char C = Pattern[I];
        if (IsQuote(C)) {
            const std::size_t Close = std::min(Pattern.find(C, I + 1), Pattern.size());
            AddLiteral(Pattern.substr(I + 1, Close - I - 1));
            I = Close + 1;
            continue;
        }
        if (!IsLetter(C)) {
            if (C == '/' || C == ':') {
                const char Separator = C == '/' ? Settings.DateSeparatorChar : Settings.TimeSeparatorChar;
                FReads |= C == '/' ? srDateSeparator : srTimeSeparator;
                if (Separator != '\0') AddLiteral(std::string_view(&Separator, 1));
            } else {
                AddLiteral(Pattern.substr(I, 1));
            }
            ++I;
            continue;
        }
        const char Letter = Lower(C);
        if (Letter == 'a' && IsMarkerAt(Pattern, I)) {
            if (StartsWithNoCase(Pattern, I, "am/pm")) {
                AddAmPm(Pattern.substr(I, 2), Pattern.substr(I + 3, 2));
                I += 5;
            } else if (StartsWithNoCase(Pattern, I, "a/p")) {
                AddAmPm(Pattern.substr(I, 1), Pattern.substr(I + 2, 1));
                I += 3;
            } else {
                AddAmPm(Settings.TimeAMText, Settings.TimePMText);
                FReads |= srAmPmText;
                I += 4;
            }
            MarkerWritten = true;
            LastLetter = 'a';
            continue;
        }
        std::size_t Run = 1;
        while (I + Run < Pattern.size() && Pattern[I + Run] == C) ++Run;
        const auto Width = static_cast<std::uint8_t>(std::min<std::size_t>(Run, 4));
        switch (Letter) {
        case 'c': {
            if (!CanNest) break;
            Nest(Settings.ShortDatePattern, srShortDate);
            const std::size_t Group = FTokens.size();
            FTokens.push_back({tkTimeGroup});
            AddLiteral(" ");
            Nest(Settings.LongTimePattern, srLongTime);
            FTokens[Group].Length = static_cast<int>(FTokens.size() - Group - 1);
            FJoinFloor = FTokens.size();
            break;
        }
        case 'd':
            if (Run <= 2)
                FTokens.push_back({tkDay, Width});
            else if (Run <= 4)
                AddName(tkDayName, Width);
            else if (Run == 5)
                Nest(Settings.ShortDatePattern, srShortDate);
            else
                Nest(Settings.LongDatePattern, srLongDate);
            break;
        case 'm':
            if (LastLetter == 'h' && Run <= 2)
                FTokens.push_back({tkMinute, Width});
            else if (Run <= 2)
                FTokens.push_back({tkMonth, Width});
            else
                AddName(tkMonthName, Width);
            break;
        case 'y':
            FTokens.push_back({tkYear, static_cast<std::uint8_t>(Run <= 2 ? 2 : 4)});
            break;
        case 'h': {
            TToken Token{tkHour, std::min<std::uint8_t>(Width, 2)};
            Token.TwelveHour = MarkerWritten || MarkerFollows(Pattern, I + Run);
            FTokens.push_back(Token);
            break;
        }
        case 'n':
            FTokens.push_back({tkMinute, std::min<std::uint8_t>(Width, 2)});
            break;
        case 's':
            FTokens.push_back({tkSecond, std::min<std::uint8_t>(Width, 2)});
            break;
        case 'z':
            FTokens.push_back({tkMillisecond, std::min<std::uint8_t>(Width, 3)});
            break;
        case 't':
            if (Run == 1)
                Nest(Settings.ShortTimePattern, srShortTime);
            else
                Nest(Settings.LongTimePattern, srLongTime);
            break;
        case 'a':
            if (Run >= 3)
                AddName(tkDayName, Width);
            else
                AddLiteral(Pattern.substr(I, Run));
            break;
        default:
            AddLiteral(Pattern.substr(I, Run));
            break;
        }
        LastLetter = Letter;
        I += Run;
    }
}

int TDateTimePattern::TokenMaxLength(const TToken& Token) const {
    switch (Token.Kind) {
    case tkLiteral:
        return Token.Length;
    case tkDayName:
        return static_cast<int>(
            LongestName(Token.Width == 3 ? FSettings.ShortDayNameList : FSettings.LongDayNameList));
    case tkMonthName:
        return static_cast<int>(
            LongestName(Token.Width == 3 ? FSettings.ShortMonthNameList : FSettings.LongMonthNameList));
    case tkAmPm:
        return std::max(Token.Length, Token.Length2);
    case tkTimeGroup:
        return 0;
    default:
        return 4;
    }
}

std::string TDateTimePattern::Format(TDateTime Value) const {
    if (!(Value >= static_cast<double>(FirstDay - 1) && Value <= static_cast<double>(LastDay + 1)))
        return GeneralNumberText(Value, FSettings.DecimalSeparatorChar);
    // Before 30 December 1899 the day number is negative and the time of day
    // still counts forward from midnight: -1.25 is 29 December, 06:00.
    const std::int64_t Ms = Round64(std::fabs(Value) * static_cast<double>(MsPerDay));
    const std::int64_t Days = Value < 0 ? -(Ms / MsPerDay) : Ms / MsPerDay;
    if (Days < FirstDay || Days > LastDay) return GeneralNumberText(Value, FSettings.DecimalSeparatorChar);
    const auto Time = static_cast<int>(Ms % MsPerDay);
    const int Hour = Time / 3600000;
    const int Minute = Time / 60000 % 60;
    const int Second = Time / 1000 % 60;
    const int Millisecond = Time % 1000;
    // 30 December 1899 is 25569 days before 1 January 1970, and a Saturday.
    const TCivilDate Date = CivilFromDays(Days - 25569);
    const int DayOfWeek = static_cast<int>(((Days % 7 + 7) % 7 + 6) % 7);

    return WriteBoundedText(FMaxLength, [&](TTextWriter& Writer) {
        const std::string_view Literals(FLiterals);
        for (std::size_t K = 0; K < FTokens.size(); ++K) {
            const TToken& Token = FTokens[K];
            switch (Token.Kind) {
            case tkLiteral:
                Writer.Put(Literals.substr(Token.Start, Token.Length));
                break;
            case tkDay:
                Writer.PutNumber(Date.Day, Token.Width);
                break;
            case tkDayName:
                Writer.Put(Token.Width == 3 ? FSettings.ShortDayNameList[DayOfWeek]
                                            : FSettings.LongDayNameList[DayOfWeek]);
                break;
            case tkMonth:
                Writer.PutNumber(Date.Month, Token.Width);
                break;
            case tkMonthName:
                Writer.Put(Token.Width == 3 ? FSettings.ShortMonthNameList[Date.Month - 1]
                                            : FSettings.LongMonthNameList[Date.Month - 1]);
                break;
            case tkYear:
                Writer.PutNumber(Token.Width == 2 ? Date.Year % 100 : Date.Year, Token.Width);
                break;
            case tkHour:
                Writer.PutNumber(Token.TwelveHour ? (Hour % 12 == 0 ? 12 : Hour % 12) : Hour, Token.Width);
                break;
            case tkMinute:
                Writer.PutNumber(Minute, Token.Width);
                break;
            case tkSecond:
                Writer.PutNumber(Second, Token.Width);
                break;
            case tkMillisecond:
                Writer.PutNumber(Millisecond, Token.Width);
                break;
            case tkAmPm:
                Writer.Put(Hour < 12 ? Literals.substr(Token.Start, Token.Length)
                                     : Literals.substr(Token.Start2, Token.Length2));
                break;
            case tkTimeGroup:
                if (Hour == 0 && Minute == 0 && Second == 0) K += static_cast<std::size_t>(Token.Length);
                break;
            }
        }
    });
}

bool TDateTimePattern::ReadsSameAs(const TFormatSettings& Settings) const {
    const TFormatSettings& Own = FSettings;
    const auto Same = [this](std::uint16_t Read, const auto& A, const auto& B) {
        return !(FReads & Read) || A == B;
    };
    return Own.DecimalSeparatorChar == Settings.DecimalSeparatorChar &&
           Same(srDateSeparator, Own.DateSeparatorChar, Settings.DateSeparatorChar) &&
           Same(srTimeSeparator, Own.TimeSeparatorChar, Settings.TimeSeparatorChar) &&
           Same(srAmPmText, Own.TimeAMText, Settings.TimeAMText) &&
           Same(srAmPmText, Own.TimePMText, Settings.TimePMText) &&
           Same(srShortDayNames, Own.ShortDayNameList, Settings.ShortDayNameList) &&
           Same(srLongDayNames, Own.LongDayNameList, Settings.LongDayNameList) &&
           Same(srShortMonthNames, Own.ShortMonthNameList, Settings.ShortMonthNameList) &&
           Same(srLongMonthNames, Own.LongMonthNameList, Settings.LongMonthNameList) &&
           Same(srShortDate, Own.ShortDatePattern, Settings.ShortDatePattern) &&
           Same(srLongDate, Own.LongDatePattern, Settings.LongDatePattern) &&
           Same(srShortTime, Own.ShortTimePattern, Settings.ShortTimePattern) &&
           Same(srLongTime, Own.LongTimePattern, Settings.LongTimePattern);
}

std::string FormatDateTimeText(std::string_view Pattern, TDateTime Value, const TFormatSettings& Settings) {
    return TDateTimePattern(Pattern, Settings).Format(Value);
}

std::string FormatDateTimeText(std::string_view Pattern, TDateTime Value) {
    return FormatDateTimeText(Pattern, Value, FormatSettings());
}

std::string DateTimeDefaultFormat(double Span, const TFormatSettings& Settings) {
    return Span > 1 ? Settings.ShortDatePattern : Settings.ShortTimePattern;
}

std::string DateTimeDefaultFormat(double Span) { return DateTimeDefaultFormat(Span, FormatSettings()); }

} // namespace vur
