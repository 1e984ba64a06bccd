#include "chart/Series/ColumnRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

namespace vur {
namespace {

// The rows of each vertical segment one by one: from its start up to the
// row before its end.
std::set<int> SegmentRows(int Start, const std::vector<int>& PixelY, int From, int End, int Step) {
    std::set<int> Rows;
    int Previous = Start;
    for (int I = From; I != End; I += Step) {
        const int Y = PixelY[static_cast<std::size_t>(I)];
        for (int Row = Previous; Row != Y; Row += Y > Previous ? 1 : -1) Rows.insert(Row);
        Previous = Y;
    }
    return Rows;
}

TEST(ColumnRun, TheRowsOfAChainAreTheRowsOfItsSegmentsOneByOne) {
    std::uint32_t Seed = 5;
    const auto Next = [&](std::uint32_t Range) {
        Seed = Seed * 1664525u + 1013904223u;
        return static_cast<int>((Seed >> 8) % Range);
    };
    // Few distinct rows, so that repeats, extremes in the tail and chains
    // that never move all come up; lengths cross the vector width.
    for (int Case = 0; Case < 4000; ++Case) {
        const int Rows = 1 + Next(6);
        std::vector<int> PixelY(static_cast<std::size_t>(Next(24)));
        for (int& Y : PixelY) Y = 100 + Next(static_cast<std::uint32_t>(Rows));
        const int Start = 100 + Next(static_cast<std::uint32_t>(Rows));
        const int Size = static_cast<int>(PixelY.size());
        for (const int Step : {1, -1}) {
            const int From = Step > 0 ? 0 : Size - 1;
            const int End = Step > 0 ? Size : -1;
            const std::set<int> Expected = SegmentRows(Start, PixelY, From, End, Step);
            const TColumnRows Got = ColumnRunRows(Start, PixelY, From, End, Step);
            if (Expected.empty()) {
                EXPECT_TRUE(Got.Empty()) << "case " << Case;
                continue;
            }
            // The rows are always one span.
            ASSERT_EQ(static_cast<int>(Expected.size()), *Expected.rbegin() - *Expected.begin() + 1);
            EXPECT_EQ(Got.First, *Expected.begin()) << "case " << Case << " step " << Step;
            EXPECT_EQ(Got.Last, *Expected.rbegin()) << "case " << Case << " step " << Step;
        }
    }
}

TEST(ColumnRun, ARunEndsAtTheFirstOtherColumnOrAtItsStop) {
    for (int Length = 0; Length < 14; ++Length)
        for (int Offset = 0; Offset < 5; ++Offset) {
            std::vector<int> PixelX(static_cast<std::size_t>(Offset + Length + 3), 7);
            PixelX[static_cast<std::size_t>(Offset + Length)] = 8;
            EXPECT_EQ(ColumnRunEnd(PixelX, Offset, static_cast<int>(PixelX.size()), 1, 7), Offset + Length);
            // The stop comes first.
            EXPECT_EQ(ColumnRunEnd(PixelX, Offset, Offset + Length / 2, 1, 7), Offset + Length / 2);
            // Backwards from the far end down to the other column.
            EXPECT_EQ(ColumnRunEnd(PixelX, static_cast<int>(PixelX.size()) - 1, -1, -1, 7), Offset + Length);
            EXPECT_EQ(ColumnRunEnd(PixelX, Offset + Length - 1, -1, -1, 7), -1);
        }
}

} // namespace
} // namespace vur
