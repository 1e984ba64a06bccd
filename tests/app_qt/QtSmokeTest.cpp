#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/DateTime.h"
#include "platform/ui/qt/QtWindowSystem.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using namespace vur;

namespace {

// Handles messages until Done or the time is up; never blocks for long.
template <class Predicate>
bool PumpUntil(TApplication& App, Predicate Done, std::chrono::milliseconds Limit) {
    const auto Deadline = std::chrono::steady_clock::now() + Limit;
    while (!Done()) {
        if (std::chrono::steady_clock::now() > Deadline) return false;
        if (!App.ProcessMessage()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace

// Runs on the offscreen platform (the test environment sets QT_QPA_PLATFORM).
TEST(QtBackend, MainFormOpensTicksAndClosesWithZero) {
    static int Argc = 1;
    static char Name[] = "test_app_qt";
    static char* Argv[] = {Name, nullptr};
    ui::QtWindowSystem WS(Argc, Argv);
    auto App = std::make_unique<TApplication>(WS);
    App->CreateForm(Form1);
    Form1->Show();
    App->ProcessMessages();

    const ui::WindowHandle Main = Form1->GetHandle();
    EXPECT_EQ(WS.FindWindow(ui::wkTopLevel, "Form1"), Main);
    EXPECT_TRUE(WS.IsWindowVisible(Main));
    const ui::WindowHandle Start = WS.FindWindow(ui::wkButton, "Start");
    ASSERT_NE(Start, ui::NoWindow);
    EXPECT_TRUE(WS.IsWindowVisible(Start));
    EXPECT_TRUE(WS.IsWindowVisible(WS.FindWindow(ui::wkButton, "Stop")));
    EXPECT_TRUE(WS.IsWindowVisible(Form1->Chart1->GetHandle()));
    EXPECT_EQ(Form1->Chart1->GetClientWidth(), 689);

    const TDateTime Clicked = CurrentLocalDateTime();
    WS.ClickButton(Start);
    EXPECT_TRUE(PumpUntil(
        *App, [] { return Form1->Series1->Count() > 0; }, std::chrono::milliseconds(1500)));
    ASSERT_EQ(Form1->Series1->Count(), 1);
    // About one second after the click.
    EXPECT_NEAR((Form1->Series1->GetxValue(0) - Clicked) * 86400.0, 1.0, 0.3);

    WS.RequestClose(Main);
    EXPECT_TRUE(PumpUntil(
        *App, [&] { return App->GetTerminated(); }, std::chrono::milliseconds(1000)));
    EXPECT_EQ(App->GetExitCode(), 0);
    App.reset();
    Form1 = nullptr;
    EXPECT_FALSE(WS.IsWindow(Main));
    EXPECT_FALSE(WS.IsWindow(Start));
}
