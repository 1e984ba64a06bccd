// The live loop run long: a million one-second ticks of the program, a paint
// after every thousand. Whatever a tick or a paint allocates must be given
// back, so the heap in use at the end is within 1 % of what it was after the
// first hundred thousand ticks.
#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/Random.h"
#include "platform/sys/ManualClock.h"
#include "platform/ui/headless/HeadlessWindowSystem.h"
#include "tests/app/LivePlotClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define VUR_HEAP_FROM_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VUR_HEAP_FROM_SANITIZER 1
#endif
#endif
#ifdef VUR_HEAP_FROM_SANITIZER
#include <sanitizer/allocator_interface.h>
#endif

using namespace vur;

namespace {

// Bytes the program holds on the heap now.
std::int64_t HeapInUse() {
#ifdef VUR_HEAP_FROM_SANITIZER
    return static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 Info = mallinfo2();
    return static_cast<std::int64_t>(Info.uordblks + Info.hblkhd);
#endif
}

TEST(Soak, AMillionTicksLeaveTheHeapWhereItWas) {
    sys::ManualClock Clock{test::May17At9()};
    sys::ScopedClock UseClock{Clock};
    ui::HeadlessWindowSystem WS{&Clock};
    auto App = std::make_unique<TApplication>(WS);
    App->CreateForm(Form1);
    GeneratorSeed = 12345;
    Form1->Show();
    WS.ClickButton(Form1->Button1->GetHandle());
    App->ProcessMessages();

    // The timer's messages are queued a thousand at a time, so that the one
    // paint they ask for is delivered after them (posted messages come first).
    const ui::WindowHandle Timer = Form1->Timer1->GetWindowHandle();
    const ui::WindowHandle Chart = Form1->Chart1->GetHandle();
    const auto Run = [&](int Ticks) {
        for (int Done = 0; Done < Ticks; Done += 1000) {
            for (int Tick = 0; Tick < 1000; ++Tick) {
                Clock.Advance(1000);
                WS.PostMessage(ui::Message{Timer, ui::WM_TIMER, 1, 0});
            }
            App->ProcessMessages();
        }
    };
    Run(100000);
    const std::int64_t Early = HeapInUse();
    const int Paints = WS.Window(Chart).PaintCount;
    Run(900000);
    const std::int64_t Late = HeapInUse();

    EXPECT_EQ(WS.Window(Chart).PaintCount - Paints, 900);
    EXPECT_EQ(Form1->Series1->Count(), 10);
    EXPECT_TRUE(WS.MessageBoxes().empty());
    EXPECT_LE(std::llabs(Late - Early), Early / 100)
        << "heap after 10^5 ticks " << Early << ", at the end " << Late;
    App.reset();
    Form1 = nullptr;
}

} // namespace
