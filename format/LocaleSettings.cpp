#include "format/LocaleSettings.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace vur {

namespace {
// Composite conversions may refer to each other ("%c" to "%r"); deeper ones are dropped.
constexpr int MaxExpandDepth = 3;

struct TField {
    char Conversion = '\0';
    bool NoPad = false;
    std::size_t End = 0;
};

// The field starting with the "%" at At: flags, width, E/O modifier, letter.
TField ReadField(std::string_view Format, std::size_t At) {
    TField Field;
    std::size_t I = At + 1;
    for (; I < Format.size() && Format[I] != '\0' && std::strchr("-_0^#", Format[I]); ++I)
        if (Format[I] == '-') Field.NoPad = true;
    while (I < Format.size() && std::isdigit(static_cast<unsigned char>(Format[I]))) ++I;
    if (I < Format.size() && (Format[I] == 'E' || Format[I] == 'O')) ++I;
    if (I < Format.size()) Field.Conversion = Format[I++];
    Field.End = I;
    return Field;
}

bool IsTimeConversion(char C) { return C != '\0' && std::strchr("HIklMSpPrRTXZzs", C) != nullptr; }

void Expand(std::string_view Format, const TStrftimeFormats& Formats, int Depth, std::string& Out) {
    std::size_t I = 0;
    while (I < Format.size()) {
        if (Format[I] != '%') {
            Out += Format[I++];
            continue;
        }
        const TField Field = ReadField(Format, I);
        const char* Composite = nullptr;
        switch (Field.Conversion) {
        case 'D':
            Composite = "%m/%d/%y";
            break;
        case 'F':
            Composite = "%Y-%m-%d";
            break;
        case 'T':
            Composite = "%H:%M:%S";
            break;
        case 'R':
            Composite = "%H:%M";
            break;
        case 'r':
            Composite = Formats.TimeAmPm.c_str();
            break;
        case 'x':
            Composite = Formats.Date.c_str();
            break;
        case 'X':
            Composite = Formats.Time.c_str();
            break;
        case 'c':
            Composite = Formats.DateTime.c_str();
            break;
        default:
            break;
        }
        if (!Composite)
            Out.append(Format.substr(I, Field.End - I));
        else if (Depth < MaxExpandDepth)
            Expand(Composite, Formats, Depth + 1, Out);
        I = Field.End;
    }
}

class TLocaleHandle {
public:
    explicit TLocaleHandle(const char* Name)
        : FLocale(newlocale(LC_ALL_MASK, Name, static_cast<locale_t>(0))) {}
    ~TLocaleHandle() {
        if (FLocale) freelocale(FLocale);
    }
    TLocaleHandle(const TLocaleHandle&) = delete;
    TLocaleHandle& operator=(const TLocaleHandle&) = delete;
    locale_t Get() const { return FLocale; }

private:
    locale_t FLocale;
};
} // namespace

std::string ToWindows1252(const char* Text, const char* Codeset) {
    std::string Result;
    if (!Text) return Result;
    const iconv_t Handle = iconv_open("WINDOWS-1252//TRANSLIT", Codeset ? Codeset : "");
    if (Handle == reinterpret_cast<iconv_t>(-1)) {
        for (const char* P = Text; *P; ++P) {
            if (static_cast<unsigned char>(*P) >= 0x80) return {};
            Result += *P;
        }
        return Result;
    }
    char* In = const_cast<char*>(Text);
    std::size_t InLeft = std::strlen(Text);
    char Buffer[256];
    bool Failed = false;
    while (InLeft > 0 && !Failed) {
        char* Out = Buffer;
        std::size_t OutLeft = sizeof Buffer;
        const std::size_t Done = iconv(Handle, &In, &InLeft, &Out, &OutLeft);
        Result.append(Buffer, static_cast<std::size_t>(Out - Buffer));
        Failed = Done == static_cast<std::size_t>(-1) && errno != E2BIG;
    }
    iconv_close(Handle);
    // Transliteration writes "?" for what it cannot show.
    const auto Questions = [](std::string_view View) { return std::count(View.begin(), View.end(), '?'); };
    if (Failed || Questions(Result) > Questions(Text)) return {};
    return Result;
}

