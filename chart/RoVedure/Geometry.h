// Small geometric helpers shared by every drawing routine: points, rectangles,
// polygon bounds, orientation tests and distances in integer pixels.
#pragma once

#include "framework/Types.h"

#include <algorithm>
#include <span>

namespace vur {

// The furthest either way a chart property keeps a pixel size, offset,
// percentage or count: far beyond any picture, and small enough that the
// layout's sums of a few such values, scaled by the 3D zoom, stay inside int.
constexpr int MaxSetting = 1 << 20;
constexpr int BoundSetting(int Value) { return std::clamp(Value, -MaxSetting, MaxSetting); }
// The same for settings held as doubles (percentages); not a number becomes 0.
constexpr double BoundSetting(double Value) {
    return Value != Value ? 0.0 : std::clamp<double>(Value, -MaxSetting, MaxSetting);
}

TPoint VurPoint(int X, int Y);
TRect VurRect(int Left, int Top, int Right, int Bottom);
TPoint3D Point3D(int X, int Y, int Z);

// Edges included on all four sides.
bool PointInRect(const TRect& Rect, const TPoint& P);
bool PointInRect(const TRect& Rect, int X, int Y);
// Left <= Right and Top <= Bottom.
TRect OrientRectangle(const TRect& Rect);
void RectSize(const TRect& Rect, int& Width, int& Height);
// Centre with integer division truncating towards zero.
void RectCenter(const TRect& Rect, int& X, int& Y);
// The smallest rectangle holding every point (Right, Bottom = largest
// coordinates); the zero rectangle for no points.
TRect PolygonBounds(std::span<const TPoint> Points);
// PolygonBounds of the first NumPoints points, Right and Bottom one past.
TRect RectFromPolygon(std::span<const TPoint> Points, int NumPoints);
TRect RectFromTriangle(std::span<const TPoint> Points);
// True when P0, P1, P2 turn one way on screen (the back side of a face).
bool VurCull(const TPoint& P0, const TPoint& P1, const TPoint& P2);
bool VurCull(std::span<const TPoint> Points);
double VurDistance(double X, double Y);
// The point Distance pixels back from To towards From.
TPoint PointAtDistance(const TPoint& From, const TPoint& To, int Distance);
void SwapInteger(int& A, int& B);
void SwapDouble(double& A, double& B);

} // namespace vur
