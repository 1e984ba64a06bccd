// A line series draws dense points in one pixel column as the rows their
// segments set together; drawn segment by segment instead, it must set the
// same pixels in every setting. A class that places or colours its points
// itself says so through its point source, and keeps its places and colours.
#include "LineSeriesFixture.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>

namespace vur::test {
namespace {

// The plain reference: every segment drawn on its own.
class TPointByPointSeries : public TLineSeries {
public:
    using TLineSeries::TLineSeries;

protected:
    bool MergesDenseColumns() const override { return false; }
};

struct TBlockCase {
    const char* Name;
    bool LogY = false;
    bool InvertX = false;
    bool InvertY = false;
    bool Stairs = false;
    bool InvertedStairs = false;
    bool Nulls = false;
    bool PointColours = false;
    bool FastCalc = false;
    // The bottom axis starts past the first points, so the line comes in
    // from the edge.
    bool Zoomed = false;
    bool ShadowAndOutline = false;
};

std::ostream& operator<<(std::ostream& Out, const TBlockCase& Case) { return Out << Case.Name; }

class LineSeriesBlockPass : public LineSeriesFixture, public ::testing::WithParamInterface<TBlockCase> {
protected:
    // More than four blocks of values, the last one partly filled.
    static constexpr int Points = 4321;

    void SetUp() override {
        LineSeriesFixture::SetUp();
        PointByPoint->SetParentChart(Chart);
        PointByPoint->SetSeriesColor(clRed);
    }

    void Fill(TLineSeries* Target) const {
        const TBlockCase& Case = GetParam();
        std::uint32_t Seed = 99;
        for (int I = 0; I < Points; ++I) {
            Seed = Seed * 1664525u + 1013904223u;
            const double Noise = static_cast<double>(Seed >> 24) / 8.0 - 16;
            double Y = 50 + 30 * std::sin(I / 400.0) + Noise;
            // Halves land on pixel ties (y = 110 - Y); the far values on
            // the clamps of the mapping.
            if (I % 97 == 0) Y = 49.5 + I % 3;
            if (I == 1500) Y = 1e300;
            if (I == 1501) Y = -1e300;
            if (I == 2500) Y = std::numeric_limits<double>::infinity();
            if (I == 2800) Y = std::numeric_limits<double>::quiet_NaN();
            if (Case.LogY) Y = I % 211 == 0 ? -Y : std::pow(10.0, Y / 25);
            Target->AddXY(I, Y);
            if (Case.PointColours) Target->SetValueColor(I, I / 5 % 3 == 0 ? clBlue : clDefault);
        }
        if (Case.Nulls)
            for (int I : {0, 999, 1000, 2001, 3300, 3301, Points - 1}) Target->SetNull(I);
        Target->SetColorEachPoint(Case.PointColours);
        Target->SetStairs(Case.Stairs);
        Target->SetInvertedStairs(Case.InvertedStairs);
        if (Case.ShadowAndOutline) {
            Target->GetShadow()->SetHorizSize(2);
            Target->GetShadow()->SetVertSize(3);
            Target->GetShadow()->SetColor(clGreen);
            Target->GetOutLine()->SetColor(clBlue);
            Target->GetOutLine()->Show();
        }
    }

    void SetUpAxes() {
        const TBlockCase& Case = GetParam();
        Chart->GetBottomAxis()->SetInverted(Case.InvertX);
        Chart->GetLeftAxis()->SetInverted(Case.InvertY);
        if (Case.LogY) {
            Chart->GetLeftAxis()->SetMinMax(1, 1e5);
            Chart->GetLeftAxis()->SetLogarithmic(true);
        }
        Chart->GetAxes()->SetFastCalc(Case.FastCalc);
        const double XMin = Case.Zoomed ? 250.5 : 0;
        if (Case.LogY)
            SetAxes(XMin, Points - 1, 1, 1e5);
        else
            SetAxes(XMin, Points - 1);
    }

    gdi::Bitmap DrawOnly(TLineSeries* Target) {
        Clear();
        Target->CalcFirstLastVisibleIndex();
        if (Target->GetFirstVisibleIndex() >= 0) Target->DrawAllValues();
        return Bitmap.GetImage();
    }

