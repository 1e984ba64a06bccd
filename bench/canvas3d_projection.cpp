// The projection of chart points to pixels in its three modes, and two full
// 3D primitives, against clearing a 400 x 300 bitmap as the baseline.
#include "chart/RoVedure/Projection.h"
#include "chart/RoVedure/View3DOptions.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "framework/Graphics.h"

#include <benchmark/benchmark.h>

namespace vur {
namespace {

constexpr int Points = 1000000;
const TRect ChartRect{0, 0, 400, 300};

void BM_ClearBitmap(benchmark::State& State) {
    gdi::Bitmap Bitmap(400, 300);
    for (auto _ : State) {
        Bitmap.Fill(0xFFFFFF);
        benchmark::DoNotOptimize(Bitmap.Row(0));
    }
}
BENCHMARK(BM_ClearBitmap);

// Mode 0: 2D, 1: orthogonal, 2: full 3D, 3: full 3D with foreshortening and tilt.
void BM_ProjectMillionPoints(benchmark::State& State) {
    TView3DOptions Options(nullptr);
    const int Mode = static_cast<int>(State.range(0));
    Options.SetOrthogonal(Mode == 1);
    Options.SetPerspective(Mode == 3 ? 15 : 0);
    Options.SetTilt(Mode == 3 ? 10 : 0);
    TProjection3D P;
    P.Start(&Options, Mode != 0);
    P.Center(100, ChartRect);
    for (auto _ : State) {
        long long Sum = 0;
        for (int I = 0; I < Points; ++I) {
            int X = I % 400, Y = (I >> 3) % 300, Z = I % 100;
            P.Calculate3DPosition(X, Y, Z);
            Sum += X + Y;
        }
        benchmark::DoNotOptimize(Sum);
    }
    State.SetItemsProcessed(State.iterations() * Points);
}
BENCHMARK(BM_ProjectMillionPoints)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

class TFullView {
public:
    TFullView() {
        Options.SetOrthogonal(false);
        Canvas.SetUseBuffer(false);
        Canvas.InitWindow(Bitmap.GetCanvas(), &Options, clWhite, true, ChartRect);
        Canvas.ResetState();
        Canvas.Projection(100, ChartRect, ChartRect);
        Canvas.GetBrush()->SetColor(0x3366CC);
    }
    TBitmap Bitmap{400, 300};
    TView3DOptions Options{nullptr};
    TVurCanvas3D Canvas;
};

void BM_CubeFull3D(benchmark::State& State) {
    TFullView View;
    for (auto _ : State) View.Canvas.Cube(150, 250, 100, 200, 20, 80, true);
}
BENCHMARK(BM_CubeFull3D);

void BM_EllipseWithZFull3D(benchmark::State& State) {
    TFullView View;
    for (auto _ : State) View.Canvas.EllipseWithZ(150, 100, 250, 200, 50);
}
BENCHMARK(BM_EllipseWithZFull3D);

} // namespace
} // namespace vur

BENCHMARK_MAIN();