std::string ExpandStrftime(std::string_view Format, const TStrftimeFormats& Formats) {
    std::string Out;
    Expand(Format, Formats, 0, Out);
    return Out;
}

char SeparatorOfStrftime(std::string_view Format) {
    bool SeenField = false;
    std::size_t I = 0;
    while (I < Format.size()) {
        if (Format[I] == '%') {
            I = ReadField(Format, I).End;
            SeenField = true;
            continue;
        }
        const auto C = static_cast<unsigned char>(Format[I++]);
        if (SeenField && C < 0x80 && std::ispunct(C)) return static_cast<char>(C);
    }
    return '\0';
}

std::string PatternFromStrftime(std::string_view Format, char DateSeparator, char TimeSeparator,
                                bool LongNames) {
    std::string Out;
    bool Quoted = false;
    const auto CloseQuote = [&] {
        if (Quoted) Out += '"';
        Quoted = false;
    };
    const auto PutToken = [&](const char* Token) {
        CloseQuote();
        // Keep neighbouring tokens of the same letter apart ("%d%a" is not "ddddd").
        if (!Out.empty() && Out.back() == Token[0]) Out += "''";
        Out += Token;
    };
    const auto PutLiteral = [&](char C) {
        if (C == DateSeparator || C == TimeSeparator) {
            CloseQuote();
            Out += C == DateSeparator ? '/' : ':';
        } else if (C == '"') {
            CloseQuote();
            Out += "'\"'";
        } else if (std::isalpha(static_cast<unsigned char>(C)) || C == '/' || C == ':' || C == '\'') {
            if (!Quoted) Out += '"';
            Quoted = true;
            Out += C;
        } else {
            CloseQuote();
            Out += C;
        }
    };
    std::size_t I = 0;
    while (I < Format.size()) {
        if (Format[I] != '%') {
            PutLiteral(Format[I++]);
            continue;
        }
        const TField Field = ReadField(Format, I);
        I = Field.End;
        switch (Field.Conversion) {
        case 'a':
            PutToken(LongNames ? "dddd" : "ddd");
            break;
        case 'A':
            PutToken("dddd");
            break;
        case 'b':
        case 'h':
            PutToken(LongNames ? "mmmm" : "mmm");
            break;
        case 'B':
            PutToken("mmmm");
            break;
        case 'd':
            PutToken(Field.NoPad ? "d" : "dd");
            break;
        case 'e':
            PutToken("d");
            break;
        case 'm':
            PutToken(Field.NoPad ? "m" : "mm");
            break;
        case 'y':
            PutToken("yy");
            break;
        case 'Y':
            PutToken("yyyy");
            break;
        case 'H':
        case 'I':
            PutToken(Field.NoPad ? "h" : "hh");
            break;
        case 'k':
        case 'l':
            PutToken("h");
            break;
        case 'M':
            PutToken(Field.NoPad ? "n" : "nn");
            break;
        case 'S':
            PutToken(Field.NoPad ? "s" : "ss");
            break;
        case 'p':
        case 'P':
            PutToken("AMPM");
            break;
        case 'n':
        case 't':
            PutLiteral(' ');
            break;
        case '%':
            PutLiteral('%');
            break;
        default:
            break; // fields the pattern language has no token for
        }
    }
    CloseQuote();
    return Out;
}

std::string DatePartOfStrftime(std::string_view Format) {
    std::string Out;
    std::size_t I = 0;
    while (I < Format.size()) {
        if (std::isspace(static_cast<unsigned char>(Format[I]))) {
            ++I;
            continue;
        }
        const std::size_t Begin = I;
        bool HasTime = false;
        while (I < Format.size() && !std::isspace(static_cast<unsigned char>(Format[I]))) {
            if (Format[I] != '%') {
                ++I;
                continue;
            }
            const TField Field = ReadField(Format, I);
            HasTime = HasTime || IsTimeConversion(Field.Conversion);
            I = Field.End;
        }
        if (HasTime) continue;
        if (!Out.empty()) Out += ' ';
        Out.append(Format.substr(Begin, I - Begin));
    }
    return Out;
}

char ChooseThousandSeparator(const std::string& Converted, bool LocaleHasOne, char Decimal) {
    char Separator = TFormatSettings().ThousandSeparatorChar;
    if (Converted.size() == 1)
        Separator = Converted[0];
    else if (LocaleHasOne)
        Separator = ' ';
    return Separator == Decimal ? '\0' : Separator;
}

