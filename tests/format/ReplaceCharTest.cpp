#include "format/ReplaceChar.h"

#include <gtest/gtest.h>

using namespace vur;

TEST(ReplaceChar, ReplacesEveryOccurrence) {
    EXPECT_EQ(ReplaceChar("09/03/25 14:05", ' ', '\r'), "09/03/25\r14:05");
    EXPECT_EQ(ReplaceChar(" a  b ", ' ', '_'), "_a__b_");
    EXPECT_EQ(ReplaceChar("", ' ', '_'), "");
    EXPECT_EQ(ReplaceChar("abc", 'x', 'y'), "abc");
}
