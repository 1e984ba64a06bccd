// Paints of data and axis limits at the edges of the double range (NaN,
// infinities, the largest and smallest magnitudes) in 2D and 3D, on value
// and date axes, linear and logarithmic: none may throw or take long. Under
// the sanitizers this is also the check that no conversion overflows.
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <limits>

namespace vur {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Extremes[] = {0.0, -1.0, 4.9e-324, 1e-300, 1e16, 1.7976931348623157e308, -1e308, Inf, -Inf, NaN};

struct TPaintCase {
    bool Is3D = false;
    bool DateTime = false;
    bool Logarithmic = false;
};

class ExtremeValuesPaint : public ::testing::TestWithParam<int> {
protected:
    TPaintCase Case() const { return TPaintCase{(GetParam() & 1) != 0, (GetParam() & 2) != 0, (GetParam() & 4) != 0}; }

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
    for (double A : Extremes)
        for (double B : Extremes) {
            SCOPED_TRACE(::testing::Message() << "points " << A << ", " << B);
            Paint([&](TChart&, TLineSeries& Series) {
                Series.AddXY(A, B);
                Series.AddXY(B, A);
                Series.AddXY(A + 1, B * 2);
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

INSTANTIATE_TEST_SUITE_P(Views, ExtremeValuesPaint, ::testing::Range(0, 8));

} // namespace
} // namespace vur
