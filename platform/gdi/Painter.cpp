#include "platform/gdi/Painter.h"

#include "platform/gdi/PixelRun.h"

#include <algorithm>

namespace vur::gdi {

Painter::Painter(Bitmap& Target, const ClipArea& Clip, int Rop2)
    : FTarget(Target), FClip(Clip), FRop(Rop2),
      FCopy(Rop2 == R2_COPYPEN), FBoxSpan{Clip.Box.left, Clip.Box.right} {}

std::span<const Span> Painter::RowSpans(int Y) {
    if (Y < FClip.Box.top || Y >= FClip.Box.bottom) return {};
    if (!FClip.Shape) return {&FBoxSpan, 1};
    const auto& Bands = FClip.Shape->Bands();
    auto Holds = [&](int I) {
        return I >= 0 && I < static_cast<int>(Bands.size()) && Bands[I].Top <= Y && Y < Bands[I].Bottom;
    };
    if (!Holds(FBand)) {
        if (Holds(FBand + 1))
            ++FBand;
        else if (Holds(FBand - 1))
            --FBand;
        else
            FBand = FClip.Shape->FindBand(Y);
    }
    if (FBand < 0) return {};
    return FClip.Shape->Spans(Bands[FBand]);
}

bool Painter::InShape(int X, int Y) {
    const auto Spans = RowSpans(Y);
    auto It = std::upper_bound(Spans.begin(), Spans.end(), X, [](int V, const Span& S) { return V < S.X1; });
    return It != Spans.end() && It->X0 <= X;
}

void Painter::RawSolid(std::uint32_t* Row, int X0, int X1, std::uint32_t Pixel) {
    if (FCopy) {
        FillPixels(Row + X0, static_cast<std::size_t>(X1 - X0), Pixel & 0xFFFFFF);
        return;
    }
    for (int X = X0; X < X1; ++X) Row[X] = FRop(Pixel, Row[X]) & 0xFFFFFF;
}

void Painter::RawFill(std::uint32_t* Row, int Y, int X0, int X1, const FillSource& Source) {
    switch (Source.Kind) {
    case FillSource::Solid:
        RawSolid(Row, X0, X1, Source.Fore);
        return;
    case FillSource::Hatch: {
        const unsigned Bits =
            Source.Rows[(static_cast<unsigned>(Y) - static_cast<unsigned>(Source.OriginY)) & 7u];
        for (int X = X0; X < X1; ++X) {
            const bool Set =
                (Bits << ((static_cast<unsigned>(X) - static_cast<unsigned>(Source.OriginX)) & 7u)) & 0x80u;
            if (!Set && !Source.Opaque) continue;
            const std::uint32_t P = Set ? Source.Fore : Source.Back;
            Row[X] = FCopy ? P & 0xFFFFFF : FRop(P, Row[X]) & 0xFFFFFF;
        }
        return;
    }
    case FillSource::Pattern: {
        const Bitmap& Image = *Source.Image;
        const int W = Image.Width(), H = Image.Height();
        // Wide differences: the brush origin may be anywhere in int.
        const auto Phase = [](int At, int Origin, int Size) {
            return static_cast<int>(((std::int64_t{At} - Origin) % Size + Size) % Size);
        };
        const std::uint32_t* From = Image.Row(Phase(Y, Source.OriginY, H));
        int Px = Phase(X0, Source.OriginX, W);
        if (FCopy && !Source.TwoColour && W == 1) {
            RawSolid(Row, X0, X1, From[0]);
            return;
        }
        if (FCopy && !Source.TwoColour) {
            // Whole runs of the pattern's row at a time: a wide pattern
            // (a gradient's columns) is copied, not looked up pixel by pixel.
            for (int X = X0; X < X1; Px = 0) {
                const int Count = std::min(X1 - X, W - Px);
                CopyPixels(Row + X, From + Px, static_cast<std::size_t>(Count));
                X += Count;
            }
            return;
        }
        for (int X = X0; X < X1; ++X) {
            std::uint32_t P = From[Px] & 0xFFFFFF;
            if (Source.TwoColour) P = P ? Source.Back : Source.Fore;
            Row[X] = FCopy ? P & 0xFFFFFF : FRop(P, Row[X]) & 0xFFFFFF;
            if (++Px == W) Px = 0;
        }
        return;
    }
    }
}

void Painter::SolidSpan(int Y, int X0, int X1, std::uint32_t Pixel) {
    X0 = std::max(X0, FClip.Box.left);
    X1 = std::min(X1, FClip.Box.right);
    if (X0 >= X1) return;
    const auto Spans = RowSpans(Y);
    if (Spans.empty()) return;
    std::uint32_t* Row = FTarget.Row(Y);
    for (const Span& S : Spans) {
        const int A = std::max(X0, S.X0), B = std::min(X1, S.X1);
        if (A < B) RawSolid(Row, A, B, Pixel);
    }
}

void Painter::SolidBlock(int Top, int Bottom, int X0, int X1, std::uint32_t Pixel) {
    Top = std::max(Top, FClip.Box.top);
    Bottom = std::min(Bottom, FClip.Box.bottom);
    X0 = std::max(X0, FClip.Box.left);
    X1 = std::min(X1, FClip.Box.right);
    if (Top >= Bottom || X0 >= X1) return;
    if (FClip.Shape || !FCopy) {
        for (int Y = Top; Y < Bottom; ++Y) SolidSpan(Y, X0, X1, Pixel);
        return;
    }
    const std::uint32_t Ink = Pixel & 0xFFFFFF;
    const std::size_t Count = static_cast<std::size_t>(X1 - X0);
    const std::ptrdiff_t Stride = FTarget.Stride();
    std::uint32_t* Base = FTarget.Row(0) + X0;
    const std::ptrdiff_t End = Bottom * Stride;
    if (Count > 8)
        for (std::ptrdiff_t At = Top * Stride; At != End; At += Stride) FillPixels(Base + At, Count, Ink);
    else
        for (std::ptrdiff_t At = Top * Stride; At != End; At += Stride)
            for (std::size_t K = 0; K < Count; ++K) Base[At + K] = Ink;
}

void Painter::FillSpan(int Y, int X0, int X1, const FillSource& Source) {
    if (Source.Kind == FillSource::Pattern && (!Source.Image || Source.Image->Empty())) return;
    X0 = std::max(X0, FClip.Box.left);
    X1 = std::min(X1, FClip.Box.right);
    if (X0 >= X1) return;
    const auto Spans = RowSpans(Y);
    std::uint32_t* Row = Spans.empty() ? nullptr : FTarget.Row(Y);
    for (const Span& S : Spans) {
        const int A = std::max(X0, S.X0), B = std::min(X1, S.X1);
        if (A < B) RawFill(Row, Y, A, B, Source);
    }
}

void Painter::Plot(int X, int Y, std::uint32_t Pixel) {
    if (X < FClip.Box.left || X >= FClip.Box.right || Y < FClip.Box.top || Y >= FClip.Box.bottom) return;
    PlotInBox(X, Y, Pixel);
}

} // namespace vur::gdi
