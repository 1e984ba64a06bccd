#include "platform/ui/qt/QtWindowSystem.h"

#include "platform/ui/qt/QtInput.h"
#include "platform/ui/qt/QtStartup.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <utility>

namespace vur::ui {

namespace {

QColor ToQColor(std::uint32_t Rgb) { return QColor::fromRgb(static_cast<QRgb>(Rgb & 0xFFFFFF)); }

Qt::MouseButtons ButtonsOf(std::uint16_t Keys) {
    Qt::MouseButtons Buttons;
    if (Keys & MK_LBUTTON) Buttons |= Qt::LeftButton;
    if (Keys & MK_RBUTTON) Buttons |= Qt::RightButton;
    if (Keys & MK_MBUTTON) Buttons |= Qt::MiddleButton;
    return Buttons;
}

Qt::KeyboardModifiers ModifiersOf(std::uint16_t Keys) {
    Qt::KeyboardModifiers Modifiers;
    if (Keys & MK_SHIFT) Modifiers |= Qt::ShiftModifier;
    if (Keys & MK_CONTROL) Modifiers |= Qt::ControlModifier;
    return Modifiers;
}

// The Qt event of a mouse message, and the button it is about.
std::pair<QEvent::Type, Qt::MouseButton> MouseEventOf(std::uint32_t Msg) {
    switch (Msg) {
    case WM_LBUTTONDOWN:
        return {QEvent::MouseButtonPress, Qt::LeftButton};
    case WM_RBUTTONDOWN:
        return {QEvent::MouseButtonPress, Qt::RightButton};
    case WM_MBUTTONDOWN:
        return {QEvent::MouseButtonPress, Qt::MiddleButton};
    case WM_LBUTTONUP:
        return {QEvent::MouseButtonRelease, Qt::LeftButton};
    case WM_RBUTTONUP:
        return {QEvent::MouseButtonRelease, Qt::RightButton};
    case WM_MBUTTONUP:
        return {QEvent::MouseButtonRelease, Qt::MiddleButton};
    case WM_LBUTTONDBLCLK:
        return {QEvent::MouseButtonDblClick, Qt::LeftButton};
    case WM_RBUTTONDBLCLK:
        return {QEvent::MouseButtonDblClick, Qt::RightButton};
    case WM_MBUTTONDBLCLK:
        return {QEvent::MouseButtonDblClick, Qt::MiddleButton};
    default:
        return {QEvent::MouseMove, Qt::NoButton};
    }
}

// Where Qt events become queued messages.
using Poster = std::function<void(const Message&)>;

// A top-level window or a child the engine paints: shows its background until a
// picture is presented, then the picture; forwards input and close requests.
// Uncovered without a picture of its size, it asks its handler for one, as a
// window that has never painted gets its first paint message when shown.
class Surface final : public QWidget {
public:
    Surface(QWidget* Parent, WindowHandle Handle, Poster Post, std::function<void()> NeedPaint, bool TopLevel)
        : QWidget(Parent), FHandle(Handle), FPost(std::move(Post)), FNeedPaint(std::move(NeedPaint)),
          FTopLevel(TopLevel) {
        setMouseTracking(!TopLevel);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    std::uint32_t Background = 0xF0F0F0;
    QImage Picture;
    bool TracksLeave = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter Painter(this);
        Painter.fillRect(rect(), ToQColor(Background));
        if (!Picture.isNull()) Painter.drawImage(0, 0, Picture);
        // Once per size, so a handler that presents some other size cannot keep it repainting.
        if (Picture.size() != size() && FAskedFor != size()) {
            FAskedFor = size();
            FNeedPaint();
        }
    }
    void closeEvent(QCloseEvent* Event) override {
        // The program decides whether the window goes.
        Event->ignore();
        FPost(Message{FHandle, WM_CLOSE, 0, 0});
    }
    void mousePressEvent(QMouseEvent* E) override { Button(*E); }
    void mouseDoubleClickEvent(QMouseEvent* E) override { Button(*E); }
    void mouseReleaseEvent(QMouseEvent* E) override { Button(*E); }
    void mouseMoveEvent(QMouseEvent* E) override { FPost(MouseMessage(FHandle, *E)); }
    void wheelEvent(QWheelEvent* E) override { FPost(WheelMessage(FHandle, *E)); }
    void leaveEvent(QEvent*) override {
        if (!TracksLeave) return;
        TracksLeave = false;
        FPost(Message{FHandle, WM_MOUSELEAVE, 0, 0});
    }

private:
    void Button(const QMouseEvent& E) {
        if (!FTopLevel) FPost(MouseMessage(FHandle, E));
    }

