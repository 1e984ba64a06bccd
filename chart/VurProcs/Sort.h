// VurSort: the index quicksort every sortable chart list uses. It never moves
// data itself: Compare(A, B) orders two indexes and Swap(A, B) exchanges
// them, so a series can permute all its parallel lists at once.
#pragma once

#include <utility>

namespace vur {

// Sorts First..Last. Not stable. The pivot is tracked by index because the
// swaps move it. The left part is sorted before the right one; when the two
// parts do not share an index their order cannot matter, so the smaller one
// recurses and the larger one loops, keeping the stack shallow.
template <class TCompare, class TSwap>
void VurSort(int First, int Last, TCompare&& Compare, TSwap&& Swap) {
    while (Last > First) {
        int M = static_cast<int>((static_cast<unsigned>(First) + static_cast<unsigned>(Last)) >> 1);
        int I = First;
        int J = Last;
        do {
            while (Compare(I, M) < 0) ++I;
            while (Compare(M, J) < 0) --J;
            if (J > I) {
                Swap(I, J);
                if (I == M)
                    M = J;
                else if (J == M)
                    M = I;
            }
            if (J >= I) {
                ++I;
                --J;
            }
        } while (J > I);
        if (J >= I || J - First < Last - I) {
            if (J > First) VurSort(First, J, Compare, Swap);
            First = I;
        } else {
            if (I < Last) VurSort(I, Last, Compare, Swap);
            Last = J;
        }
    }
}

} // namespace vur
