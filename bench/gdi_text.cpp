// Text output: 1000 renders of 8-character labels in the default chart font
// (Arial -11), through the device context's TextOut and straight from the font,
// and the 20 labels of a chart's axes on a plain background, each measured
// against clearing a full-HD frame in the same iterations.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace vur::gdi;

constexpr int FrameWidth = 1920;
constexpr int FrameHeight = 1080;

// Black text over the frame, alpha-blended by coverage, clipped to the frame.
class FrameSink : public CoverageSink {
public:
    explicit FrameSink(std::vector<std::uint32_t>& Frame) : FFrame(Frame) {}
    void Cell(const POINT (&)[4]) override {}
    void Span(int Y, int X0, const std::uint8_t* Coverage, int Count) override {
        if (Y < 0 || Y >= FrameHeight) return;
        std::uint32_t* Row = FFrame.data() + static_cast<std::size_t>(Y) * FrameWidth;
        const int First = std::max(0, -X0), Last = std::min(Count, FrameWidth - X0);
        for (int I = First; I < Last; ++I) {
            const std::uint32_t A = Coverage[I];
            const std::uint32_t P = Row[X0 + I];
            const std::uint32_t Rb = ((P & 0xFF00FF) * (255 - A) / 255) & 0xFF00FF;
            const std::uint32_t G = ((P & 0x00FF00) * (255 - A) / 255) & 0x00FF00;
            Row[X0 + I] = Rb | G;
        }
    }
    RECT ClipBox() const override { return RECT{0, 0, FrameWidth, FrameHeight}; }

private:
    std::vector<std::uint32_t>& FFrame;
};

// Times Work and, right after it in the same iteration, one clear of a frame
// of Pixels pixels (full HD unless given), so that both see the same machine
// load; the reported time is Work's, the "x_clear" counter the ratio of the
// two totals. Setup runs before Work, untimed.
template <typename F, typename S>
void AgainstClear(benchmark::State& State, F&& Work, S&& Setup,
                  std::size_t Pixels = static_cast<std::size_t>(FrameWidth) * FrameHeight) {
    std::vector<std::uint32_t> Frame(Pixels);
    double WorkSeconds = 0.0, ClearSeconds = 0.0;
    std::uint32_t Colour = 0;
    for (auto _ : State) {
        Setup();
        const auto Start = std::chrono::steady_clock::now();
        Work();
        const auto Middle = std::chrono::steady_clock::now();
        std::fill(Frame.begin(), Frame.end(), ++Colour);
        benchmark::DoNotOptimize(Frame.data());
        benchmark::ClobberMemory();
        const auto End = std::chrono::steady_clock::now();
        const double Seconds = std::chrono::duration<double>(Middle - Start).count();
        WorkSeconds += Seconds;
        ClearSeconds += std::chrono::duration<double>(End - Middle).count();
        State.SetIterationTime(Seconds);
    }
    State.counters["x_clear"] = WorkSeconds / ClearSeconds;
}

template <typename F>
void AgainstClear(benchmark::State& State, F&& Work) {
    AgainstClear(State, std::forward<F>(Work), [] {});
}

std::vector<std::string> Labels() {
    std::vector<std::string> Result;
    for (int I = 0; I < 10; ++I) Result.push_back("12:34:5" + std::to_string(I));
    return Result;
}

LOGFONT DefaultChartFont(int Escapement = 0) {
    LOGFONT L;
    L.FaceName = "Arial";
    L.Height = -11;
    L.Escapement = Escapement;
    return L;
}

void RenderLabels(benchmark::State& State, int Escapement) {
    const Font F(DefaultChartFont(Escapement));
    const std::vector<std::string> Texts = Labels();
    std::vector<std::uint32_t> Frame(static_cast<std::size_t>(FrameWidth) * FrameHeight, 0xFFFFFF);
    FrameSink Sink(Frame);
    AgainstClear(State, [&] {
        for (int I = 0; I < 1000; ++I)
            F.RenderText(Texts[static_cast<std::size_t>(I) % Texts.size()], 40 + (I % 30) * 60,
                         40 + (I / 30) * 30, TA_CENTER | TA_TOP, 0, Sink);
        benchmark::DoNotOptimize(Frame.data());
    });
}

