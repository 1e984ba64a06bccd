// TCallout: the line from a point to its mark, with an optional marker at the
// point's end. It is a pointer shape, hidden and black by default.
#pragma once

#include "chart/DaZezava/Pointer.h"
#include "framework/Types.h"

namespace vur {

class TCanvas3D;

enum TArrowHeadStyle : std::uint8_t { ahNone, ahLine, ahSolid };

class TCallout : public TSeriesPointer {
public:
    explicit TCallout(TChartSeries* AOwner);
    ~TCallout() override;

    std::string ClassName() const override { return "TCallout"; }
    void Assign(const TPersistent* Source) override;

    // The line pen (white by default).
    TChartPen* GetArrow() const { return FArrow.get(); }
    TArrowHeadStyle GetArrowHead() const { return FArrowHead; }
    void SetArrowHead(TArrowHeadStyle Value) { SetProperty(FArrowHead, Value); }
    int GetArrowHeadSize() const { return FArrowHeadSize; }
    void SetArrowHeadSize(int Value) { SetProperty(FArrowHeadSize, Value); }
    int GetDistance() const { return FDistance; }
    void SetDistance(int Value) { SetProperty(FDistance, Value); }

    // The line (or arrow) from To back to From at depth Z, then, without an
    // arrow head, the marker in its own colour at From. Color is the point's.
    void Draw(TCanvas3D& Canvas, TColor Color, const TPoint& From, const TPoint& To, int Z);

private:
    std::unique_ptr<TChartPen> FArrow;
    TArrowHeadStyle FArrowHead = ahNone;
    int FArrowHeadSize = 8;
    int FDistance = 0;
};

} // namespace vur
