// The figures recorded between BeginPath and EndPath: polylines in device
// coordinates (fractions allowed, resolved to 1/16 pixel when filled), each
// open or closed. Curves arrive already flattened.
#pragma once

#include "platform/gdi/ScanConvert.h"

#include <span>
#include <vector>

namespace vur::gdi {

class Path {
public:
    struct Figure {
        std::vector<PointF> Points;
        bool Closed = false;
    };

    void Clear() {
        FFigures.clear();
        FOpen = false;
    }
    bool Empty() const { return FFigures.empty(); }
    // Starts a new open figure at P.
    void MoveTo(PointF P);
    // Continues the current figure (starting one at From when there is none).
    void LineTo(PointF From, PointF P);
    void CloseFigure();
    void AddClosed(std::span<const PointF> Points);
    void AddOpen(std::span<const PointF> Points);

    const std::vector<Figure>& Figures() const { return FFigures; }

private:
    std::vector<Figure> FFigures;
    bool FOpen = false; // the last figure still takes points
};

} // namespace vur::gdi
