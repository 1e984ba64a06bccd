#include "platform/gdi/AxisStroke.h"

#include "platform/gdi/Pen.h"
#include "platform/gdi/RoundShape.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vur::gdi {

namespace {

struct Box64 {
    std::int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Meets(const RECT& R) const {
        return Left < Right && Top < Bottom && Left < R.right && Right > R.left && Top < R.bottom &&
               Bottom > R.top;
    }
};

// The w x w cell of a round cap centred on an end.
Box64 DiscCell(POINT Centre, std::int64_t Width) {
    const std::int64_t Left = std::int64_t{Centre.x} - Width / 2, Top = std::int64_t{Centre.y} - Width / 2;
    return Box64{Left, Top, Left + Width, Top + Width};
}

struct Disc {
    RoundShape Shape;
    int Top, Bottom; // rows inside the clip box
};

} // namespace

void StrokeAxisSegment(Painter& Target, int X0, int Y0, int X1, int Y1, int Width, unsigned EndCap,
                       std::uint32_t Pixel) {
    const POINT From{X0, Y0}, To{X1, Y1};
    const RECT& Clip = Target.Clip().Box;
    if (Target.Clip().Empty()) return;
    const std::int64_t W = Width, Before = W / 2, After = W - W / 2;
    const bool Square = EndCap == PS_ENDCAP_SQUARE, Round = EndCap == PS_ENDCAP_ROUND;
    const bool Point = From.x == To.x && From.y == To.y;
    Box64 Body;
    if (Point) {
        if (Square) Body = {From.x - Before, From.y - Before, From.x + After, From.y + After};
    } else if (From.y == To.y) {
        Body = {std::min(From.x, To.x), From.y - Before, std::max(From.x, To.x), From.y + After};
        if (Square) {
            Body.Left -= Before;
            Body.Right += After;
        }
    } else {
        Body = {From.x - Before, std::min(From.y, To.y), From.x + After, std::max(From.y, To.y)};
        if (Square) {
            Body.Top -= Before;
            Body.Bottom += After;
        }
    }
    // Caps that reach the clip box; the cells of the others lie wholly outside it.
    std::array<std::optional<Disc>, 2> Discs;
    const POINT Ends[2] = {From, To};
    for (int I = 0; Round && I < (Point ? 1 : 2); ++I) {
        const Box64 Cell = DiscCell(Ends[I], W);
        if (!Cell.Meets(Clip)) continue;
        Discs[I].emplace(
            Disc{RoundShape::Ellipse(static_cast<int>(Cell.Left), static_cast<int>(Cell.Top),
                                     static_cast<int>(Cell.Right), static_cast<int>(Cell.Bottom)),
                 static_cast<int>(std::max<std::int64_t>(Cell.Top, Clip.top)),
                 static_cast<int>(std::min<std::int64_t>(Cell.Bottom, Clip.bottom))});
    }
    const bool HasBody = Body.Meets(Clip);
    // The body cut to the clip box, so that it fits in int.
    const int BodyLeft = HasBody ? static_cast<int>(std::max<std::int64_t>(Body.Left, Clip.left)) : 0,
              BodyRight = HasBody ? static_cast<int>(std::min<std::int64_t>(Body.Right, Clip.right)) : 0,
              BodyTop = HasBody ? static_cast<int>(std::max<std::int64_t>(Body.Top, Clip.top)) : 0,
              BodyBottom = HasBody ? static_cast<int>(std::min<std::int64_t>(Body.Bottom, Clip.bottom)) : 0;
    int Top = HasBody ? BodyTop : Clip.bottom, Bottom = HasBody ? BodyBottom : Clip.top;
    for (const auto& D : Discs)
        if (D) {
            Top = std::min(Top, D->Top);
            Bottom = std::max(Bottom, D->Bottom);
        }
    for (int Y = Top; Y < Bottom;) {
        const bool InBody = HasBody && Y >= BodyTop && Y < BodyBottom;
        bool InDisc = false;
        // Where the rows' makeup next changes.
        int Next = InBody ? BodyBottom : (HasBody && BodyTop > Y ? BodyTop : Bottom);
        for (const auto& D : Discs)
            if (D) {
                InDisc = InDisc || (Y >= D->Top && Y < D->Bottom);
                if (D->Top > Y) Next = std::min(Next, D->Top);
            }
        if (!InDisc) {
            if (InBody) Target.SolidBlock(Y, Next, BodyLeft, BodyRight, Pixel);
            Y = Next;
            continue;
        }
        // A cap row: the union of its runs, each pixel once.
        std::array<Span, 3> Runs;
        int Count = 0;
        if (InBody) Runs[Count++] = Span{BodyLeft, BodyRight};
        for (const auto& D : Discs)
            if (D && Y >= D->Top && Y < D->Bottom) {
                const RoundShape::RowRuns R = D->Shape.Row(Y);
                if (R.OuterLeft < R.OuterRight) Runs[Count++] = Span{R.OuterLeft, R.OuterRight};
            }
        for (int I = 1; I < Count; ++I)
            for (int J = I; J > 0 && Runs[J].X0 < Runs[J - 1].X0; --J) std::swap(Runs[J], Runs[J - 1]);
        for (int I = 0; I < Count;) {
            Span Run = Runs[I++];
            for (; I < Count && Runs[I].X0 <= Run.X1; ++I) Run.X1 = std::max(Run.X1, Runs[I].X1);
            Target.SolidSpan(Y, Run.X0, Run.X1, Pixel);
        }
        ++Y;
    }
}

} // namespace vur::gdi
