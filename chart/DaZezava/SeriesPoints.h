// Where a series' points are and what colour they are: the step of series
// drawing between the visible range and the axis mapping. Drawing takes the
// points from the source the series gives it, a run at a time; a series kind
// that places or colours its points in a way of its own gives a source of its
// own, and drawing needs to know nothing else about it.
#pragma once

#include "framework/Types.h"

#include <span>

namespace vur {

class TChartSeries;

class TSeriesPoints {
public:
    virtual ~TSeriesPoints() = default;
    // The X (AsX) or Y values of the points From .. From + Count - 1: a view
    // of stored values, or the values written into Scratch (Count or more
    // long). Valid until the series changes.
    virtual std::span<const double> Values(bool AsX, int From, int Count,
                                           std::span<double> Scratch) const = 0;
    double Value(bool AsX, int Index) const;
    // The colour point Index is drawn in: Automatic where the point follows
    // the series colour; clNone for a null.
    virtual TColor Colour(int Index, TColor Automatic) const = 0;
    // Every point follows the series colour: no colours of their own, no nulls.
    virtual bool Uniform() const = 0;
};

// The points as the series' value lists hold them, in the colours the
// series gives them.
class TValuePoints : public TSeriesPoints {
public:
    explicit TValuePoints(const TChartSeries& Series) : FSeries(Series) {}
    std::span<const double> Values(bool AsX, int From, int Count, std::span<double> Scratch) const override;
    TColor Colour(int Index, TColor Automatic) const override;
    bool Uniform() const override;

protected:
    const TChartSeries& FSeries;
};

} // namespace vur
