#include "framework/Application.h"
#include "framework/Button.h"
#include "framework/Dialogs.h"
#include "framework/Form.h"
#include "framework/Timer.h"
#include "platform/ui/headless/HeadlessWindowSystem.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace vur;

TEST(ExceptionText, PeriodIsAppendedOnlyAfterCharactersAboveIt) {
    EXPECT_EQ(ExceptionDisplayText(""), "");
    EXPECT_EQ(ExceptionDisplayText("Not enough timers available"), "Not enough timers available.");
    EXPECT_EQ(ExceptionDisplayText("Done."), "Done.");
    EXPECT_EQ(ExceptionDisplayText("Stop!"), "Stop!");       // '!' 0x21
    EXPECT_EQ(ExceptionDisplayText("(line 3)"), "(line 3)"); // ')' 0x29
    EXPECT_EQ(ExceptionDisplayText("a-"), "a-");             // '-' 0x2D
    EXPECT_EQ(ExceptionDisplayText("a/"), "a/.");            // '/' 0x2F
    EXPECT_EQ(ExceptionDisplayText("code 7"), "code 7.");
    EXPECT_EQ(ExceptionDisplayText("caf\xE9"), "caf\xE9."); // codes above 127 count as large
}

namespace {

struct AppFixture : ::testing::Test {
    ui::HeadlessWindowSystem WS;
    TApplication* App = nullptr;
    TForm* Main = nullptr;
    TButton* Button = nullptr;

    void SetUp() override {
        App = new TApplication(WS);
        App->SetTitle("Project1");
        App->CreateForm(Main);
        Button = new TButton(Main);
        Button->SetCaption("Go");
        Button->SetParent(Main);
    }
    void TearDown() override { delete App; }
    void ClickWith(std::function<void()> Action) {
        Button->OnClick = [Action](TPersistent*) { Action(); };
        WS.ClickButton(Button->GetHandle());
    }
};

} // namespace

TEST_F(AppFixture, FirstFormIsTheMainFormAndHasItsWindow) {
    EXPECT_EQ(Application, App);
    EXPECT_EQ(App->GetMainForm(), Main);
    EXPECT_TRUE(Main->HandleAllocated());
    EXPECT_EQ(ui::CurrentWindowSystem(), &WS);
    TForm* Second = nullptr;
    App->CreateForm(Second);
    EXPECT_EQ(App->GetMainForm(), Main);
    EXPECT_FALSE(Second->HandleAllocated());
}

TEST_F(AppFixture, ExceptionFromAHandlerIsShownAndTheLoopGoesOn) {
    int Clicks = 0;
    ClickWith([&] {
        ++Clicks;
        throw EInvalidOperation("Cannot do that");
    });
    WS.ClickButton(Button->GetHandle());
    App->ProcessMessages();
    EXPECT_EQ(Clicks, 2);
    ASSERT_EQ(WS.MessageBoxes().size(), 2u);
    EXPECT_EQ(WS.MessageBoxes()[0].Text, "Cannot do that.");
    EXPECT_EQ(WS.MessageBoxes()[0].Caption, "Project1");
    EXPECT_EQ(WS.MessageBoxes()[0].Style, 16u);
    EXPECT_FALSE(App->GetTerminated());
}

TEST_F(AppFixture, AbortIsSilentAndOnExceptionReplacesTheDisplay) {
    ClickWith([] { throw EAbort("ignored"); });
    App->ProcessMessages();
    EXPECT_TRUE(WS.MessageBoxes().empty());
    std::string Seen;
    TPersistent* SeenSender = nullptr;
    App->OnException = [&](TPersistent* Sender, const Exception& E) {
        Seen = E.Message();
        SeenSender = Sender;
    };
    ClickWith([] { throw EConvertError("bad"); });
    App->ProcessMessages();
    EXPECT_EQ(Seen, "bad");
    EXPECT_EQ(SeenSender, Main); // the window whose handler failed
    EXPECT_TRUE(WS.MessageBoxes().empty());
}

