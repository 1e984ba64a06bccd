#include "platform/gdi/Stroker.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vur::gdi {

namespace {

PointF Add(PointF A, PointF B) { return {A.X + B.X, A.Y + B.Y}; }
PointF Sub(PointF A, PointF B) { return {A.X - B.X, A.Y - B.Y}; }
PointF Mul(PointF A, double K) { return {A.X * K, A.Y * K}; }
double Dot(PointF A, PointF B) { return A.X * B.X + A.Y * B.Y; }
double Length(PointF A) { return std::hypot(A.X, A.Y); }

// The part [T0, T1] of the segment A + t (B - A), t in [0, 1], inside the box.
bool ClipSegment(PointF A, PointF B, double Left, double Top, double Right, double Bottom, double& T0,
                 double& T1) {
    T0 = 0;
    T1 = 1;
    const PointF D = Sub(B, A);
    const double P[4] = {-D.X, D.X, -D.Y, D.Y};
    const double Q[4] = {A.X - Left, Right - A.X, A.Y - Top, Bottom - A.Y};
    for (int I = 0; I < 4; ++I) {
        if (P[I] == 0) {
            if (Q[I] < 0) return false;
            continue;
        }
        const double R = Q[I] / P[I];
        if (P[I] < 0)
            T0 = std::max(T0, R);
        else
            T1 = std::min(T1, R);
    }
    return T0 <= T1;
}

} // namespace

StrokeStyle StrokeStyle::FromPen(const Pen& P, double MiterLimit) {
    StrokeStyle S;
    S.Width = P.GetWidth();
    if (P.IsGeometric()) {
        S.EndCap = P.GetEndCap();
        S.Join = P.GetJoin();
        S.Dashes = P.GetDashes();
    }
    S.MiterLimit = std::max(MiterLimit, 1.0);
    return S;
}

bool StrokeStyle::Dashed() const { return Dashes.size() >= 2 && Period() > 0; }

double StrokeStyle::Period() const {
    double Sum = 0;
    for (double D : Dashes) Sum += std::max(D, 0.0);
    return Sum;
}

double StrokeStyle::DashesAlong(double Length) const {
    if (!Dashed()) return 1;
    return (Length / Period() + 1) * static_cast<double>((Dashes.size() + 1) / 2);
}

void DiscPolygon(PointF Centre, double Width, std::vector<PointF>& Out) {
    Out.clear();
    const int N = static_cast<int>(std::clamp(Width * 2, 8.0, 64.0));
    const double R = Width / 2;
    for (int I = 0; I < N; ++I) {
        const double A = 2 * std::numbers::pi * I / N;
        Out.push_back({Centre.X + R * std::cos(A), Centre.Y - R * std::sin(A)});
    }
}

bool Stroker::Visible(PointF P, double Margin) const {
    return P.X >= FCull.left - Margin && P.X <= FCull.right + Margin && P.Y >= FCull.top - Margin &&
           P.Y <= FCull.bottom + Margin;
}

void Stroker::Emit(StrokeSink& Sink, std::initializer_list<PointF> Polygon) {
    FPiece.assign(Polygon.begin(), Polygon.end());
    double Area = 0;
    for (std::size_t I = 0; I < FPiece.size(); ++I) {
        const PointF& A = FPiece[I];
        const PointF& B = FPiece[(I + 1) % FPiece.size()];
        Area += A.X * B.Y - B.X * A.Y;
    }
    if (Area == 0) return;
    if (Area < 0) std::reverse(FPiece.begin(), FPiece.end());
    Sink.Piece(FPiece);
}

void Stroker::Stroke(std::span<const PointF> Points, bool Closed, const StrokeStyle& Style,
                     StrokeSink& Sink) {
    if (Style.Dashed())
        Dashed(Points, Closed, Style, Sink);
    else
        Solid(Points, Closed, Style, Sink);
}