    WindowHandle FHandle;
    Poster FPost;
    std::function<void()> FNeedPaint;
    QSize FAskedFor;
    bool FTopLevel;
};

} // namespace

struct QtWindowSystem::Impl {
    struct Entry {
        WindowParams Params;
        MessageHandler* Handler = nullptr;
        QWidget* Widget = nullptr; // null for message-only windows
        bool PaintPending = false;
    };
    struct TimerEntry {
        std::unique_ptr<QTimer> Timer;
        bool Pending = false;
    };

    std::unique_ptr<QApplication> OwnApp;
    std::map<WindowHandle, Entry> Windows;
    std::map<std::pair<WindowHandle, std::uintptr_t>, TimerEntry> Timers;
    std::deque<Message> Queue;
    WindowHandle NextHandle = 1;
    WindowHandle Capture = NoWindow;

    Entry* Find(WindowHandle W) {
        const auto It = Windows.find(W);
        return It == Windows.end() ? nullptr : &It->second;
    }
    bool Ready() const {
        return !Queue.empty() || std::any_of(Windows.begin(), Windows.end(), [](const auto& W) {
            return W.second.PaintPending;
        }) || std::any_of(Timers.begin(), Timers.end(), [](const auto& T) { return T.second.Pending; });
    }
    // A top-level window's outer size becomes its client size less the frame Qt reports.
    static void Place(QWidget* Widget, const WindowParams& P) {
        if (P.Kind != wkTopLevel) {
            Widget->setGeometry(P.Rect.Left, P.Rect.Top, P.Rect.Width, P.Rect.Height);
            return;
        }
        const QSize Frame = Widget->frameGeometry().size() - Widget->size();
        Widget->move(P.Rect.Left, P.Rect.Top);
        Widget->resize(std::max(0, P.Rect.Width - Frame.width()),
                       std::max(0, P.Rect.Height - Frame.height()));
    }
};

QtWindowSystem::QtWindowSystem(int& argc, char** argv) : FImpl(std::make_unique<Impl>()) {
    if (QApplication::instance() == nullptr) FImpl->OwnApp = StartApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

QtWindowSystem::~QtWindowSystem() {
    FImpl->Timers.clear();
    for (auto& [Handle, E] : FImpl->Windows)
        if (E.Params.Kind == wkTopLevel || E.Params.Parent == NoWindow) delete E.Widget;
}

MessageHandler* QtWindowSystem::HandlerOf(WindowHandle Window) const {
    const auto It = FImpl->Windows.find(Window);
    return It == FImpl->Windows.end() ? nullptr : It->second.Handler;
}

WindowHandle QtWindowSystem::CreateWindow(const WindowParams& Params, MessageHandler* Handler) {
    QWidget* ParentWidget = nullptr;
    if (Params.Parent != NoWindow) {
        Impl::Entry* Parent = FImpl->Find(Params.Parent);
        if (Parent == nullptr || Parent->Widget == nullptr) return NoWindow;
        ParentWidget = Parent->Widget;
    }
    const WindowHandle Handle = FImpl->NextHandle++;
    Impl::Entry E;
    E.Params = Params;
    E.Handler = Handler;
    const Poster Post = [this](const Message& M) { PostMessage(M); };
    switch (Params.Kind) {
    case wkMessageOnly:
        break;
    case wkButton: {
        auto* Button = new QPushButton(QString::fromLatin1(Params.Text.c_str()), ParentWidget);
        const WindowHandle Parent = Params.Parent;
        const std::uint16_t Id = Params.ControlId;
        QObject::connect(Button, &QPushButton::clicked, [this, Parent, Id, Handle] {
            PostMessage(
                Message{Parent, WM_COMMAND, MakeWParam(Id, BN_CLICKED), static_cast<std::intptr_t>(Handle)});
        });
        E.Widget = Button;
        break;
    }
    case wkTopLevel:
    case wkChild: {
        auto* S = new Surface(
            Params.Kind == wkTopLevel ? nullptr : ParentWidget, Handle, Post,
            [this, Handle] { InvalidateRect(Handle); }, Params.Kind == wkTopLevel);
        S->Background = Params.Background;
        if (Params.Kind == wkTopLevel) S->setWindowTitle(QString::fromLatin1(Params.Text.c_str()));
        // Qt hands a widget's font down to its children, the buttons among them.
        if (!Params.FontName.empty() && Params.FontHeight != 0) {
            QFont Font(QString::fromLatin1(Params.FontName.c_str()));
            // Qt sizes a font by its character height; a cell height is taken as that, slightly large.
            Font.setPixelSize(std::abs(Params.FontHeight));
            S->setFont(Font);
        }
        E.Widget = S;
        break;
    }
    }
    if (E.Widget != nullptr) {
        Impl::Place(E.Widget, Params);
        if (Params.Kind != wkTopLevel) E.Widget->setVisible(Params.Visible);
    }
    FImpl->Windows.emplace(Handle, std::move(E));
    return Handle;
}

void QtWindowSystem::DestroyWindow(WindowHandle Window) {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr) return;
    std::vector<WindowHandle> Children;
    for (const auto& [Handle, Child] : FImpl->Windows)
        if (Child.Params.Parent == Window) Children.push_back(Handle);
    for (WindowHandle Child : Children) DestroyWindow(Child);
    std::erase_if(FImpl->Timers, [&](const auto& T) { return T.first.first == Window; });
    std::erase_if(FImpl->Queue, [&](const Message& M) { return M.Window == Window; });
    if (FImpl->Capture == Window) FImpl->Capture = NoWindow;
    QWidget* Widget = FImpl->Windows.at(Window).Widget;
    FImpl->Windows.erase(Window);
    delete Widget;
}

bool QtWindowSystem::IsWindow(WindowHandle Window) const { return FImpl->Windows.count(Window) != 0; }

void QtWindowSystem::SetWindowText(WindowHandle Window, const std::string& Text) {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr) return;
    E->Params.Text = Text;
    if (auto* Button = qobject_cast<QPushButton*>(E->Widget))
        Button->setText(QString::fromLatin1(Text.c_str()));
    else if (E->Widget != nullptr && E->Params.Kind == wkTopLevel)
        E->Widget->setWindowTitle(QString::fromLatin1(Text.c_str()));
}

