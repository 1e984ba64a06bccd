#include "embed/qt/ChartWidget.h"

#include "platform/ui/WindowSystem.h"
#include "platform/ui/qt/QtInput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMetaObject>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <exception>

namespace vur {

// The chart's one window, which is the widget: repaint requests become Qt
// updates, a presented picture is shown in the next paint event, cursors and
// capture go to the widget. Messages are handed to the chart at once, from the
// widget's own events; nothing else in the process uses this window system.
class ChartWidget::Host final : public ui::WindowSystem {
public:
    static constexpr ui::WindowHandle Window = 1;

    explicit Host(QWidget& Widget) : FWidget(Widget) {
        FNextFrame.setSingleShot(true);
        FNextFrame.setTimerType(Qt::PreciseTimer);
        QObject::connect(&FNextFrame, &QTimer::timeout, &FWidget, [this] { FWidget.update(); });
    }

    // Hands a message to the chart. A failure in the chart must not cross Qt's
    // event handling; there is no application to show it, so Qt's log says it.
    void Deliver(const ui::Message& Msg) {
        if (FHandler == nullptr) return;
        try {
            DispatchMessage(Msg);
        } catch (const std::exception& E) {
            qWarning("VurChart: %s", E.what());
        } catch (...) {
            qWarning("VurChart: a failure of unknown kind");
        }
    }
    // Whether the chart must paint before the widget can show its picture: it
    // asked to, or the picture shown last is of another size or no longer the
    // window image the chart keeps.
    bool NeedsPaint(const TChart& Chart) const {
        if (FPaintPending || FPicture.Pixels == nullptr) return true;
        const gdi::Bitmap& Image = Chart.GetWindowImage().GetImage();
        return FPicture.Width != FWidget.width() || FPicture.Height != FWidget.height() ||
               Image.Width() != FPicture.Width || Image.Height() != FPicture.Height ||
               Image.Row(0) != FPicture.Pixels;
    }
    // The chart paints its window now, inside the widget's paint event.
    void Paint() {
        FPaintPending = false;
        FNextFrame.stop();
        FSinceFrame.start();
        FPainting = true;
        Deliver(ui::Message{Window, ui::WM_PAINT, 0, 0});
        FPainting = false;
    }
    const ui::PixelView& Picture() const { return FPicture; }
    std::uint32_t Background() const { return FBackground; }
    bool TracksLeave() const { return FTracksLeave; }
    void LeaveSeen() { FTracksLeave = false; }

    ui::WindowHandle CreateWindow(const ui::WindowParams& Params, ui::MessageHandler* Handler) override {
        if (FHandler != nullptr || Params.Parent != ui::NoWindow || Params.Kind != ui::wkChild)
            return ui::NoWindow;
        FHandler = Handler;
        FBackground = Params.Background;
        return Window;
    }
    void DestroyWindow(ui::WindowHandle W) override {
        if (W != Window) return;
        FHandler = nullptr;
        FPicture = {};
    }
    bool IsWindow(ui::WindowHandle W) const override { return W == Window && FHandler != nullptr; }
    // The widget's caption, place, size and visibility belong to the program that holds it.
    void SetWindowText(ui::WindowHandle, const std::string&) override {}
    void SetWindowBounds(ui::WindowHandle, const ui::Bounds&) override {}
    ui::Bounds GetClientRect(ui::WindowHandle) const override {
        return ui::Bounds{0, 0, FWidget.width(), FWidget.height()};
    }
    void ShowWindow(ui::WindowHandle, int) override {}
    void SetBackground(ui::WindowHandle, std::uint32_t Rgb) override {
        FBackground = Rgb;
        FWidget.update();
    }
    int ScreenPixelsPerInch() const override { return FWidget.logicalDpiY(); }

    // The chart keeps no timers; a program uses its own.
    bool SetTimer(ui::WindowHandle, std::uintptr_t, unsigned) override { return false; }
    bool KillTimer(ui::WindowHandle, std::uintptr_t) override { return false; }

    // Data may change far more often than a screen can show (a sample a millisecond):
    // the chart paints at most once per refresh of the widget's screen.
    void InvalidateRect(ui::WindowHandle W) override {
        if (W != Window) return;
        FPaintPending = true;
        if (FNextFrame.isActive()) return;
        const QScreen* Screen = FWidget.screen();
        const qreal Rate = Screen != nullptr && Screen->refreshRate() > 0 ? Screen->refreshRate() : 60.0;
        const auto Wait =
            static_cast<qint64>(1000.0 / Rate) - (FSinceFrame.isValid() ? FSinceFrame.elapsed() : 0);
        if (Wait <= 0 || !FSinceFrame.isValid())
            FWidget.update();
        else
            FNextFrame.start(static_cast<int>(Wait));
    }
    // The picture stays in the chart's window image until its next paint, so it is shown without a copy.
    void ShowBitmap(ui::WindowHandle W, const ui::PixelView& Picture) override {
        if (W != Window) return;
        FPicture = Picture;
        // Presented from a paint event, it is drawn by that event.
        if (!FPainting) FWidget.update();
    }

