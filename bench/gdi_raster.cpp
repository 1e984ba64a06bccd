// Hot paths of the raster device: filling a full-HD bitmap (the baseline the
// other figures are read against) and a million short one-pixel lines.
#include "platform/gdi/DC.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace vur::gdi;

void FullBitmapFill(benchmark::State& State) {
    Bitmap Picture(1920, 1080);
    DC Dc(Picture);
    const Brush Fill = CreateSolidBrush(RGB(12, 34, 56));
    for (auto _ : State) {
        Dc.FillRect(RECT{0, 0, 1920, 1080}, Fill);
        benchmark::ClobberMemory();
    }
    State.SetItemsProcessed(State.iterations() * 1920 * 1080);
}
BENCHMARK(FullBitmapFill)->Unit(benchmark::kMillisecond);

void MillionShortLines(benchmark::State& State) {
    Bitmap Picture(689, 257);
    DC Dc(Picture);
    Dc.SelectObject(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    // A random walk of segments 2 to 5 pixels long, kept inside the bitmap.
    std::mt19937 Random(1);
    std::uniform_int_distribution<int> Length(2, 5), Sign(0, 1);
    std::vector<POINT> Points(1000001);
    POINT P{344, 128};
    for (POINT& Q : Points) {
        Q = P;
        const int L = Length(Random);
        const int Dx = Sign(Random) ? L : -L, Dy = Length(Random) - 3;
        P.x = std::clamp(P.x + Dx, 0, 688);
        P.y = std::clamp(P.y + Dy, 0, 256);
    }
    for (auto _ : State) {
        Dc.MoveToEx(Points[0].x, Points[0].y, nullptr);
        for (std::size_t I = 1; I < Points.size(); ++I) Dc.LineTo(Points[I].x, Points[I].y);
        benchmark::ClobberMemory();
    }
    State.SetItemsProcessed(State.iterations() * 1000000);
}
BENCHMARK(MillionShortLines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
