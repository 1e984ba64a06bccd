// Paints of data and axis limits at the edges of the double range (NaN,
// infinities, the largest and smallest magnitudes) in 2D and 3D, on value
// and date axes, linear and logarithmic, and of sizes, offsets and view
// settings at the ends of int: none may throw or take long. Under the
// sanitizers this is also the check that no conversion or sum overflows.
#include "chart/Chart/Chart.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/View3DOptions.h"
#include "chart/Series/LineSeries.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <functional>
#include <limits>

namespace vur {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Extremes[] = {0.0,    -1.0, 4.9e-324, 1e-300, 1e16, 1.7976931348623157e308,
                               -1e308, Inf,  -Inf,     NaN};

struct TPaintCase {
    bool Is3D = false;
    bool DateTime = false;
    bool Logarithmic = false;
};

class ExtremeValuesPaint : public ::testing::TestWithParam<int> {
protected:
    TPaintCase Case() const {
        return TPaintCase{(GetParam() & 1) != 0, (GetParam() & 2) != 0, (GetParam() & 4) != 0};
    }

    // A fresh chart each time, so that one paint's ranges cannot tame the next.
    void Paint(const std::function<void(TChart&, TLineSeries&)>& Fill) {
        TComponent Owner{nullptr};
        auto* Chart = new TChart(&Owner);
        auto* Series = new TLineSeries(&Owner);
        Chart->SetBounds(0, 0, 300, 200);
        Chart->SetView3D(Case().Is3D);
        Series->SetParentChart(Chart);
        Series->GetXValues()->SetDateTime(Case().DateTime);
        Chart->GetLeftAxis()->SetLogarithmic(Case().Logarithmic);
        Fill(*Chart, *Series);
        const auto Start = std::chrono::steady_clock::now();
        EXPECT_NO_THROW(Chart->Draw());
        // Generous for sanitizer builds; a runaway label or tick loop takes far longer.
        EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(2));
    }
};

TEST_P(ExtremeValuesPaint, PointsAnywhere) {
    // An X that is not finite is refused; every Y is stored.
    const auto Add = [](TLineSeries& Series, double X, double Y) {
        if (std::isfinite(X))
            Series.AddXY(X, Y);
        else
            EXPECT_THROW(Series.AddXY(X, Y), ChartException);
    };
    for (double A : Extremes)
        for (double B : Extremes) {
            SCOPED_TRACE(::testing::Message() << "points " << A << ", " << B);
            Paint([&](TChart&, TLineSeries& Series) {
                Add(Series, A, B);
                Add(Series, B, A);
                Add(Series, A + 1, B * 2);
            });
        }
}

TEST_P(ExtremeValuesPaint, AxisLimitsAnywhere) {
    for (double Min : Extremes)
        for (double Max : Extremes) {
            SCOPED_TRACE(::testing::Message() << "limits " << Min << ", " << Max);
            Paint([&](TChart& Chart, TLineSeries& Series) {
                for (int I = 0; I < 5; ++I) Series.AddXY(I, I * 3);
                Chart.GetLeftAxis()->SetMinMax(Min, Max);
                Chart.GetBottomAxis()->SetMinMax(Min, Max);
                Chart.GetBottomAxis()->SetDesiredIncrement(1e-300);
            });
        }
}

