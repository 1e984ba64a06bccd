// Qt's mouse input and cursors in the window system's terms, shared by every Qt
// widget that shows an engine window.
#pragma once

#include "platform/ui/WindowSystem.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cstdint>

namespace vur::ui {

// The MK_ state of buttons and keys.
std::uint16_t KeyState(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers);
// The message of a press, release, double click or move over Window.
Message MouseMessage(WindowHandle Window, const QMouseEvent& Event);
// WM_MOUSEWHEEL for a wheel turn over Window, with the vertical angle as its delta.
Message WheelMessage(WindowHandle Window, const QWheelEvent& Event);

// Cursor numbers (CursorArrow, ...) and Qt's shapes; an unknown one is the arrow.
Qt::CursorShape ToQtCursor(int Cursor);
int FromQtCursor(Qt::CursorShape Shape);

} // namespace vur::ui
