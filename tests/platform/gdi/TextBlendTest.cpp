// Laying glyph coverage over pixels: the division by 255 the mix rests on,
// the coverage runs under every raster operation, and whole text drawn by
// the device context against the plain rule applied span by span to the
// coverage the font hands out.
#include "RasterReference.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/PixelRun.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

namespace vur::gdi {
namespace {

using testing::ReferenceLay;

TEST(TextBlendTest, DividingBy255IsExactForEveryChannelSum) {
    // Every weighted sum ink c + dest (255 - c) a channel can reach.
    for (std::uint32_t V = 0; V <= 255 * 255; ++V) {
        const std::uint32_t X = V + 128;
        const std::uint32_t Shortcut = X + (X >> 8);
        ASSERT_LT(Shortcut, 65536u) << V; // stays inside a 16-bit lane
        ASSERT_EQ(Shortcut >> 8, (V + 127) / 255) << V;
    }
}

TEST(TextBlendTest, BlocksFollowThePlainRuleUnderEveryRasterOperation) {
    std::mt19937 Random(41);
    std::uniform_int_distribution<int> Width(0, 19), Height(1, 4), Offset(0, 3), Kind(0, 4);
    constexpr std::uint32_t Guard = 0xA5A5A5A5;
    for (int Rop2 = R2_BLACK; Rop2 <= R2_WHITE; ++Rop2) {
        for (int Case = 0; Case < 400; ++Case) {
            // A block inside a larger picture and a larger coverage image,
            // so that writes past a row's end or reads of the wrong row show.
            const std::size_t Count = static_cast<std::size_t>(Width(Random));
            const std::size_t Rows = static_cast<std::size_t>(Height(Random));
            const std::size_t Left = static_cast<std::size_t>(Offset(Random));
            const std::size_t Stride = Count + Left + 5, Pitch = Count + 3;
            // Empty, full and partial coverage in every mixture, so that
            // groups of four see each of the three.
            std::vector<std::uint8_t> Coverage(Pitch * Rows);
            for (auto& C : Coverage) {
                const int K = Kind(Random);
                C = static_cast<std::uint8_t>(K <= 1 ? 0 : K == 2 ? 255 : Random() & 0xFF);
            }
            std::vector<std::uint32_t> Pixels(Stride * (Rows + 1), Guard);
            for (std::size_t R = 0; R < Rows; ++R)
                for (std::size_t I = 0; I < Count; ++I)
                    Pixels[R * Stride + Left + I] = static_cast<std::uint32_t>(Random());
            const std::uint32_t Pen = static_cast<std::uint32_t>(Random()) & 0xFFFFFF;
            std::vector<std::uint32_t> Expected = Pixels;
            for (std::size_t R = 0; R < Rows; ++R)
                for (std::size_t I = 0; I < Count; ++I) {
                    std::uint32_t& P = Expected[R * Stride + Left + I];
                    P = ReferenceLay(P, Pen, Coverage[R * Pitch + I], Rop2);
                }
            const CoverageRows Block{Coverage.data(), Pitch, Count, Rows};
            if (Rop2 == R2_COPYPEN)
                CoverPixels(Pixels.data() + Left, Stride, Block, Pen);
            else
                CoverPixels(Pixels.data() + Left, Stride, Block, Pen, RasterOp(Rop2));
            ASSERT_EQ(Pixels, Expected)
                << "rop " << Rop2 << " case " << Case << ": " << Count << " x " << Rows;
        }
    }
}

// Records what the font hands out, in order, to replay it by the plain rule.
struct SpanRecorder : CoverageSink {
    struct Run {
        int Y, X0;
        std::vector<std::uint8_t> Coverage;
    };
    std::vector<Run> Runs;
    void Cell(const POINT (&)[4]) override {}
    void Span(int Y, int X0, const std::uint8_t* Coverage, int Count) override {
        Runs.push_back(Run{Y, X0, std::vector<std::uint8_t>(Coverage, Coverage + Count)});
    }
};

struct TextCase {
    LOGFONT Log;
    const char* Text;
    int X, Y;
    unsigned Align;
    int CharExtra;
};

TEST(TextBlendTest, TextOutMatchesThePlainRuleSpanBySpan) {
    std::mt19937 Random(7);
    const auto Face = [](int Height, int Escapement, std::uint8_t Quality, bool Underline) {
        LOGFONT L;
        L.FaceName = "Arial";
        L.Height = Height;
        L.Escapement = Escapement;
        L.Quality = Quality;
        L.Underline = Underline;
        return L;
    };
    // Upright labels, a bold overlapping run (negative spacing), turned,
    // bi-level and underlined text, and text hanging off every edge.
    const TextCase Cases[] = {
        {Face(-11, 0, DEFAULT_QUALITY, false), "12:34:56", 20, 10, TA_LEFT | TA_TOP, 0},
        {Face(-11, 0, DEFAULT_QUALITY, false), "-3.5E-4 \x80", 70, 30, TA_CENTER | TA_BASELINE, 0},
        {Face(-19, 0, DEFAULT_QUALITY, false), "WAVE", 10, 40, TA_LEFT | TA_TOP, -4},
        {Face(-15, 450, DEFAULT_QUALITY, false), "Turned", 40, 70, TA_LEFT | TA_BOTTOM, 0},
        {Face(-13, 900, DEFAULT_QUALITY, true), "Up 90", 110, 75, TA_RIGHT | TA_TOP, 1},
        {Face(-14, 0, NONANTIALIASED_QUALITY, true), "Mono", 60, 50, TA_LEFT | TA_TOP, 0},
        {Face(-24, 0, DEFAULT_QUALITY, false), "Edges", -9, -8, TA_LEFT | TA_TOP, 0},
        {Face(-24, 0, DEFAULT_QUALITY, false), "Edges", 100, 70, TA_LEFT | TA_TOP, 0},
    };
    for (int Rop2 = R2_BLACK; Rop2 <= R2_WHITE; ++Rop2) {
        for (int ClipKind = 0; ClipKind < 4; ++ClipKind)
            for (const TextCase& T : Cases) {
                Bitmap Picture(128, 80);
                for (int Y = 0; Y < Picture.Height(); ++Y)
                    for (int X = 0; X < Picture.Width(); ++X)
                        Picture.Row(Y)[X] = static_cast<std::uint32_t>(Random()) & 0xFFFFFF;
                const Bitmap Before = Picture;
                const COLORREF Colour = static_cast<COLORREF>(Random()) & 0xFFFFFF;
                const Font F(T.Log);

                DC Device(Picture);
                Device.SelectObject(F);
                Device.SetBkMode(TRANSPARENT);
                Device.SetTextColor(Colour);
                Device.SetTextAlign(T.Align);
                Device.SetTextCharacterExtra(T.CharExtra);
                Device.SetROP2(Rop2);
                std::optional<Region> Clip;
                switch (ClipKind) {
                case 1:
                    Clip = Region(15, 12, 90, 60);
                    break;
                case 2:
                    Clip = CreateEllipticRgn(5, 0, 120, 78);
                    break;
                case 3:
                    Clip = CreateEllipticRgn(30, 20, 70, 60);
                    break;
                default:
                    break;
                }
                if (Clip) Device.SelectClipRgn(&*Clip);
                Device.TextOut(T.X, T.Y, T.Text);

                SpanRecorder Recorder;
                F.RenderText(T.Text, T.X, T.Y, T.Align, T.CharExtra, Recorder);
                Bitmap Expected = Before;
                for (const auto& R : Recorder.Runs)
                    for (std::size_t I = 0; I < R.Coverage.size(); ++I) {
                        const int X = R.X0 + static_cast<int>(I);
                        if (X < 0 || R.Y < 0 || X >= Expected.Width() || R.Y >= Expected.Height()) continue;
                        if (Clip && !Clip->Contains(X, R.Y)) continue;
                        std::uint32_t& P = Expected.Row(R.Y)[X];
                        P = ReferenceLay(P, PixelFromColor(Colour), R.Coverage[I], Rop2);
                    }
                ASSERT_FALSE(Recorder.Runs.empty());
                if (Picture != Expected) {
                    testing::KeepPicture(Picture, "TextBlendTest_TextOut");
                    testing::KeepPicture(Expected, "TextBlendTest_Expected");
                    FAIL() << "rop " << Rop2 << " clip " << ClipKind << " text \"" << T.Text << "\"";
                }
            }
    }
}

} // namespace
} // namespace vur::gdi
