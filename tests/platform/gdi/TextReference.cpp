#include "TextReference.h"

#include "RasterReference.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace vur::gdi::testing {

namespace {

struct SpanRecorder : CoverageSink {
    struct Run {
        int Y, X0;
        std::vector<std::uint8_t> Coverage;
    };
    std::vector<Run> Runs;
    POINT Corners[4] = {};
    void Cell(const POINT (&At)[4]) override { std::copy_n(At, 4, Corners); }
    void Span(int Y, int X0, const std::uint8_t* Coverage, int Count) override {
        Runs.push_back(Run{Y, X0, std::vector<std::uint8_t>(Coverage, Coverage + Count)});
    }
};

} // namespace

Bitmap PlainText(const Bitmap& Before, const DC& Device, const std::optional<Region>& Clip,
                 const std::string& Text, int X, int Y, bool* Inked) {
    SpanRecorder Recorder;
    Device.GetCurrentFont().RenderText(Text, X, Y, Device.GetTextAlign(), Device.GetTextCharacterExtra(),
                                       Recorder);
    Bitmap Expected = Before;
    const auto Inside = [&](int Px, int Py) {
        return Px >= 0 && Py >= 0 && Px < Expected.Width() && Py < Expected.Height() &&
               (!Clip || Clip->Contains(Px, Py));
    };
    if (Device.GetBkMode() == OPAQUE) {
        // An upright cell: its columns and rows from the first corner up to
        // the third.
        const POINT* C = Recorder.Corners;
        for (int Py = C[0].y; Py < C[2].y; ++Py)
            for (int Px = C[0].x; Px < C[2].x; ++Px)
                if (Inside(Px, Py)) Expected.Row(Py)[Px] = PixelFromColor(Device.GetBkColor());
    }
    const std::uint32_t Pen = PixelFromColor(Device.GetTextColor());
    for (const auto& R : Recorder.Runs)
        for (std::size_t I = 0; I < R.Coverage.size(); ++I) {
            const int Px = R.X0 + static_cast<int>(I);
            if (!Inside(Px, R.Y)) continue;
            std::uint32_t& P = Expected.Row(R.Y)[Px];
            P = ReferenceLay(P, Pen, R.Coverage[I], Device.GetROP2());
        }
    if (Inked) *Inked = !Recorder.Runs.empty();
    return Expected;
}

RECT TextBox(const DC& Device, const std::string& Text, int X, int Y) {
    SpanRecorder Recorder;
    Device.GetCurrentFont().RenderText(Text, X, Y, Device.GetTextAlign(), Device.GetTextCharacterExtra(),
                                       Recorder);
    RECT Box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    const auto Join = [&](int L, int T, int R, int B) {
        Box = RECT{std::min(Box.left, L), std::min(Box.top, T), std::max(Box.right, R),
                   std::max(Box.bottom, B)};
    };
    for (const auto& R : Recorder.Runs)
        for (std::size_t I = 0; I < R.Coverage.size(); ++I)
            if (R.Coverage[I] != 0)
                Join(R.X0 + static_cast<int>(I), R.Y, R.X0 + static_cast<int>(I) + 1, R.Y + 1);
    const POINT* C = Recorder.Corners;
    if (Device.GetBkMode() == OPAQUE && C[0].x < C[2].x && C[0].y < C[2].y)
        Join(C[0].x, C[0].y, C[2].x, C[2].y);
    if (Box.left >= Box.right) return RECT{};
    return Box;
}

LOGFONT Arial(int Height, int Escapement) {
    LOGFONT L;
    L.FaceName = "Arial";
    L.Height = Height;
    L.Escapement = Escapement;
    return L;
}

} // namespace vur::gdi::testing
