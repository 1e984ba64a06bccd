// Where an axis puts its label and title texts: turned labels on every side
// stay in their band beyond the axis line and centred on their tick, a title
// is never split into a raised exponent, and every Draw lays alternate rows
// out afresh.
#include "tests/chart/DaZezava/AxisDrawTestSupport.h"

#include <cstdlib>
#include <vector>

namespace vur {
namespace {

using test::AxisDrawFixture;

struct AxisTextTest : AxisDrawFixture {
    const TRect Plot{100, 60, 400, 320};

    // Only texts leave ink: no line, ticks or grid.
    static void TextsOnly(TChartAxis* Axis) {
        Axis->GetAxis()->SetVisible(false);
        Axis->GetTicks()->SetVisible(false);
        Axis->GetGrid()->SetVisible(false);
    }
};

enum TLabelSide { Below, Above, LeftOf, RightOf };

struct TurnedLabel {
    TLabelSide Side;
    int Angle;
};

struct TurnedLabelTest : AxisTextTest, ::testing::WithParamInterface<TurnedLabel> {};

TEST_P(TurnedLabelTest, StaysInItsBandCentredOnTheTick) {
    const auto [Side, Angle] = GetParam();
    TChartAxis* Axis = Side == Below    ? Bottom
                       : Side == Above  ? Chart->GetTopAxis()
                       : Side == LeftOf ? Left
                                        : Chart->GetRightAxis();
    if (Axis->GetHorizontal())
        Series->SetCustomHorizAxis(Axis);
    else
        Series->SetCustomVertAxis(Axis);
    Axis->SetMinMax(0, 100);
    Axis->GetItems()->Add(50, "123");
    Axis->SetLabelsAngle(Angle);
    TextsOnly(Axis);
    const TRect R = Arrange({Axis}, Plot);
    Axis->Draw(true);
    ASSERT_EQ(Axis->GetTickPositions().size(), 1U);
    const int Tick = Axis->GetTickPositions()[0];
    const TRect Text = Ink({0, 0, 500, 400});
    ASSERT_LT(Text.Left, Text.Right);
    // Across the axis: wholly outside the chart rectangle, on the axis' side.
    switch (Side) {
    case Below:
        EXPECT_GE(Text.Top, R.Bottom);
        break;
    case Above:
        EXPECT_LE(Text.Bottom, R.Top);
        break;
    case LeftOf:
        EXPECT_LE(Text.Right, R.Left);
        break;
    case RightOf:
        EXPECT_GE(Text.Left, R.Right);
        break;
    }
    // Along the axis: centred on the tick, give or take the glyphs' own
    // place in their cell.
    const int Twice = Axis->GetHorizontal() ? Text.Left + Text.Right : Text.Top + Text.Bottom;
    EXPECT_LE(std::abs(Twice - 2 * Tick), 6) << Tick;
}

INSTANTIATE_TEST_SUITE_P(EverySideAndRightAngle, TurnedLabelTest,
                         ::testing::Values(TurnedLabel{Below, 0}, TurnedLabel{Below, 90},
                                           TurnedLabel{Below, 180}, TurnedLabel{Below, 270},
                                           TurnedLabel{Above, 0}, TurnedLabel{Above, 90},
                                           TurnedLabel{Above, 180}, TurnedLabel{Above, 270},
                                           TurnedLabel{LeftOf, 0}, TurnedLabel{LeftOf, 90},
                                           TurnedLabel{LeftOf, 180}, TurnedLabel{LeftOf, 270},
                                           TurnedLabel{RightOf, 0}, TurnedLabel{RightOf, 90},
                                           TurnedLabel{RightOf, 180}, TurnedLabel{RightOf, 270}));

TEST_F(AxisTextTest, TitleIsNeverSplitIntoAnExponent) {
    Bottom->GetTitle()->SetCaption("1E5");
    Bottom->SetLabels(false);
    TextsOnly(Bottom);
    Arrange({Bottom}, Plot);
    const auto Title = [this] {
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(clWhite);
        Canvas->FillRect(TRect{0, 0, 500, 400});
        Bottom->Draw(true);
        return Ink({0, 0, 500, 400});
    };
    const TRect Plain = Title();
    Bottom->SetLabelsExponent(true);
    const TRect WithExponents = Title();
    EXPECT_EQ(WithExponents, Plain);
    EXPECT_GE(Plain.Right - Plain.Left, TextWidth(Bottom, "1E5") / 2);
}

TEST_F(AxisTextTest, EveryDrawStartsAlternateRowsAfresh) {
    Bottom->SetMinMax(-0.5, 4.5);
    Bottom->SetIncrement(1);
    Bottom->SetLabelsAlternate(true);
    Arrange({Bottom}, Plot);
    std::vector<int> Rows;
    Bottom->OnDrawLabel = [&Rows](TChartAxis*, int&, int& Y, int&, std::string&, bool&) {
        Rows.push_back(Y);
    };
    Bottom->Draw(true);
    const std::vector<int> First = Rows;
    ASSERT_GE(First.size(), 3U);
    EXPECT_NE(First[0], First[1]);
    Rows.clear();
    Bottom->Draw(true);
    EXPECT_EQ(Rows, First);
}

} // namespace
} // namespace vur
