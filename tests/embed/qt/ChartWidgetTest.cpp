// The chart widget in a plain Qt program (offscreen): real Qt events in, the
// engine's picture out, and no application object or form of the engine's.
#include "embed/qt/ChartWidget.h"

#include "chart/Series/LineSeries.h"
#include "framework/Application.h"
#include "platform/gdi/Bitmap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QThread>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace vur;

namespace {

constexpr std::uint32_t Red = 0xFF0000;

// One Qt application for the whole run, gone before the process exits: Qt's own
// objects are torn down by then, and a later destruction crashes.
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override { FApp = std::make_unique<QApplication>(FArgc, FArgv); }
    void TearDown() override { FApp.reset(); }

private:
    int FArgc = 1;
    char FName[14] = "test_embed_qt";
    char* FArgv[2] = {FName, nullptr};
    std::unique_ptr<QApplication> FApp;
};
[[maybe_unused]] ::testing::Environment* const Qt = ::testing::AddGlobalTestEnvironment(new QtApplication);

class ChartWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        Widget = std::make_unique<ChartWidget>();
        Widget->resize(640, 400);
        Chart = Widget->chart();
        Chart->SetView3D(false);
        Series = new TLineSeries(nullptr);
        Series->SetParentChart(Chart);
        // y = 10 x: a straight line from the lower left to the upper right.
        for (int I = 0; I <= 10; ++I) Series->AddXY(I, 10.0 * I);
        Widget->show();
        Settle();
        Plot = Chart->GetChartRect();
    }

    // Lets Qt deliver what is queued: resizes, updates, paints.
    static void Settle() {
        for (int I = 0; I < 3; ++I) QCoreApplication::processEvents();
    }

    void Mouse(QEvent::Type Type, Qt::MouseButton Button, Qt::MouseButtons Held, QPoint At) {
        QMouseEvent Event(Type, QPointF(At), Widget->mapToGlobal(QPointF(At)), Button, Held, Qt::NoModifier);
        QApplication::sendEvent(Widget.get(), &Event);
        Settle();
    }
    void Drag(Qt::MouseButton Button, QPoint From, QPoint To) {
        Mouse(QEvent::MouseButtonPress, Button, Button, From);
        Mouse(QEvent::MouseMove, Qt::NoButton, Button, To);
        Mouse(QEvent::MouseButtonRelease, Button, Qt::NoButton, To);
    }
    void Wheel(int Delta, QPoint At) {
        QWheelEvent Event(QPointF(At), Widget->mapToGlobal(QPointF(At)), QPoint(), QPoint(0, Delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Widget.get(), &Event);
        Settle();
    }
    QImage Grab() const { return Widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static std::uint32_t At(const QImage& Image, int X, int Y) { return Image.pixel(X, Y) & 0xFFFFFF; }

    // Pixels of the grab that differ from the chart's own window image; the picture is saved on a difference.
    int DifferencesFromChartImage(const QImage& Shot, const std::string& Name) const {
        const gdi::Bitmap& Image = Chart->GetWindowImage().GetImage();
        if (Shot.width() != Image.Width() || Shot.height() != Image.Height()) return -1;
        int Differ = 0;
        for (int Y = 0; Y < Shot.height(); ++Y)
            for (int X = 0; X < Shot.width(); ++X) Differ += At(Shot, X, Y) != (Image.Row(Y)[X] & 0xFFFFFF);
        if (Differ != 0) Shot.save(QString::fromStdString(Name + ".png"));
        return Differ;
    }

    std::unique_ptr<ChartWidget> Widget;
    TChart* Chart = nullptr;
    TLineSeries* Series = nullptr;
    TRect Plot;
};

} // namespace

TEST_F(ChartWidgetTest, ShowsTheEnginePictureWithTheSeriesWhereTheAxesPlaceIt) {
    // Nothing of the engine's program machinery is involved.
    EXPECT_EQ(Application, nullptr);
    EXPECT_EQ(ui::CurrentWindowSystem(), nullptr);

    const QImage Shot = Grab();
    ASSERT_EQ(Shot.width(), 640);
    ASSERT_EQ(Shot.height(), 400);
    EXPECT_EQ(DifferencesFromChartImage(Shot, "widget_picture"), 0);
    ASSERT_GT(Plot.Width(), 300);
    ASSERT_GT(Plot.Height(), 200);
    // The line's pixels at a few x positions lie where the axes map y = 10 x, in the series colour.
    for (const double X : {1.5, 5.0, 8.5}) {
        const int Px = Chart->GetBottomAxis()->CalcXPosValue(X);
        const int Py = Chart->GetLeftAxis()->CalcYPosValue(10.0 * X);
        bool Found = false;
        for (int Dy = -1; Dy <= 1; ++Dy) Found = Found || At(Shot, Px, Py + Dy) == Red;
        EXPECT_TRUE(Found) << "x " << X << " at (" << Px << ", " << Py << ")";
    }
    // Above and below the line the plot is empty there.
    const int Mid = Chart->GetBottomAxis()->CalcXPosValue(5.0);
    EXPECT_NE(At(Shot, Mid, Chart->GetLeftAxis()->CalcYPosValue(80.0)), Red);
    EXPECT_NE(At(Shot, Mid, Chart->GetLeftAxis()->CalcYPosValue(20.0)), Red);
}

