// A bag of pixel spans from several shapes (pieces of a wide stroke, its caps
// and joins) that must be painted as one set: sorted and merged, each pixel
// is visited once, so raster operations apply once per pixel.
//
// A stroke adds its few cap and join spans first and the scan converter's
// rows, already in order, after them; so only the unsorted head is sorted and
// merged with the sorted tail on the fly, in time linear in the tail.
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
        const std::size_t N = FItems.size();
        // The longest sorted tail, then the head before it sorted.
        std::size_t Tail = N == 0 ? 0 : N - 1;
        while (Tail > 0 && !Less(FItems[Tail], FItems[Tail - 1])) --Tail;
        std::sort(FItems.begin(), FItems.begin() + static_cast<std::ptrdiff_t>(Tail), Less);
        std::size_t H = 0, T = Tail;
        // The next item of the merge comes from the head when it is not after the tail's.
        const auto FromHead = [&] { return T == N || (H < Tail && !Less(FItems[T], FItems[H])); };
        while (H < Tail || T < N) {
            Item Run = FromHead() ? FItems[H++] : FItems[T++];
            while (H < Tail || T < N) {
                const bool Head = FromHead();
                const Item& Next = Head ? FItems[H] : FItems[T];
                if (Next.Y != Run.Y || Next.X0 > Run.X1) break;
                Run.X1 = std::max(Run.X1, Next.X1);
                ++(Head ? H : T);
            }
            Visit(Run.Y, Run.X0, Run.X1);
        }
    }

private:
    struct Item {
        int Y, X0, X1;
    };
    static bool Less(const Item& A, const Item& B) { return A.Y != B.Y ? A.Y < B.Y : A.X0 < B.X0; }
    std::vector<Item> FItems;
};

} // namespace vur::gdi
