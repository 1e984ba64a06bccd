// Visual controls: position and size inside a parent, visibility, repaint
// requests. The window-system side (handles, painting, input) hangs off
// TWinControl.
#pragma once

#include "framework/Classes.h"
#include "framework/Types.h"
#include "platform/ui/WindowSystem.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vur {

class TBitmap;
class TWinControl;

using TCursor = int;
constexpr TCursor crDefault = ui::CursorDefault;
constexpr TCursor crNone = ui::CursorNone;
constexpr TCursor crArrow = ui::CursorArrow;
constexpr TCursor crCross = ui::CursorCross;
constexpr TCursor crIBeam = ui::CursorIBeam;
constexpr TCursor crSizeNESW = ui::CursorSizeNESW;
constexpr TCursor crSizeNS = ui::CursorSizeNS;
constexpr TCursor crSizeNWSE = ui::CursorSizeNWSE;
constexpr TCursor crSizeWE = ui::CursorSizeWE;
constexpr TCursor crUpArrow = ui::CursorUpArrow;
constexpr TCursor crHourGlass = ui::CursorHourGlass;
constexpr TCursor crNo = ui::CursorNo;
constexpr TCursor crHelp = ui::CursorHelp;
constexpr TCursor crHandPoint = ui::CursorHandPoint;
constexpr TCursor crSizeAll = ui::CursorSizeAll;

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : std::uint8_t {
    ssShift = 1 << 0,
    ssAlt = 1 << 1,
    ssCtrl = 1 << 2,
    ssLeft = 1 << 3,
    ssRight = 1 << 4,
    ssMiddle = 1 << 5,
    ssDouble = 1 << 6,
};
using TShiftState = std::uint8_t;

using TMouseEvent =
    std::function<void(TPersistent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TPersistent* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent = std::function<void(TPersistent* Sender, TShiftState Shift, int WheelDelta,
                                            TPoint MousePos, bool& Handled)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    std::string ClassName() const override { return "TControl"; }

    TWinControl* GetParent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    // A control is stored inside its parent.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    // A parent that is no windowed control leaves the control without one.
    void SetParentComponent(TComponent* Value) override;

    int GetLeft() const { return FLeft; }
    int GetTop() const { return FTop; }
    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return TRect{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    virtual TRect GetClientRect() const { return TRect{0, 0, FWidth, FHeight}; }
    int GetClientWidth() const { return GetClientRect().Width(); }
    int GetClientHeight() const { return GetClientRect().Height(); }

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor Value);

    // Asks for a repaint; nothing is drawn now.
    virtual void Invalidate();

    virtual void Click();

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelEvent OnMouseWheel;
    TNotifyEvent OnMouseLeave;

protected:
    // Called after a real change of position or size.
    virtual void Resize() {}
    // Called after a real change of the property.
    virtual void VisibleChanged() {}
    virtual void ColorChanged() {}
    virtual void CaptionChanged() {}
    virtual void CursorChanged() {}

    // Mouse input in client coordinates; the defaults fire the events.
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // True when the wheel movement was used.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual void MouseLeave();

private:
    friend class TWinControl;
    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    TColor FColor = clBtnFace;
    std::string FCaption;
    TCursor FCursor = crDefault;
};

// A control with a window of its own. The window is created on demand (when a
// parent with a window takes it, or when HandleNeeded is called) on the
// process-wide window system, and its messages arrive in WndProc.
class TWinControl : public TControl, private ui::MessageHandler {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const;

    int GetTabOrder() const { return FTabOrder; }
    void SetTabOrder(int Value) { FTabOrder = Value; }

    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TRect GetClientRect() const override;
    void Invalidate() override;
    // The child controls Root owns, in their order.
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;

    bool HandleAllocated() const { return FHandle != ui::NoWindow; }
    // Creates the window when there is none yet; raises EInvalidOperation when no
    // window system is installed or the window cannot be created.
    void HandleNeeded();
    ui::WindowHandle GetHandle();
    // The window system the window lives on; null while there is no window.
    ui::WindowSystem* WindowSystem() const { return FWindowSystem; }
    // Shows Picture as the window's content; nothing while there is no window
    // or the picture is empty.
    void ShowBitmap(const TBitmap& Picture);

    bool GetMouseCapture() const;
    void SetMouseCapture(bool Value);

protected:
    virtual void CreateParams(ui::WindowParams& Params);
    virtual void CreateHandle();
    virtual void DestroyHandle();
    // Handles one message of the window; overrides pass what they do not handle on.
    virtual void WndProc(const ui::Message& Msg);
    // WM_PAINT.
    virtual void PaintWindow() {}
    // WM_ERASEBKGND: True when the control has seen to its background itself,
    // so the window system must not fill it.
    virtual bool EraseBackground() { return false; }
    // A WM_COMMAND notification from this control's own window (a click).
    virtual void CommandNotify(std::uint16_t) {}

    void VisibleChanged() override;
    void ColorChanged() override;
    void CaptionChanged() override;
    void CursorChanged() override;

private:
    friend class TControl;
    std::intptr_t HandleMessage(const ui::Message& Msg) override;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    void MouseMessage(const ui::Message& Msg);

    std::vector<TControl*> FControls;
    int FTabOrder = -1;
    ui::WindowHandle FHandle = ui::NoWindow;
    ui::WindowSystem* FWindowSystem = nullptr;
    bool FTrackingLeave = false;
};

// A windowed control that paints itself.
class TCustomControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string ClassName() const override { return "TCustomControl"; }

protected:
    // Draws the control; called for every paint message.
    virtual void Paint() {}
    void PaintWindow() override { Paint(); }
};

class TCustomPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::string ClassName() const override { return "TCustomPanel"; }
};

} // namespace vur