TEST_F(ChartWidgetTest, LeftDragZoomsToTheRectangleAndTheReverseDragRestores) {
    TChartAxis* Bottom = Chart->GetBottomAxis();
    TChartAxis* LeftAxis = Chart->GetLeftAxis();
    const double BottomMin = Bottom->GetMinimum(), BottomMax = Bottom->GetMaximum();
    const double LeftMin = LeftAxis->GetMinimum(), LeftMax = LeftAxis->GetMaximum();
    const QPoint From(Plot.Left + 40, Plot.Top + 30);
    const QPoint To(Plot.Left + 240, Plot.Top + 180);
    const double WantBottomMin = Bottom->CalcPosPoint(From.x()), WantBottomMax = Bottom->CalcPosPoint(To.x());
    const double WantLeftMin = LeftAxis->CalcPosPoint(To.y()), WantLeftMax = LeftAxis->CalcPosPoint(From.y());

    // While the button is held the inverted rectangle is on the screen, without a paint of the chart.
    const QImage Before = Grab();
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, From);
    Mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, To);
    const QImage During = Grab();
    int Inverted = 0;
    for (int X = From.x() + 1; X < To.x(); ++X)
        Inverted += At(During, X, From.y()) != At(Before, X, From.y());
    EXPECT_GT(Inverted, (To.x() - From.x()) / 2);
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, To);

    EXPECT_TRUE(Chart->GetZoomed());
    EXPECT_NEAR(Bottom->GetMinimum(), WantBottomMin, 1e-9);
    EXPECT_NEAR(Bottom->GetMaximum(), WantBottomMax, 1e-9);
    EXPECT_NEAR(LeftAxis->GetMinimum(), WantLeftMin, 1e-9);
    EXPECT_NEAR(LeftAxis->GetMaximum(), WantLeftMax, 1e-9);
    // The zoomed picture is on the screen: the rectangle's corners are now the plot's.
    EXPECT_EQ(DifferencesFromChartImage(Grab(), "widget_zoomed"), 0);
    EXPECT_EQ(Bottom->CalcXPosValue(WantBottomMin), Chart->GetChartRect().Left);

    Drag(Qt::LeftButton, To, From);
    EXPECT_FALSE(Chart->GetZoomed());
    EXPECT_DOUBLE_EQ(Bottom->GetMinimum(), BottomMin);
    EXPECT_DOUBLE_EQ(Bottom->GetMaximum(), BottomMax);
    EXPECT_DOUBLE_EQ(LeftAxis->GetMinimum(), LeftMin);
    EXPECT_DOUBLE_EQ(LeftAxis->GetMaximum(), LeftMax);
    EXPECT_EQ(DifferencesFromChartImage(Grab(), "widget_restored"), 0);
}

TEST_F(ChartWidgetTest, RightDragPansAndClicksReachTheChartsEvents) {
    TChartAxis* Bottom = Chart->GetBottomAxis();
    int Scrolls = 0;
    Chart->OnScroll = [&](TPersistent*) { ++Scrolls; };
    const double Span = Bottom->GetMaximum() - Bottom->GetMinimum();
    const double Min = Bottom->GetMinimum();
    const QPoint From(Plot.Left + 100, Plot.Top + 60);
    // Moving 40 pixels right drags the content with the mouse: the range moves left by 40 pixels' worth.
    const double Delta = Bottom->CalcPosPoint(From.x() + 40) - Bottom->CalcPosPoint(From.x());
    Drag(Qt::RightButton, From, From + QPoint(40, 0));
    EXPECT_EQ(Scrolls, 1);
    EXPECT_NEAR(Bottom->GetMinimum(), Min - Delta, 1e-9);
    EXPECT_NEAR(Bottom->GetMaximum() - Bottom->GetMinimum(), Span, 1e-9);

    std::vector<std::pair<int, int>> Clicks;
    Chart->OnClickBackground = [&](TPersistent*, TMouseButton, TShiftState, int X, int Y) {
        Clicks.emplace_back(X, Y);
    };
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, From);
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, From);
    ASSERT_FALSE(Clicks.empty());
    EXPECT_EQ(Clicks.front(), std::make_pair(From.x(), From.y()));
}

