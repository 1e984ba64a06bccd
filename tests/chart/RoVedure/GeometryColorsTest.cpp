#include "chart/RoVedure/Canvas.h"
#include "chart/RoVedure/Colors.h"
#include "chart/RoVedure/Geometry.h"
#include "framework/SystemColors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vur {
namespace {

TEST(GeometryTest, PointInRectIncludesAllFourEdges) {
    const TRect R{10, 20, 30, 40};
    EXPECT_TRUE(PointInRect(R, 10, 20));
    EXPECT_TRUE(PointInRect(R, 30, 40));
    EXPECT_TRUE(PointInRect(R, TPoint{30, 20}));
    EXPECT_FALSE(PointInRect(R, 31, 30));
    EXPECT_FALSE(PointInRect(R, 20, 19));
}

TEST(GeometryTest, RectFromPolygonEndsOnePastTheLargestCoordinates) {
    const TPoint P[] = {{5, 9}, {-2, 4}, {7, 1}, {100, 100}};
    EXPECT_EQ(RectFromPolygon(P, 3), (TRect{-2, 1, 8, 10}));
    EXPECT_EQ(PolygonBounds(std::span(P, 3)), (TRect{-2, 1, 7, 9}));
    EXPECT_EQ(RectFromTriangle(P), (TRect{-2, 1, 8, 10}));
    EXPECT_EQ(PolygonBounds({}), (TRect{0, 0, 0, 0}));
    // More points asked for than given: only the given ones count.
    EXPECT_EQ(RectFromPolygon(std::span(P, 2), 5), (TRect{-2, 4, 6, 10}));
}

TEST(GeometryTest, RectangleHelpers) {
    EXPECT_EQ(OrientRectangle(TRect{10, 8, 2, 3}), (TRect{2, 3, 10, 8}));
    int X = 0, Y = 0;
    RectCenter(TRect{-5, -5, 0, 2}, X, Y);
    EXPECT_EQ(X, -2); // -5 div 2 truncates towards zero
    EXPECT_EQ(Y, -1);
    RectSize(TRect{1, 2, 11, 7}, X, Y);
    EXPECT_EQ(X, 10);
    EXPECT_EQ(Y, 5);
}

TEST(GeometryTest, CullTellsTheTwoTurningDirectionsApart) {
    // Clockwise as seen on the screen (y grows downwards) is culled.
    EXPECT_TRUE(VurCull(TPoint{0, 0}, TPoint{10, 0}, TPoint{10, 10}));
    EXPECT_FALSE(VurCull(TPoint{10, 10}, TPoint{10, 0}, TPoint{0, 0}));
    EXPECT_FALSE(VurCull(TPoint{0, 0}, TPoint{5, 5}, TPoint{10, 10})); // collinear
    const TPoint P[] = {{0, 0}, {10, 0}, {10, 10}, {99, 99}};
    EXPECT_TRUE(VurCull(P));
}

TEST(GeometryTest, PointAtDistanceStepsBackAlongTheSegment) {
    EXPECT_EQ(PointAtDistance(TPoint{0, 0}, TPoint{30, 40}, 10), (TPoint{24, 32}));
    EXPECT_EQ(PointAtDistance(TPoint{5, 0}, TPoint{5, 20}, 4), (TPoint{5, 16}));
    EXPECT_EQ(PointAtDistance(TPoint{5, 20}, TPoint{5, 0}, 4), (TPoint{5, 4}));
    EXPECT_DOUBLE_EQ(VurDistance(3, 4), 5);
}

TEST(ColorsTest, DarkAndBrightClampEachChannel) {
    EXPECT_EQ(ApplyDark(0x404040, 64), 0u);
    EXPECT_EQ(ApplyDark(0x2010C8, 64), 0x000088u); // 200 -> 136, 16 and 32 -> 0
    EXPECT_EQ(ApplyBright(0xF0F0F0, 32), 0xFFFFFFu);
    EXPECT_EQ(ApplyBright(0x000010, 32), 0x202030u);
    // System colours are converted first.
    EXPECT_EQ(ApplyDark(clBtnFace, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(RGBValue(clBtnFace), clBtnFace & 0xFFFFFF);
}

// Orientation sign of the polygon's corners; every turn of a convex polygon has the same one.
bool IsConvexPolygon(const std::vector<TPoint>& P) {
    int Sign = 0;
    for (std::size_t I = 0; I < P.size(); ++I) {
        const TPoint& A = P[I];
        const TPoint& B = P[(I + 1) % P.size()];
        const TPoint& C = P[(I + 2) % P.size()];
        const long Cross = long(B.X - A.X) * (C.Y - B.Y) - long(B.Y - A.Y) * (C.X - B.X);
        if (Cross == 0) return false;
        const int S = Cross > 0 ? 1 : -1;
        if (Sign != 0 && S != Sign) return false;
        Sign = S;
    }
    return true;
}

TEST(ConvexHullTest, ProjectedBoxGivesItsSilhouetteClosedByThePivot) {
    // The eight corners of the box (10..50, 10..40, depth 0..20), projected
    // orthogonally: (x, y, z) -> (x + z, y - z).
    std::vector<TPoint> P;
    for (int Z : {0, 20})
        for (int Y : {10, 40})
            for (int X : {10, 50}) P.push_back(TPoint{X + Z, Y - Z});
    ASSERT_TRUE(TVurCanvas::ConvexHull(P));
    std::vector<TPoint> Expected = {{10, 10}, {30, -10}, {70, -10}, {70, 20}, {50, 40}, {10, 40}};
    ASSERT_EQ(P.size(), Expected.size());
    EXPECT_EQ(P.back(), (TPoint{70, -10})); // smallest y, largest x among those
    EXPECT_TRUE(IsConvexPolygon(P));
    auto Less = [](const TPoint& A, const TPoint& B) { return A.X != B.X ? A.X < B.X : A.Y < B.Y; };
    std::sort(P.begin(), P.end(), Less);
    std::sort(Expected.begin(), Expected.end(), Less);
    EXPECT_EQ(P, Expected);
}

TEST(ConvexHullTest, FewPointsStayAsTheyAre) {
    std::vector<TPoint> Two = {{0, 0}, {5, 5}};
    EXPECT_FALSE(TVurCanvas::ConvexHull(Two));
    EXPECT_EQ(Two.size(), 2u);
    std::vector<TPoint> Three = {{0, 0}, {5, 5}, {9, 1}};
    EXPECT_TRUE(TVurCanvas::ConvexHull(Three));
    EXPECT_EQ(Three, (std::vector<TPoint>{{0, 0}, {5, 5}, {9, 1}}));
}

TEST(ConvexHullTest, InnerPointsAreDropped) {
    std::vector<TPoint> P = {{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10}, {3, 7}};
    ASSERT_TRUE(TVurCanvas::ConvexHull(P));
    EXPECT_EQ(P.size(), 4u);
    EXPECT_TRUE(IsConvexPolygon(P));
}

} // namespace
} // namespace vur
