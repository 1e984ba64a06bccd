#include "chart/Series/ColumnRun.h"

#include <algorithm>
#include <bit>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vur {

namespace {

#if defined(__SSE2__)
__m128i Min(__m128i A, __m128i B) {
    const __m128i Greater = _mm_cmpgt_epi32(A, B);
    return _mm_or_si128(_mm_and_si128(Greater, B), _mm_andnot_si128(Greater, A));
}

__m128i Max(__m128i A, __m128i B) {
    const __m128i Greater = _mm_cmpgt_epi32(A, B);
    return _mm_or_si128(_mm_and_si128(Greater, A), _mm_andnot_si128(Greater, B));
}
#endif

// Widens Rows to every value of Values.
void Extend(TColumnRows& Rows, std::span<const int> Values) {
    std::size_t I = 0;
#if defined(__SSE2__)
    if (Values.size() >= 8) {
        __m128i Low = _mm_set1_epi32(Rows.First);
        __m128i High = _mm_set1_epi32(Rows.Last);
        for (; I + 4 <= Values.size(); I += 4) {
            const __m128i V = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&Values[I]));
            Low = Min(Low, V);
            High = Max(High, V);
        }
        alignas(16) int Lanes[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(Lanes), Low);
        Rows.First = std::min(std::min(Lanes[0], Lanes[1]), std::min(Lanes[2], Lanes[3]));
        _mm_store_si128(reinterpret_cast<__m128i*>(Lanes), High);
        Rows.Last = std::max(std::max(Lanes[0], Lanes[1]), std::max(Lanes[2], Lanes[3]));
    }
#endif
    for (; I < Values.size(); ++I) {
        Rows.First = std::min(Rows.First, Values[I]);
        Rows.Last = std::max(Rows.Last, Values[I]);
    }
}

} // namespace

int ColumnRunEnd(std::span<const int> PixelX, int From, int Stop, int Step, int X) {
    int I = From;
#if defined(__SSE2__)
    if (Step > 0) {
        const __m128i Column = _mm_set1_epi32(X);
        for (; I + 4 <= Stop; I += 4) {
            const __m128i V =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(&PixelX[static_cast<std::size_t>(I)]));
            const auto Same =
                static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(V, Column))));
            if (Same != 0xF) return I + std::countr_one(Same);
        }
    }
#endif
    while (I != Stop && PixelX[static_cast<std::size_t>(I)] == X) I += Step;
    return I;
}

TColumnRows ColumnRunRows(int Start, std::span<const int> PixelY, int From, int End, int Step) {
    if (From == End) return {};
    // The last rows of the chain, while they repeat its final row, set nothing
    // of their own: each segment leaves out its end row.
    const int Final = PixelY[static_cast<std::size_t>(End - Step)];
    int Tail = End - Step;
    while (Tail != From && PixelY[static_cast<std::size_t>(Tail - Step)] == Final) Tail -= Step;
    if (Tail == From && Start == Final) return {};
    // Every row before the tail starts a segment that moves, so it is set,
    // and so is every row between two of them; the last moving segment adds
    // the rows from its start towards the final row, that row left out.
    TColumnRows Rows{Start, Start};
    if (Tail != From)
        Extend(Rows, PixelY.subspan(static_cast<std::size_t>(Step > 0 ? From : Tail + 1),
                                    static_cast<std::size_t>(Step > 0 ? Tail - From : From - Tail)));
    if (Final < Rows.First) Rows.First = Final + 1;
    if (Final > Rows.Last) Rows.Last = Final - 1;
    return Rows;
}

} // namespace vur