void Stroker::Solid(std::span<const PointF> Input, bool Closed, const StrokeStyle& Style, StrokeSink& Sink) {
    std::vector<PointF>& Pts = FPoints;
    Pts.clear();
    for (const PointF& P : Input)
        if (Pts.empty() || !(P == Pts.back())) Pts.push_back(P);
    if (Closed && Pts.size() > 1 && Pts.front() == Pts.back()) Pts.pop_back();
    if (Pts.empty()) return;
    const double H = Style.Width / 2;
    const double Margin = Style.Width * std::max(Style.MiterLimit, 2.0) + 2;
    if (Pts.size() == 1) {
        if (!Visible(Pts[0], Margin)) return;
        if (Style.EndCap == PS_ENDCAP_ROUND)
            Sink.Disc(Pts[0]);
        else if (Style.EndCap == PS_ENDCAP_SQUARE)
            Emit(Sink, {{Pts[0].X - H, Pts[0].Y - H},
                        {Pts[0].X + H, Pts[0].Y - H},
                        {Pts[0].X + H, Pts[0].Y + H},
                        {Pts[0].X - H, Pts[0].Y + H}});
        return;
    }
    const std::size_t N = Pts.size();
    const std::size_t Segments = Closed ? N : N - 1;
    for (std::size_t I = 0; I < Segments; ++I) {
        const PointF A = Pts[I], B = Pts[(I + 1) % N];
        double T0, T1;
        if (!ClipSegment(A, B, FCull.left - Margin, FCull.top - Margin, FCull.right + Margin,
                         FCull.bottom + Margin, T0, T1))
            continue;
        const PointF D = Sub(B, A);
        const PointF U = Mul(D, 1 / Length(D));
        const PointF Nrm{-U.Y * H, U.X * H};
        PointF P0 = Add(A, Mul(D, T0)), P1 = Add(A, Mul(D, T1));
        if (!Closed && Style.EndCap == PS_ENDCAP_SQUARE) {
            if (I == 0 && T0 == 0) P0 = Sub(P0, Mul(U, H));
            if (I + 1 == Segments && T1 == 1) P1 = Add(P1, Mul(U, H));
        }
        Emit(Sink, {Add(P0, Nrm), Add(P1, Nrm), Sub(P1, Nrm), Sub(P0, Nrm)});
    }
    // Round caps at the two ends of an open figure.
    if (!Closed && Style.EndCap == PS_ENDCAP_ROUND) {
        if (Visible(Pts.front(), Margin)) Sink.Disc(Pts.front());
        if (Visible(Pts.back(), Margin)) Sink.Disc(Pts.back());
    }
    // Joins.
    const std::size_t FirstJoin = Closed ? 0 : 1, EndJoin = Closed ? N : N - 1;
    for (std::size_t I = FirstJoin; I < EndJoin; ++I) {
        const PointF V = Pts[I];
        if (!Visible(V, Margin)) continue;
        if (Style.Join == PS_JOIN_ROUND) {
            Sink.Disc(V);
            continue;
        }
        const PointF Prev = Pts[(I + N - 1) % N], Next = Pts[(I + 1) % N];
        const PointF D1 = Mul(Sub(V, Prev), 1 / Length(Sub(V, Prev)));
        const PointF D2 = Mul(Sub(Next, V), 1 / Length(Sub(Next, V)));
        const PointF N1{-D1.Y, D1.X}, N2{-D2.Y, D2.X};
        // The outer side is the one the path turns away from.
        const double Side = Dot(D2, N1) > 0 ? -1 : 1;
        const PointF O1 = Add(V, Mul(N1, Side * H)), O2 = Add(V, Mul(N2, Side * H));
        const PointF Sum = Add(N1, N2);
        const double SumLen = Length(Sum);
        const double CosHalf = SumLen / 2;
        if (Style.Join == PS_JOIN_MITER && CosHalf > 0 && 1 / CosHalf <= Style.MiterLimit) {
            const PointF Tip = Add(V, Mul(Sum, Side * H / (CosHalf * SumLen)));
            Emit(Sink, {V, O1, Tip, O2});
        } else {
            Emit(Sink, {V, O1, O2});
        }
    }
}

void Stroker::Dashed(std::span<const PointF> Points, bool Closed, const StrokeStyle& Style,
                     StrokeSink& Sink) {
    const std::span<const double> Dashes = Style.Dashes;
    const std::size_t Count = Dashes.size();
    const double Period = Style.Period();
    std::size_t Index = 0;
    double Left = std::max(Dashes[0], 0.0);
    FDash.clear();
    // Each finished dash is stroked on its own; Solid copies it before
    // writing any of the stroker's buffers.
    auto Flush = [&] {
        if (!FDash.empty()) {
            Solid(FDash, false, Style, Sink);
            FDash.clear();
        }
    };
    auto Advance = [&](double Distance) {
        Flush();
        Distance = std::fmod(Distance, Period);
        while (Distance >= Left) {
            Distance -= Left;
            Index = (Index + 1) % Count;
            Left = std::max(Dashes[Index], 0.0);
        }
        Left -= Distance;
    };
    const double Margin = Style.Width * std::max(Style.MiterLimit, 2.0) + 2;
    const std::size_t N = Points.size();
    const std::size_t Segments = N < 2 ? 0 : (Closed ? N : N - 1);
    for (std::size_t I = 0; I < Segments; ++I) {
        const PointF A = Points[I], B = Points[(I + 1) % N];
        const double L = Length(Sub(B, A));
        if (L == 0) continue;
        double T0, T1;
        if (!ClipSegment(A, B, FCull.left - Margin, FCull.top - Margin, FCull.right + Margin,
                         FCull.bottom + Margin, T0, T1)) {
            Advance(L);
            continue;
        }
        const PointF U = Mul(Sub(B, A), 1 / L);
        double T = T0 * L;
        if (T > 0) Advance(T);
        const double End = T1 * L;
        while (true) {
            const bool On = Index % 2 == 0;
            if (On && FDash.empty()) FDash.push_back(Add(A, Mul(U, T)));
            const double Take = std::min(Left, End - T);
            T += Take;
            Left -= Take;
            if (On && Take > 0) FDash.push_back(Add(A, Mul(U, T)));
            if (Left > 0) break;
            if (On) Flush();
            Index = (Index + 1) % Count;
            Left = std::max(Dashes[Index], 0.0);
        }
        if (End < L) Advance(L - End);
    }
    Flush();
}

} // namespace vur::gdi
