// A chart on a form on the headless window system, placed as the main form
// places its chart (689 x 257 at (20, 16)), flat, with mouse input posted to
// it through the window system.
#pragma once

#include "chart/Chart/Chart.h"
#include "framework/Form.h"
#include "tests/platform/ui/HeadlessPump.h"

#include <cstdint>
#include <utility>

namespace vur::test {

template <class ChartClass = TChart>
struct THeadlessChart {
    template <class... Args>
    explicit THeadlessChart(Args&&... ChartArgs)
        : Chart(new ChartClass(Form, std::forward<Args>(ChartArgs)...)) {
        Form->SetBounds(192, 198, 739, 342);
        Chart->SetParent(Form);
        Chart->SetBounds(20, 16, 689, 257);
        Chart->SetView3D(false);
    }
    ~THeadlessChart() { delete Form; }
    THeadlessChart(const THeadlessChart&) = delete;
    THeadlessChart& operator=(const THeadlessChart&) = delete;

    // The form gets its windows and the system asks the chart for its content.
    void Show() {
        Form->HandleNeeded();
        Form->Show();
        WS.InvalidateRect(Chart->GetHandle());
        Pump();
    }
    void Pump() { PumpMessages(WS); }
    // One mouse message at (X, Y) of the chart, delivered with what follows it.
    void Post(std::uint32_t Msg, int X, int Y, std::uint16_t Keys = 0) {
        WS.PostMouse(Chart->GetHandle(), Msg, X, Y, Keys);
        Pump();
    }
    const ui::HeadlessWindowSystem::WindowState& Window() { return WS.Window(Chart->GetHandle()); }

    ui::HeadlessWindowSystem WS;
    ui::ScopedWindowSystem Use{WS};
    TForm* Form = new TForm(nullptr);
    ChartClass* Chart;
};

} // namespace vur::test
