#include "framework/Controls.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Graphics.h"
#include "framework/SystemColors.h"

#include <algorithm>

namespace vur {

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

TControl::~TControl() {
    if (FParent != nullptr) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
    if (FParent == AParent) return;
    if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent != nullptr) FParent->RemoveControl(this);
    if (AParent != nullptr) AParent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* Value) { SetParent(dynamic_cast<TWinControl*>(Value)); }

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    const bool Sized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (Sized) Resize();
    Invalidate();
}

void TControl::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    VisibleChanged();
    Invalidate();
}

void TControl::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    ColorChanged();
    Invalidate();
}

void TControl::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    CaptionChanged();
    Invalidate();
}

void TControl::SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    FCursor = Value;
    CursorChanged();
}

// A control without a window of its own shows on its parent's.
void TControl::Invalidate() {
    if (FParent != nullptr && FVisible) FParent->Invalidate();
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    bool Handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, Handled);
    return Handled;
}

void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

// TWinControl

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    // Children outlive neither their parent's window nor its list.
    while (!FControls.empty()) FControls.back()->SetParent(nullptr);
    DestroyHandle();
}

TControl* TWinControl::Controls(int Index) const {
    if (Index < 0 || Index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FControls[static_cast<std::size_t>(Index)];
}

void TWinControl::InsertControl(TControl* AControl) {
    FControls.push_back(AControl);
    AControl->FParent = this;
}

void TWinControl::RemoveControl(TControl* AControl) {
    const auto It = std::find(FControls.begin(), FControls.end(), AControl);
    if (It != FControls.end()) FControls.erase(It);
    AControl->FParent = nullptr;
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    for (TControl* Control : FControls)
        if (Control->GetOwner() == Root) Proc(Control);
}

void TWinControl::SetChildOrder(TComponent* Child, int Order) {
    const auto It = std::find(FControls.begin(), FControls.end(), Child);
    if (It == FControls.end()) return;
    TControl* Control = *It;
    FControls.erase(It);
    const auto At = static_cast<std::size_t>(std::clamp(Order, 0, static_cast<int>(FControls.size())));
    FControls.insert(FControls.begin() + static_cast<std::ptrdiff_t>(At), Control);
}

void TWinControl::SetParent(TWinControl* AParent) {
    if (GetParent() == AParent) return;
    // A child window cannot change parents here: it goes and comes back under the new one.
    DestroyHandle();
    TControl::SetParent(AParent);
    if (AParent != nullptr && AParent->HandleAllocated()) CreateHandle();
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (HandleAllocated()) FWindowSystem->SetWindowBounds(FHandle, ui::Bounds{ALeft, ATop, AWidth, AHeight});
}

TRect TWinControl::GetClientRect() const {
    if (!HandleAllocated()) return TControl::GetClientRect();
    const ui::Bounds B = FWindowSystem->GetClientRect(FHandle);
    return TRect{B.Left, B.Top, B.Left + B.Width, B.Top + B.Height};
}

void TWinControl::Invalidate() {
    if (HandleAllocated()) FWindowSystem->InvalidateRect(FHandle);
}

void TWinControl::HandleNeeded() {
    if (!HandleAllocated()) CreateHandle();
}

ui::WindowHandle TWinControl::GetHandle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::CreateParams(ui::WindowParams& Params) {
    Params.Kind = ui::wkChild;
    Params.Parent = GetParent() != nullptr ? GetParent()->FHandle : ui::NoWindow;
    Params.Text = GetCaption();
    Params.Rect = ui::Bounds{GetLeft(), GetTop(), GetWidth(), GetHeight()};
    Params.Background = ColorToPixel(GetColor());
    Params.Visible = GetVisible();
}

void TWinControl::CreateHandle() {
    if (HandleAllocated()) return;
    ui::WindowSystem* System = ui::CurrentWindowSystem();
    if (System == nullptr) throw EInvalidOperation("No window system is available for " + GetName());
    if (GetParent() != nullptr) GetParent()->HandleNeeded();
    ui::WindowParams Params;
    CreateParams(Params);
    const ui::WindowHandle Handle = System->CreateWindow(Params, this);
    if (Handle == ui::NoWindow) throw EOutOfResources("Error creating window");
    FHandle = Handle;
    FWindowSystem = System;
    if (GetCursor() != crDefault) System->SetCursor(Handle, GetCursor());
    for (TControl* Child : FControls)
        if (auto* Win = dynamic_cast<TWinControl*>(Child)) Win->CreateHandle();
}

void TWinControl::DestroyHandle() {
    if (!HandleAllocated()) return;
    for (TControl* Child : FControls)
        if (auto* Win = dynamic_cast<TWinControl*>(Child)) Win->DestroyHandle();
    FWindowSystem->DestroyWindow(FHandle);
    FHandle = ui::NoWindow;
    FWindowSystem = nullptr;
    FTrackingLeave = false;
}

void TWinControl::VisibleChanged() {
    if (HandleAllocated()) FWindowSystem->ShowWindow(FHandle, GetVisible() ? ui::SW_SHOW : ui::SW_HIDE);
}

void TWinControl::ColorChanged() {
    if (HandleAllocated()) FWindowSystem->SetBackground(FHandle, ColorToPixel(GetColor()));
}

void TWinControl::CaptionChanged() {
    if (HandleAllocated()) FWindowSystem->SetWindowText(FHandle, GetCaption());
}

void TWinControl::CursorChanged() {
    if (HandleAllocated()) FWindowSystem->SetCursor(FHandle, GetCursor());
}

bool TWinControl::GetMouseCapture() const {
    return HandleAllocated() && FWindowSystem->GetCapture() == FHandle;
}

void TWinControl::ShowBitmap(const TBitmap& Picture) {
    if (!HandleAllocated() || Picture.Empty()) return;
    const gdi::Bitmap& Image = Picture.GetImage();
    FWindowSystem->ShowBitmap(FHandle,
                              ui::PixelView{Image.Row(0), Image.Width(), Image.Height(), Image.Stride()});
}

void TWinControl::SetMouseCapture(bool Value) {
    if (!HandleAllocated() || GetMouseCapture() == Value) return;
    if (Value)
        FWindowSystem->SetCapture(FHandle);
    else
        FWindowSystem->ReleaseCapture();
}

std::intptr_t TWinControl::HandleMessage(const ui::Message& Msg) {
    try {
        if (Msg.Msg == ui::WM_ERASEBKGND) return EraseBackground() ? 1 : 0;
        WndProc(Msg);
    } catch (...) {
        // Like every message handler: the application shows the failure and the loop goes on.
        if (Application == nullptr) throw;
        Application->HandleException(this);
    }
    return 0;
}

void TWinControl::WndProc(const ui::Message& Msg) {
    switch (Msg.Msg) {
    case ui::WM_PAINT:
        PaintWindow();
        break;
    case ui::WM_COMMAND:
        for (TControl* Child : FControls) {
            auto* Win = dynamic_cast<TWinControl*>(Child);
            if (Win != nullptr && Win->FHandle == static_cast<ui::WindowHandle>(Msg.LParam)) {
                Win->CommandNotify(ui::HighWord(Msg.WParam));
                break;
            }
        }
        break;
    case ui::WM_CANCELMODE:
        SetMouseCapture(false);
        break;
    case ui::WM_MOUSELEAVE:
        FTrackingLeave = false;
        MouseLeave();
        break;
    default:
        if (Msg.Msg >= ui::WM_MOUSEMOVE && Msg.Msg <= ui::WM_MOUSEWHEEL) MouseMessage(Msg);
        break;
    }
}

namespace {

TShiftState KeysToShiftState(std::uint16_t Keys) {
    TShiftState Shift = 0;
    if ((Keys & ui::MK_SHIFT) != 0) Shift |= ssShift;
    if ((Keys & ui::MK_CONTROL) != 0) Shift |= ssCtrl;
    if ((Keys & ui::MK_LBUTTON) != 0) Shift |= ssLeft;
    if ((Keys & ui::MK_RBUTTON) != 0) Shift |= ssRight;
    if ((Keys & ui::MK_MBUTTON) != 0) Shift |= ssMiddle;
    return Shift;
}

} // namespace

void TWinControl::MouseMessage(const ui::Message& Msg) {
    const TShiftState Shift = KeysToShiftState(ui::LowWord(Msg.WParam));
    const int X = ui::PointX(Msg.LParam);
    const int Y = ui::PointY(Msg.LParam);
    const auto Down = [&](TMouseButton Button, TShiftState Extra) {
        SetMouseCapture(true);
        MouseDown(Button, Shift | Extra, X, Y);
    };
    const auto Up = [&](TMouseButton Button) {
        SetMouseCapture(false);
        MouseUp(Button, Shift, X, Y);
    };
    switch (Msg.Msg) {
    case ui::WM_MOUSEMOVE:
        if (!FTrackingLeave) {
            FWindowSystem->TrackMouseLeave(FHandle);
            FTrackingLeave = true;
        }
        MouseMove(Shift, X, Y);
        break;
    case ui::WM_LBUTTONDOWN:
        Down(mbLeft, 0);
        break;
    case ui::WM_LBUTTONDBLCLK:
        Down(mbLeft, ssDouble);
        break;
    case ui::WM_RBUTTONDOWN:
        Down(mbRight, 0);
        break;
    case ui::WM_RBUTTONDBLCLK:
        Down(mbRight, ssDouble);
        break;
    case ui::WM_MBUTTONDOWN:
        Down(mbMiddle, 0);
        break;
    case ui::WM_MBUTTONDBLCLK:
        Down(mbMiddle, ssDouble);
        break;
    case ui::WM_LBUTTONUP:
        Up(mbLeft);
        break;
    case ui::WM_RBUTTONUP:
        Up(mbRight);
        break;
    case ui::WM_MBUTTONUP:
        Up(mbMiddle);
        break;
    case ui::WM_MOUSEWHEEL:
        DoMouseWheel(Shift, ui::WheelDelta(Msg.WParam), Point(X, Y));
        break;
    default:
        break;
    }
}

} // namespace vur
