// A bounded writer for the formatters. A parsed pattern knows the longest
// text it can produce; the text is written into a stack buffer of that size
// (or one string reserved to it), so formatting allocates at most the
// returned string.
#pragma once

#include "framework/Exceptions.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vur {

class TTextWriter {
public:
    TTextWriter(char* Begin, std::size_t Capacity) : FBegin(Begin), FPos(Begin), FEnd(Begin + Capacity) {}

    void Put(char C) {
        Reserve(1);
        *FPos++ = C;
    }
    void Put(std::string_view Text) {
        Reserve(Text.size());
        for (char C : Text) *FPos++ = C;
    }
    // Separators set to the null character write nothing.
    void PutSeparator(char C) {
        if (C != '\0') Put(C);
    }
    // Value in decimal, with leading zeros up to MinDigits.
    void PutNumber(long long Value, int MinDigits) {
        char Digits[24];
        int Count = 0;
        unsigned long long Magnitude = Value < 0 ? 0ull - static_cast<unsigned long long>(Value) : Value;
        do {
            Digits[Count++] = static_cast<char>('0' + Magnitude % 10);
            Magnitude /= 10;
        } while (Magnitude != 0 && Count < 24);
        if (Value < 0) Put('-');
        for (int I = Count; I < MinDigits; ++I) Put('0');
        while (Count > 0) Put(Digits[--Count]);
    }
    std::size_t Length() const { return static_cast<std::size_t>(FPos - FBegin); }

private:
    void Reserve(std::size_t Count) {
        VUR_ASSERT(static_cast<std::size_t>(FEnd - FPos) >= Count, "Formatted text exceeds its bound");
    }

    char* FBegin;
    char* FPos;
    char* FEnd;
};

// Runs Write(TTextWriter&) for a text of at most MaxLength characters.
template <class TWrite>
std::string WriteBoundedText(std::size_t MaxLength, TWrite&& Write) {
    constexpr std::size_t StackLength = 512;
    if (MaxLength <= StackLength) {
        char Buffer[StackLength];
        TTextWriter Writer(Buffer, StackLength);
        Write(Writer);
        return std::string(Buffer, Writer.Length());
    }
    std::string Text(MaxLength, '\0');
    TTextWriter Writer(Text.data(), MaxLength);
    Write(Writer);
    Text.resize(Writer.Length());
    return Text;
}

} // namespace vur
