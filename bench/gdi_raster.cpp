// Hot paths of the raster device: filling a full-HD bitmap (the baseline the
// other figures are read against), a million short one-pixel lines, and the
// lines of one main-view chart on its 689 x 257 bitmap: the dotted grid, the
// ticks, and the 2-pixel round-capped axis lines. The chart cases report
// "x_clear", their time over one clear of that bitmap measured alongside.
#include "platform/gdi/DC.h"

#include <benchmark/benchmark.h>

#include <chrono>
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

// Times Draw on the chart-sized bitmap and one clear of it in the same
// iterations, and reports their ratio.
template <class F>
void ChartLines(benchmark::State& State, F Draw) {
    Bitmap Picture(689, 257);
    DC Dc(Picture);
    const Brush Clear = CreateSolidBrush(RGB(240, 240, 240));
    double DrawTime = 0, ClearTime = 0;
    for (auto _ : State) {
        const auto T0 = std::chrono::steady_clock::now();
        Dc.FillRect(RECT{0, 0, 689, 257}, Clear);
        benchmark::ClobberMemory();
        const auto T1 = std::chrono::steady_clock::now();
        Draw(Dc);
        benchmark::ClobberMemory();
        const auto T2 = std::chrono::steady_clock::now();
        ClearTime += std::chrono::duration<double>(T1 - T0).count();
        DrawTime += std::chrono::duration<double>(T2 - T1).count();
        State.SetIterationTime(std::chrono::duration<double>(T2 - T1).count());
    }
    State.counters["x_clear"] = ClearTime > 0 ? DrawTime / ClearTime : 0;
}

// Nine vertical and ten horizontal dotted grid lines across the chart.
void DottedGrid(benchmark::State& State) {
    ChartLines(State, [](DC& Dc) {
        Dc.SetBkMode(TRANSPARENT);
        Dc.SelectObject(CreatePen(PS_DOT, 1, RGB(128, 128, 128)));
        for (int I = 0; I < 9; ++I) {
            Dc.MoveToEx(81 + I * 69, 32, nullptr);
            Dc.LineTo(81 + I * 69, 227);
        }
        for (int I = 0; I < 10; ++I) {
            Dc.MoveToEx(74, 40 + I * 19, nullptr);
            Dc.LineTo(698, 40 + I * 19);
        }
    });
}
BENCHMARK(DottedGrid)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The grid's rows and columns on their own, each a whole bitmap across.
void DottedRows(benchmark::State& State) {
    ChartLines(State, [](DC& Dc) {
        Dc.SetBkMode(TRANSPARENT);
        Dc.SelectObject(CreatePen(PS_DOT, 1, RGB(128, 128, 128)));
        for (int I = 0; I < 10; ++I) {
            Dc.MoveToEx(I % 2 ? 0 : 688, 40 + I * 19, nullptr);
            Dc.LineTo(I % 2 ? 689 : -1, 40 + I * 19);
        }
    });
}
BENCHMARK(DottedRows)->UseManualTime()->Unit(benchmark::kMicrosecond);

void DottedColumns(benchmark::State& State) {
    ChartLines(State, [](DC& Dc) {
        Dc.SetBkMode(TRANSPARENT);
        Dc.SelectObject(CreatePen(PS_DOT, 1, RGB(128, 128, 128)));
        for (int I = 0; I < 10; ++I) {
            Dc.MoveToEx(81 + I * 69, I % 2 ? 0 : 256, nullptr);
            Dc.LineTo(81 + I * 69, I % 2 ? 257 : -1);
        }
    });
}
BENCHMARK(DottedColumns)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same grid drawn with an opaque background and a slanted dashed line.
void OpaqueDashes(benchmark::State& State) {
    ChartLines(State, [](DC& Dc) {
        Dc.SetBkMode(OPAQUE);
        Dc.SetBkColor(RGB(255, 255, 255));
        Dc.SelectObject(CreatePen(PS_DASH, 1, RGB(128, 128, 128)));
        for (int I = 0; I < 9; ++I) {
            Dc.MoveToEx(81 + I * 69, 32, nullptr);
            Dc.LineTo(81 + I * 69 + 17, 227);
        }
        for (int I = 0; I < 10; ++I) {
            Dc.MoveToEx(74, 40 + I * 19, nullptr);
            Dc.LineTo(698, 40 + I * 19 + 5);
        }
    });
}
BENCHMARK(OpaqueDashes)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Ticks and minor ticks of two axes: a hundred lines of 2 to 4 pixels.
void AxisTicks(benchmark::State& State) {
    ChartLines(State, [](DC& Dc) {
        Dc.SelectObject(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
        for (int I = 0; I < 60; ++I) {
            Dc.MoveToEx(74 + I * 10, 228, nullptr);
            Dc.LineTo(74 + I * 10, I % 5 ? 230 : 232);
        }
        for (int I = 0; I < 40; ++I) {
            Dc.MoveToEx(69, 32 + I * 5, nullptr);
            Dc.LineTo(I % 4 ? 71 : 73, 32 + I * 5);
        }
    });
}
BENCHMARK(AxisTicks)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The left and bottom axis lines: a 2-pixel geometric pen with round caps.
void WideAxisLines(benchmark::State& State) {
    ChartLines(State, [](DC& Dc) {
        const LOGBRUSH Ink{BS_SOLID, RGB(0, 0, 0), 0};
        Dc.SelectObject(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND, 2, Ink, 0, nullptr));
        Dc.MoveToEx(73, 32, nullptr);
        Dc.LineTo(73, 228);
        Dc.MoveToEx(73, 228, nullptr);
        Dc.LineTo(698, 228);
    });
}
BENCHMARK(WideAxisLines)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
