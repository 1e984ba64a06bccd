// Visual controls: position and size inside a parent, visibility, repaint
// requests. The window-system side (handles, painting, input) hangs off
// TWinControl.
#pragma once

#include "framework/Classes.h"
#include "framework/Types.h"

#include <vector>

namespace vur {

class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    std::string ClassName() const override { return "TControl"; }

    TWinControl* GetParent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);

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

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);

    // Asks for a repaint; nothing is drawn now.
    virtual void Invalidate();

protected:
    // Called after a real change of position or size.
    virtual void Resize() {}

private:
    friend class TWinControl;
    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    TColor FColor = clBtnFace;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const;

    int GetTabOrder() const { return FTabOrder; }
    void SetTabOrder(int Value) { FTabOrder = Value; }

private:
    friend class TControl;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);

    std::vector<TControl*> FControls;
    int FTabOrder = -1;
};

class TCustomControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string ClassName() const override { return "TCustomControl"; }
};

class TCustomPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::string ClassName() const override { return "TCustomPanel"; }
};

} // namespace vur
