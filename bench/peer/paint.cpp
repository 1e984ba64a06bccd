// One whole paint of the main form's chart (689 x 257, flat, title "TChart",
// one red line on a time axis labelled "hh:nn:ss") against QCustomPlot's
// replot of the same chart and the same data in the same run: 10, 10^4, 10^6
// and 10^7 points, 10^6 points at 1920 x 1080, and 10^5 points as markers
// alone (9 x 9 squares, no line) against the peer's scatter. Both paint
// into their own off-screen picture, background fill included; the peer on
// Qt's raster engine with no antialiasing.
#include "Peer.h"

#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/DateTime.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Row {
    int Points;
    int Width;
    int Height;
    bool Markers = false;
};
constexpr Row Rows[] = {{10, 689, 257},         {10'000, 689, 257},      {1'000'000, 689, 257},
                        {10'000'000, 689, 257}, {1'000'000, 1920, 1080}, {100'000, 689, 257, true}};

// Samples one second apart for ten points, as in the live plotter, and
// spread over the same hour when there are more: slow waves with a little
// deterministic noise between 0 and 100.
struct Samples {
    std::vector<double> Seconds;
    std::vector<double> Values;
    explicit Samples(int Points) {
        Seconds.reserve(Points);
        Values.reserve(Points);
        const double Step = Points <= 10 ? 1.0 : 3600.0 / Points;
        std::uint32_t Seed = 12345;
        for (int I = 0; I < Points; ++I) {
            Seed = Seed * 1664525u + 1013904223u;
            const double Noise = static_cast<double>(Seed >> 24) / 64.0 - 2.0;
            Seconds.push_back(I * Step);
            Values.push_back(50 + 40 * std::sin(I * 2 * 3.141592653589793 * 5 / Points) + Noise);
        }
    }
};

// The first sample's time: days since 1899-12-30 for the engine, seconds
// since 1970-01-01, day 25569 of that count, for the peer.
const double StartDays = vur::EncodeDate(2026, 12, 7) + vur::EncodeTime(14, 30, 0, 0);
const double StartEpochSeconds = (StartDays - 25569) * 86400;

void Engine(benchmark::State& State) {
    const Row& R = Rows[State.range(0)];
    const Samples Data(R.Points);
    vur::TComponent Owner(nullptr);
    auto* Chart = new vur::TChart(&Owner);
    Chart->SetBounds(0, 0, R.Width, R.Height);
    Chart->SetView3D(false);
    Chart->GetTitle()->SetCaption("TChart");
    Chart->GetLegend()->SetVisible(false);
    Chart->GetBottomAxis()->SetDateTimeFormat("hh:nn:ss");
    auto* Series = new vur::TLineSeries(&Owner);
    Series->SetParentChart(Chart);
    Series->GetXValues()->SetDateTime(true);
    if (R.Markers) {
        Series->GetPointer()->SetVisible(true);
        Series->GetLinePen()->Hide();
    }
    Series->BeginUpdate();
    for (int I = 0; I < R.Points; ++I) Series->AddXY(StartDays + Data.Seconds[I] / 86400, Data.Values[I]);
    Series->EndUpdate();
    Chart->Draw();
    for (auto _ : State) {
        Chart->Invalidate(); // drawn afresh, as after new data
        Chart->Draw();
        benchmark::ClobberMemory();
    }
    State.SetItemsProcessed(State.iterations() * R.Points);
}

void Peer(benchmark::State& State) {
    const Row& R = Rows[State.range(0)];
    const Samples Data(R.Points);
    QVector<double> X(R.Points), Y(R.Points);
    for (int I = 0; I < R.Points; ++I) {
        X[I] = StartEpochSeconds + Data.Seconds[I];
        Y[I] = Data.Values[I];
    }
    QCustomPlot Plot;
    QCPGraph* Graph = bench::AddPeerGraph(Plot, R.Width, R.Height, X, Y);
    Plot.plotLayout()->insertRow(0);
    Plot.plotLayout()->addElement(0, 0, new QCPTextElement(&Plot, "TChart"));
    QSharedPointer<QCPAxisTickerDateTime> Ticker(new QCPAxisTickerDateTime);
    Ticker->setDateTimeFormat("hh:mm:ss");
    Plot.xAxis->setTicker(Ticker);
    Graph->setPen(QPen(Qt::red));
    if (R.Markers) {
        Graph->setLineStyle(QCPGraph::lsNone);
        Graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssSquare, Qt::black, Qt::red, 9));
    }
    Plot.replot();
    for (auto _ : State) {
        // Into its own off-screen buffer; the widget's repaint is only queued.
        Plot.replot(QCustomPlot::rpQueuedRefresh);
        benchmark::ClobberMemory();
    }
    State.SetItemsProcessed(State.iterations() * R.Points);
}

void RowArguments(benchmark::internal::Benchmark* B) {
    for (int I = 0; I < static_cast<int>(std::size(Rows)); ++I) B->Arg(I);
}
BENCHMARK(Engine)->Apply(RowArguments)->Unit(benchmark::kMillisecond);
BENCHMARK(Peer)->Apply(RowArguments)->Unit(benchmark::kMillisecond);

} // namespace

void bench::PrintPaintTable(const FastestReporter& Reporter) {
    std::printf("\n| points | picture | this engine | QCustomPlot | ratio |\n|---|---|---|---|---|\n");
    for (int I = 0; I < static_cast<int>(std::size(Rows)); ++I) {
        const auto Ours = Reporter.Fastest.find("Engine/" + std::to_string(I));
        const auto Theirs = Reporter.Fastest.find("Peer/" + std::to_string(I));
        if (Ours == Reporter.Fastest.end() || Theirs == Reporter.Fastest.end()) continue;
        std::printf("| %d%s | %d x %d | %.3f ms | %.3f ms | %.2f |\n", Rows[I].Points,
                    Rows[I].Markers ? " markers" : "", Rows[I].Width, Rows[I].Height, Ours->second,
                    Theirs->second, Ours->second / Theirs->second);
    }
}
