#include "platform/gdi/CodePage.h"

namespace vur::gdi {

namespace {
// 0x80..0x9F; everything else is Latin-1 and maps to itself.
constexpr char32_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

char32_t CodePage1252ToUnicode(unsigned char Byte) {
    if (Byte >= 0x80 && Byte < 0xA0) return HighControls[Byte - 0x80];
    return Byte;
}

unsigned char UnicodeToCodePage1252(char32_t CodePoint) {
    if (CodePoint < 0x80 || (CodePoint >= 0xA0 && CodePoint < 0x100))
        return static_cast<unsigned char>(CodePoint);
    for (unsigned I = 0; I < 32; ++I)
        if (HighControls[I] == CodePoint) return static_cast<unsigned char>(0x80 + I);
    return '?';
}

std::u32string DecodeUtf8(std::string_view Text) {
    std::u32string Result;
    Result.reserve(Text.size());
    std::size_t I = 0;
    while (I < Text.size()) {
        const auto B = static_cast<unsigned char>(Text[I]);
        const std::size_t Length = B < 0x80         ? 1
                                   : (B >> 5) == 6  ? 2
                                   : (B >> 4) == 14 ? 3
                                   : (B >> 3) == 30 ? 4
                                                    : 0;
        char32_t C = Length == 1 ? B : Length == 2 ? (B & 0x1Fu) : Length == 3 ? (B & 0x0Fu) : (B & 0x07u);
        bool Valid = Length != 0 && I + Length <= Text.size();
        for (std::size_t K = 1; Valid && K < Length; ++K) {
            const auto Next = static_cast<unsigned char>(Text[I + K]);
            Valid = (Next & 0xC0) == 0x80;
            C = (C << 6) | (Next & 0x3Fu);
        }
        if (!Valid) {
            Result += U'\uFFFD';
            ++I;
            continue;
        }
        Result += C;
        I += Length;
    }
    return Result;
}

std::string Utf8ToCodePage1252(std::string_view Text) {
    std::string Result;
    for (const char32_t C : DecodeUtf8(Text)) Result += static_cast<char>(UnicodeToCodePage1252(C));
    return Result;
}

} // namespace vur::gdi
