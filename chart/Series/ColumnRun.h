// Dense line data: long runs of points that map to one pixel column. A run
// chains vertical segments (each sets its rows from its start up to the row
// before its end), and the rows they set together are one span, found here
// in a few passes over the mapped pixels instead of a line call per point.
#pragma once

#include <algorithm>
#include <climits>
#include <span>

namespace vur {

// Rows First..Last of one column; none when First > Last.
struct TColumnRows {
    int First = 0;
    int Last = -1;
    bool Empty() const { return First > Last; }
};

// The rows a vertical segment from row From to row To sets: its end row is left out.
inline TColumnRows SegmentRows(int From, int To) {
    const int Before = To > From ? To - 1 : To + 1;
    return {std::min(From, Before), std::max(From, Before)};
}

// The rows one pen has set in one pixel column (none: X is NoColumn).
inline constexpr int NoColumn = INT_MIN;
struct TColumnRun {
    int X = NoColumn;
    int Low = 0;
    int High = -1;
};

// The first slot from From (stepping by Step, +1 or -1, up to Stop) whose
// column is not X; Stop when the run reaches it.
int ColumnRunEnd(std::span<const int> PixelX, int From, int Stop, int Step, int X);

// The rows set by the segments from Start to the row of slot From, then on
// from slot to slot (by Step) up to the slot before End.
TColumnRows ColumnRunRows(int Start, std::span<const int> PixelY, int From, int End, int Step);

} // namespace vur
