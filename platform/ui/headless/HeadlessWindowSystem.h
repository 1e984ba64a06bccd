// A window system without a display, driven by its caller: a virtual clock
// that moves only when advanced, timers that fire through the queue as that
// clock passes their due times, clicks and mouse input posted on request,
// message boxes and repaint requests recorded for tests to look at instead of shown.
#pragma once

#include "platform/sys/ManualClock.h"
#include "platform/ui/WindowSystem.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vur::ui {

class HeadlessWindowSystem final : public WindowSystem {
public:
    // Non-client sizes of a top-level window: its client area is its outer
    // bounds less these.
    static constexpr int FrameLeft = 4;
    static constexpr int FrameTop = 23;
    static constexpr int FrameRight = 4;
    static constexpr int FrameBottom = 4;

    struct WindowState {
        WindowParams Params;
        MessageHandler* Handler = nullptr;
        int ShowCommand = SW_HIDE;
        int Cursor = CursorDefault;
        int InvalidateCount = 0;
        int PaintCount = 0;
        // Times the system filled the window with its background colour.
        int EraseCount = 0;
        bool PaintPending = false;
        bool TracksLeave = false;
        std::vector<std::uint32_t> Picture;
        int PictureWidth = 0;
        int PictureHeight = 0;
    };

    struct MessageBoxRecord {
        WindowHandle Owner = NoWindow;
        std::string Text;
        std::string Caption;
        unsigned Style = 0;
    };

    // When Clock is given it moves with the virtual time.
    explicit HeadlessWindowSystem(sys::ManualClock* Clock = nullptr) : FClock(Clock) {}

    WindowHandle CreateWindow(const WindowParams& Params, MessageHandler* Handler) override;
    void DestroyWindow(WindowHandle Window) override;
    bool IsWindow(WindowHandle Window) const override { return FWindows.count(Window) != 0; }
    void SetWindowText(WindowHandle Window, const std::string& Text) override;
    void SetWindowBounds(WindowHandle Window, const Bounds& Rect) override;
    Bounds GetClientRect(WindowHandle Window) const override;
    void ShowWindow(WindowHandle Window, int ShowCommand) override;
    void SetBackground(WindowHandle Window, std::uint32_t Rgb) override;
    int ScreenPixelsPerInch() const override { return FScreenPixelsPerInch; }

    bool SetTimer(WindowHandle Window, std::uintptr_t Id, unsigned Milliseconds) override;
    bool KillTimer(WindowHandle Window, std::uintptr_t Id) override;

    void InvalidateRect(WindowHandle Window) override;
    void ShowBitmap(WindowHandle Window, const PixelView& Picture) override;

    void SetCapture(WindowHandle Window) override;
    void ReleaseCapture() override { FCapture = NoWindow; }
    WindowHandle GetCapture() const override { return FCapture; }
    void TrackMouseLeave(WindowHandle Window) override;
    void SetCursor(WindowHandle Window, int Cursor) override;

    int MessageBox(WindowHandle Owner, const std::string& Text, const std::string& Caption,
                   unsigned Style) override;

    void PostMessage(const Message& Msg) override { FQueue.push_back(Msg); }
    // Order of retrieval: posted messages, then paints, then timers.
    bool PeekMessage(Message& Msg) override;
    // With nothing queued: runs the idle handler when one is set; otherwise moves
    // the virtual clock to the next timer's due time; with no timer at all nothing
    // could ever arrive, so it posts WM_QUIT with exit code -1 instead of hanging.
    void WaitMessage() override;

    // Driving.
    std::int64_t Now() const { return FNow; }
    // Moves the virtual time on; each timer whose due time has passed gets one
    // pending tick however many periods the step covered, and keeps its rhythm.
    void Advance(std::int64_t Milliseconds);
    // The user presses a push button: WM_COMMAND/BN_CLICKED to its parent.
    void ClickButton(WindowHandle Button);
    // The user closes a window from its frame: WM_CLOSE.
    void RequestClose(WindowHandle Window) { PostMessage(Message{Window, WM_CLOSE, 0, 0}); }
    void PostMouse(WindowHandle Window, std::uint32_t Msg, int X, int Y, std::uint16_t Keys = 0);
    void PostWheel(WindowHandle Window, int Delta, int X, int Y, std::uint16_t Keys = 0);
    // The window is uncovered: WM_ERASEBKGND goes to its handler, and when the
    // handler does not answer it (0) the picture is filled with the window's
    // background colour. Returns the handler's answer.
    std::intptr_t EraseBackground(WindowHandle Window);
    // The pointer leaves Window: WM_MOUSELEAVE if the window asked for it.
    void PointerLeft(WindowHandle Window);
    // False makes every SetTimer fail, as when the system has no timers left.
    void SetTimersAvailable(bool Available) { FTimersAvailable = Available; }
    void SetIdleHandler(std::function<void()> Handler) { FIdle = std::move(Handler); }
    // The screen the program runs on (96 until set).
    void SetScreenPixelsPerInch(int Value) { FScreenPixelsPerInch = Value; }

    // Looking.
    const WindowState& Window(WindowHandle Window) const;
    // The first window of the kind with the text; NoWindow when there is none.
    WindowHandle FindWindow(WindowKind Kind, const std::string& Text) const;
    std::vector<WindowHandle> Windows() const;
    int InvalidateCount(WindowHandle Window) const { return this->Window(Window).InvalidateCount; }
    bool HasTimer(WindowHandle Window, std::uintptr_t Id) const;
    int TimerCount() const { return static_cast<int>(FTimers.size()); }
    // Virtual time of the timer's next due tick.
    std::int64_t TimerDue(WindowHandle Window, std::uintptr_t Id) const;
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return FMessageBoxes; }
    std::size_t QueuedCount() const { return FQueue.size(); }

protected:
    MessageHandler* HandlerOf(WindowHandle Window) const override;

private:
    struct Timer {
        WindowHandle Window;
        std::uintptr_t Id;
        unsigned Period;
        std::int64_t Due;
        bool Ready;
    };

    WindowState& Entry(WindowHandle Window);
    std::vector<Timer>::iterator FindTimer(WindowHandle Window, std::uintptr_t Id);

    sys::ManualClock* FClock;
    std::map<WindowHandle, WindowState> FWindows;
    WindowHandle FNextHandle = 1;
    std::deque<Message> FQueue;
    std::vector<Timer> FTimers;
    std::vector<MessageBoxRecord> FMessageBoxes;
    std::function<void()> FIdle;
    std::int64_t FNow = 0;
    WindowHandle FCapture = NoWindow;
    bool FTimersAvailable = true;
    int FScreenPixelsPerInch = 96;
};

} // namespace vur::ui
