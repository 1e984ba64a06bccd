// Descriptions of the value types published properties have: their kind,
// the names of enumeration values, the member type of sets, the names some
// integer types give their values (colours, character sets, cursors) and the
// precision of floats. All are plain constant data, so declarations made
// during static initialisation may refer to them.
#pragma once

#include "framework/Classes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vur {

enum TTypeKind : std::uint8_t {
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkInt64
};
enum TFloatType : std::uint8_t { ftSingle, ftDouble, ftExtended, ftCurr, ftDateTime };

struct TIdentMapEntry {
    std::int64_t Value;
    const char* Name;
};

struct TTypeInfo {
    const char* Name;
    TTypeKind Kind;
    // Ordinal kinds: the values a property of the type can hold.
    std::int64_t MinValue = 0;
    std::int64_t MaxValue = 0;
    // Enumerations: the name of each value, by ordinal.
    std::span<const char* const> EnumNames = {};
    // Sets: the enumeration whose value i is bit i of the set.
    const TTypeInfo* ElementType = nullptr;
    // Integers: names for some values (written as identifiers).
    std::span<const TIdentMapEntry> Idents = {};
    TFloatType FloatType = ftDouble;
};

constexpr TTypeInfo EnumTypeInfo(const char* Name, std::span<const char* const> Names) {
    return TTypeInfo{.Name = Name,
                     .Kind = tkEnumeration,
                     .MinValue = 0,
                     .MaxValue = static_cast<std::int64_t>(Names.size()) - 1,
                     .EnumNames = Names};
}

constexpr TTypeInfo SetTypeInfo(const char* Name, const TTypeInfo* Element) {
    return TTypeInfo{.Name = Name,
                     .Kind = tkSet,
                     .MinValue = 0,
                     .MaxValue = (std::int64_t{1} << Element->EnumNames.size()) - 1,
                     .ElementType = Element};
}

constexpr TTypeInfo IntegerTypeInfo(const char* Name, std::int64_t Min, std::int64_t Max,
                                    std::span<const TIdentMapEntry> Idents = {}) {
    return TTypeInfo{.Name = Name, .Kind = tkInteger, .MinValue = Min, .MaxValue = Max, .Idents = Idents};
}

// The framework's own types.
extern const TTypeInfo TypeBoolean;
extern const TTypeInfo TypeInteger;
extern const TTypeInfo TypeInt64;
extern const TTypeInfo TypeChar;
extern const TTypeInfo TypeString;
extern const TTypeInfo TypeDouble;
extern const TTypeInfo TypeSingle;
extern const TTypeInfo TypeExtended;
extern const TTypeInfo TypeCurrency;
extern const TTypeInfo TypeDateTime;
// Integers with identifier tables: clBlack, clBtnFace, ...; DEFAULT_CHARSET, ...; crDefault, ...
extern const TTypeInfo TypeColor;
extern const TTypeInfo TypeFontCharset;
extern const TTypeInfo TypeCursor;
// Enumerations and sets of the framework's classes.
extern const TTypeInfo TypeFontStyles;
extern const TTypeInfo TypePenStyle;
extern const TTypeInfo TypePenMode;
extern const TTypeInfo TypeBrushStyle;
extern const TTypeInfo TypeMouseButton;
extern const TTypeInfo TypeShiftState;

// The value an enumeration's identifier names, or none.
std::optional<std::int64_t> EnumValueOf(const TTypeInfo& Type, std::string_view Name);
// The identifier of an enumeration's value; empty outside its range.
std::string_view EnumNameOf(const TTypeInfo& Type, std::int64_t Value);
// The integer an identifier table gives the name, or none.
std::optional<std::int64_t> IdentToInt(const TTypeInfo& Type, std::string_view Name);
// The name the table gives Value; empty when it has none.
std::string_view IntToIdent(const TTypeInfo& Type, std::int64_t Value);

} // namespace vur
