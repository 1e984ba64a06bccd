// The main form's chart as the live plotter shows it, for the benchmarks
// that paint it: 689 x 257, flat, title "TChart", no legend (as stored),
// ten samples one second apart on a time axis. Paints are timed in the
// thread's processor time: the machine may be shared, and a ratio to a
// paint in the same iterations stays steady where wall time swings.
#pragma once

#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"

#include <benchmark/benchmark.h>

#include <ctime>

namespace bench {

constexpr int MainFormWidth = 689;
constexpr int MainFormHeight = 257;

inline double ThreadSeconds() {
    timespec Now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
    return static_cast<double>(Now.tv_sec) + static_cast<double>(Now.tv_nsec) * 1e-9;
}

// ChartClass: TChart, or a subclass a benchmark reaches into.
template <typename ChartClass = vur::TChart>
struct TMainFormChart {
    TMainFormChart() {
        Chart->SetBounds(20, 16, MainFormWidth, MainFormHeight);
        Chart->SetView3D(false);
        Chart->GetTitle()->SetCaption("TChart");
        Chart->GetLegend()->SetVisible(false);
        Series->SetParentChart(Chart);
        Series->GetXValues()->SetDateTime(true);
        for (int I = 0; I < 10; ++I) Series->AddXY(45000.0 + I / 86400.0, (I * 37) % 100);
    }
    // One whole paint, drawn afresh as after new data; its processor time.
    double TimedPaint() {
        const double Start = ThreadSeconds();
        Chart->Invalidate();
        Chart->Draw();
        benchmark::ClobberMemory();
        return ThreadSeconds() - Start;
    }
    vur::TComponent Owner{nullptr};
    ChartClass* Chart = new ChartClass(&Owner);
    vur::TLineSeries* Series = new vur::TLineSeries(&Owner);
};

} // namespace bench
