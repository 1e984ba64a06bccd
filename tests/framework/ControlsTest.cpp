#include "framework/Controls.h"
#include "framework/Button.h"
#include "framework/Exceptions.h"
#include "framework/Form.h"
#include "framework/SystemColors.h"
#include "tests/platform/ui/HeadlessPump.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace vur;

namespace {

class Probe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int Paints = 0;
    std::vector<std::string> Events;

protected:
    void Paint() override { ++Paints; }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        Events.push_back("down " + std::to_string(Button) + " " + std::to_string(Shift) + " " +
                         std::to_string(X) + "," + std::to_string(Y));
    }
    void MouseUp(TMouseButton Button, TShiftState, int X, int Y) override {
        Events.push_back("up " + std::to_string(Button) + " " + std::to_string(X) + "," + std::to_string(Y));
    }
    void MouseMove(TShiftState, int X, int Y) override {
        Events.push_back("move " + std::to_string(X) + "," + std::to_string(Y));
    }
    bool DoMouseWheel(TShiftState, int Delta, TPoint) override {
        Events.push_back("wheel " + std::to_string(Delta));
        return true;
    }
    void MouseLeave() override { Events.push_back("leave"); }
};

struct ControlsFixture : ::testing::Test {
    ui::HeadlessWindowSystem WS;
    ui::ScopedWindowSystem Use{WS};
    TForm* Form = new TForm(nullptr);
    Probe* Panel = new Probe(Form);
    TButton* Button = new TButton(Form);

    ControlsFixture() {
        Form->SetBounds(192, 198, 739, 342);
        Form->SetCaption("Form1");
        Panel->SetParent(Form);
        Panel->SetBounds(20, 16, 689, 257);
        Button->SetParent(Form);
        Button->SetBounds(48, 280, 75, 25);
        Button->SetCaption("Start");
    }
    ~ControlsFixture() override { delete Form; }
    void Pump() { test::PumpMessages(WS); }
};

} // namespace

TEST_F(ControlsFixture, WindowsAreCreatedWithTheFormAndCarryTheirProperties) {
    EXPECT_FALSE(Panel->HandleAllocated());
    Form->HandleNeeded();
    ASSERT_TRUE(Panel->HandleAllocated());
    const auto& Top = WS.Window(Form->GetHandle());
    EXPECT_EQ(Top.Params.Kind, ui::wkTopLevel);
    EXPECT_EQ(Top.Params.Text, "Form1");
    EXPECT_EQ(Top.Params.Rect, (ui::Bounds{192, 198, 739, 342}));
    EXPECT_FALSE(Top.Params.Visible);
    // The classic button face, 212 208 200.
    EXPECT_EQ(Top.Params.Background, 0xD4D0C8u);
    const auto& B = WS.Window(WS.FindWindow(ui::wkButton, "Start"));
    EXPECT_EQ(B.Params.Parent, Form->GetHandle());
    EXPECT_EQ(B.Params.Rect, (ui::Bounds{48, 280, 75, 25}));
    const auto& P = WS.Window(Panel->GetHandle());
    EXPECT_EQ(P.Params.Kind, ui::wkChild);
    EXPECT_TRUE(P.Params.Visible);
    EXPECT_EQ(Form->GetClientWidth(), 731);
}

TEST_F(ControlsFixture, LaterChangesReachTheWindows) {
    Form->HandleNeeded();
    Button->SetCaption("Stop");
    Panel->SetBounds(0, 0, 100, 50);
    Panel->SetColor(clWhite);
    Panel->SetCursor(crCross);
    Panel->SetVisible(false);
    EXPECT_EQ(WS.Window(Button->GetHandle()).Params.Text, "Stop");
    const auto& P = WS.Window(Panel->GetHandle());
    EXPECT_EQ(P.Params.Rect, (ui::Bounds{0, 0, 100, 50}));
    EXPECT_EQ(P.Params.Background, 0xFFFFFFu);
    EXPECT_EQ(P.Cursor, crCross);
    EXPECT_FALSE(P.Params.Visible);
    Form->Show();
    EXPECT_EQ(WS.Window(Form->GetHandle()).ShowCommand, ui::SW_SHOWNORMAL);
}