TEST_P(ExtremeValuesPaint, SizesOffsetsAndViewAtTheEndsOfInt) {
    using TSetting = void (*)(TChart&, TLineSeries&, int);
    const TSetting Settings[] = {
        [](TChart& C, TLineSeries&, int V) { C.GetLeftAxis()->SetTickLength(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetLeftAxis()->SetTickInnerLength(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetBottomAxis()->SetMinorTickLength(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetLeftAxis()->SetLabelsSize(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetLeftAxis()->SetTitleSize(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetLeftAxis()->SetMinimumOffset(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetBottomAxis()->SetMaximumOffset(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetLeftAxis()->GetAxis()->SetWidth(V); },
        [](TChart& C, TLineSeries&, int V) { C.SetMarginLeft(V); },
        [](TChart& C, TLineSeries&, int V) {
            C.SetMarginUnits(muPercent);
            C.SetMarginBottom(V);
        },
        [](TChart& C, TLineSeries&, int V) { C.GetWalls()->SetSize(V); },
        [](TChart&, TLineSeries& S, int V) { S.SetLineHeight(V); },
        [](TChart&, TLineSeries& S, int V) {
            S.GetPointer()->SetVisible(true);
            if (V > 0) S.GetPointer()->SetSize(V);
        },
        [](TChart& C, TLineSeries&, int V) { C.SetBevelWidth(V); },
        [](TChart& C, TLineSeries&, int V) { C.SetBorderWidth(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetView3DOptions()->SetRotation(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetView3DOptions()->SetElevation(V); },
        [](TChart& C, TLineSeries&, int V) {
            // Text at the font engine's largest size is slow to make and
            // proves nothing here.
            C.GetView3DOptions()->SetZoomText(false);
            C.GetView3DOptions()->SetZoom(V);
        },
        [](TChart& C, TLineSeries&, int V) { C.GetView3DOptions()->SetHorizOffset(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetView3DOptions()->SetVertOffset(V); },
        [](TChart& C, TLineSeries&, int V) { C.GetLeftAxis()->SetLabelsSeparation(std::max(V, 0)); },
        [](TChart& C, TLineSeries&, int V) { C.GetBottomAxis()->SetStartPosition(V * 5.0); },
        [](TChart& C, TLineSeries&, int V) { C.GetLeftAxis()->SetEndPosition(V * 5.0); },
        [](TChart& C, TLineSeries&, int V) { C.GetLeftAxis()->SetPositionPercent(V * 5.0); },
        [](TChart& C, TLineSeries&, int V) { C.GetBottomAxis()->SetZPosition(V * 5.0); },
        [](TChart& C, TLineSeries&, int V) {
            C.GetBottomAxis()->GetMinorGrid()->SetVisible(true);
            C.GetBottomAxis()->SetMinorTickCount(V);
        },
        [](TChart&, TLineSeries& S, int V) {
            S.SetStairs(true);
            S.GetLinePen()->SetWidth(V);
        },
        [](TChart&, TLineSeries& S, int V) {
            S.GetOutLine()->SetVisible(true);
            S.GetOutLine()->SetWidth(V);
        },
        [](TChart&, TLineSeries& S, int V) { S.SetDepth(V); },
    };
    for (const int V : {INT_MIN, INT_MAX})
        for (std::size_t I = 0; I < std::size(Settings); ++I) {
            SCOPED_TRACE(::testing::Message() << "setting " << I << " to " << V);
            Paint([&](TChart& Chart, TLineSeries& Series) {
                for (int P = 0; P < 5; ++P) Series.AddXY(P, P * 3);
                Chart.GetView3DOptions()->SetOrthogonal((I & 1) != 0);
                Settings[I](Chart, Series, V);
            });
        }
}

TEST(ExtremeSettings, SizesOffsetsAndZoomAreKeptWithinAMillionPixels) {
    TComponent Owner{nullptr};
    auto* Chart = new TChart(&Owner);
    Chart->GetLeftAxis()->SetTickLength(INT_MAX);
    Chart->SetBevelWidth(INT_MIN);
    Chart->GetView3DOptions()->SetZoom(INT_MAX);
    Chart->GetView3DOptions()->SetHorizOffset(-5000);
    EXPECT_EQ(Chart->GetLeftAxis()->GetTickLength(), MaxSetting);
    EXPECT_EQ(Chart->GetBevelWidth(), -MaxSetting);
    EXPECT_EQ(Chart->GetView3DOptions()->GetZoom(), MaxSetting);
    EXPECT_EQ(Chart->GetView3DOptions()->GetHorizOffset(), -5000);
    Chart->GetLeftAxis()->SetLabelsSeparation(INT_MAX);
    Chart->GetLeftAxis()->SetStartPosition(-1e10);
    Chart->GetLeftAxis()->SetEndPosition(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(Chart->GetLeftAxis()->GetLabelsSeparation(), MaxSetting);
    EXPECT_EQ(Chart->GetLeftAxis()->GetStartPosition(), -MaxSetting);
    EXPECT_EQ(Chart->GetLeftAxis()->GetEndPosition(), 0);
    auto* Series = new TLineSeries(&Owner);
    Series->SetDepth(INT_MAX);
    EXPECT_EQ(Series->GetDepth(), MaxSetting);
}

INSTANTIATE_TEST_SUITE_P(Views, ExtremeValuesPaint, ::testing::Range(0, 8));

} // namespace
} // namespace vur
