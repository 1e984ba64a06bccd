// The window system the framework runs on: windows and push buttons, timers,
// repaint requests and paint delivery, mouse input, cursors, the message box
// and the message queue. One interface; a Qt backend for the desktop and a
// headless backend for tests. Handlers run only from DispatchMessage (or
// SendMessage), never from inside a backend's own event processing, so an
// exception from a handler never crosses a toolkit's frames.
#pragma once

#include "platform/ui/Messages.h"

#include <cstdint>
#include <string>

namespace vur::ui {

// A window's message procedure.
class MessageHandler {
public:
    virtual std::intptr_t HandleMessage(const Message& Msg) = 0;

protected:
    ~MessageHandler() = default;
};

enum WindowKind : std::uint8_t {
    wkTopLevel,   // a framed main window; Bounds are its outer bounds on the screen
    wkButton,     // a push button inside its parent's client area
    wkChild,      // a child window the engine paints inside its parent's client area
    wkMessageOnly // never shown; receives messages only (timers)
};

struct Bounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

struct WindowParams {
    WindowKind Kind = wkChild;
    WindowHandle Parent = NoWindow;
    std::string Text;
    Bounds Rect;
    // Fill colour shown until the window's handler presents a picture, 0x00RRGGBB.
    std::uint32_t Background = 0xF0F0F0;
    bool Visible = false;
    // Identifier a button reports in its WM_COMMAND.
    std::uint16_t ControlId = 0;
    // Font of the window's own texts and of its children's (buttons), found by
    // face name through the system's font matching; Height as a font's: negative
    // the character height, positive the cell height, 0 the system's font.
    std::string FontName;
    int FontHeight = 0;
};

// A picture to show in a window: 32-bit pixels 0x00RRGGBB, Stride in pixels.
struct PixelView {
    const std::uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    int Stride = 0;
};

// Cursor numbers shared with the framework's TCursor.
constexpr int CursorDefault = 0;
constexpr int CursorNone = -1;
constexpr int CursorArrow = -2;
constexpr int CursorCross = -3;
constexpr int CursorIBeam = -4;
constexpr int CursorSizeNESW = -6;
constexpr int CursorSizeNS = -7;
constexpr int CursorSizeNWSE = -8;
constexpr int CursorSizeWE = -9;
constexpr int CursorUpArrow = -10;
constexpr int CursorHourGlass = -11;
constexpr int CursorNo = -18;
constexpr int CursorHelp = -20;
constexpr int CursorHandPoint = -21;
constexpr int CursorSizeAll = -22;

class WindowSystem {
public:
    WindowSystem() = default;
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;
    virtual ~WindowSystem() = default;

    // Windows. Handler may be null (a button whose clicks go to its parent).
    // Returns NoWindow when the window cannot be created.
    virtual WindowHandle CreateWindow(const WindowParams& Params, MessageHandler* Handler) = 0;
    // Destroys the window and its children, their timers and their queued messages.
    virtual void DestroyWindow(WindowHandle Window) = 0;
    virtual bool IsWindow(WindowHandle Window) const = 0;
    virtual void SetWindowText(WindowHandle Window, const std::string& Text) = 0;
    virtual void SetWindowBounds(WindowHandle Window, const Bounds& Rect) = 0;
    // Size of the client area (the whole window for anything but a top-level one).
    virtual Bounds GetClientRect(WindowHandle Window) const = 0;
    virtual void ShowWindow(WindowHandle Window, int ShowCommand) = 0;
    virtual void SetBackground(WindowHandle Window, std::uint32_t Rgb) = 0;
    // The screen's resolution in the coordinates windows are placed in, which a
    // form laid out at another resolution scales to.
    virtual int ScreenPixelsPerInch() const = 0;

    // Timers: WM_TIMER with WParam = Id arrives through the queue once Milliseconds
    // have passed, and every period after; at most one is pending per timer.
    // Setting an existing (Window, Id) restarts it. False when no timer is available.
    virtual bool SetTimer(WindowHandle Window, std::uintptr_t Id, unsigned Milliseconds) = 0;
    virtual bool KillTimer(WindowHandle Window, std::uintptr_t Id) = 0;

    // Repainting: a request marks the window for a WM_PAINT, delivered when no other
    // message is queued; the handler then draws and presents its picture.
    virtual void InvalidateRect(WindowHandle Window) = 0;
    virtual void ShowBitmap(WindowHandle Window, const PixelView& Picture) = 0;

    // Mouse: while a window holds the capture it receives all mouse messages.
    virtual void SetCapture(WindowHandle Window) = 0;
    virtual void ReleaseCapture() = 0;
    virtual WindowHandle GetCapture() const = 0;
    // Asks for one WM_MOUSELEAVE when the pointer next leaves the window.
    virtual void TrackMouseLeave(WindowHandle Window) = 0;
    virtual void SetCursor(WindowHandle Window, int Cursor) = 0;

    // A modal message box; returns the button pressed (IDOK).
    virtual int MessageBox(WindowHandle Owner, const std::string& Text, const std::string& Caption,
                           unsigned Style) = 0;

    // The queue.
    virtual void PostMessage(const Message& Msg) = 0;
    // Removes and returns the next message; false when none is ready.
    virtual bool PeekMessage(Message& Msg) = 0;
    // Blocks until a message is ready.
    virtual void WaitMessage() = 0;
    void PostQuitMessage(int ExitCode);

    // Calls the handler of Msg.Window; 0 when it has none.
    std::intptr_t DispatchMessage(const Message& Msg);
    std::intptr_t SendMessage(WindowHandle Window, std::uint32_t Msg, std::uintptr_t WParam = 0,
                              std::intptr_t LParam = 0);
    // Dispatches messages until WM_QUIT; returns its exit code.
    int RunMessageLoop();

protected:
    virtual MessageHandler* HandlerOf(WindowHandle Window) const = 0;
};

// The process-wide window system the framework's controls create their windows
// on; null until one is installed.
WindowSystem* CurrentWindowSystem();
// Installs System (nullptr uninstalls); returns the previous one.
WindowSystem* SetCurrentWindowSystem(WindowSystem* System);

class ScopedWindowSystem {
public:
    explicit ScopedWindowSystem(WindowSystem& System) : FPrevious(SetCurrentWindowSystem(&System)) {}
    ~ScopedWindowSystem() { SetCurrentWindowSystem(FPrevious); }
    ScopedWindowSystem(const ScopedWindowSystem&) = delete;
    ScopedWindowSystem& operator=(const ScopedWindowSystem&) = delete;

private:
    WindowSystem* FPrevious;
};

} // namespace vur::ui