TEST_F(AppFixture, ForeignExceptionsGetTheGenericDisplay) {
    ClickWith([] { throw std::runtime_error("disk full"); });
    App->ProcessMessages();
    ClickWith([] { throw 42; });
    App->ProcessMessages();
    ASSERT_EQ(WS.MessageBoxes().size(), 2u);
    EXPECT_EQ(WS.MessageBoxes()[0].Caption, "Application Error");
    EXPECT_EQ(WS.MessageBoxes()[0].Text, "Exception std::runtime_error.\ndisk full.");
    EXPECT_EQ(WS.MessageBoxes()[0].Style, 16u);
    EXPECT_EQ(WS.MessageBoxes()[1].Text, "Exception of an unknown type.");
}

TEST_F(AppFixture, MouseCaptureIsCancelledBeforeTheExceptionIsShown) {
    WS.SetCapture(Main->GetHandle());
    ui::WindowHandle CaptureWhenShown = 1;
    App->OnException = [&](TPersistent*, const Exception&) { CaptureWhenShown = WS.GetCapture(); };
    ClickWith([] { throw EInvalidOperation("x"); });
    App->ProcessMessages();
    EXPECT_EQ(CaptureWhenShown, ui::NoWindow);
}

TEST_F(AppFixture, ClosingTheMainFormEndsRunWithExitCodeZero) {
    bool Shown = false;
    WS.SetIdleHandler([&] {
        Shown = WS.Window(Main->GetHandle()).Params.Visible;
        WS.RequestClose(Main->GetHandle());
    });
    App->Run();
    EXPECT_TRUE(Shown);
    EXPECT_TRUE(App->GetTerminated());
    EXPECT_EQ(App->GetExitCode(), 0);
}

TEST_F(AppFixture, StartUpShowCommandMaximisesOrMinimises) {
    App->SetShowCmd(ui::SW_SHOWMAXIMIZED);
    WS.SetIdleHandler([&] { App->Terminate(); });
    App->Run();
    EXPECT_EQ(WS.Window(Main->GetHandle()).ShowCommand, ui::SW_SHOWMAXIMIZED);
    EXPECT_EQ(Main->GetWindowState(), wsMaximized);
}

TEST_F(AppFixture, OtherFormsHideOrFreeThemselvesOnClose) {
    TForm* Second = nullptr;
    App->CreateForm(Second);
    Second->Show();
    Second->Close();
    EXPECT_FALSE(Second->GetVisible());
    EXPECT_FALSE(App->GetTerminated());
    const int Before = App->ComponentCount();
    Second->OnClose = [](TPersistent*, TCloseAction& Action) { Action = caFree; };
    Second->Close();
    App->ProcessMessages();
    EXPECT_EQ(App->ComponentCount(), Before - 1);
}

TEST_F(AppFixture, CloseQueryCanRefuse) {
    Main->OnCloseQuery = [](TPersistent*, bool& CanClose) { CanClose = false; };
    WS.RequestClose(Main->GetHandle());
    App->ProcessMessages();
    EXPECT_FALSE(App->GetTerminated());
}

TEST_F(AppFixture, ShowMessageUsesTheMessageBoxWithTheTitle) {
    ShowMessage("Hello");
    ASSERT_EQ(WS.MessageBoxes().size(), 1u);
    EXPECT_EQ(WS.MessageBoxes()[0].Text, "Hello");
    EXPECT_EQ(WS.MessageBoxes()[0].Caption, "Project1");
    EXPECT_EQ(WS.MessageBoxes()[0].Style, ui::MB_OK);
}

TEST(ApplicationLifetime, DestroyingTheApplicationDestroysFormsTimersAndWindows) {
    ui::HeadlessWindowSystem WS;
    static int InitCalls = 0;
    InitProc = [] { ++InitCalls; };
    auto* App = new TApplication(WS);
    App->Initialize();
    InitProc = nullptr;
    EXPECT_EQ(InitCalls, 1);
    TForm* Form = nullptr;
    App->CreateForm(Form);
    auto* Timer = new TTimer(Form);
    int Ticks = 0;
    Timer->SetOnTimer([&](TPersistent*) { ++Ticks; });
    bool Destroyed = false;
    Form->OnDestroy = [&](TPersistent*) { Destroyed = true; };
    delete App;
    EXPECT_TRUE(Destroyed);
    EXPECT_TRUE(WS.Windows().empty());
    EXPECT_EQ(WS.TimerCount(), 0);
    EXPECT_EQ(Application, nullptr);
    EXPECT_EQ(ui::CurrentWindowSystem(), nullptr);
    ShowMessage("nobody listens"); // the display went with the application
    EXPECT_TRUE(WS.MessageBoxes().empty());
}
