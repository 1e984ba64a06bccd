#include "chart/DaZezava/AxisMapping.h"
#include "chart/DaZezava/AxisTestSupport.h"

#include <cmath>
#include <limits>
#include <vector>

namespace vur {
namespace {

using test::AxisFixture;
using AxisMappingTest = AxisFixture;

// A logarithmic axis from 1 to 100 across 101 pixels puts 10 exactly half a
// pixel past 50 from either end: ln 10 is half of ln 100, bit for bit. The
// offset rounds to 50 (ties to even) before it is added to the end pixel.
TEST_F(AxisMappingTest, LogarithmicHalvesRoundTheOffsetNotTheSum) {
    const double Offset = std::log(10.0) * (101 / std::log(100.0));
    ASSERT_EQ(Offset, 50.5);
    struct TCase {
        TChartAxis* Axis;
        bool Inverted;
        int Expected;
    };
    // Bottom axis on x = 1 .. 102, left axis on y = 2 .. 103.
    TChartAxis* Bottom = Chart->GetBottomAxis();
    TChartAxis* Left = Chart->GetLeftAxis();
    for (const TCase& Case : {TCase{Bottom, false, 1 + 50}, TCase{Bottom, true, 1 + 50},
                              TCase{Left, false, 103 - 50}, TCase{Left, true, 103 - 50}}) {
        Case.Axis->SetMinMax(1, 100);
        Case.Axis->SetLogarithmic(true);
        Case.Axis->SetInverted(Case.Inverted);
        Layout({1, 2, 102, 103});
        const int Pixel = Case.Axis->CalcPosValue(10);
        EXPECT_EQ(Pixel, Case.Expected)
            << "horizontal " << Case.Axis->GetHorizontal() << " inverted " << Case.Inverted;
        const std::vector<double> Values{10, 10};
        std::vector<int> Run(2);
        Case.Axis->CalcPosValues(Values, Run, Case.Axis->GetHorizontal());
        EXPECT_EQ(Run[1], Pixel);
    }
}

// A shadow draws through mappings moved by its offset: the same pixels as a
// mapping built on ends moved that far, for every kind, direction and value.
TEST(AxisMapping, AShiftedMappingIsTheMappingOfShiftedEnds) {
    constexpr double Inf = std::numeric_limits<double>::infinity();
    const std::vector<double> Values{-1e300, -7,   -0.0, 0,    0.5, 2.5,         3,
                                     50,     99.5, 100,  1e12, Inf, std::nan("")};
    for (const TAxisMappingKind Kind : {amChecked, amUnchecked, amLogarithmic})
        for (const bool Inverted : {false, true})
            for (const bool Flat : {false, true}) {
                TAxisScale Scale;
                Scale.Kind = Kind;
                Scale.Inverted = Inverted;
                Scale.PixelStart = 10;
                Scale.PixelEnd = 210;
                Scale.PixelCenter = 110;
                Scale.RangeIsZero = Flat;
                Scale.RangeMinimum = 1;
                Scale.RangeMaximum = 101;
                Scale.PixelsPerValue = 2;
                Scale.LogRangeIsZero = Flat;
                Scale.LogRangeMaximum = std::log(101.0);
                Scale.PixelsPerLogValue = 200 / Scale.LogRangeMaximum;
                TAxisScale Moved = Scale;
                Moved.PixelStart += 7;
                Moved.PixelEnd += 7;
                Moved.PixelCenter += 7;
                const TAxisMapping Shifted = TAxisMapping(Scale).Shifted(7);
                const TAxisMapping Expected(Moved);
                for (const double Value : Values) {
                    EXPECT_EQ(Shifted.X.Map(Value), Expected.X.Map(Value))
                        << "kind " << int{Kind} << " inverted " << Inverted << " flat " << Flat << " value "
                        << Value;
                    EXPECT_EQ(Shifted.Y.Map(Value), Expected.Y.Map(Value));
                }
            }
}

} // namespace
} // namespace vur
