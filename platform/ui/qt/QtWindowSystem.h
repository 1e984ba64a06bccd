// The desktop backend: real windows with Qt Widgets. Qt's own event handling
// only turns what happens (clicks, closes, timer expiries, mouse input) into
// queued window messages and shows the last picture a window presented; all
// framework code runs from DispatchMessage. No Qt type appears here.
#pragma once

#include "platform/ui/WindowSystem.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vur::ui {

class QtWindowSystem final : public WindowSystem {
public:
    // Uses the running Qt application, or starts one on argc/argv, which must
    // outlive this object. A process that cannot open a window ends here with
    // one line on standard error and status 1 (see StartApplication).
    QtWindowSystem(int& argc, char** argv);
    ~QtWindowSystem() override;

    WindowHandle CreateWindow(const WindowParams& Params, MessageHandler* Handler) override;
    void DestroyWindow(WindowHandle Window) override;
    bool IsWindow(WindowHandle Window) const override;
    void SetWindowText(WindowHandle Window, const std::string& Text) override;
    void SetWindowBounds(WindowHandle Window, const Bounds& Rect) override;
    Bounds GetClientRect(WindowHandle Window) const override;
    void ShowWindow(WindowHandle Window, int ShowCommand) override;
    void SetBackground(WindowHandle Window, std::uint32_t Rgb) override;
    int ScreenPixelsPerInch() const override;

    bool SetTimer(WindowHandle Window, std::uintptr_t Id, unsigned Milliseconds) override;
    bool KillTimer(WindowHandle Window, std::uintptr_t Id) override;

    void InvalidateRect(WindowHandle Window) override;
    void ShowBitmap(WindowHandle Window, const PixelView& Picture) override;

    void SetCapture(WindowHandle Window) override;
    void ReleaseCapture() override;
    WindowHandle GetCapture() const override;
    void TrackMouseLeave(WindowHandle Window) override;
    void SetCursor(WindowHandle Window, int Cursor) override;

    int MessageBox(WindowHandle Owner, const std::string& Text, const std::string& Caption,
                   unsigned Style) override;

    void PostMessage(const Message& Msg) override;
    bool PeekMessage(Message& Msg) override;
    void WaitMessage() override;

    // A window's client area as Qt renders it, children included: 0x00RRGGBB
    // pixels, row after row.
    struct Snapshot {
        int Width = 0;
        int Height = 0;
        std::vector<std::uint32_t> Pixels;
        std::uint32_t At(int X, int Y) const { return Pixels[static_cast<std::size_t>(Y) * Width + X]; }
    };

    // For smoke tests: the first window of the kind with the text, whether a
    // window is shown, a button press and a close from the frame, mouse input
    // (Msg is one of the WM_ mouse button messages or WM_MOUSEMOVE, Keys the
    // MK_ state) and wheel steps, each going through Qt's own event path; the
    // window's picture and the cursor Qt shows over it.
    WindowHandle FindWindow(WindowKind Kind, const std::string& Text) const;
    bool IsWindowVisible(WindowHandle Window) const;
    void ClickButton(WindowHandle Button);
    void RequestClose(WindowHandle Window);
    void SendMouse(WindowHandle Window, std::uint32_t Msg, int X, int Y, std::uint16_t Keys = 0);
    void SendWheel(WindowHandle Window, int Delta, int X, int Y);
    Snapshot Grab(WindowHandle Window) const;
    int ShownCursor(WindowHandle Window) const;

protected:
    MessageHandler* HandlerOf(WindowHandle Window) const override;

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};

} // namespace vur::ui
