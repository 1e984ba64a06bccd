// The one place where doubles become integers. Pixel positions round to
// nearest with ties to even; truncation goes towards zero; both clamp
// non-finite and out-of-range values instead of invoking undefined behaviour.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace vur {

namespace detail {
inline int ClampToInt(double Value) {
    constexpr double Lo = static_cast<double>(std::numeric_limits<int>::min());
    constexpr double Hi = static_cast<double>(std::numeric_limits<int>::max());
    if (!(Value >= Lo)) return Value != Value ? 0 : std::numeric_limits<int>::min(); // NaN -> 0
    if (Value > Hi) return std::numeric_limits<int>::max();
    return static_cast<int>(Value);
}
} // namespace detail

// Round to nearest, ties to even (the default floating-point rounding mode).
// Inside the int range, adding and taking away 1.5 * 2^52 leaves the integer
// the rounding mode chose: the same as nearbyint, without a library call.
inline int Round(double Value) {
    constexpr double Shifter = 6755399441055744.0;
    if (Value > -2147483648.0 && Value < 2147483647.0) return static_cast<int>((Value + Shifter) - Shifter);
    return detail::ClampToInt(std::nearbyint(Value));
}

// Truncate towards zero.
inline int Trunc(double Value) { return detail::ClampToInt(std::trunc(Value)); }

// 64-bit variants for values that may exceed the int range (dates in
// milliseconds, counts).
inline std::int64_t Round64(double Value) {
    constexpr double Lim = 9.2233720368547748e18;
    if (Value != Value) return 0;
    if (Value >= Lim) return std::numeric_limits<std::int64_t>::max();
    if (Value <= -Lim) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::nearbyint(Value));
}

inline std::int64_t Trunc64(double Value) {
    constexpr double Lim = 9.2233720368547748e18;
    if (Value != Value) return 0;
    if (Value >= Lim) return std::numeric_limits<std::int64_t>::max();
    if (Value <= -Lim) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(Value);
}

} // namespace vur
