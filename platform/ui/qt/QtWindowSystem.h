// The desktop backend: real windows with Qt Widgets. Qt's own event handling
// only turns what happens (clicks, closes, timer expiries, mouse input) into
// queued window messages and shows the last picture a window presented; all
// framework code runs from DispatchMessage. No Qt type appears here.
#pragma once

#include "platform/ui/WindowSystem.h"

#include <memory>

namespace vur::ui {

class QtWindowSystem final : public WindowSystem {
public:
    // Uses the running Qt application, or starts one on argc/argv, which must
    // outlive this object.
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

    // For smoke tests: the first window of the kind with the text, whether a
    // window is shown, a button press and a close from the frame, each going
    // through Qt's own event path.
    WindowHandle FindWindow(WindowKind Kind, const std::string& Text) const;
    bool IsWindowVisible(WindowHandle Window) const;
    void ClickButton(WindowHandle Button);
    void RequestClose(WindowHandle Window);

protected:
    MessageHandler* HandlerOf(WindowHandle Window) const override;

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};

} // namespace vur::ui
