#include "platform/ui/qt/QtInput.h"

#include <utility>

namespace vur::ui {

namespace {

constexpr std::pair<int, Qt::CursorShape> CursorShapes[] = {
    {CursorArrow, Qt::ArrowCursor},
    {CursorNone, Qt::BlankCursor},
    {CursorCross, Qt::CrossCursor},
    {CursorIBeam, Qt::IBeamCursor},
    {CursorSizeNESW, Qt::SizeBDiagCursor},
    {CursorSizeNS, Qt::SizeVerCursor},
    {CursorSizeNWSE, Qt::SizeFDiagCursor},
    {CursorSizeWE, Qt::SizeHorCursor},
    {CursorUpArrow, Qt::UpArrowCursor},
    {CursorHourGlass, Qt::WaitCursor},
    {CursorNo, Qt::ForbiddenCursor},
    {CursorHelp, Qt::WhatsThisCursor},
    {CursorHandPoint, Qt::PointingHandCursor},
    {CursorSizeAll, Qt::SizeAllCursor},
};

// The message for a button, given the left, right and middle ones.
std::uint32_t ButtonMessage(Qt::MouseButton Button, std::uint32_t Left, std::uint32_t Right,
                            std::uint32_t Middle) {
    if (Button == Qt::RightButton) return Right;
    if (Button == Qt::MiddleButton) return Middle;
    return Left;
}

} // namespace

std::uint16_t KeyState(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers) {
    std::uint16_t Keys = 0;
    if (Buttons & Qt::LeftButton) Keys |= MK_LBUTTON;
    if (Buttons & Qt::RightButton) Keys |= MK_RBUTTON;
    if (Buttons & Qt::MiddleButton) Keys |= MK_MBUTTON;
    if (Modifiers & Qt::ShiftModifier) Keys |= MK_SHIFT;
    if (Modifiers & Qt::ControlModifier) Keys |= MK_CONTROL;
    return Keys;
}

Message MouseMessage(WindowHandle Window, const QMouseEvent& Event) {
    std::uint32_t Msg = WM_MOUSEMOVE;
    switch (Event.type()) {
    case QEvent::MouseButtonPress:
        Msg = ButtonMessage(Event.button(), WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN);
        break;
    case QEvent::MouseButtonRelease:
        Msg = ButtonMessage(Event.button(), WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP);
        break;
    case QEvent::MouseButtonDblClick:
        Msg = ButtonMessage(Event.button(), WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK);
        break;
    default:
        break;
    }
    const QPoint P = Event.position().toPoint();
    return Message{Window, Msg, KeyState(Event.buttons(), Event.modifiers()), MakePointLParam(P.x(), P.y())};
}

Message WheelMessage(WindowHandle Window, const QWheelEvent& Event) {
    const QPoint P = Event.position().toPoint();
    return Message{Window, WM_MOUSEWHEEL,
                   MakeWParam(KeyState(Event.buttons(), Event.modifiers()),
                              static_cast<std::uint16_t>(Event.angleDelta().y())),
                   MakePointLParam(P.x(), P.y())};
}

Qt::CursorShape ToQtCursor(int Cursor) {
    for (const auto& [Number, Shape] : CursorShapes)
        if (Number == Cursor) return Shape;
    return Qt::ArrowCursor;
}

int FromQtCursor(Qt::CursorShape Shape) {
    for (const auto& [Number, QtShape] : CursorShapes)
        if (QtShape == Shape) return Number;
    return CursorArrow;
}

} // namespace vur::ui