TClockStyle ClockStyleOfStrftime(std::string_view Format) {
    TClockStyle Style;
    bool SeenMarker = false;
    std::size_t I = 0;
    while (I < Format.size()) {
        if (Format[I] != '%') {
            ++I;
            continue;
        }
        const TField Field = ReadField(Format, I);
        I = Field.End;
        const char C = Field.Conversion;
        if (C == 'p' || C == 'P') SeenMarker = true;
        if (C == 'H' || C == 'I' || C == 'k' || C == 'l') {
            Style.TwelveHour = C == 'I' || C == 'l';
            Style.LeadingZero = (C == 'H' || C == 'I') && !Field.NoPad;
            Style.MarkerFirst = SeenMarker;
            return Style;
        }
    }
    return Style;
}

TFormatSettings ReadLocaleFormatSettings(const char* LocaleName) {
    TFormatSettings Settings;
    const TLocaleHandle Locale(LocaleName);
    if (!Locale.Get()) return Settings;
    const std::string Codeset = nl_langinfo_l(CODESET, Locale.Get());
    const auto Item = [&](nl_item Which) {
        return ToWindows1252(nl_langinfo_l(Which, Locale.Get()), Codeset.c_str());
    };
    const auto SetText = [](std::string& Target, std::string Text) {
        if (!Text.empty()) Target = std::move(Text);
    };
    const auto SetChar = [](char& Target, const std::string& Text) {
        if (Text.size() == 1) Target = Text[0];
    };

    SetChar(Settings.DecimalSeparatorChar, Item(RADIXCHAR));
    const char* Thousands = nl_langinfo_l(THOUSEP, Locale.Get());
    Settings.ThousandSeparatorChar = ChooseThousandSeparator(
        Item(THOUSEP), Thousands != nullptr && *Thousands != '\0', Settings.DecimalSeparatorChar);
    SetText(Settings.TimeAMText, Item(AM_STR));
    SetText(Settings.TimePMText, Item(PM_STR));
    for (int I = 0; I < 12; ++I) {
        SetText(Settings.ShortMonthNameList[I], Item(ABMON_1 + I));
        SetText(Settings.LongMonthNameList[I], Item(MON_1 + I));
    }
    for (int I = 0; I < 7; ++I) {
        SetText(Settings.ShortDayNameList[I], Item(ABDAY_1 + I));
        SetText(Settings.LongDayNameList[I], Item(DAY_1 + I));
    }

    const std::string DateFormat = Item(D_FMT);
    const std::string TimeFormat = Item(T_FMT);
    const std::string DateTimeFormat = Item(D_T_FMT);
    TStrftimeFormats Formats;
    SetText(Formats.Date, DateFormat);
    SetText(Formats.Time, TimeFormat);
    SetText(Formats.TimeAmPm, Item(T_FMT_AMPM));
    SetText(Formats.DateTime, DateTimeFormat);
    const auto DatePattern = [&](std::string_view Format, bool LongNames) {
        // A format without any field is no date format.
        if (Format.find('%') == std::string_view::npos) return std::string();
        return PatternFromStrftime(Format, Settings.DateSeparatorChar, '\0', LongNames);
    };
    if (!DateFormat.empty()) {
        const std::string Date = ExpandStrftime(DateFormat, Formats);
        if (const char Separator = SeparatorOfStrftime(Date)) Settings.DateSeparatorChar = Separator;
        SetText(Settings.ShortDatePattern, DatePattern(Date, false));
    }
    if (!DateTimeFormat.empty())
        SetText(Settings.LongDatePattern,
                DatePattern(DatePartOfStrftime(ExpandStrftime(DateTimeFormat, Formats)), true));
    if (!TimeFormat.empty()) {
        const std::string Time = ExpandStrftime(TimeFormat, Formats);
        if (const char Separator = SeparatorOfStrftime(Time)) Settings.TimeSeparatorChar = Separator;
        Settings.SetClockStyle(ClockStyleOfStrftime(Time));
    }
    return Settings;
}

void LoadLocaleFormatSettings() { FormatSettings() = ReadLocaleFormatSettings(""); }

} // namespace vur
