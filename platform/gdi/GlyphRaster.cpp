#include "platform/gdi/GlyphRaster.h"

#include FT_OUTLINE_H

#include <algorithm>
#include <cstring>
#include <vector>

namespace vur::gdi::detail {

namespace {

// Per-thread scratch, grown to the largest need and then reused, so that the
// steady state allocates nothing.
struct Scratch {
    std::vector<FT_Vector> Points;
    std::vector<std::uint8_t> Bits;
    std::vector<std::uint8_t> Band;
};

Scratch& ThreadScratch() {
    thread_local Scratch S;
    return S;
}

} // namespace

void RasterizeRegion(FT_Library Library, const FT_Outline& Outline, int X0, int YBottom, int Width,
                     int Height, bool Mono, std::uint8_t* Dest) {
    const std::size_t Size = static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height);
    std::memset(Dest, 0, Size);
    if (Outline.n_points <= 0 || Width <= 0 || Height <= 0) return;

    Scratch& S = ThreadScratch();
    S.Points.resize(static_cast<std::size_t>(Outline.n_points));
    const FT_Pos Dx = -static_cast<FT_Pos>(X0) * 64;
    const FT_Pos Dy = -static_cast<FT_Pos>(YBottom) * 64;
    for (int I = 0; I < Outline.n_points; ++I)
        S.Points[static_cast<std::size_t>(I)] = FT_Vector{Outline.points[I].x + Dx, Outline.points[I].y + Dy};
    FT_Outline Moved = Outline;
    Moved.points = S.Points.data();

    FT_Bitmap Target{};
    Target.rows = static_cast<unsigned>(Height);
    Target.width = static_cast<unsigned>(Width);
    if (!Mono) {
        Target.pitch = Width;
        Target.buffer = Dest;
        Target.num_grays = 256;
        Target.pixel_mode = FT_PIXEL_MODE_GRAY;
        FT_Outline_Get_Bitmap(Library, &Moved, &Target);
        return;
    }
    const int Pitch = (Width + 7) / 8;
    S.Bits.assign(static_cast<std::size_t>(Pitch) * static_cast<std::size_t>(Height), 0);
    Target.pitch = Pitch;
    Target.buffer = S.Bits.data();
    Target.num_grays = 2;
    Target.pixel_mode = FT_PIXEL_MODE_MONO;
    if (FT_Outline_Get_Bitmap(Library, &Moved, &Target) != 0) return;
    for (int Row = 0; Row < Height; ++Row) {
        const std::uint8_t* Bits = S.Bits.data() + static_cast<std::size_t>(Row) * Pitch;
        std::uint8_t* Out = Dest + static_cast<std::size_t>(Row) * Width;
        for (int X = 0; X < Width; ++X) Out[X] = (Bits[X >> 3] & (0x80 >> (X & 7))) ? 255 : 0;
    }
}

void RasterizeToSink(FT_Library Library, std::mutex& Lock, const FT_Outline& Outline, long long OriginX,
                     long long OriginY, bool Mono, const RECT& Clip, CoverageSink& Sink) {
    if (Outline.n_points <= 0) return;
    FT_BBox Box;
    FT_Outline_Get_CBox(&Outline, &Box);
    // FreeType refuses outlines beyond 2^18 pixels anyway; the limit keeps the
    // band buffer bounded whatever the clip box.
    constexpr long long MaxExtent = 1LL << 18;
    const long long Col0 = std::max<long long>(OriginX + FloorPixel(Box.xMin), Clip.left);
    const long long Col1 =
        std::min({OriginX + CeilPixel(Box.xMax), static_cast<long long>(Clip.right), Col0 + MaxExtent});
    const long long Row0 = std::max<long long>(OriginY - CeilPixel(Box.yMax), Clip.top);
    const long long Row1 =
        std::min({OriginY - FloorPixel(Box.yMin), static_cast<long long>(Clip.bottom), Row0 + MaxExtent});
    if (Col0 >= Col1 || Row0 >= Row1) return;

    const int Width = static_cast<int>(Col1 - Col0);
    const long long BandRows = std::max<long long>(1, std::min<long long>(Row1 - Row0, 65536 / Width));
    Scratch& S = ThreadScratch();
    S.Band.resize(static_cast<std::size_t>(Width) * static_cast<std::size_t>(BandRows));
    for (long long Top = Row0; Top < Row1; Top += BandRows) {
        const int Rows = static_cast<int>(std::min(BandRows, Row1 - Top));
        {
            std::lock_guard<std::mutex> Guard(Lock);
            RasterizeRegion(Library, Outline, static_cast<int>(Col0 - OriginX),
                            static_cast<int>(OriginY - (Top + Rows)), Width, Rows, Mono, S.Band.data());
        }
        Sink.Block(Clip, Col0, Top, Width, Rows, S.Band.data());
    }
}

void EmitCoverage(CoverageSink& Sink, const RECT& Clip, long long Left, long long Top, int Width, int Height,
                  const std::uint8_t* Coverage) {
    const long long Col0 = std::max<long long>(Left, Clip.left);
    const long long Col1 = std::min<long long>(Left + Width, Clip.right);
    const long long Row0 = std::max<long long>(Top, Clip.top);
    const long long Row1 = std::min<long long>(Top + Height, Clip.bottom);
    if (Col0 >= Col1 || Row0 >= Row1) return;
    for (long long Y = Row0; Y < Row1; ++Y) {
        const std::uint8_t* Row = Coverage + static_cast<std::size_t>(Y - Top) * Width;
        int First = static_cast<int>(Col0 - Left);
        int Last = static_cast<int>(Col1 - Left);
        while (First < Last && Row[First] == 0) ++First;
        while (Last > First && Row[Last - 1] == 0) --Last;
        if (First < Last)
            Sink.Span(static_cast<int>(Y), static_cast<int>(Left + First), Row + First, Last - First);
    }
}

} // namespace vur::gdi::detail