void QtWindowSystem::SetWindowBounds(WindowHandle Window, const Bounds& Rect) {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr) return;
    E->Params.Rect = Rect;
    if (E->Widget != nullptr) Impl::Place(E->Widget, E->Params);
}

Bounds QtWindowSystem::GetClientRect(WindowHandle Window) const {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr) return {};
    if (E->Widget == nullptr) return Bounds{0, 0, E->Params.Rect.Width, E->Params.Rect.Height};
    return Bounds{0, 0, E->Widget->width(), E->Widget->height()};
}

void QtWindowSystem::ShowWindow(WindowHandle Window, int ShowCommand) {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr || E->Widget == nullptr) return;
    E->Params.Visible = ShowCommand != SW_HIDE;
    if (E->Params.Kind != wkTopLevel) {
        E->Widget->setVisible(E->Params.Visible);
        return;
    }
    switch (ShowCommand) {
    case SW_HIDE:
        E->Widget->hide();
        break;
    case SW_SHOWMAXIMIZED:
        E->Widget->showMaximized();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        E->Widget->showMinimized();
        break;
    default:
        E->Widget->showNormal();
        // The frame is known only now: fit the outer size again.
        Impl::Place(E->Widget, E->Params);
        break;
    }
}

void QtWindowSystem::SetBackground(WindowHandle Window, std::uint32_t Rgb) {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr) return;
    E->Params.Background = Rgb;
    if (auto* S = dynamic_cast<Surface*>(E->Widget)) {
        S->Background = Rgb;
        S->update();
    }
}

