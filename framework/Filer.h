// What the component reader and writer share: the value tags of the stream,
// the prefix flags of a component record, the limits a reader keeps to, and
// the 80-bit floating-point form of tag 5.
#pragma once

#include <array>
#include <cstdint>

namespace vur {

enum TValueType : std::uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
    vaUTF8String = 20,
};
inline constexpr std::uint8_t MaxValueType = vaUTF8String;

// The 4 bytes every component stream starts with.
inline constexpr std::array<std::uint8_t, 4> FilerSignature{'T', 'P', 'F', '0'};

// A byte of 0xF0 or more before a component record is its prefix; the low bits are these flags.
enum TFilerFlag : std::uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };
inline constexpr std::uint8_t FilerPrefixMark = 0xF0;

// How deeply values (lists in lists, collections) and component records may
// nest. A hostile stream that nests deeper is refused, not followed.
inline constexpr int MaxFilerNesting = 64;
// EReadError when Depth passes the limit.
void CheckFilerNesting(int Depth);

using TExtended80 = std::array<std::uint8_t, 10>;
// Exact: every double has an extended form.
TExtended80 DoubleToExtended(double Value);
// Rounded to the nearest double, ties to even; beyond the double range an
// infinity, a NaN stays a NaN, and encodings without the integer bit are
// read by their value.
double ExtendedToDouble(const TExtended80& Bytes);

} // namespace vur
