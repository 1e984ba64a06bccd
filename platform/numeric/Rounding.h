// The one place where doubles become integers, for every layer.
//
// The rule: Round takes the nearest integer with ties to the even one, Trunc
// goes towards zero; a result beyond the target range takes the nearer end of
// that range (infinities included); not-a-number becomes 0. The bounded forms
// apply the same rule with a smaller range, for positions that later sums must
// not carry past the ends of int.
#pragma once

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vur {

namespace detail {

// Round to nearest, ties to even, within [Lo, Hi] (both whole, |Lo|, |Hi| <
// 2^31). Adding 1.5 * 2^52 leaves the integer the rounding mode chose in the
// low 32 bits, with no branch and no library call, so runs of values map in
// vector code.
inline int RoundBetween(double Value, double Lo, double Hi) {
    constexpr double Shifter = 6755399441055744.0;
    Value = Value == Value ? std::clamp(Value, Lo, Hi) : 0.0;
    return static_cast<int>(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(Value + Shifter)));
}

} // namespace detail

inline int Round(double Value) { return detail::RoundBetween(Value, INT_MIN, INT_MAX); }

inline int Trunc(double Value) {
    return Value == Value ? static_cast<int>(std::clamp(Value, double{INT_MIN}, double{INT_MAX})) : 0;
}

// Round within -Limit..Limit (Limit whole, below 2^31).
inline int RoundWithin(double Value, double Limit) { return detail::RoundBetween(Value, -Limit, Limit); }

// The same from the wide type: it rounds before any narrowing to double, so a
// value just off a half is not first squeezed onto it. rint, unlike
// nearbyint, needs no save and restore of the floating-point environment; a
// whole double inside the limit then converts exactly, with one compare.
inline int RoundWithin(long double Value, double Limit) {
    const double Rounded = static_cast<double>(std::rint(Value));
    if (std::fabs(Rounded) <= Limit) [[likely]]
        return static_cast<int>(Rounded);
    return RoundWithin(Rounded, Limit);
}

// 64-bit forms for values that may pass the int range (dates in
// milliseconds, positions in 26.6 fixed point).
inline std::int64_t Round64(double Value) {
    constexpr double Lim = 9.2233720368547758e18; // 2^63
    if (Value != Value) return 0;
    if (Value >= Lim) return std::numeric_limits<std::int64_t>::max();
    if (Value <= -Lim) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::nearbyint(Value));
}

inline std::int64_t Trunc64(double Value) {
    constexpr double Lim = 9.2233720368547758e18; // 2^63
    if (Value != Value) return 0;
    if (Value >= Lim) return std::numeric_limits<std::int64_t>::max();
    if (Value <= -Lim) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(Value);
}

// A 64-bit sum brought back into int at the nearer end.
constexpr int ClampToInt(long long Value) {
    return static_cast<int>(std::clamp<long long>(Value, INT_MIN, INT_MAX));
}

} // namespace vur
