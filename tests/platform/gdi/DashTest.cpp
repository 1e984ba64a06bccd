// The pattern of a one-pixel pen moves on the same whichever way it is
// walked: a run at a time, a pixel at a time, or skipped over at once, even
// by more pixels than a line has and over runs of length 0.
#include "platform/gdi/Dash.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vur::gdi {
namespace {

// Whether each pixel of one period is lit, laid out from the lengths.
std::vector<bool> Lit(const std::vector<double>& Lengths) {
    std::vector<bool> Result;
    for (std::size_t I = 0; I < Lengths.size(); ++I)
        Result.insert(Result.end(), static_cast<std::size_t>(Lengths[I]), I % 2 == 0);
    return Result;
}

// The next Count pixels as Runs gives them, one entry a pixel.
std::vector<bool> Walked(PixelDash& Dash, std::int64_t Count) {
    std::vector<bool> Result;
    Dash.Runs(Count, [&](bool On, std::int64_t Length) {
        EXPECT_GT(Length, 0);
        Result.insert(Result.end(), static_cast<std::size_t>(Length), On);
    });
    return Result;
}

std::vector<bool> Expected(const std::vector<bool>& Period, std::int64_t From, std::int64_t Count) {
    std::vector<bool> Result;
    const auto Size = static_cast<std::int64_t>(Period.size());
    for (std::int64_t I = 0; I < Count; ++I)
        Result.push_back(Period[static_cast<std::size_t>((From + I) % Size)]);
    return Result;
}

TEST(PixelDashTest, RunsStepsAndSkipsAgreeWithThePeriodLaidOut) {
    const std::vector<std::vector<double>> Patterns{{3, 3},       {1, 1},  {18, 6, 3, 6},     {1, 0, 2, 5},
                                                    {0, 2, 3, 1}, {2, 62}, {9, 3, 3, 3, 3, 3}};
    const std::int64_t Skips[] = {0, 1, 5, 17, 64, 1000, (std::int64_t{1} << 33) + 7};
    for (const auto& Lengths : Patterns) {
        const std::vector<bool> Period = Lit(Lengths);
        const auto Size = static_cast<std::int64_t>(Period.size());
        for (const std::int64_t Skip : Skips) {
            PixelDash Dash(Lengths);
            Dash.Skip(Skip);
            EXPECT_EQ(Walked(Dash, 2 * Size + 3), Expected(Period, Skip, 2 * Size + 3))
                << Lengths.size() << " runs, skip " << Skip;
            // One pixel at a time lands where the runs did.
            PixelDash Stepped(Lengths), Run(Lengths);
            for (std::int64_t I = 0; I < Skip % 97; ++I) {
                EXPECT_EQ(Stepped.On(), Period[static_cast<std::size_t>(I % Size)]);
                Stepped.Step();
            }
            Walked(Run, Skip % 97);
            EXPECT_EQ(Walked(Stepped, Size), Walked(Run, Size)) << "skip " << Skip;
        }
    }
}

TEST(PixelDashTest, PatternsWithoutADashOrAGapAreSolid) {
    const std::vector<std::vector<double>> Solids{{}, {5}, {0, 4}, {4, 0}, {0, 0, 0, 0}};
    for (const auto& Lengths : Solids) {
        PixelDash Dash(Lengths);
        EXPECT_TRUE(Dash.Solid());
        Dash.Skip(12345);
        EXPECT_EQ(Walked(Dash, 40), std::vector<bool>(40, true));
    }
}

} // namespace
} // namespace vur::gdi
