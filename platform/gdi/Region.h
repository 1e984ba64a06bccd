// Clip regions: a set of pixels kept as bands of rows, top to bottom, each
// holding sorted, disjoint, non-touching x-spans [X0, X1). Two neighbouring
// bands never hold the same spans, so equal regions have equal bands. Regions
// are values; the Windows functions below create and combine them. A region
// of one rectangle keeps it in place: creating, copying and intersecting
// rectangles takes no heap storage.
#pragma once

#include "platform/gdi/Types.h"

#include <span>
#include <vector>

namespace vur::gdi {

constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

struct Span {
    int X0 = 0;
    int X1 = 0;
    friend bool operator==(const Span&, const Span&) = default;
};

class Region {
public:
    struct Band {
        int Top = 0;
        int Bottom = 0;
        int First = 0; // index of the first span
        int Count = 0;
    };

    Region() = default;
    // The normalised rectangle [Left, Right) x [Top, Bottom).
    Region(int Left, int Top, int Right, int Bottom);

    bool Empty() const { return FBands.empty() && !IsRectangle(); }
    // NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
    int Complexity() const {
        if (IsRectangle()) return SIMPLEREGION;
        return FBands.empty() ? NULLREGION : COMPLEXREGION;
    }
    const RECT& Box() const { return FBox; }
    bool Contains(int X, int Y) const;

    std::span<const Band> Bands() const {
        if (FBands.empty()) return {&FRectBand, static_cast<std::size_t>(FRectBand.Count)};
        return FBands;
    }
    std::span<const Span> Spans(const Band& B) const {
        if (FSpans.empty()) return {&FRectSpan, static_cast<std::size_t>(B.Count)};
        return {FSpans.data() + B.First, static_cast<std::size_t>(B.Count)};
    }
    // One rectangle (the box), held without the band and span lists.
    bool IsRectangle() const { return FRectBand.Count == 1; }
    // Index of the band holding row Y, or -1.
    int FindBand(int Y) const;

    void Offset(int Dx, int Dy);

    friend bool operator==(const Region& A, const Region& B);

private:
    friend class RegionBuilder;
    // A region of one rectangle moves it from the lists into place.
    void KeepRectangleInPlace();

    // Either both lists hold the region, or they are empty and FRectBand
    // (Count 1) and FRectSpan hold one rectangle, or all is empty.
    std::vector<Band> FBands;
    std::vector<Span> FSpans;
    Band FRectBand;
    Span FRectSpan;
    RECT FBox;
};

// Builds a region from rows given top to bottom; each row's spans sorted and
// disjoint (touching spans are joined here).
class RegionBuilder {
public:
    void AddRows(int Top, int Bottom, std::span<const Span> Spans);
    Region Finish();

private:
    Region FRegion;
    std::vector<Span> FRow;
};

// Creation; elliptic and rounded regions first take 1 off right and bottom,
// and are empty for a box RoundShape::Fits refuses.
Region CreateRectRgn(int Left, int Top, int Right, int Bottom);
Region CreateRectRgnIndirect(const RECT& R);
Region CreateEllipticRgn(int Left, int Top, int Right, int Bottom);
Region CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int EllipseWidth, int EllipseHeight);
Region CreatePolygonRgn(const POINT* Points, int Count, int FillMode);

// Dest may be one of the sources. Returns the complexity of the result or ERROR.
int CombineRgn(Region& Dest, const Region& A, const Region& B, int Mode);
int OffsetRgn(Region& R, int Dx, int Dy);
int GetRgnBox(const Region& R, RECT* Box);
bool PtInRegion(const Region& R, int X, int Y);
bool EqualRgn(const Region& A, const Region& B);

// Non-rectangular shapes are rasterised only inside this many pixels around
// the origin, so a region of absurd coordinates stays small.
constexpr int RegionRasterLimit = 1 << 16;

} // namespace vur::gdi
