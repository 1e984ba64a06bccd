#include "platform/gdi/Glyph.h"

#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>

namespace vur::gdi::detail {

namespace {

constexpr double Tolerance = 0.1;
constexpr int MaxSteps = 256;

struct Flattener {
    double OriginX;
    double OriginY;
    OutlineSink& Sink;
    double X = 0.0; // current point, device coordinates
    double Y = 0.0;
    bool Open = false;

    double DevX(const FT_Vector* V) const { return OriginX + V->x / 64.0; }
    double DevY(const FT_Vector* V) const { return OriginY - V->y / 64.0; }
    void Line(double ToX, double ToY) {
        Sink.LineTo(ToX, ToY);
        X = ToX;
        Y = ToY;
    }
};

int Steps(double Deviation) {
    const int N = static_cast<int>(std::ceil(std::sqrt(Deviation / Tolerance)));
    return std::clamp(N, 1, MaxSteps);
}

int MoveTo(const FT_Vector* To, void* User) {
    auto& F = *static_cast<Flattener*>(User);
    if (F.Open) F.Sink.CloseFigure();
    F.X = F.DevX(To);
    F.Y = F.DevY(To);
    F.Sink.MoveTo(F.X, F.Y);
    F.Open = true;
    return 0;
}

int LineTo(const FT_Vector* To, void* User) {
    auto& F = *static_cast<Flattener*>(User);
    F.Line(F.DevX(To), F.DevY(To));
    return 0;
}

int ConicTo(const FT_Vector* Control, const FT_Vector* To, void* User) {
    auto& F = *static_cast<Flattener*>(User);
    const double X0 = F.X, Y0 = F.Y;
    const double X1 = F.DevX(Control), Y1 = F.DevY(Control);
    const double X2 = F.DevX(To), Y2 = F.DevY(To);
    // The chord error of n equal steps is at most |P0 - 2 P1 + P2| / (4 n^2).
    const int N = Steps(std::hypot(X0 - 2 * X1 + X2, Y0 - 2 * Y1 + Y2) / 4.0);
    for (int I = 1; I < N; ++I) {
        const double T = static_cast<double>(I) / N, S = 1.0 - T;
        F.Line(S * S * X0 + 2 * S * T * X1 + T * T * X2, S * S * Y0 + 2 * S * T * Y1 + T * T * Y2);
    }
    F.Line(X2, Y2);
    return 0;
}

int CubicTo(const FT_Vector* Control1, const FT_Vector* Control2, const FT_Vector* To, void* User) {
    auto& F = *static_cast<Flattener*>(User);
    const double X0 = F.X, Y0 = F.Y;
    const double X1 = F.DevX(Control1), Y1 = F.DevY(Control1);
    const double X2 = F.DevX(Control2), Y2 = F.DevY(Control2);
    const double X3 = F.DevX(To), Y3 = F.DevY(To);
    // The second derivative is bounded by 6 max|P(i) - 2 P(i+1) + P(i+2)|.
    const double Bend = std::max(std::hypot(X0 - 2 * X1 + X2, Y0 - 2 * Y1 + Y2),
                                 std::hypot(X1 - 2 * X2 + X3, Y1 - 2 * Y2 + Y3));
    const int N = Steps(Bend * 0.75);
    for (int I = 1; I < N; ++I) {
        const double T = static_cast<double>(I) / N, S = 1.0 - T;
        const double A = S * S * S, B = 3 * S * S * T, C = 3 * S * T * T, D = T * T * T;
        F.Line(A * X0 + B * X1 + C * X2 + D * X3, A * Y0 + B * Y1 + C * Y2 + D * Y3);
    }
    F.Line(X3, Y3);
    return 0;
}

} // namespace

void GlyphOutline::Assign(const FT_Outline& Source) {
    const int PointCount = Source.n_points > 0 ? Source.n_points : 0;
    const int ContourCount = Source.n_contours > 0 ? Source.n_contours : 0;
    Points.assign(Source.points, Source.points + PointCount);
    Tags.assign(Source.tags, Source.tags + PointCount);
    Contours.assign(Source.contours, Source.contours + ContourCount);
    Flags = Source.flags & ~FT_OUTLINE_OWNER;
}

FT_Outline GlyphOutline::View() const {
    FT_Outline Result{};
    Result.n_contours = static_cast<short>(Contours.size());
    Result.n_points = static_cast<short>(Points.size());
    Result.points = const_cast<FT_Vector*>(Points.data());
    Result.tags = const_cast<char*>(Tags.data());
    Result.contours = const_cast<short*>(Contours.data());
    Result.flags = Flags;
    return Result;
}

void GlyphOutline::Flatten(double OriginX, double OriginY, OutlineSink& Sink) const {
    if (Empty()) return;
    static const FT_Outline_Funcs Funcs = {MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
    Flattener F{OriginX, OriginY, Sink};
    FT_Outline Outline = View();
    FT_Outline_Decompose(&Outline, &Funcs, &F);
    if (F.Open) Sink.CloseFigure();
}

} // namespace vur::gdi::detail