TEST_F(ControlsFixture, ButtonClickFiresOnClickWithTheButtonAsSender) {
    Form->HandleNeeded();
    TPersistent* Sender = nullptr;
    Button->OnClick = [&](TPersistent* S) { Sender = S; };
    WS.ClickButton(Button->GetHandle());
    Pump();
    EXPECT_EQ(Sender, Button);
}

TEST_F(ControlsFixture, InvalidateIsARepaintRequestDeliveredAsPaint) {
    Panel->Invalidate(); // no window yet: nothing to ask
    Form->HandleNeeded();
    const ui::WindowHandle H = Panel->GetHandle();
    const int Before = WS.InvalidateCount(H);
    Panel->Invalidate();
    Panel->Invalidate();
    EXPECT_EQ(WS.InvalidateCount(H), Before + 2);
    Pump();
    EXPECT_EQ(Panel->Paints, 1);
}

TEST_F(ControlsFixture, MouseInputArrivesInClientCoordinatesWithCapture) {
    Form->HandleNeeded();
    const ui::WindowHandle H = Panel->GetHandle();
    WS.PostMouse(H, ui::WM_MOUSEMOVE, 5, 6);
    WS.PostMouse(H, ui::WM_LBUTTONDOWN, 10, 20, ui::MK_LBUTTON | ui::MK_SHIFT);
    Pump();
    EXPECT_EQ(WS.GetCapture(), H);
    EXPECT_TRUE(Panel->GetMouseCapture());
    WS.PostMouse(H, ui::WM_LBUTTONUP, -3, 400);
    WS.PostWheel(H, 240, 1, 1);
    WS.PointerLeft(H);
    Pump();
    EXPECT_EQ(WS.GetCapture(), ui::NoWindow);
    const std::vector<std::string> Expected = {"move 5,6",
                                               "down 0 " + std::to_string(ssShift | ssLeft) + " 10,20",
                                               "up 0 -3,400", "wheel 240", "leave"};
    EXPECT_EQ(Panel->Events, Expected);
}

TEST_F(ControlsFixture, NonWindowedControlRepaintsThroughItsParent) {
    Form->HandleNeeded();
    TControl Plain(nullptr);
    Plain.SetParent(Panel);
    const int Before = WS.InvalidateCount(Panel->GetHandle());
    Plain.Invalidate();
    EXPECT_EQ(WS.InvalidateCount(Panel->GetHandle()), Before + 1);
    Plain.SetParent(nullptr);
}

TEST_F(ControlsFixture, ReparentingMovesTheWindowAndDestructionRemovesAll) {
    Form->HandleNeeded();
    TForm Other(nullptr);
    Other.HandleNeeded();
    const ui::WindowHandle Old = Button->GetHandle();
    Button->SetParent(&Other);
    EXPECT_FALSE(WS.IsWindow(Old));
    EXPECT_EQ(WS.Window(Button->GetHandle()).Params.Parent, Other.GetHandle());
    Button->SetParent(nullptr);
    EXPECT_FALSE(Button->HandleAllocated());
    Button->SetParent(Form);
    delete Form;
    Form = nullptr;
    EXPECT_EQ(WS.Windows().size(), 1u); // only Other's window is left
}

TEST(ControlsWithoutWindowSystem, WorkWithoutWindowsUntilOneIsNeeded) {
    TForm Form(nullptr);
    TButton Button(&Form);
    Button.SetParent(&Form);
    Button.SetCaption("Start");
    Button.Invalidate();
    EXPECT_FALSE(Button.HandleAllocated());
    EXPECT_THROW(Form.HandleNeeded(), EInvalidOperation);
}

TEST(SystemColours, ResolveToTheClassicSchemeAndPassOthersThrough) {
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xC8D0D4u);
    EXPECT_EQ(ColorToRGB(clWindowText), 0u);
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToPixel(clRed), 0xFF0000u);
    EXPECT_EQ(ColorToPixel(clBlue), 0x0000FFu);
}
