// The line-style series: TCustomLineSeries (its pen is the line pen),
// TCustomSeries (point markers and stacking) and TLineSeries (the line
// defaults). Drawing comes with the canvas.
#pragma once

#include "chart/DaZezava/Pointer.h"
#include "chart/DaZezava/Series.h"

#include <memory>

namespace vur {

enum TCustomSeriesStack : std::uint8_t { cssNone, cssOverlap, cssStack, cssStack100 };

class TCustomLineSeries : public TChartSeries {
public:
    static constexpr char StaticClassName[] = "TCustomLineSeries";
    explicit TCustomLineSeries(TComponent* AOwner) : TChartSeries(AOwner) {}

    std::string ClassName() const override { return StaticClassName; }
    const TChartSeriesClass* GetSeriesClass() const override { return SeriesClassOf<TCustomLineSeries>(); }

    TChartPen* GetLinePen() const { return GetPen(); }
};

class TCustomSeries : public TCustomLineSeries {
public:
    static constexpr char StaticClassName[] = "TCustomSeries";
    explicit TCustomSeries(TComponent* AOwner);
    ~TCustomSeries() override;

    std::string ClassName() const override { return StaticClassName; }
    const TChartSeriesClass* GetSeriesClass() const override { return SeriesClassOf<TCustomSeries>(); }

    TSeriesPointer* GetPointer() const { return FPointer.get(); }
    TCustomSeriesStack GetStacked() const { return FStacked; }
    void SetStacked(TCustomSeriesStack Value);

    // Stacking changes the extents of the mandatory direction.
    double MinXValue() const override;
    double MaxXValue() const override;
    double MinYValue() const override;
    double MaxYValue() const override;

private:
    // The lowest or highest value point tops reach when stacked on the
    // series before this one.
    double StackedExtent(bool Maximum) const;

    std::unique_ptr<TSeriesPointer> FPointer;
    TCustomSeriesStack FStacked = cssNone;
};

// A line through the points; its pointer starts hidden.
class TLineSeries : public TCustomSeries {
public:
    static constexpr char StaticClassName[] = "TLineSeries";
    explicit TLineSeries(TComponent* AOwner);

    std::string ClassName() const override { return StaticClassName; }
    const TChartSeriesClass* GetSeriesClass() const override { return SeriesClassOf<TLineSeries>(); }
};

} // namespace vur
