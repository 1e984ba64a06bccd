#include "format/NumberPattern.h"

#include "format/GeneralNumber.h"

#include <algorithm>
#include <cmath>

namespace vur {

namespace {
constexpr std::size_t MaxPatternLength = 224;
// Integer digits a fixed-point text may hold before the general text takes over.
constexpr int MaxIntegerDigits = 18;
constexpr int MaxExponentDigits = 4;

bool IsQuote(char C) { return C == '\'' || C == '"'; }

// The end of the section starting at Begin: the next ";" outside quotes.
std::size_t SectionEnd(std::string_view Pattern, std::size_t Begin) {
    for (std::size_t I = Begin; I < Pattern.size(); ++I) {
        if (IsQuote(Pattern[I])) {
            const std::size_t Close = Pattern.find(Pattern[I], I + 1);
            if (Close == std::string_view::npos) return Pattern.size();
            I = Close;
        } else if (Pattern[I] == ';') {
            return I;
        }
    }
    return Pattern.size();
}
} // namespace

TNumberPattern::TNumberPattern(std::string_view Pattern, const TFormatSettings& Settings)
    : FDecimalSeparator(Settings.DecimalSeparatorChar), FThousandSeparator(Settings.ThousandSeparatorChar) {
    if (Pattern.size() > MaxPatternLength) throw EConvertError("Format string too long");
    std::size_t Begin = 0;
    for (TSection& Section : FSections) {
        if (Begin > Pattern.size()) break;
        const std::size_t End = SectionEnd(Pattern, Begin);
        ParseSection(Pattern.substr(Begin, End - Begin), Section);
        Begin = End + 1;
    }
}

void TNumberPattern::AddLiteral(std::string_view Text, int SectionStart) {
    if (Text.empty()) return;
    const int Start = static_cast<int>(FLiterals.size());
    FLiterals.append(Text);
    TItem* Last = static_cast<int>(FItems.size()) > SectionStart ? &FItems.back() : nullptr;
    if (Last && Last->Kind == ikLiteral && Last->Index + Last->Length == Start)
        Last->Length += static_cast<int>(Text.size());
    else
        FItems.push_back({ikLiteral, Start, static_cast<int>(Text.size())});
}

void TNumberPattern::ParseSection(std::string_view Text, TSection& Section) {
    Section.Empty = Text.empty();
    Section.FirstItem = static_cast<int>(FItems.size());
    int FirstZero = -1;
    int LastZero = -1;
    bool SeenPoint = false;
    std::size_t I = 0;
    while (I < Text.size()) {
        const char C = Text[I];
        if (IsQuote(C)) {
            // An unterminated quote runs to the end of the section.
            const std::size_t Close = std::min(Text.find(C, I + 1), Text.size());
            AddLiteral(Text.substr(I + 1, Close - I - 1), Section.FirstItem);
            I = Close + 1;
            continue;
        }
        if (!Section.Scientific) {
            if (C == '0' || C == '#') {
                if (C == '0') {
                    if (FirstZero < 0) FirstZero = Section.DigitCount;
                    LastZero = Section.DigitCount;
                }
                FItems.push_back({ikDigit, Section.DigitCount++, 0});
                ++I;
                continue;
            }
            if (C == '.') {
                if (!SeenPoint) {
                    SeenPoint = true;
                    Section.IntPlaces = Section.DigitCount;
                    FItems.push_back({ikDecimalPoint, 0, 0});
                }
                ++I;
                continue;
            }
            if (C == ',') {
                FItems.push_back({ikComma, 0, 0});
                ++I;
                continue;
            }
            const bool Exponent = (C == 'E' || C == 'e') && I + 1 < Text.size() &&
                                  (Text[I + 1] == '+' || Text[I + 1] == '-') && Section.DigitCount > 0;
            if (Exponent) {
                Section.Scientific = true;
                Section.ExponentChar = C;
                Section.ExponentSignAlways = Text[I + 1] == '+';
                I += 2;
                int Zeros = 0;
                for (; I < Text.size() && Text[I] == '0'; ++I) ++Zeros;
                Section.ExponentDigits = std::clamp(Zeros, 1, MaxExponentDigits);
                FItems.push_back({ikExponent, 0, 0});
                continue;
            }
        }
        AddLiteral(Text.substr(I, 1), Section.FirstItem);
        ++I;
    }
    if (!SeenPoint) Section.IntPlaces = Section.DigitCount;
    Section.EndItem = static_cast<int>(FItems.size());
    ResolveCommas(Section);

    Section.MinInt = FirstZero >= 0 && FirstZero < Section.IntPlaces ? Section.IntPlaces - FirstZero : 0;
    Section.MinFrac = LastZero >= Section.IntPlaces ? LastZero - Section.IntPlaces + 1 : 0;
    // Sign, literals, a digit and a group separator per placeholder, the extra
    // integer digits with their separators, the decimal point, the exponent.
    int Literals = 0;
    for (int K = Section.FirstItem; K < Section.EndItem; ++K)
        if (FItems[K].Kind == ikLiteral) Literals += FItems[K].Length;
    Section.MaxLength =
        1 + Literals + 2 * Section.DigitCount + 2 * MaxIntegerDigits + 1 + 2 + MaxExponentDigits;
}

// A comma between the first and the last digit placeholder asks for grouping;
// elsewhere it is an ordinary character.
void TNumberPattern::ResolveCommas(TSection& Section) {
    int FirstDigit = -1;
    int LastDigit = -1;
    for (int K = Section.FirstItem; K < Section.EndItem; ++K) {
        if (FItems[K].Kind != ikDigit) continue;
        if (FirstDigit < 0) FirstDigit = K;
        LastDigit = K;
    }
    int Kept = Section.FirstItem;
    for (int K = Section.FirstItem; K < Section.EndItem; ++K) {
        TItem Item = FItems[K];
        if (Item.Kind == ikComma) {
            if (K > FirstDigit && K < LastDigit) {
                Section.Thousands = true;
                continue;
            }
            Item = {ikLiteral, static_cast<int>(FLiterals.size()), 1};
            FLiterals.push_back(',');
        }
        FItems[Kept++] = Item;
    }
    FItems.resize(Kept);
    Section.EndItem = Kept;
}

// Sign: 1 positive, -1 negative, 0 zero. Missing and empty sections fall back
// to the first.
int TNumberPattern::SectionFor(int Sign) const {
    const int Index = Sign > 0 ? 0 : Sign < 0 ? 1 : 2;
    return FSections[Index].Empty ? 0 : Index;
}

std::string TNumberPattern::Format(double Value) const {
    if (!std::isfinite(Value)) return GeneralNumberText(Value, FDecimalSeparator);
    int Index = SectionFor(Value > 0 ? 1 : Value < 0 ? -1 : 0);
    TDecimalDigits Number = DecimalDigitsOf(Value);
    const auto Round = [&Number](const TSection& Section) {
        if (Section.Scientific)
            RoundToSignificant(Number, Section.DigitCount);
        else
            RoundToDecimals(Number, Section.DigitCount - Section.IntPlaces);
    };
    Round(FSections[Index]);
    // What rounds to zero reads as zero: no sign, and the zero section.
    if (Number.Count == 0) Index = SectionFor(0);
    const TSection& Section = FSections[Index];
    // An empty first section stands for the general text; so do values too
    // large for a fixed-point section.
    if (Section.Empty ||
        (Section.DigitCount > 0 && !Section.Scientific && Number.Exponent > MaxIntegerDigits))
        return GeneralNumberText(Value, FDecimalSeparator);
    const bool Minus = Value < 0 && Index == 0 && Number.Count > 0 && Section.DigitCount > 0;
    return WriteBoundedText(static_cast<std::size_t>(Section.MaxLength), [&](TTextWriter& Writer) {
        if (Minus) Writer.Put('-');
        if (Section.Scientific)
            WriteScientific(Writer, Section, Number);
        else
            WriteFixed(Writer, Section, Number);
    });
}

void TNumberPattern::WriteFixed(TTextWriter& Writer, const TSection& Section,
                                const TDecimalDigits& Number) const {
    const int IntDigits = std::max(Number.Count > 0 ? Number.Exponent : 0, Section.MinInt);
    // Digits after the point up to the last non-zero one (Digits has no trailing zeros).
    const int SignificantFrac = std::max(Number.Count - Number.Exponent, 0);
    const int FracDigits = std::max(SignificantFrac, Section.MinFrac);
    // Position 0 is the units digit.
    const auto PutInt = [&](int Position) {
        Writer.Put(Number.At(Number.Exponent - 1 - Position));
        if (Section.Thousands && Position > 0 && Position % 3 == 0) Writer.PutSeparator(FThousandSeparator);
    };
    for (int K = Section.FirstItem; K < Section.EndItem; ++K) {
        const TItem& Item = FItems[K];
        switch (Item.Kind) {
        case ikLiteral:
            Writer.Put(std::string_view(FLiterals).substr(Item.Index, Item.Length));
            break;
        case ikDigit:
            if (Item.Index < Section.IntPlaces) {
                const int Position = Section.IntPlaces - 1 - Item.Index;
                if (Item.Index == 0)
                    for (int P = IntDigits - 1; P >= Position; --P) PutInt(P);
                else if (Position < IntDigits)
                    PutInt(Position);
            } else if (const int Place = Item.Index - Section.IntPlaces; Place < FracDigits) {
                Writer.Put(Number.At(Number.Exponent + Place));
            }
            break;
        case ikDecimalPoint:
            // Without integer placeholders the integer digits go before the point.
            if (Section.IntPlaces == 0 && Section.DigitCount > 0)
                for (int P = IntDigits - 1; P >= 0; --P) PutInt(P);
            if (FracDigits > 0) Writer.PutSeparator(FDecimalSeparator);
            break;
        case ikExponent:
        case ikComma:
            break;
        }
    }
}

void TNumberPattern::WriteScientific(TTextWriter& Writer, const TSection& Section,
                                     const TDecimalDigits& Number) const {
    const int Exponent = Number.Count > 0 ? Number.Exponent - Section.IntPlaces : 0;
    const int FirstForced = Section.IntPlaces - Section.MinInt;
    const int FracDigits = std::max(Number.Count - Section.IntPlaces, Section.MinFrac);
    for (int K = Section.FirstItem; K < Section.EndItem; ++K) {
        const TItem& Item = FItems[K];
        switch (Item.Kind) {
        case ikLiteral:
            Writer.Put(std::string_view(FLiterals).substr(Item.Index, Item.Length));
            break;
        case ikDigit:
            if (Item.Index < Section.IntPlaces) {
                // Only zero has leading zeros here; "#" drops them.
                if (Number.Count > 0 || Item.Index >= FirstForced) Writer.Put(Number.At(Item.Index));
            } else if (Item.Index - Section.IntPlaces < FracDigits) {
                Writer.Put(Number.At(Item.Index));
            }
            break;
        case ikDecimalPoint:
            if (FracDigits > 0) Writer.PutSeparator(FDecimalSeparator);
            break;
        case ikExponent:
            Writer.Put(Section.ExponentChar);
            if (Exponent < 0)
                Writer.Put('-');
            else if (Section.ExponentSignAlways)
                Writer.Put('+');
            Writer.PutNumber(Exponent < 0 ? -Exponent : Exponent, Section.ExponentDigits);
            break;
        case ikComma:
            break;
        }
    }
}

std::string FormatNumberText(std::string_view Pattern, double Value, const TFormatSettings& Settings) {
    return TNumberPattern(Pattern, Settings).Format(Value);
}

std::string FormatNumberText(std::string_view Pattern, double Value) {
    return FormatNumberText(Pattern, Value, FormatSettings());
}

} // namespace vur
