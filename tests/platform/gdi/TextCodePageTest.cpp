// Windows-1252 decoding, checked against the C library's own converter.
#include "platform/gdi/CodePage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>

namespace vur::gdi {
namespace {

TEST(TextCodePageTest, AgreesWithIconvOnEveryAssignedByte) {
    iconv_t Convert = iconv_open("UTF-32LE", "WINDOWS-1252");
    ASSERT_NE(Convert, reinterpret_cast<iconv_t>(-1));
    int Assigned = 0;
    for (int Byte = 0; Byte < 256; ++Byte) {
        char In = static_cast<char>(Byte);
        unsigned char Out[4] = {};
        char* InPtr = &In;
        char* OutPtr = reinterpret_cast<char*>(Out);
        std::size_t InLeft = 1, OutLeft = 4;
        iconv(Convert, nullptr, nullptr, nullptr, nullptr);
        if (iconv(Convert, &InPtr, &InLeft, &OutPtr, &OutLeft) == static_cast<std::size_t>(-1)) continue;
        ++Assigned;
        const char32_t Expected =
            Out[0] | (Out[1] << 8) | (Out[2] << 16) | (static_cast<char32_t>(Out[3]) << 24);
        EXPECT_EQ(CodePage1252ToUnicode(static_cast<unsigned char>(Byte)), Expected) << Byte;
    }
    iconv_close(Convert);
    EXPECT_GE(Assigned, 251);
}

TEST(TextCodePageTest, KnownCharacters) {
    EXPECT_EQ(CodePage1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(CodePage1252ToUnicode(0xE9), U'\u00E9');
    EXPECT_EQ(CodePage1252ToUnicode(0x85), U'\u2026');
    EXPECT_EQ(CodePage1252ToUnicode('A'), U'A');
    EXPECT_EQ(CodePage1252ToUnicode(0xFF), U'\u00FF');
    // Unassigned bytes keep their value rather than vanishing.
    for (const unsigned char Byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(CodePage1252ToUnicode(Byte), Byte);
}

} // namespace
} // namespace vur::gdi