void BM_Render1000Labels(benchmark::State& State) { RenderLabels(State, 0); }
BENCHMARK(BM_Render1000Labels)->UseManualTime();

void BM_Render1000LabelsTurned90(benchmark::State& State) { RenderLabels(State, 900); }
BENCHMARK(BM_Render1000LabelsTurned90)->UseManualTime();

void TextOutLabels(benchmark::State& State, int BkMode) {
    Bitmap Surface(FrameWidth, FrameHeight);
    Surface.Fill(RGB(255, 255, 255));
    DC Device(Surface);
    Device.SelectObject(Font(DefaultChartFont()));
    Device.SetTextAlign(TA_CENTER | TA_TOP);
    Device.SetTextColor(RGB(0, 0, 0));
    Device.SetBkMode(BkMode);
    const std::vector<std::string> Texts = Labels();
    AgainstClear(State, [&] {
        for (int I = 0; I < 1000; ++I)
            Device.TextOut(40 + (I % 30) * 60, 40 + (I / 30) * 30,
                           Texts[static_cast<std::size_t>(I) % Texts.size()]);
        benchmark::DoNotOptimize(Surface.Row(0));
    });
}

// The cell filled with the background colour first.
void BM_TextOut1000Labels(benchmark::State& State) { TextOutLabels(State, OPAQUE); }
BENCHMARK(BM_TextOut1000Labels)->UseManualTime();

// Glyphs only, as the chart draws its labels.
void BM_TextOut1000LabelsTransparent(benchmark::State& State) { TextOutLabels(State, TRANSPARENT); }
BENCHMARK(BM_TextOut1000LabelsTransparent)->UseManualTime();

// The labels of a chart's axes, drawn as a paint draws them: 20 short
// transparent labels on a freshly cleared plain background, against a clear
// of a picture of that chart's size.
void BM_TextOut20AxisLabels(benchmark::State& State) {
    constexpr int Width = 689, Height = 257;
    Bitmap Surface(Width, Height);
    DC Device(Surface);
    Device.SelectObject(Font(DefaultChartFont()));
    Device.SetTextColor(RGB(0, 0, 0));
    Device.SetBkMode(TRANSPARENT);
    std::vector<std::string> Texts;
    for (int I = 0; I < 11; ++I) Texts.push_back("12:34:" + std::to_string(10 + I * 4));
    for (int I = 1; I < 10; ++I) Texts.push_back(std::to_string(I * 10));
    AgainstClear(
        State,
        [&] {
            for (std::size_t I = 0; I < 11; ++I) {
                Device.SetTextAlign(TA_CENTER | TA_TOP);
                Device.TextOut(60 + static_cast<int>(I) * 60, 235, Texts[I]);
            }
            for (std::size_t I = 11; I < Texts.size(); ++I) {
                Device.SetTextAlign(TA_RIGHT | TA_TOP);
                Device.TextOut(30, 210 - static_cast<int>(I - 11) * 24, Texts[I]);
            }
            benchmark::DoNotOptimize(Surface.Row(0));
        },
        [&] { Surface.Fill(RGB(240, 240, 240)); }, static_cast<std::size_t>(Width) * Height);
}
BENCHMARK(BM_TextOut20AxisLabels)->UseManualTime();

void BM_Measure1000Labels(benchmark::State& State) {
    const Font F(DefaultChartFont());
    const std::vector<std::string> Texts = Labels();
    AgainstClear(State, [&] {
        int Sum = 0;
        for (int I = 0; I < 1000; ++I)
            Sum += F.TextExtent(Texts[static_cast<std::size_t>(I) % Texts.size()]).cx;
        benchmark::DoNotOptimize(Sum);
    });
}
BENCHMARK(BM_Measure1000Labels)->UseManualTime();

// Creating the same font again, as rotated labels do for every label.
void BM_Recreate1000Fonts(benchmark::State& State) {
    const LOGFONT L = DefaultChartFont(900);
    AgainstClear(State, [&] {
        for (int I = 0; I < 1000; ++I) {
            const Font F(L);
            benchmark::DoNotOptimize(&F);
        }
    });
}
BENCHMARK(BM_Recreate1000Fonts)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
