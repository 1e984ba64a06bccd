// Number patterns: up to three sections (positive;negative;zero) of digit
// placeholders "0" and "#", a decimal point ".", grouping ",", exponents
// "E+0" "E-0" "e+0" "e-0", quoted literals and verbatim characters. A pattern
// is parsed once; Format then writes values without further parsing.
#pragma once

#include "format/DecimalDigits.h"
#include "format/FormatSettings.h"
#include "format/TextWriter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vur {

class TNumberPattern {
public:
    // Raises EConvertError "Format string too long" for 225 characters or more.
    explicit TNumberPattern(std::string_view Pattern, const TFormatSettings& Settings = FormatSettings());

    std::string Format(double Value) const;

    // Whether Settings have the separators this pattern was parsed with, so
    // that parsing again would change nothing.
    bool ReadsSameAs(const TFormatSettings& Settings) const {
        return FDecimalSeparator == Settings.DecimalSeparatorChar &&
               FThousandSeparator == Settings.ThousandSeparatorChar;
    }

private:
    enum TItemKind : std::uint8_t { ikLiteral, ikDigit, ikDecimalPoint, ikExponent, ikComma };
    struct TItem {
        TItemKind Kind;
        // Literal: start in FLiterals; digit: placeholder number.
        int Index;
        int Length;
    };
    struct TSection {
        bool Empty = true;
        int FirstItem = 0;
        int EndItem = 0;
        int DigitCount = 0;
        // Placeholders before the decimal point.
        int IntPlaces = 0;
        // Digits always written before and after the decimal point.
        int MinInt = 0;
        int MinFrac = 0;
        bool Thousands = false;
        bool Scientific = false;
        char ExponentChar = 'E';
        bool ExponentSignAlways = false;
        int ExponentDigits = 1;
        int MaxLength = 0;
    };

    void ParseSection(std::string_view Text, TSection& Section);
    // Appends a literal, joined to the section's previous one when adjacent.
    void AddLiteral(std::string_view Text, int SectionStart);
    void ResolveCommas(TSection& Section);
    int SectionFor(int Sign) const;
    void WriteFixed(TTextWriter& Writer, const TSection& Section, const TDecimalDigits& Number) const;
    void WriteScientific(TTextWriter& Writer, const TSection& Section, const TDecimalDigits& Number) const;

    std::vector<TItem> FItems;
    std::string FLiterals;
    TSection FSections[3];
    char FDecimalSeparator;
    char FThousandSeparator;
};

// Parses Pattern and formats Value; callers formatting many values keep a
// TNumberPattern (or a TKeptPattern of one) instead.
std::string FormatNumberText(std::string_view Pattern, double Value, const TFormatSettings& Settings);
std::string FormatNumberText(std::string_view Pattern, double Value);

} // namespace vur
