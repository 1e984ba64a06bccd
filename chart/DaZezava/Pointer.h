// TSeriesPointer: the marker a series can draw at each point, and the room
// it asks of the axes. Drawing comes with the canvas.
#pragma once

#include "chart/RoVedure/ChartBrush.h"
#include "chart/RoVedure/ChartPen.h"
#include "framework/Classes.h"

#include <cstdint>
#include <memory>

namespace vur {

class TChartSeries;

enum TSeriesPointerStyle : std::uint8_t {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot,
    psNothing,
    psLeftTriangle,
    psRightTriangle
};

class TSeriesPointer : public TPersistent {
public:
    // AOwner may be none (a pointer outside any series).
    explicit TSeriesPointer(TChartSeries* AOwner);
    ~TSeriesPointer() override;

    std::string ClassName() const override { return "TSeriesPointer"; }
    void Assign(const TPersistent* Source) override;

    TSeriesPointerStyle GetStyle() const { return FStyle; }
    void SetStyle(TSeriesPointerStyle Value);
    int GetHorizSize() const { return FHorizSize; }
    // Sizes are half widths in pixels; 0 or less raises ChartException.
    void SetHorizSize(int Value);
    int GetVertSize() const { return FVertSize; }
    void SetVertSize(int Value);
    void SetSize(int Value);
    bool GetInflateMargins() const { return FInflateMargins; }
    void SetInflateMargins(bool Value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool GetDraw3D() const { return FDraw3D; }
    void SetDraw3D(bool Value);
    bool GetDark3D() const { return FDark3D; }
    void SetDark3D(bool Value);
    TChartPen* GetPen() const { return FPen.get(); }
    TChartBrush* GetBrush() const { return FBrush.get(); }
    TChartSeries* GetSeries() const { return FSeries; }

    // Widen the margins to hold a visible marker when InflateMargins is set.
    void CalcHorizMargins(int& LeftMargin, int& RightMargin) const;
    void CalcVerticalMargins(int& TopMargin, int& BottomMargin) const;

protected:
    void Repaint();
    template <class T>
    void SetProperty(T& Field, T Value) {
        if (Field == Value) return;
        Field = Value;
        Repaint();
    }

private:
    TChartSeries* FSeries;
    std::unique_ptr<TChartBrush> FBrush;
    std::unique_ptr<TChartPen> FPen;
    TSeriesPointerStyle FStyle = psRectangle;
    int FHorizSize = 4;
    int FVertSize = 4;
    bool FInflateMargins = true;
    bool FVisible = true;
    bool FDraw3D = true;
    bool FDark3D = true;
};

} // namespace vur
