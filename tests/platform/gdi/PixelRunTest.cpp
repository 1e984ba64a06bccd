// The vector fill and copy loops and the coverage mix against plain
// per-pixel statements of the same rules, and the unscaled bit-block copy
// built on them against a per-pixel copy through the clip.
#include "RasterReference.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/PixelRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <random>
#include <vector>

namespace vur::gdi {
namespace {

constexpr std::uint32_t Guard = 0xDEADBEEF;

TEST(PixelRunTest, FillAndCopyTouchExactlyTheirRunAndClearTheTopByteOfCopies) {
    std::mt19937 Random(11);
    // Every short length, and long runs that leave different remainders
    // after the unrolled loop.
    std::vector<std::size_t> Counts(71);
    std::iota(Counts.begin(), Counts.end(), 0);
    Counts.insert(Counts.end(), {255, 256, 257, 1021, 4099});
    for (const std::size_t Count : Counts) {
        for (std::size_t Start = 0; Start < 4; ++Start) {
            std::vector<std::uint32_t> Buffer(Count + 8, Guard);
            FillPixels(Buffer.data() + Start, Count, 0x00ABCDEF);
            for (std::size_t I = 0; I < Buffer.size(); ++I)
                ASSERT_EQ(Buffer[I], I >= Start && I < Start + Count ? 0x00ABCDEFu : Guard)
                    << "count " << Count << " start " << Start << " index " << I;

            std::vector<std::uint32_t> From(Count);
            for (auto& P : From) P = static_cast<std::uint32_t>(Random());
            std::vector<std::uint32_t> To(Count + 8, Guard);
            CopyPixels(To.data() + Start, From.data(), Count);
            for (std::size_t I = 0; I < To.size(); ++I)
                ASSERT_EQ(To[I], I >= Start && I < Start + Count ? From[I - Start] & 0xFFFFFF : Guard);
        }
    }
}

TEST(PixelRunTest, OverlappingCopiesReadTheWholeSourceFirst) {
    for (int Shift : {-9, -4, -1, 1, 3, 4, 17}) {
        for (std::size_t Count : {1u, 5u, 8u, 33u, 64u}) {
            std::vector<std::uint32_t> Buffer(120);
            for (std::size_t I = 0; I < Buffer.size(); ++I)
                Buffer[I] = static_cast<std::uint32_t>(I) | 0xFF000000;
            const std::vector<std::uint32_t> Before = Buffer;
            const std::size_t From = 30, To = static_cast<std::size_t>(30 + Shift);
            CopyPixels(Buffer.data() + To, Buffer.data() + From, Count);
            for (std::size_t I = 0; I < Buffer.size(); ++I) {
                const bool Written = I >= To && I < To + Count;
                ASSERT_EQ(Buffer[I], Written ? Before[From + I - To] & 0xFFFFFF : Before[I])
                    << "shift " << Shift << " count " << Count << " index " << I;
            }
        }
    }
}

unsigned Mean(unsigned Ink, unsigned Dest, unsigned C) { return (Ink * C + Dest * (255 - C) + 127) / 255; }

TEST(PixelRunTest, CoverageMixIsTheRoundedWeightedMeanOfEveryChannel) {
    // One run per ink and destination value, its pixels under coverage 0 to
    // 255: every coverage of every channel pair.
    std::uint8_t Coverage[256];
    for (unsigned C = 0; C < 256; ++C) Coverage[C] = static_cast<std::uint8_t>(C);
    std::vector<std::uint32_t> Run(256);
    for (unsigned I = 0; I < 256; ++I)
        for (unsigned D = 0; D < 256; ++D) {
            // Red (I, D), green (255 - I, D), blue (I, 255 - D); the top
            // bytes are set to be ignored, and kept where nothing is laid.
            const std::uint32_t Ink = 0xAB000000u | I << 16 | (255 - I) << 8 | I;
            const std::uint32_t Dest = 0x5C000000u | D << 16 | D << 8 | (255 - D);
            std::fill(Run.begin(), Run.end(), Dest);
            CoverPixels(Run.data(), Run.size(), CoverageRows{Coverage, 256, 256, 1}, Ink);
            ASSERT_EQ(Run[0], Dest);
            for (unsigned C = 1; C < 256; ++C) {
                const std::uint32_t Expected =
                    Mean(I, D, C) << 16 | Mean(255 - I, D, C) << 8 | Mean(I, 255 - D, C);
                ASSERT_EQ(Run[C], Expected) << C << " " << I << " " << D;
            }
        }
}

// Every pixel of the destination rectangle inside the bitmap and the clip
// takes its source pixel, when there is one, with the top byte cleared.
Bitmap ReferenceCopy(const Bitmap& Before, const Bitmap& Source, const std::optional<Region>& Clip, int X,
                     int Y, int Width, int Height, int XSrc, int YSrc) {
    Bitmap Out = Before;
    for (int Dy = std::max(Y, 0); Dy < std::min(Y + Height, Before.Height()); ++Dy)
        for (int Dx = std::max(X, 0); Dx < std::min(X + Width, Before.Width()); ++Dx) {
            if (Clip && !Clip->Contains(Dx, Dy)) continue;
            const int Sx = XSrc + Dx - X, Sy = YSrc + Dy - Y;
            if (Sx < 0 || Sy < 0 || Sx >= Source.Width() || Sy >= Source.Height()) continue;
            Out.Row(Dy)[Dx] = Source.Row(Sy)[Sx] & 0xFFFFFF;
        }
    return Out;
}

void Scribble(Bitmap& B, std::mt19937& Random) {
    for (int Y = 0; Y < B.Height(); ++Y)
        for (int X = 0; X < B.Width(); ++X) B.Row(Y)[X] = static_cast<std::uint32_t>(Random());
}

TEST(PixelRunTest, UnscaledBitBltMatchesAPerPixelCopyThroughEveryClip) {
    std::mt19937 Random(5);
    std::uniform_int_distribution<int> Pos(-12, 40), Size(1, 45), ClipKind(0, 2), SameBitmap(0, 3);
    for (int Case = 0; Case < 1500; ++Case) {
        Bitmap Target(37, 29), Other(31, 23);
        Scribble(Target, Random);
        Scribble(Other, Random);
        const bool Same = SameBitmap(Random) == 0;
        const Bitmap& Source = Same ? Target : Other;
        const Bitmap SourceBefore = Source, TargetBefore = Target;
        DC D(Target), S(Other);
        std::optional<Region> Clip;
        switch (ClipKind(Random)) {
        case 1:
            Clip = Region(Pos(Random), Pos(Random), Pos(Random), Pos(Random));
            break;
        case 2:
            Clip = CreateEllipticRgn(Pos(Random), Pos(Random), Pos(Random) + 20, Pos(Random) + 20);
            break;
        default:
            break;
        }
        if (Clip) D.SelectClipRgn(&*Clip);
        const int X = Pos(Random), Y = Pos(Random), W = Size(Random), H = Size(Random);
        const int XSrc = Pos(Random), YSrc = Pos(Random);
        D.BitBlt(X, Y, W, H, Same ? &D : &S, XSrc, YSrc, SRCCOPY);
        const Bitmap Expected = ReferenceCopy(TargetBefore, SourceBefore, Clip, X, Y, W, H, XSrc, YSrc);
        if (Target != Expected) {
            testing::KeepPicture(Target, "PixelRunTest_Blit");
            FAIL() << "case " << Case << ": (" << X << "," << Y << " " << W << "x" << H << ") from (" << XSrc
                   << "," << YSrc << ")" << (Same ? " within one bitmap" : "");
        }
    }
}

TEST(PixelRunTest, ClearingTheWholeBitmapFillsEveryPixelAndPartialFillsStayInside) {
    Bitmap B(13, 7);
    B.Fill(0xFFFFFF);
    DC D(B);
    const Brush Red = CreateSolidBrush(RGB(255, 0, 0));
    D.FillRect(RECT{-5, -5, 40, 40}, Red);
    for (int Y = 0; Y < 7; ++Y)
        for (int X = 0; X < 13; ++X) ASSERT_EQ(B.GetPixel(X, Y), RGB(255, 0, 0));
    // Full width but only some rows, under a clip that leaves out the top row.
    D.IntersectClipRect(0, 2, 13, 7);
    D.FillRect(RECT{0, 1, 13, 4}, CreateSolidBrush(RGB(0, 0, 255)));
    for (int X = 0; X < 13; ++X) {
        EXPECT_EQ(B.GetPixel(X, 1), RGB(255, 0, 0));
        EXPECT_EQ(B.GetPixel(X, 2), RGB(0, 0, 255));
        EXPECT_EQ(B.GetPixel(X, 3), RGB(0, 0, 255));
        EXPECT_EQ(B.GetPixel(X, 4), RGB(255, 0, 0));
    }
}

} // namespace
} // namespace vur::gdi
