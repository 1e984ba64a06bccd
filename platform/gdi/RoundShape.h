// Pixels of ellipses and rounded rectangles. The ellipse in the box
// [Left, Right) x [Top, Bottom) runs through the centres of the box's extreme
// pixels (axes W-1 and H-1). Its outline is an 8-connected pixel curve: where
// the curve is steep each row takes the pixel nearest to it, where it is flat
// each column takes the row nearest to it (ties towards the centre). The
// result is symmetric about both axes and touches all four sides of the box.
// A rounded rectangle uses the four quarters of its corner ellipse, pulled
// apart and joined by straight edges.
#pragma once

#include <cstdlib>

namespace vur::gdi {

class RoundShape {
public:
    // The outline pixels of a row are [OuterLeft, InnerLeft) and
    // [InnerRight, OuterRight); the interior is [InnerLeft, InnerRight). When
    // InnerLeft >= InnerRight the row is the single run [OuterLeft, OuterRight).
    struct RowRuns {
        int OuterLeft, InnerLeft, InnerRight, OuterRight;
        bool Single() const { return InnerLeft >= InnerRight; }
    };

    // Whether a box, either way round, can be drawn: at most 2^18 pixels
    // across and no edge beyond 2^29 either way. Larger ones would overflow
    // the shape's int arithmetic or walk billions of outline pixels.
    static bool Fits(long long Left, long long Top, long long Right, long long Bottom) {
        constexpr long long Side = 1 << 18, Edge = 1 << 29;
        return std::llabs(Right - Left) <= Side && std::llabs(Bottom - Top) <= Side &&
               std::llabs(Left) <= Edge && std::llabs(Top) <= Edge && std::llabs(Right) <= Edge &&
               std::llabs(Bottom) <= Edge;
    }

    // The box must be normalised and non-empty and fit; corners are clamped to it.
    RoundShape(int Left, int Top, int Right, int Bottom, int CornerWidth, int CornerHeight);
    static RoundShape Ellipse(int Left, int Top, int Right, int Bottom) {
        return RoundShape(Left, Top, Right, Bottom, Right - Left, Bottom - Top);
    }

    int Top() const { return FTop; }
    int Bottom() const { return FBottom; }
    // Top <= Y < Bottom.
    RowRuns Row(int Y) const;

    // Every outline pixel once, counter-clockwise on screen, starting on the
    // right side at the middle: Visit(X, Y).
    template <class F>
    void Walk(F&& Visit) const;

    // Twice the centre of the corner ellipse in the unstretched box.
    int CentreX2() const { return FLeft * 2 + FA2; }
    int CentreY2() const { return FTop * 2 + FB2; }

private:
    // The run of the right half on a row at doubled offset V2 from the centre
    // row: doubled offsets [In2, Out2] from the centre column.
    void HalfRun(long long V2, long long& In2, long long& Out2) const;
    template <class F>
    void WalkQuadrants(F&& Visit) const;

    int FLeft, FTop, FBottom;
    int FA2, FB2;            // corner ellipse axes W-1, H-1 (twice the semi-axes)
    int FSx, FSy;            // stretch between the corner halves
    double FXStar2, FYStar2; // twice the offsets where the slope is 45 degrees
};

template <class F>
void RoundShape::WalkQuadrants(F&& Visit) const {
    const long long C2x = 2LL * FLeft + FA2, C2y = 2LL * FTop + FB2;
    const int P = FB2 & 1;
    auto X = [&](long long U2, bool Right) {
        return static_cast<int>((Right ? C2x + U2 : C2x - U2) / 2) + (Right ? FSx : 0);
    };
    auto Y = [&](long long V2, bool Up) {
        return static_cast<int>((Up ? C2y - V2 : C2y + V2) / 2) + (Up ? 0 : FSy);
    };
    // Upper right: rows outwards, each row right to left.
    for (long long V2 = P; V2 <= FB2; V2 += 2) {
        long long In2, Out2;
        HalfRun(V2, In2, Out2);
        for (long long U2 = Out2; U2 >= In2; U2 -= 2)
            if (U2 > 0 || V2 == 0) Visit(X(U2, true), Y(V2, true));
    }
    // Upper left: rows inwards, each row right to left.
    for (long long V2 = FB2; V2 >= P; V2 -= 2) {
        if (V2 == 0) continue;
        long long In2, Out2;
        HalfRun(V2, In2, Out2);
        for (long long U2 = In2; U2 <= Out2; U2 += 2) Visit(X(U2, false), Y(V2, true));
    }
    // Lower left: rows outwards, each row left to right.
    for (long long V2 = P; V2 <= FB2; V2 += 2) {
        long long In2, Out2;
        HalfRun(V2, In2, Out2);
        for (long long U2 = Out2; U2 >= In2; U2 -= 2)
            if (U2 > 0) Visit(X(U2, false), Y(V2, false));
    }
    // Lower right: rows inwards, each row left to right.
    for (long long V2 = FB2; V2 >= P; V2 -= 2) {
        if (V2 == 0) continue;
        long long In2, Out2;
        HalfRun(V2, In2, Out2);
        for (long long U2 = In2; U2 <= Out2; U2 += 2) Visit(X(U2, true), Y(V2, false));
    }
}

template <class F>
void RoundShape::Walk(F&& Visit) const {
    // Corner pieces of a rounded rectangle are joined by straight runs: fill
    // in whatever lies between two pixels of one row or column.
    bool Started = false;
    int FirstX = 0, FirstY = 0, LastX = 0, LastY = 0;
    auto Bridge = [&](int ToX, int ToY) {
        if (LastY == ToY && std::abs(ToX - LastX) > 1) {
            const int Step = ToX > LastX ? 1 : -1;
            for (int Xi = LastX + Step; Xi != ToX; Xi += Step) Visit(Xi, ToY);
        } else if (LastX == ToX && std::abs(ToY - LastY) > 1) {
            const int Step = ToY > LastY ? 1 : -1;
            for (int Yi = LastY + Step; Yi != ToY; Yi += Step) Visit(ToX, Yi);
        }
    };
    WalkQuadrants([&](int Xp, int Yp) {
        if (!Started) {
            Started = true;
            FirstX = Xp;
            FirstY = Yp;
        } else {
            Bridge(Xp, Yp);
        }
        Visit(Xp, Yp);
        LastX = Xp;
        LastY = Yp;
    });
    if (Started && (LastX != FirstX || LastY != FirstY)) Bridge(FirstX, FirstY);
}

} // namespace vur::gdi