    // Qt already sends a pressed button's moves to the widget; the handle is what callers ask about.
    void SetCapture(ui::WindowHandle W) override { FCapture = W; }
    void ReleaseCapture() override { FCapture = ui::NoWindow; }
    ui::WindowHandle GetCapture() const override { return FCapture; }
    void TrackMouseLeave(ui::WindowHandle) override { FTracksLeave = true; }
    void SetCursor(ui::WindowHandle, int Cursor) override {
        if (Cursor == ui::CursorDefault)
            FWidget.unsetCursor();
        else
            FWidget.setCursor(ui::ToQtCursor(Cursor));
    }

    int MessageBox(ui::WindowHandle, const std::string& Text, const std::string& Caption, unsigned) override {
        QMessageBox::warning(&FWidget, QString::fromLatin1(Caption.c_str()),
                             QString::fromLatin1(Text.c_str()));
        return ui::IDOK;
    }

    // Posted messages arrive through Qt's own loop, after the event being handled.
    void PostMessage(const ui::Message& Msg) override {
        QMetaObject::invokeMethod(
            &FWidget, [this, Msg] { Deliver(Msg); }, Qt::QueuedConnection);
    }
    bool PeekMessage(ui::Message&) override { return false; }
    void WaitMessage() override { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }

protected:
    ui::MessageHandler* HandlerOf(ui::WindowHandle W) const override {
        return W == Window ? FHandler : nullptr;
    }

private:
    QWidget& FWidget;
    ui::MessageHandler* FHandler = nullptr;
    ui::PixelView FPicture;
    std::uint32_t FBackground = 0xF0F0F0;
    bool FPaintPending = true;
    bool FPainting = false;
    QElapsedTimer FSinceFrame; // since the chart last painted
    QTimer FNextFrame;
    bool FTracksLeave = false;
    ui::WindowHandle FCapture = ui::NoWindow;
};

ChartWidget::ChartWidget(QWidget* Parent)
    : QWidget(Parent), FHost(std::make_unique<Host>(*this)), FChart(std::make_unique<TChart>(nullptr)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    FChart->SetBounds(0, 0, width(), height());
    // The chart takes its window from the window system installed at that moment, and keeps it.
    const ui::ScopedWindowSystem Installed(*FHost);
    FChart->HandleNeeded();
}

ChartWidget::~ChartWidget() = default;

QSize ChartWidget::sizeHint() const { return QSize(640, 400); }

void ChartWidget::paintEvent(QPaintEvent*) {
    if (FHost->NeedsPaint(*FChart)) FHost->Paint();
    QPainter Painter(this);
    const ui::PixelView& Picture = FHost->Picture();
    if (Picture.Pixels == nullptr) {
        Painter.fillRect(rect(), QColor::fromRgb(FHost->Background() & 0xFFFFFF));
        return;
    }
    const QImage Image(reinterpret_cast<const uchar*>(Picture.Pixels), Picture.Width, Picture.Height,
                       static_cast<qsizetype>(Picture.Stride) * 4, QImage::Format_RGB32);
    Painter.drawImage(0, 0, Image);
}

void ChartWidget::resizeEvent(QResizeEvent* Event) {
    FChart->SetBounds(0, 0, Event->size().width(), Event->size().height());
}

void ChartWidget::mousePressEvent(QMouseEvent* Event) {
    FHost->Deliver(ui::MouseMessage(Host::Window, *Event));
}

void ChartWidget::mouseDoubleClickEvent(QMouseEvent* Event) {
    FHost->Deliver(ui::MouseMessage(Host::Window, *Event));
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* Event) {
    FHost->Deliver(ui::MouseMessage(Host::Window, *Event));
}

void ChartWidget::mouseMoveEvent(QMouseEvent* Event) {
    FHost->Deliver(ui::MouseMessage(Host::Window, *Event));
}

void ChartWidget::wheelEvent(QWheelEvent* Event) { FHost->Deliver(ui::WheelMessage(Host::Window, *Event)); }

void ChartWidget::leaveEvent(QEvent*) {
    if (!FHost->TracksLeave()) return;
    FHost->LeaveSeen();
    FHost->Deliver(ui::Message{Host::Window, ui::WM_MOUSELEAVE, 0, 0});
}

} // namespace vur