    TPointByPointSeries* PointByPoint = new TPointByPointSeries(&Form);
};

TEST_P(LineSeriesBlockPass, SetsThePixelsOfThePointByPointPass) {
    Fill(Series);
    Fill(PointByPoint);
    SetUpAxes();
    const gdi::Bitmap Expected = DrawOnly(PointByPoint);
    const gdi::Bitmap Drawn = DrawOnly(Series);
    EXPECT_EQ(Differences(Drawn, Expected), 0);
    EXPECT_LT(Count(clWhite), Width * Height - 500);
    if (GetParam().PointColours) {
        EXPECT_GT(Count(clBlue), 100);
    }
    if (GetParam().ShadowAndOutline) {
        EXPECT_GT(Count(clGreen), 100);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LineSeriesBlockPass,
    ::testing::Values(TBlockCase{.Name = "Plain"}, TBlockCase{.Name = "Logarithmic", .LogY = true},
                      TBlockCase{.Name = "InvertedX", .InvertX = true},
                      TBlockCase{.Name = "InvertedY", .InvertY = true},
                      TBlockCase{.Name = "Unchecked", .InvertX = true, .FastCalc = true},
                      TBlockCase{.Name = "UncheckedInvertedY", .InvertY = true, .FastCalc = true},
                      TBlockCase{.Name = "Nulls", .Nulls = true, .Zoomed = true},
                      TBlockCase{.Name = "NullsBackwards", .InvertX = true, .Nulls = true, .Zoomed = true},
                      TBlockCase{.Name = "PointColours", .Nulls = true, .PointColours = true},
                      TBlockCase{.Name = "Stairs", .Stairs = true, .Zoomed = true},
                      TBlockCase{
                          .Name = "InvertedStairs", .InvertY = true, .Stairs = true, .InvertedStairs = true},
                      TBlockCase{.Name = "ShadowAndOutline", .Zoomed = true, .ShadowAndOutline = true}),
    [](const ::testing::TestParamInfo<TBlockCase>& Info) { return std::string(Info.param.Name); });

// Places a point 20 above its value and leaves out every tenth.
class TRaisedSeries : public TLineSeries {
public:
    using TLineSeries::TLineSeries;
    const TSeriesPoints& GetPoints() const override { return FRaised; }

private:
    class TRaised : public TValuePoints {
    public:
        using TValuePoints::TValuePoints;
        std::span<const double> Values(bool AsX, int From, int Count,
                                       std::span<double> Scratch) const override {
            const std::span<const double> Stored = TValuePoints::Values(AsX, From, Count, Scratch);
            if (AsX) return Stored;
            for (std::size_t I = 0; I < Stored.size(); ++I) Scratch[I] = Stored[I] + 20;
            return Scratch.first(Stored.size());
        }
        TColor Colour(int Index, TColor Automatic) const override {
            return Index % 10 == 0 ? clNone : TValuePoints::Colour(Index, Automatic);
        }
        bool Uniform() const override { return false; }
    };
    TRaised FRaised{*this};
};

using LineSeriesOverride = LineSeriesFixture;

TEST_F(LineSeriesOverride, ADerivedClassKeepsThePlacesAndGapsItGivesItsPoints) {
    // Drawn once raised and cut by the class and once from raised values
    // with nulls: with one pixel per value (y = 110 - Y) both pictures are
    // the same.
    auto* Raised = new TRaisedSeries(&Form);
    Raised->SetParentChart(Chart);
    Raised->SetSeriesColor(clRed);
    std::uint32_t Seed = 5;
    for (int I = 0; I < 3000; ++I) {
        Seed = Seed * 1664525u + 1013904223u;
        const double Y = 40 + 20 * std::cos(I / 250.0) + static_cast<double>(Seed >> 24) / 16.0;
        Raised->AddXY(I, Y);
        Series->AddXY(I, Y + 20);
    }
    for (int I = 0; I < 3000; I += 10) Series->SetNull(I);
    SetAxes(0, 2999);
    Raised->CalcFirstLastVisibleIndex();
    Raised->DrawAllValues();
    const gdi::Bitmap Drawn = Bitmap.GetImage();
    Clear();
    Draw();
    EXPECT_EQ(Differences(Drawn, Bitmap.GetImage()), 0);
    EXPECT_GT(Count(clRed), 500);
}

} // namespace
} // namespace vur::test
