// Window messages: the numbers, the packing of their parameters and the
// constants that go with them, as the window system the design targets has
// them, so handlers read like the design.
#pragma once

#include <cstdint>

namespace vur::ui {

using WindowHandle = std::uint32_t;
constexpr WindowHandle NoWindow = 0;

struct Message {
    WindowHandle Window = NoWindow;
    std::uint32_t Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
};

constexpr std::uint32_t WM_DESTROY = 0x0002;
constexpr std::uint32_t WM_PAINT = 0x000F;
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_QUIT = 0x0012;
// Before a paint: a handler answering non-zero has erased (or need not erase) the background.
constexpr std::uint32_t WM_ERASEBKGND = 0x0014;
constexpr std::uint32_t WM_CANCELMODE = 0x001F;
constexpr std::uint32_t WM_COMMAND = 0x0111;
constexpr std::uint32_t WM_TIMER = 0x0113; // 275
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
constexpr std::uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr std::uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
constexpr std::uint32_t WM_MBUTTONDBLCLK = 0x0209;
constexpr std::uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr std::uint32_t WM_MOUSELEAVE = 0x02A3;
// First number free for a program's own messages.
constexpr std::uint32_t WM_USER = 0x0400;

// Notification code of WM_COMMAND from a push button.
constexpr std::uint16_t BN_CLICKED = 0;

// Key and button state in the WParam of mouse messages.
constexpr std::uint16_t MK_LBUTTON = 0x0001;
constexpr std::uint16_t MK_RBUTTON = 0x0002;
constexpr std::uint16_t MK_SHIFT = 0x0004;
constexpr std::uint16_t MK_CONTROL = 0x0008;
constexpr std::uint16_t MK_MBUTTON = 0x0010;
// One notch of a mouse wheel.
constexpr int WHEEL_DELTA = 120;

// Message box styles and answers.
constexpr unsigned MB_OK = 0x00000000;
constexpr unsigned MB_ICONSTOP = 0x00000010;
constexpr unsigned MB_ICONWARNING = 0x00000030;
constexpr unsigned MB_ICONINFORMATION = 0x00000040;
constexpr int IDOK = 1;

// Show commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_RESTORE = 9;

// Windows below the minimum period tick at the minimum, as the real timer does.
constexpr unsigned USER_TIMER_MINIMUM = 10;

constexpr std::uintptr_t MakeWParam(std::uint16_t Low, std::uint16_t High) {
    return static_cast<std::uintptr_t>(Low) | (static_cast<std::uintptr_t>(High) << 16);
}
// Client coordinates of a mouse message: two signed 16-bit halves.
constexpr std::intptr_t MakePointLParam(int X, int Y) {
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(X))) |
                                      (static_cast<std::uint32_t>(static_cast<std::uint16_t>(Y)) << 16));
}
constexpr std::uint16_t LowWord(std::uintptr_t Value) { return static_cast<std::uint16_t>(Value & 0xFFFF); }
constexpr std::uint16_t HighWord(std::uintptr_t Value) {
    return static_cast<std::uint16_t>((Value >> 16) & 0xFFFF);
}
constexpr int PointX(std::intptr_t LParam) {
    return static_cast<std::int16_t>(LowWord(static_cast<std::uintptr_t>(LParam)));
}
constexpr int PointY(std::intptr_t LParam) {
    return static_cast<std::int16_t>(HighWord(static_cast<std::uintptr_t>(LParam)));
}
// Signed wheel movement in the high word of WM_MOUSEWHEEL's WParam.
constexpr int WheelDelta(std::uintptr_t WParam) { return static_cast<std::int16_t>(HighWord(WParam)); }

} // namespace vur::ui
