// A value for the length of a scope: the old one is put back however the
// scope ends, by return or by exception.
#pragma once

#include <type_traits>
#include <utility>

namespace vur {

namespace detail {
template <class T>
struct TAssignTo {
    T* Variable;
    void operator()(T&& Value) const { *Variable = std::move(Value); }
};
} // namespace detail

template <class T, class TSetter = detail::TAssignTo<T>>
class TScopedValue {
public:
    // A variable: Value now, the old value at the end.
    TScopedValue(T& Variable, T Value) requires std::is_same_v<TSetter, detail::TAssignTo<T>>
        : FSet{&Variable}, FKept(std::exchange(Variable, std::move(Value))) {}
    // Anything set through a call, a property for example: Set(Value) now,
    // Set(Kept) at the end.
    TScopedValue(T Kept, T Value, TSetter Set) : FSet(std::move(Set)), FKept(std::move(Kept)) {
        FSet(std::move(Value));
    }
    ~TScopedValue() { FSet(std::move(FKept)); }
    TScopedValue(const TScopedValue&) = delete;
    TScopedValue& operator=(const TScopedValue&) = delete;

private:
    TSetter FSet;
    T FKept;
};

template <class T>
TScopedValue(T&, T) -> TScopedValue<T>;
template <class T, class TSetter>
TScopedValue(T, T, TSetter) -> TScopedValue<T, TSetter>;

} // namespace vur
