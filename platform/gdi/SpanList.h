// A bag of pixel spans from several shapes (pieces of a wide stroke, its caps
// and joins) that must be painted as one set: sorted and merged, each pixel
// is visited once, so raster operations apply once per pixel.
#pragma once

#include "platform/gdi/ScanConvert.h"

#include <algorithm>
#include <vector>

namespace vur::gdi {

class SpanList : public RowSink {
public:
    void Clear() { FItems.clear(); }
    void Add(int Y, int X0, int X1) {
        if (X0 < X1) FItems.push_back(Item{Y, X0, X1});
    }
    void Row(int Y, std::span<const Span> Spans) override {
        for (const Span& S : Spans) Add(Y, S.X0, S.X1);
    }

    // Visit(Y, X0, X1) for the merged spans, top to bottom, left to right.
    template <class F>
    void ForEachMerged(F&& Visit) {
        std::sort(FItems.begin(), FItems.end(),
                  [](const Item& A, const Item& B) { return A.Y != B.Y ? A.Y < B.Y : A.X0 < B.X0; });
        std::size_t I = 0;
        while (I < FItems.size()) {
            Item Run = FItems[I++];
            while (I < FItems.size() && FItems[I].Y == Run.Y && FItems[I].X0 <= Run.X1)
                Run.X1 = std::max(Run.X1, FItems[I++].X1);
            Visit(Run.Y, Run.X0, Run.X1);
        }
    }

private:
    struct Item {
        int Y, X0, X1;
    };
    std::vector<Item> FItems;
};

} // namespace vur::gdi
