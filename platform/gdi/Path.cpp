#include "platform/gdi/Path.h"

namespace vur::gdi {

void Path::MoveTo(PointF P) {
    if (FOpen && FFigures.back().Points.size() == 1)
        FFigures.back().Points[0] = P;
    else
        FFigures.push_back(Figure{{P}, false});
    FOpen = true;
}

void Path::LineTo(PointF From, PointF P) {
    if (!FOpen) MoveTo(From);
    FFigures.back().Points.push_back(P);
}

void Path::CloseFigure() {
    if (!FOpen) return;
    FFigures.back().Closed = true;
    FOpen = false;
}

void Path::AddClosed(std::span<const PointF> Points) {
    if (Points.empty()) return;
    FFigures.push_back(Figure{{Points.begin(), Points.end()}, true});
    FOpen = false;
}

void Path::AddOpen(std::span<const PointF> Points) {
    if (Points.empty()) return;
    FFigures.push_back(Figure{{Points.begin(), Points.end()}, false});
    FOpen = true;
}

} // namespace vur::gdi
