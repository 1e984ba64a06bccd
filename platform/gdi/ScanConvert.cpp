#include "platform/gdi/ScanConvert.h"

#include <algorithm>
#include <cmath>

namespace vur::gdi {

namespace {

constexpr std::int64_t CoordLimit = std::int64_t{1} << 26;

std::int64_t FixedFromInt(int V) { return std::clamp<std::int64_t>(V, -CoordLimit, CoordLimit) * 16; }

std::int64_t FixedFromDouble(double V) {
    if (!(V == V)) return 0;
    const double Clamped = std::clamp(V, -static_cast<double>(CoordLimit), static_cast<double>(CoordLimit));
    return std::llround(Clamped * 16.0);
}

std::int64_t FloorDiv(std::int64_t A, std::int64_t B) {
    std::int64_t Q = A / B;
    if ((A % B != 0) && ((A < 0) != (B < 0))) --Q;
    return Q;
}

std::int64_t CeilDiv(std::int64_t A, std::int64_t B) { return -FloorDiv(-A, B); }

} // namespace

void ScanConverter::Clear() { FEdges.clear(); }

void ScanConverter::AddEdge(std::int64_t X0, std::int64_t Y0, std::int64_t X1, std::int64_t Y1) {
    if (Y0 == Y1) return;
    if (Y0 < Y1)
        FEdges.push_back(Edge{X0, Y0, X1 - X0, Y1 - Y0, 1});
    else
        FEdges.push_back(Edge{X1, Y1, X0 - X1, Y0 - Y1, -1});
}

template <class P, class F>
void ScanConverter::AddPoints(const P* Points, int Count, F ToFixed) {
    if (Count < 2) return;
    std::int64_t FirstX = 0, FirstY = 0, LastX = 0, LastY = 0;
    for (int I = 0; I < Count; ++I) {
        const auto [X, Y] = ToFixed(Points[I]);
        if (I == 0) {
            FirstX = X;
            FirstY = Y;
        } else {
            AddEdge(LastX, LastY, X, Y);
        }
        LastX = X;
        LastY = Y;
    }
    AddEdge(LastX, LastY, FirstX, FirstY);
}

void ScanConverter::AddFigure(const POINT* Points, int Count) {
    AddPoints(Points, Count, [](const POINT& P) { return std::pair{FixedFromInt(P.x), FixedFromInt(P.y)}; });
}

void ScanConverter::AddFigure(std::span<const PointF> Points) {
    AddPoints(Points.data(), static_cast<int>(Points.size()), [](const PointF& P) {
        return std::pair{FixedFromDouble(P.X), FixedFromDouble(P.Y)};
    });
}

void ScanConverter::Fill(int FillMode, const RECT& Clip, RowSink& Sink) {
    if (FEdges.empty() || Clip.left >= Clip.right || Clip.top >= Clip.bottom) return;
    std::sort(FEdges.begin(), FEdges.end(), [](const Edge& A, const Edge& B) { return A.Y0 < B.Y0; });
    std::int64_t MaxY = FEdges[0].Y0 + FEdges[0].Dy;
    for (const Edge& E : FEdges) MaxY = std::max(MaxY, E.Y0 + E.Dy);
    // Rows whose sample line 16 y lies in [top, bottom) of some edge.
    const std::int64_t FirstRow = std::max<std::int64_t>(Clip.top, CeilDiv(FEdges[0].Y0, 16));
    const std::int64_t EndRow = std::min<std::int64_t>(Clip.bottom, CeilDiv(MaxY, 16));
    FActive.clear();
    std::size_t Next = 0;
    std::int64_t NextEnd = MaxY; // the first sample line at which an active edge ends
    for (std::int64_t Y = FirstRow; Y < EndRow; ++Y) {
        const std::int64_t Sample = Y * 16;
        if (NextEnd <= Sample) {
            std::erase_if(FActive, [&](const Active& A) { return A.End <= Sample; });
            NextEnd = MaxY;
            for (const Active& A : FActive) NextEnd = std::min(NextEnd, A.End);
        }
        for (Active& A : FActive) {
            A.Q += A.StepQ;
            A.R += A.StepR;
            if (A.R >= A.Dy) {
                A.R -= A.Dy;
                ++A.Q;
            }
        }
        for (; Next < FEdges.size() && FEdges[Next].Y0 <= Sample; ++Next) {
            const Edge& E = FEdges[Next];
            if (E.Y0 + E.Dy <= Sample) continue;
            // X = X0 + (Sample - Y0) Dx / Dy, and its change per row.
            const std::int64_t T = (Sample - E.Y0) * E.Dx, Step = 16 * E.Dx;
            const std::int64_t Q = FloorDiv(T, E.Dy), StepQ = FloorDiv(Step, E.Dy);
            FActive.push_back(
                Active{Q, T - Q * E.Dy, StepQ, Step - StepQ * E.Dy, E.Dy, E.X0, E.Y0 + E.Dy, 0, E.Dir});
            NextEnd = std::min(NextEnd, E.Y0 + E.Dy);
        }
        // The column is the first at or right of X / 16; then the edges are
        // kept in column order, which changes little from row to row.
        for (std::size_t I = 0; I < FActive.size(); ++I) {
            Active& A = FActive[I];
            const std::int64_t X = A.X0 + A.Q;
            A.Column = A.R == 0 ? (X + 15) >> 4 : (X >> 4) + 1;
            for (std::size_t J = I; J > 0 && FActive[J].Column < FActive[J - 1].Column; --J)
                std::swap(FActive[J], FActive[J - 1]);
        }
        FRow.clear();
        int Winding = 0;
        for (std::size_t I = 0; I + 1 < FActive.size(); ++I) {
            Winding += FillMode == WINDING ? FActive[I].Dir : 1;
            const bool Inside = FillMode == WINDING ? Winding != 0 : (Winding & 1) != 0;
            if (!Inside) continue;
            const std::int64_t X0 = std::max<std::int64_t>(FActive[I].Column, Clip.left);
            const std::int64_t X1 = std::min<std::int64_t>(FActive[I + 1].Column, Clip.right);
            if (X0 >= X1) continue;
            if (!FRow.empty() && FRow.back().X1 >= X0)
                FRow.back().X1 = std::max(FRow.back().X1, static_cast<int>(X1));
            else
                FRow.push_back(Span{static_cast<int>(X0), static_cast<int>(X1)});
        }
        if (!FRow.empty()) Sink.Row(static_cast<int>(Y), FRow);
    }
}

} // namespace vur::gdi