int QtWindowSystem::ScreenPixelsPerInch() const {
    const QScreen* Screen = QGuiApplication::primaryScreen();
    return Screen != nullptr ? qRound(Screen->logicalDotsPerInch()) : 96;
}

bool QtWindowSystem::SetTimer(WindowHandle Window, std::uintptr_t Id, unsigned Milliseconds) {
    if (!IsWindow(Window)) return false;
    Impl::TimerEntry& T = FImpl->Timers[{Window, Id}];
    if (!T.Timer) {
        T.Timer = std::make_unique<QTimer>();
        QObject::connect(T.Timer.get(), &QTimer::timeout, [this, Window, Id] {
            // At most one tick waits in the queue per timer, as with the real one.
            const auto It = FImpl->Timers.find({Window, Id});
            if (It != FImpl->Timers.end()) It->second.Pending = true;
        });
    }
    T.Pending = false;
    T.Timer->start(static_cast<int>(std::max(Milliseconds, USER_TIMER_MINIMUM)));
    return true;
}

bool QtWindowSystem::KillTimer(WindowHandle Window, std::uintptr_t Id) {
    return FImpl->Timers.erase({Window, Id}) != 0;
}

void QtWindowSystem::InvalidateRect(WindowHandle Window) {
    if (Impl::Entry* E = FImpl->Find(Window)) E->PaintPending = true;
}

void QtWindowSystem::ShowBitmap(WindowHandle Window, const PixelView& Picture) {
    Impl::Entry* E = FImpl->Find(Window);
    auto* S = E != nullptr ? dynamic_cast<Surface*>(E->Widget) : nullptr;
    if (S == nullptr || Picture.Pixels == nullptr || Picture.Width <= 0 || Picture.Height <= 0) return;
    const QImage View(reinterpret_cast<const uchar*>(Picture.Pixels), Picture.Width, Picture.Height,
                      static_cast<qsizetype>(Picture.Stride) * 4, QImage::Format_RGB32);
    S->Picture = View.copy();
    S->update();
}

void QtWindowSystem::SetCapture(WindowHandle Window) {
    // Qt already keeps sending a pressed button's moves to its widget; the handle is what callers ask about.
    if (IsWindow(Window)) FImpl->Capture = Window;
}

void QtWindowSystem::ReleaseCapture() { FImpl->Capture = NoWindow; }

WindowHandle QtWindowSystem::GetCapture() const { return FImpl->Capture; }

void QtWindowSystem::TrackMouseLeave(WindowHandle Window) {
    Impl::Entry* E = FImpl->Find(Window);
    if (auto* S = E != nullptr ? dynamic_cast<Surface*>(E->Widget) : nullptr) S->TracksLeave = true;
}

void QtWindowSystem::SetCursor(WindowHandle Window, int Cursor) {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr || E->Widget == nullptr) return;
    if (Cursor == CursorDefault)
        E->Widget->unsetCursor();
    else
        E->Widget->setCursor(ToQtCursor(Cursor));
}

