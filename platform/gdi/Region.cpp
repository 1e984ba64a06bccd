#include "platform/gdi/Region.h"

#include "platform/gdi/RoundShape.h"
#include "platform/gdi/ScanConvert.h"

#include <algorithm>
#include <climits>

namespace vur::gdi {

Region::Region(int Left, int Top, int Right, int Bottom) {
    if (Left > Right) std::swap(Left, Right);
    if (Top > Bottom) std::swap(Top, Bottom);
    if (Left == Right || Top == Bottom) return;
    FRectSpan = Span{Left, Right};
    FRectBand = Band{Top, Bottom, 0, 1};
    FBox = RECT{Left, Top, Right, Bottom};
}

void Region::KeepRectangleInPlace() {
    if (FBands.size() != 1 || FBands[0].Count != 1) return;
    FRectBand = FBands[0];
    FRectBand.First = 0;
    FRectSpan = FSpans[static_cast<std::size_t>(FBands[0].First)];
    FBands = {};
    FSpans = {};
}

int Region::FindBand(int Y) const {
    const std::span<const Band> All = Bands();
    auto It = std::upper_bound(All.begin(), All.end(), Y, [](int V, const Band& B) { return V < B.Bottom; });
    if (It == All.end() || It->Top > Y) return -1;
    return static_cast<int>(It - All.begin());
}

bool Region::Contains(int X, int Y) const {
    const int I = FindBand(Y);
    if (I < 0) return false;
    for (const Span& S : Spans(Bands()[static_cast<std::size_t>(I)]))
        if (X >= S.X0 && X < S.X1) return true;
    return false;
}

void Region::Offset(int Dx, int Dy) {
    if (Empty()) return;
    const auto Move = [&](Band& B) {
        B.Top += Dy;
        B.Bottom += Dy;
    };
    const auto Slide = [&](Span& S) {
        S.X0 += Dx;
        S.X1 += Dx;
    };
    if (IsRectangle()) {
        Move(FRectBand);
        Slide(FRectSpan);
    }
    std::for_each(FBands.begin(), FBands.end(), Move);
    std::for_each(FSpans.begin(), FSpans.end(), Slide);
    FBox = RECT{FBox.left + Dx, FBox.top + Dy, FBox.right + Dx, FBox.bottom + Dy};
}

bool operator==(const Region& A, const Region& B) {
    const std::span<const Region::Band> BandsA = A.Bands(), BandsB = B.Bands();
    if (BandsA.size() != BandsB.size()) return false;
    for (std::size_t I = 0; I < BandsA.size(); ++I) {
        const auto& Ba = BandsA[I];
        const auto& Bb = BandsB[I];
        if (Ba.Top != Bb.Top || Ba.Bottom != Bb.Bottom) return false;
        const auto Sa = A.Spans(Ba), Sb = B.Spans(Bb);
        if (!std::equal(Sa.begin(), Sa.end(), Sb.begin(), Sb.end())) return false;
    }
    return true;
}

void RegionBuilder::AddRows(int Top, int Bottom, std::span<const Span> Spans) {
    if (Top >= Bottom) return;
    FRow.clear();
    for (const Span& S : Spans) {
        if (S.X0 >= S.X1) continue;
        if (!FRow.empty() && FRow.back().X1 >= S.X0)
            FRow.back().X1 = std::max(FRow.back().X1, S.X1);
        else
            FRow.push_back(S);
    }
    if (FRow.empty()) return;
    auto& Bands = FRegion.FBands;
    auto& All = FRegion.FSpans;
    if (!Bands.empty()) {
        Region::Band& Last = Bands.back();
        if (Last.Bottom == Top && std::equal(FRow.begin(), FRow.end(), All.begin() + Last.First,
                                             All.begin() + Last.First + Last.Count)) {
            Last.Bottom = Bottom;
            return;
        }
    }
    Bands.push_back(Region::Band{Top, Bottom, static_cast<int>(All.size()), static_cast<int>(FRow.size())});
    All.insert(All.end(), FRow.begin(), FRow.end());
}

Region RegionBuilder::Finish() {
    Region Result = std::move(FRegion);
    FRegion = Region();
    if (!Result.FBands.empty()) {
        RECT Box{INT_MAX, Result.FBands.front().Top, INT_MIN, Result.FBands.back().Bottom};
        for (const auto& B : Result.FBands) {
            Box.left = std::min(Box.left, Result.FSpans[B.First].X0);
            Box.right = std::max(Box.right, Result.FSpans[B.First + B.Count - 1].X1);
        }
        Result.FBox = Box;
    }
    Result.KeepRectangleInPlace();
    return Result;
}

namespace {

bool Apply(int Mode, bool InA, bool InB) {
    switch (Mode) {
    case RGN_AND:
        return InA && InB;
    case RGN_OR:
        return InA || InB;
    case RGN_XOR:
        return InA != InB;
    case RGN_DIFF:
        return InA && !InB;
    default:
        return InA;
    }
}

// Combines two sorted span lists of one row.
void CombineRow(std::span<const Span> A, std::span<const Span> B, int Mode, std::vector<Span>& Out) {
    Out.clear();
    std::size_t Ia = 0, Ib = 0;
    bool InA = false, InB = false, In = false;
    int Start = 0;
    while (Ia < A.size() * 2 || Ib < B.size() * 2) {
        const int Xa = Ia < A.size() * 2 ? (Ia & 1 ? A[Ia / 2].X1 : A[Ia / 2].X0) : INT_MAX;
        const int Xb = Ib < B.size() * 2 ? (Ib & 1 ? B[Ib / 2].X1 : B[Ib / 2].X0) : INT_MAX;
        const int X = std::min(Xa, Xb);
        if (Xa == X) {
            InA = !InA;
            ++Ia;
        }
        if (Xb == X) {
            InB = !InB;
            ++Ib;
        }
        const bool Now = Apply(Mode, InA, InB);
        if (Now == In) continue;
        if (Now)
            Start = X;
        else
            Out.push_back(Span{Start, X});
        In = Now;
    }
}

class RegionRowSink : public RowSink {
public:
    explicit RegionRowSink(RegionBuilder& B) : FBuilder(B) {}
    void Row(int Y, std::span<const Span> Spans) override { FBuilder.AddRows(Y, Y + 1, Spans); }

private:
    RegionBuilder& FBuilder;
};

constexpr RECT RasterLimit{-RegionRasterLimit, -RegionRasterLimit, RegionRasterLimit, RegionRasterLimit};

} // namespace

int CombineRgn(Region& Dest, const Region& A, const Region& B, int Mode) {
    if (Mode < RGN_AND || Mode > RGN_COPY) return ERROR;
    if (Mode == RGN_COPY) {
        Dest = A;
        return Dest.Complexity();
    }
    if (Mode == RGN_AND && (A.Empty() || A.IsRectangle()) && (B.Empty() || B.IsRectangle())) {
        // Two rectangles meet in a rectangle: no rows to walk, nothing to allocate.
        const RECT& Ra = A.Box();
        const RECT& Rb = B.Box();
        const int Left = std::max(Ra.left, Rb.left), Right = std::min(Ra.right, Rb.right);
        const int Top = std::max(Ra.top, Rb.top), Bottom = std::min(Ra.bottom, Rb.bottom);
        Dest = A.Empty() || B.Empty() || Left >= Right || Top >= Bottom ? Region()
                                                                        : Region(Left, Top, Right, Bottom);
        return Dest.Complexity();
    }
    RegionBuilder Builder;
    std::vector<Span> Row;
    const std::span<const Region::Band> Ba = A.Bands();
    const std::span<const Region::Band> Bb = B.Bands();
    std::size_t Ia = 0, Ib = 0;
    int Y = INT_MIN;
    while (Ia < Ba.size() || Ib < Bb.size()) {
        // The next stretch of rows over which neither region changes.
        int Top = INT_MAX;
        if (Ia < Ba.size()) Top = std::min(Top, std::max(Y, Ba[Ia].Top));
        if (Ib < Bb.size()) Top = std::min(Top, std::max(Y, Bb[Ib].Top));
        const bool InA = Ia < Ba.size() && Ba[Ia].Top <= Top;
        const bool InB = Ib < Bb.size() && Bb[Ib].Top <= Top;
        int Bottom = INT_MAX;
        if (Ia < Ba.size()) Bottom = std::min(Bottom, InA ? Ba[Ia].Bottom : Ba[Ia].Top);
        if (Ib < Bb.size()) Bottom = std::min(Bottom, InB ? Bb[Ib].Bottom : Bb[Ib].Top);
        CombineRow(InA ? A.Spans(Ba[Ia]) : std::span<const Span>(),
                   InB ? B.Spans(Bb[Ib]) : std::span<const Span>(), Mode, Row);
        Builder.AddRows(Top, Bottom, Row);
        Y = Bottom;
        if (Ia < Ba.size() && Ba[Ia].Bottom <= Y) ++Ia;
        if (Ib < Bb.size() && Bb[Ib].Bottom <= Y) ++Ib;
    }
    Dest = Builder.Finish();
    return Dest.Complexity();
}

Region CreateRectRgn(int Left, int Top, int Right, int Bottom) { return Region(Left, Top, Right, Bottom); }

Region CreateRectRgnIndirect(const RECT& R) { return Region(R.left, R.top, R.right, R.bottom); }

Region CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int EllipseWidth, int EllipseHeight) {
    if (!RoundShape::Fits(Left, Top, Right, Bottom)) return Region();
    if (Left > Right) std::swap(Left, Right);
    if (Top > Bottom) std::swap(Top, Bottom);
    --Right;
    --Bottom;
    if (Right <= Left || Bottom <= Top) return Region();
    // The shape clamps its corners to the box; the lowest int has no opposite.
    const auto Corner = [](int Size) {
        return static_cast<int>(std::min<long long>(std::llabs(Size), INT_MAX));
    };
    const RoundShape Shape(Left, Top, Right, Bottom, Corner(EllipseWidth), Corner(EllipseHeight));
    RegionBuilder Builder;
    const int First = std::max(Top, -RegionRasterLimit), Last = std::min(Bottom, RegionRasterLimit);
    for (int Y = First; Y < Last; ++Y) {
        const RoundShape::RowRuns R = Shape.Row(Y);
        const Span S{R.OuterLeft, R.OuterRight};
        Builder.AddRows(Y, Y + 1, std::span<const Span>(&S, 1));
    }
    return Builder.Finish();
}

Region CreateEllipticRgn(int Left, int Top, int Right, int Bottom) {
    if (!RoundShape::Fits(Left, Top, Right, Bottom)) return Region();
    return CreateRoundRectRgn(Left, Top, Right, Bottom, std::abs(Right - Left), std::abs(Bottom - Top));
}

Region CreatePolygonRgn(const POINT* Points, int Count, int FillMode) {
    if (Points == nullptr || Count < 3) return Region();
    ScanConverter Converter;
    Converter.AddFigure(Points, Count);
    RegionBuilder Builder;
    RegionRowSink Sink(Builder);
    Converter.Fill(FillMode == WINDING ? WINDING : ALTERNATE, RasterLimit, Sink);
    return Builder.Finish();
}

int OffsetRgn(Region& R, int Dx, int Dy) {
    R.Offset(Dx, Dy);
    return R.Complexity();
}

int GetRgnBox(const Region& R, RECT* Box) {
    if (Box) *Box = R.Empty() ? RECT{} : R.Box();
    return R.Complexity();
}

bool PtInRegion(const Region& R, int X, int Y) { return R.Contains(X, Y); }

bool EqualRgn(const Region& A, const Region& B) { return A == B; }

} // namespace vur::gdi