TEST_F(ChartWidgetTest, ClicksAndHoverOnTheLineReachTheSeriesOwnEvents) {
    std::vector<std::string> Log;
    Series->OnClick = [&](TChartSeries* Sender, int Index, TMouseButton, TShiftState, int, int) {
        Log.push_back((Sender == Series ? "click " : "other ") + std::to_string(Index));
    };
    Series->OnDblClick = [&](TChartSeries*, int Index, TMouseButton, TShiftState, int, int) {
        Log.push_back("double " + std::to_string(Index));
    };
    Series->SetCursor(crHandPoint);
    // Point 5 is (5, 50); 40 pixels below it the plot is empty.
    const QPoint OnPoint(Chart->GetBottomAxis()->CalcXPosValue(5), Chart->GetLeftAxis()->CalcYPosValue(50));
    const QPoint Off = OnPoint + QPoint(0, 40);

    Mouse(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, OnPoint);
    EXPECT_EQ(Widget->cursor().shape(), Qt::PointingHandCursor);
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, OnPoint);
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, OnPoint);
    Mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, OnPoint);
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, OnPoint);
    Mouse(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Off);
    EXPECT_EQ(Widget->cursor().shape(), Qt::ArrowCursor);
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Off);
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Off);
    EXPECT_EQ(Log, (std::vector<std::string>{"click 5", "double 5"}));
}

TEST_F(ChartWidgetTest, AWheelNotchScrollsTheVerticalAxesByThreePercent) {
    TChartAxis* LeftAxis = Chart->GetLeftAxis();
    LeftAxis->SetMinMax(0, 50);
    Settle();
    const QPoint Inside(Plot.Left + 100, Plot.Top + 100);
    Wheel(-120, Inside); // a notch towards the user
    EXPECT_DOUBLE_EQ(LeftAxis->GetMinimum(), 1.5);
    EXPECT_DOUBLE_EQ(LeftAxis->GetMaximum(), 51.5);
    Wheel(120, Inside);
    EXPECT_NEAR(LeftAxis->GetMinimum(), 0.0, 1e-12);
    EXPECT_NEAR(LeftAxis->GetMaximum(), 50.0, 1e-12);
    EXPECT_EQ(DifferencesFromChartImage(Grab(), "widget_wheel"), 0);
}

TEST_F(ChartWidgetTest, AResizeRepaintsAtTheNewSize) {
    const int PlotRightBefore = Plot.Right;
    Widget->resize(500, 300);
    Settle();
    const QImage Shot = Grab();
    ASSERT_EQ(Shot.width(), 500);
    ASSERT_EQ(Shot.height(), 300);
    EXPECT_EQ(Chart->GetWidth(), 500);
    EXPECT_EQ(Chart->GetWindowImage().GetWidth(), 500);
    EXPECT_EQ(Chart->GetWindowImage().GetHeight(), 300);
    EXPECT_LT(Chart->GetChartRect().Right, PlotRightBefore - 100);
    EXPECT_EQ(DifferencesFromChartImage(Shot, "widget_resized"), 0);
    // The line still ends at the plot's upper right corner, now further left.
    const TRect Now = Chart->GetChartRect();
    const int Px = Chart->GetBottomAxis()->CalcXPosValue(9.5), Py = Chart->GetLeftAxis()->CalcYPosValue(95);
    EXPECT_LT(Px, Now.Right);
    bool Found = false;
    for (int Dy = -1; Dy <= 1; ++Dy) Found = Found || At(Shot, Px, Py + Dy) == Red;
    EXPECT_TRUE(Found);
}

TEST_F(ChartWidgetTest, AFailingEventHandlerDoesNotCrossQtAndTheWidgetCarriesOn) {
    Chart->OnClickBackground = [](TPersistent*, TMouseButton, TShiftState, int, int) {
        throw Exception("handler failed");
    };
    const QPoint Inside(Plot.Left + 50, Plot.Top + 50);
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Inside);
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Inside);
    Chart->OnClickBackground = nullptr;
    Series->AddXY(11, 0);
    Settle();
    EXPECT_EQ(DifferencesFromChartImage(Grab(), "widget_after_failure"), 0);
    EXPECT_DOUBLE_EQ(Chart->GetBottomAxis()->GetMaximum(), 11);
}

namespace {

// Counts the paint events the widget gets.
class CountingChartWidget : public ChartWidget {
public:
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent* Event) override {
        ++Paints;
        ChartWidget::paintEvent(Event);
    }
};

} // namespace

TEST_F(ChartWidgetTest, DataArrivingFasterThanTheScreenRefreshesIsPaintedOncePerFrame) {
    CountingChartWidget Counted;
    Counted.resize(300, 200);
    auto* Line = new TLineSeries(nullptr);
    Line->SetParentChart(Counted.chart());
    Counted.show();
    Settle();
    const double Rate = Counted.screen()->refreshRate() > 0 ? Counted.screen()->refreshRate() : 60.0;
    // A sample every millisecond for a tenth of a second, each asking for a repaint.
    QElapsedTimer Clock;
    Clock.start();
    const int PaintsBefore = Counted.Paints;
    for (int I = 0; Clock.elapsed() < 100; ++I) {
        Line->AddXY(I, I % 7);
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    const int Frames = Counted.Paints - PaintsBefore;
    // At most one paint per refresh (and one for a frame begun at the start), but the data is shown.
    EXPECT_LE(Frames, static_cast<int>(Rate * Clock.elapsed() / 1000.0) + 1);
    EXPECT_GE(Frames, 1);
    for (int I = 0; I < 50 && Counted.Paints == PaintsBefore + Frames; ++I) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(Counted.chart()->GetBottomAxis()->GetMaximum(), Line->MaxXValue());
}
