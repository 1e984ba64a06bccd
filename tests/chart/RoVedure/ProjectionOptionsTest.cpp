// TView3DOptions: defaults, compare-then-store setters, the two callbacks
// and Assign.
#include "chart/RoVedure/View3DOptions.h"
#include "chart/VurProcs/Panel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vur {
namespace {

class TCountingPanel : public TCustomVurPanel {
public:
    using TCustomVurPanel::TCustomVurPanel;
    void Invalidate() override { ++Invalidates; }
    int Invalidates = 0;
};

TEST(View3DOptions, StartsWithTheDocumentedView) {
    TView3DOptions Options(nullptr);
    EXPECT_EQ(Options.GetElevation(), 345);
    EXPECT_EQ(Options.GetFontZoom(), 100);
    EXPECT_EQ(Options.GetHorizOffset(), 0);
    EXPECT_EQ(Options.GetOrthoAngle(), 45);
    EXPECT_TRUE(Options.GetOrthogonal());
    EXPECT_EQ(Options.GetPerspective(), 15);
    EXPECT_EQ(Options.GetRotation(), 345);
    EXPECT_EQ(Options.GetTilt(), 0);
    EXPECT_EQ(Options.GetVertOffset(), 0);
    EXPECT_EQ(Options.GetZoom(), 100);
    EXPECT_TRUE(Options.GetZoomText());
}

TEST(View3DOptions, OnlyARealChangeRepaintsTheOwner) {
    TCountingPanel Panel(nullptr);
    TView3DOptions Options(&Panel);
    Options.SetElevation(345);
    Options.SetOrthogonal(true);
    Options.SetZoom(100);
    Options.SetHorizOffset(0);
    EXPECT_EQ(Panel.Invalidates, 0);

    Options.SetElevation(10);
    Options.SetFontZoom(120);
    Options.SetOrthoAngle(60);
    Options.SetOrthogonal(false);
    Options.SetPerspective(0);
    Options.SetRotation(20);
    Options.SetTilt(5);
    Options.SetZoomText(false);
    EXPECT_EQ(Panel.Invalidates, 8);
    EXPECT_EQ(Options.GetElevation(), 10);
    EXPECT_EQ(Options.GetTilt(), 5);
    EXPECT_FALSE(Options.GetZoomText());
}

TEST(View3DOptions, OffsetsRepaintThenReportTheScrollDirection) {
    TCountingPanel Panel(nullptr);
    TView3DOptions Options(&Panel);
    std::vector<bool> Scrolls;
    std::vector<int> InvalidatesAtCallback;
    Options.OnScrolled = [&](bool IsHoriz) {
        Scrolls.push_back(IsHoriz);
        InvalidatesAtCallback.push_back(Panel.Invalidates);
    };
    Options.SetHorizOffset(10);
    Options.SetHorizOffset(10);
    Options.SetVertOffset(-4);
    EXPECT_EQ(Scrolls, (std::vector<bool>{true, false}));
    EXPECT_EQ(InvalidatesAtCallback, (std::vector<int>{1, 2}));
    EXPECT_EQ(Options.GetHorizOffset(), 10);
    EXPECT_EQ(Options.GetVertOffset(), -4);
}

TEST(View3DOptions, ZoomCallbackSeesTheNewValueBeforeItIsStored) {
    TCountingPanel Panel(nullptr);
    TView3DOptions Options(&Panel);
    int Reported = 0;
    int StoredAtCallback = 0;
    Options.OnChangedZoom = [&](int NewZoom) {
        Reported = NewZoom;
        StoredAtCallback = Options.GetZoom();
    };
    Options.SetZoom(50);
    EXPECT_EQ(Reported, 50);
    EXPECT_EQ(StoredAtCallback, 100);
    EXPECT_EQ(Options.GetZoom(), 50);
    EXPECT_EQ(Panel.Invalidates, 1);
    Reported = 0;
    Options.SetZoom(50);
    EXPECT_EQ(Reported, 0);
}

TEST(View3DOptions, AssignCopiesEveryPropertySilently) {
    TView3DOptions Source(nullptr);
    Source.SetElevation(1);
    Source.SetFontZoom(2);
    Source.SetHorizOffset(3);
    Source.SetOrthoAngle(4);
    Source.SetOrthogonal(false);
    Source.SetPerspective(5);
    Source.SetRotation(6);
    Source.SetTilt(7);
    Source.SetVertOffset(8);
    Source.SetZoom(9);
    Source.SetZoomText(false);

    TCountingPanel Panel(nullptr);
    TView3DOptions Target(&Panel);
    int Callbacks = 0;
    Target.OnScrolled = [&](bool) { ++Callbacks; };
    Target.OnChangedZoom = [&](int) { ++Callbacks; };
    Target.Assign(&Source);
    EXPECT_EQ(Callbacks, 0);
    EXPECT_EQ(Panel.Invalidates, 0);
    EXPECT_EQ(Target.GetElevation(), 1);
    EXPECT_EQ(Target.GetFontZoom(), 2);
    EXPECT_EQ(Target.GetHorizOffset(), 3);
    EXPECT_EQ(Target.GetOrthoAngle(), 4);
    EXPECT_FALSE(Target.GetOrthogonal());
    EXPECT_EQ(Target.GetPerspective(), 5);
    EXPECT_EQ(Target.GetRotation(), 6);
    EXPECT_EQ(Target.GetTilt(), 7);
    EXPECT_EQ(Target.GetVertOffset(), 8);
    EXPECT_EQ(Target.GetZoom(), 9);
    EXPECT_FALSE(Target.GetZoomText());
}

TEST(View3DOptions, OrthoRatioIsTheDepthSlope) {
    TView3DOptions Options(nullptr);
    EXPECT_NEAR(Options.CalcOrthoRatio(), 1.0, 1e-12);
    Options.SetOrthoAngle(60);
    EXPECT_NEAR(Options.CalcOrthoRatio(), std::sqrt(3.0), 1e-12);
    Options.SetOrthoAngle(120); // folded to 60
    EXPECT_NEAR(Options.CalcOrthoRatio(), std::sqrt(3.0), 1e-12);
    Options.SetOrthoAngle(30);
    EXPECT_NEAR(Options.CalcOrthoRatio(), 1 / std::sqrt(3.0), 1e-12);
    // Straight up: the same slope the projection uses, not a huge tangent.
    Options.SetOrthoAngle(90);
    EXPECT_EQ(Options.CalcOrthoRatio(), 1.0);
    Options.SetOrthogonal(false);
    EXPECT_EQ(Options.CalcOrthoRatio(), 1.0);
}

} // namespace
} // namespace vur