int QtWindowSystem::MessageBox(WindowHandle Owner, const std::string& Text, const std::string& Caption,
                               unsigned Style) {
    Impl::Entry* E = FImpl->Find(Owner);
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    switch (Style & 0xF0) {
    case MB_ICONSTOP:
        Icon = QMessageBox::Critical;
        break;
    case MB_ICONWARNING:
        Icon = QMessageBox::Warning;
        break;
    case MB_ICONINFORMATION:
        Icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    QMessageBox Box(Icon, QString::fromLatin1(Caption.c_str()), QString::fromLatin1(Text.c_str()),
                    QMessageBox::Ok, E != nullptr ? E->Widget : nullptr);
    Box.exec();
    return IDOK;
}

void QtWindowSystem::PostMessage(const Message& Msg) {
    FImpl->Queue.push_back(Msg);
    // Wake a WaitMessage blocked in Qt's event loop.
    if (auto* Dispatcher = QAbstractEventDispatcher::instance()) Dispatcher->wakeUp();
}

bool QtWindowSystem::PeekMessage(Message& Msg) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (!FImpl->Queue.empty()) {
        Msg = FImpl->Queue.front();
        FImpl->Queue.pop_front();
        return true;
    }
    for (auto& [Handle, E] : FImpl->Windows) {
        if (!E.PaintPending) continue;
        E.PaintPending = false;
        Msg = Message{Handle, WM_PAINT, 0, 0};
        return true;
    }
    for (auto& [Key, T] : FImpl->Timers) {
        if (!T.Pending) continue;
        T.Pending = false;
        Msg = Message{Key.first, WM_TIMER, Key.second, 0};
        return true;
    }
    return false;
}

void QtWindowSystem::WaitMessage() {
    while (!FImpl->Ready()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

WindowHandle QtWindowSystem::FindWindow(WindowKind Kind, const std::string& Text) const {
    for (const auto& [Handle, E] : FImpl->Windows)
        if (E.Params.Kind == Kind && E.Params.Text == Text) return Handle;
    return NoWindow;
}

bool QtWindowSystem::IsWindowVisible(WindowHandle Window) const {
    Impl::Entry* E = FImpl->Find(Window);
    return E != nullptr && E->Widget != nullptr && E->Widget->isVisible();
}

void QtWindowSystem::ClickButton(WindowHandle Button) {
    Impl::Entry* E = FImpl->Find(Button);
    if (auto* B = E != nullptr ? qobject_cast<QPushButton*>(E->Widget) : nullptr) B->click();
}

void QtWindowSystem::RequestClose(WindowHandle Window) {
    Impl::Entry* E = FImpl->Find(Window);
    if (E != nullptr && E->Widget != nullptr) E->Widget->close();
}

void QtWindowSystem::SendMouse(WindowHandle Window, std::uint32_t Msg, int X, int Y, std::uint16_t Keys) {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr || E->Widget == nullptr) return;
    const auto [Type, Button] = MouseEventOf(Msg);
    const QPointF Local(X, Y);
    QMouseEvent Event(Type, Local, E->Widget->mapToGlobal(Local), Button, ButtonsOf(Keys), ModifiersOf(Keys));
    QCoreApplication::sendEvent(E->Widget, &Event);
}

void QtWindowSystem::SendWheel(WindowHandle Window, int Delta, int X, int Y) {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr || E->Widget == nullptr) return;
    const QPointF Local(X, Y);
    QWheelEvent Event(Local, E->Widget->mapToGlobal(Local), QPoint(), QPoint(0, Delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(E->Widget, &Event);
}

QtWindowSystem::Snapshot QtWindowSystem::Grab(WindowHandle Window) const {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr || E->Widget == nullptr) return {};
    const QImage Image = E->Widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Snapshot Result;
    Result.Width = Image.width();
    Result.Height = Image.height();
    Result.Pixels.reserve(static_cast<std::size_t>(Result.Width) * Result.Height);
    for (int Y = 0; Y < Result.Height; ++Y) {
        const auto* Row = reinterpret_cast<const QRgb*>(Image.constScanLine(Y));
        for (int X = 0; X < Result.Width; ++X) Result.Pixels.push_back(Row[X] & 0xFFFFFF);
    }
    return Result;
}

int QtWindowSystem::ShownCursor(WindowHandle Window) const {
    Impl::Entry* E = FImpl->Find(Window);
    if (E == nullptr || E->Widget == nullptr || !E->Widget->testAttribute(Qt::WA_SetCursor))
        return CursorDefault;
    return FromQtCursor(E->Widget->cursor().shape());
}

} // namespace vur::ui
