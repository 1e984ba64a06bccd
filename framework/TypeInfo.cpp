#include "framework/TypeInfo.h"

#include "framework/Controls.h"
#include "framework/Types.h"

#include <limits>

namespace vur {

namespace {
constexpr std::int64_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

// Colours travel as the signed 32-bit form of their bits.
constexpr std::int64_t ColorOrd(TColor Color) { return static_cast<std::int32_t>(Color); }

constexpr TIdentMapEntry ColorIdents[] = {
    {ColorOrd(clBlack), "clBlack"},
    {ColorOrd(clMaroon), "clMaroon"},
    {ColorOrd(clGreen), "clGreen"},
    {ColorOrd(clOlive), "clOlive"},
    {ColorOrd(clNavy), "clNavy"},
    {ColorOrd(clPurple), "clPurple"},
    {ColorOrd(clTeal), "clTeal"},
    {ColorOrd(clGray), "clGray"},
    {ColorOrd(clSilver), "clSilver"},
    {ColorOrd(clRed), "clRed"},
    {ColorOrd(clLime), "clLime"},
    {ColorOrd(clYellow), "clYellow"},
    {ColorOrd(clBlue), "clBlue"},
    {ColorOrd(clFuchsia), "clFuchsia"},
    {ColorOrd(clAqua), "clAqua"},
    {ColorOrd(clWhite), "clWhite"},
    {ColorOrd(clScrollBar), "clScrollBar"},
    {ColorOrd(clBackground), "clBackground"},
    {ColorOrd(clActiveCaption), "clActiveCaption"},
    {ColorOrd(clInactiveCaption), "clInactiveCaption"},
    {ColorOrd(clMenu), "clMenu"},
    {ColorOrd(clWindow), "clWindow"},
    {ColorOrd(clWindowFrame), "clWindowFrame"},
    {ColorOrd(clMenuText), "clMenuText"},
    {ColorOrd(clWindowText), "clWindowText"},
    {ColorOrd(clCaptionText), "clCaptionText"},
    {ColorOrd(clActiveBorder), "clActiveBorder"},
    {ColorOrd(clInactiveBorder), "clInactiveBorder"},
    {ColorOrd(clAppWorkSpace), "clAppWorkSpace"},
    {ColorOrd(clHighlight), "clHighlight"},
    {ColorOrd(clHighlightText), "clHighlightText"},
    {ColorOrd(clBtnFace), "clBtnFace"},
    {ColorOrd(clBtnShadow), "clBtnShadow"},
    {ColorOrd(clGrayText), "clGrayText"},
    {ColorOrd(clBtnText), "clBtnText"},
    {ColorOrd(clInactiveCaptionText), "clInactiveCaptionText"},
    {ColorOrd(clBtnHighlight), "clBtnHighlight"},
    {ColorOrd(cl3DDkShadow), "cl3DDkShadow"},
    {ColorOrd(cl3DLight), "cl3DLight"},
    {ColorOrd(clInfoText), "clInfoText"},
    {ColorOrd(clInfoBk), "clInfoBk"},
    {ColorOrd(clNone), "clNone"},
    {ColorOrd(clDefault), "clDefault"},
};

constexpr TIdentMapEntry CharsetIdents[] = {
    {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},    {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},      {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},   {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"},  {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
};

constexpr TIdentMapEntry CursorIdents[] = {
    {crDefault, "crDefault"}, {crNone, "crNone"},           {crArrow, "crArrow"},
    {crCross, "crCross"},     {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},   {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"}, {crHourGlass, "crHourGlass"}, {crNo, "crNo"},
    {crHelp, "crHelp"},       {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},
};

constexpr const char* BooleanNames[] = {"False", "True"};
constexpr const char* FontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr const char* PenStyleNames[] = {"psSolid",      "psDash",  "psDot",        "psDashDot",
                                         "psDashDotDot", "psClear", "psInsideFrame"};
constexpr const char* PenModeNames[] = {"pmBlack",       "pmWhite",      "pmNop",         "pmNot",
                                        "pmCopy",        "pmNotCopy",    "pmMergePenNot", "pmMaskPenNot",
                                        "pmMergeNotPen", "pmMaskNotPen", "pmMerge",       "pmNotMerge",
                                        "pmMask",        "pmNotMask",    "pmXor",         "pmNotXor"};
constexpr const char* BrushStyleNames[] = {"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                           "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
constexpr const char* MouseButtonNames[] = {"mbLeft", "mbRight", "mbMiddle"};
constexpr const char* ShiftStateNames[] = {"ssShift", "ssAlt",    "ssCtrl",  "ssLeft",
                                           "ssRight", "ssMiddle", "ssDouble"};

constexpr TTypeInfo FontStyle = EnumTypeInfo("TFontStyle", FontStyleNames);
constexpr TTypeInfo ShiftStateElement = EnumTypeInfo("TShiftStateElement", ShiftStateNames);
} // namespace

constinit const TTypeInfo TypeBoolean = EnumTypeInfo("Boolean", BooleanNames);
constinit const TTypeInfo TypeInteger = IntegerTypeInfo("Integer", Int32Min, Int32Max);
constinit const TTypeInfo TypeInt64{.Name = "Int64",
                                    .Kind = tkInt64,
                                    .MinValue = std::numeric_limits<std::int64_t>::min(),
                                    .MaxValue = std::numeric_limits<std::int64_t>::max()};
constinit const TTypeInfo TypeChar{.Name = "Char", .Kind = tkChar, .MinValue = 0, .MaxValue = 255};
constinit const TTypeInfo TypeString{.Name = "String", .Kind = tkString};
constinit const TTypeInfo TypeDouble{.Name = "Double", .Kind = tkFloat, .FloatType = ftDouble};
constinit const TTypeInfo TypeSingle{.Name = "Single", .Kind = tkFloat, .FloatType = ftSingle};
constinit const TTypeInfo TypeExtended{.Name = "Extended", .Kind = tkFloat, .FloatType = ftExtended};
constinit const TTypeInfo TypeCurrency{.Name = "Currency", .Kind = tkFloat, .FloatType = ftCurr};
constinit const TTypeInfo TypeDateTime{.Name = "TDateTime", .Kind = tkFloat, .FloatType = ftDateTime};
constinit const TTypeInfo TypeColor = IntegerTypeInfo("TColor", Int32Min, Int32Max, ColorIdents);
constinit const TTypeInfo TypeFontCharset = IntegerTypeInfo("TFontCharset", 0, 255, CharsetIdents);
constinit const TTypeInfo TypeCursor = IntegerTypeInfo("TCursor", -32768, 32767, CursorIdents);
constinit const TTypeInfo TypeFontStyles = SetTypeInfo("TFontStyles", &FontStyle);
constinit const TTypeInfo TypePenStyle = EnumTypeInfo("TPenStyle", PenStyleNames);
constinit const TTypeInfo TypePenMode = EnumTypeInfo("TPenMode", PenModeNames);
constinit const TTypeInfo TypeBrushStyle = EnumTypeInfo("TBrushStyle", BrushStyleNames);
constinit const TTypeInfo TypeMouseButton = EnumTypeInfo("TMouseButton", MouseButtonNames);
constinit const TTypeInfo TypeShiftState = SetTypeInfo("TShiftState", &ShiftStateElement);

std::optional<std::int64_t> EnumValueOf(const TTypeInfo& Type, std::string_view Name) {
    for (std::size_t I = 0; I < Type.EnumNames.size(); ++I)
        if (SameName(Type.EnumNames[I], Name)) return static_cast<std::int64_t>(I);
    return std::nullopt;
}

std::string_view EnumNameOf(const TTypeInfo& Type, std::int64_t Value) {
    if (Value < 0 || Value >= static_cast<std::int64_t>(Type.EnumNames.size())) return {};
    return Type.EnumNames[static_cast<std::size_t>(Value)];
}

std::optional<std::int64_t> IdentToInt(const TTypeInfo& Type, std::string_view Name) {
    for (const TIdentMapEntry& Entry : Type.Idents)
        if (SameName(Entry.Name, Name)) return Entry.Value;
    return std::nullopt;
}

std::string_view IntToIdent(const TTypeInfo& Type, std::int64_t Value) {
    for (const TIdentMapEntry& Entry : Type.Idents)
        if (Entry.Value == Value) return Entry.Name;
    return {};
}

} // namespace vur
