#include "platform/gdi/FontInstance.h"

#include "platform/gdi/CodePage.h"
#include "platform/gdi/FontEngine.h"
#include "platform/gdi/GlyphRaster.h"

#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace vur::gdi::detail {

namespace {

// The largest em or cell height realised; larger requests are clamped.
constexpr double MaxPixels = 16384.0;
// Height 0 asks for the mapper's default size: a cell of 16 pixels.
constexpr int DefaultCellHeight = 16;
// Slant of synthetic italics (about 12 degrees).
constexpr double ItalicShear = 0x366A / 65536.0;

int RoundHalfUp(double Value) { return static_cast<int>(std::floor(Value + 0.5)); }

FT_Fixed ToFixed(double Value) { return static_cast<FT_Fixed>(std::lround(Value * 65536.0)); }

TextDirection DirectionOf(int Escapement) {
    int Tenths = Escapement % 3600;
    if (Tenths < 0) Tenths += 3600;
    TextDirection D;
    D.Rotated = Tenths != 0;
    double Cos = 1.0, Sin = 0.0;
    switch (Tenths) {
    case 0:
        break;
    case 900:
        Cos = 0.0, Sin = 1.0;
        break;
    case 1800:
        Cos = -1.0, Sin = 0.0;
        break;
    case 2700:
        Cos = 0.0, Sin = -1.0;
        break;
    default: {
        const double Angle = Tenths * std::numbers::pi / 1800.0;
        Cos = std::cos(Angle);
        Sin = std::sin(Angle);
    }
    }
    // y grows downwards, so counter-clockwise on screen turns the baseline up.
    D.Ux = Cos;
    D.Uy = -Sin;
    D.Vx = Sin;
    D.Vy = Cos;
    return D;
}

// The design metrics the cell is built from, in font units.
struct FaceUnits {
    double UnitsPerEm = 1000.0;
    double Ascent = 900.0;
    double Descent = 200.0;
    double AverageWidth = 0.0;
    double MaxWidth = 0.0;
    double LineGap = 0.0;    // extra leading beyond the cell, from the horizontal header
    double HheaExtent = 0.0; // ascender - descender of the horizontal header
    double UnderlineCentre = -100.0;
    double UnderlineThickness = 50.0;
    double StrikePosition = 260.0;
    double StrikeSize = 50.0;
    int Weight = 0;
};

FaceUnits UnitsOf(FT_Face Face) {
    FaceUnits U;
    if (Face == nullptr) return U;
    if (Face->units_per_EM > 0) U.UnitsPerEm = Face->units_per_EM;
    auto* Os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
    if (Os2 != nullptr && Os2->version == 0xFFFF) Os2 = nullptr;
    auto* Hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(Face, FT_SFNT_HHEA));
    double Ascent = Os2 != nullptr ? Os2->usWinAscent : 0.0;
    double Descent = Os2 != nullptr ? Os2->usWinDescent : 0.0;
    if (Ascent + Descent <= 0.0) {
        Ascent = Face->ascender;
        Descent = -Face->descender;
    }
    if (Ascent + Descent > 0.0) {
        U.Ascent = Ascent;
        U.Descent = Descent;
    } else {
        U.Ascent = U.UnitsPerEm * 0.9;
        U.Descent = U.UnitsPerEm * 0.2;
    }
    U.AverageWidth = Os2 != nullptr ? Os2->xAvgCharWidth : 0.0;
    U.MaxWidth = static_cast<double>(Face->bbox.xMax - Face->bbox.xMin);
    if (Hhea != nullptr) {
        U.LineGap = Hhea->Line_Gap;
        U.HheaExtent = static_cast<double>(Hhea->Ascender) - Hhea->Descender;
    }
    if (Face->underline_thickness > 0) {
        U.UnderlineCentre = Face->underline_position;
        U.UnderlineThickness = Face->underline_thickness;
    } else {
        U.UnderlineCentre = -U.UnitsPerEm / 10.0;
        U.UnderlineThickness = U.UnitsPerEm / 20.0;
    }
    if (Os2 != nullptr && Os2->yStrikeoutSize > 0) {
        U.StrikePosition = Os2->yStrikeoutPosition;
        U.StrikeSize = Os2->yStrikeoutSize;
    } else {
        U.StrikePosition = U.UnitsPerEm * 0.26;
        U.StrikeSize = U.UnderlineThickness;
    }
    U.Weight = Os2 != nullptr ? Os2->usWeightClass : 0;
    return U;
}

} // namespace

FontInstance::FontInstance(const LOGFONT& LogFont)
    : FLogFont(LogFont), FMono(LogFont.Quality == NONANTIALIASED_QUALITY),
      FDirection(DirectionOf(LogFont.Escapement)) {
    const int Weight = LogFont.Weight <= 0 ? FW_NORMAL : std::min(LogFont.Weight, 1000);
    bool FaceItalic = false;
    FontEngine& Engine = FontEngine::Get();
    for (const FaceChoice& Choice :
         Engine.Match(LogFont.FaceName, Weight, LogFont.Italic, LogFont.PitchAndFamily)) {
        const OpenFace* Face = Engine.Face(Choice.File, Choice.Index);
        if (Face == nullptr || FT_New_Size(Face->Face, &FSize) != 0) continue;
        FFace = Face;
        FFamily = Choice.Family;
        FFile = Choice.File;
        FSynthBold = Weight >= FW_SEMIBOLD && !Choice.Bold;
        FSynthItalic = LogFont.Italic && !Choice.Italic;
        FaceItalic = Choice.Italic;
        break;
    }
    ComputeMetrics(Weight, FaceItalic);
    if (FFace == nullptr) return;

    FT_Activate_Size(FSize);
    const FT_F26Dot6 X64 = std::max<FT_F26Dot6>(1, std::lround(FEmX * 64.0));
    const FT_F26Dot6 Y64 = std::max<FT_F26Dot6>(1, std::lround(FEmY * 64.0));
    FT_Set_Char_Size(FFace->Face, X64, Y64, 72, 72);

    if (FSynthBold) {
        FBoldY = static_cast<FT_Pos>(std::lround(FEmY * 64.0 / 24.0));
        FBoldX = std::max<FT_Pos>(64, FBoldY);
    }
    const double Cos = FDirection.Ux;
    const double Sin = -FDirection.Uy;
    const double Shear = FSynthItalic ? ItalicShear : 0.0;
    // Rotation after slant, in FreeType's y-up frame.
    FTransform =
        FT_Matrix{ToFixed(Cos), ToFixed(Cos * Shear - Sin), ToFixed(Sin), ToFixed(Sin * Shear + Cos)};
    FTransformed = FDirection.Rotated || FSynthItalic;

    if (FMetrics.tmAveCharWidth == 0) {
        Cache('x');
        FMetrics.tmAveCharWidth = FGlyphs['x'].Advance;
    }
}

FontInstance::~FontInstance() {
    if (FSize == nullptr) return;
    std::lock_guard<std::mutex> Guard(FontEngine::Get().Mutex());
    FT_Done_Size(FSize);
}

void FontInstance::ComputeMetrics(int Weight, bool FaceItalic) {
    const FaceUnits U = UnitsOf(FFace != nullptr ? FFace->Face : nullptr);
    const double Cell = U.Ascent + U.Descent;
    long long Height = FLogFont.Height == 0 ? DefaultCellHeight : FLogFont.Height;
    Height =
        std::clamp<long long>(Height, -static_cast<long long>(MaxPixels), static_cast<long long>(MaxPixels));

    TEXTMETRIC& M = FMetrics;
    double Scale = 0.0;
    if (Height < 0) {
        // Em height: every part is rounded on its own.
        FEmY = static_cast<double>(-Height);
        Scale = FEmY / U.UnitsPerEm;
        M.tmAscent = RoundHalfUp(U.Ascent * Scale);
        M.tmDescent = RoundHalfUp(U.Descent * Scale);
        M.tmInternalLeading = RoundHalfUp((Cell - U.UnitsPerEm) * Scale);
    } else {
        // Cell height: the cell is exactly the request.
        Scale = static_cast<double>(Height) / Cell;
        FEmY = U.UnitsPerEm * Scale;
        M.tmAscent = RoundHalfUp(U.Ascent * Scale);
        M.tmDescent = static_cast<int>(Height) - M.tmAscent;
        M.tmInternalLeading = static_cast<int>(Height) - RoundHalfUp(FEmY);
    }
    M.tmHeight = M.tmAscent + M.tmDescent;

    FEmX = FEmY;
    if (FLogFont.Width != 0 && U.AverageWidth > 0.0) {
        const double Wanted = std::min<double>(std::abs(static_cast<long long>(FLogFont.Width)), MaxPixels);
        FEmX = std::min(FEmY * Wanted / (U.AverageWidth * Scale), 2.0 * MaxPixels);
    }
    const double ScaleX = FEmX / U.UnitsPerEm;
    M.tmAveCharWidth = RoundHalfUp(U.AverageWidth * ScaleX);
    M.tmMaxCharWidth = RoundHalfUp(U.MaxWidth * ScaleX);
    M.tmExternalLeading = std::max(0, RoundHalfUp((U.LineGap - (Cell - U.HheaExtent)) * Scale));
    M.tmWeight = FSynthBold ? FW_BOLD : (U.Weight > 0 ? U.Weight : Weight);
    M.tmItalic = (FLogFont.Italic || FaceItalic) ? 1 : 0;
    M.tmUnderlined = FLogFont.Underline ? 1 : 0;
    M.tmStruckOut = FLogFont.StrikeOut ? 1 : 0;
    const bool Fixed = FFace != nullptr && FT_IS_FIXED_WIDTH(FFace->Face);
    M.tmPitchAndFamily = static_cast<std::uint8_t>(
        (Fixed ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR |
        (FFace != nullptr && FT_IS_SFNT(FFace->Face) ? TMPF_TRUETYPE : 0) | (FLogFont.PitchAndFamily & 0xF0));
    M.tmCharSet = FLogFont.CharSet == DEFAULT_CHARSET ? ANSI_CHARSET : FLogFont.CharSet;

    FUnderline.Height = std::max(1, RoundHalfUp(U.UnderlineThickness * Scale));
    FUnderline.Top = RoundHalfUp(-U.UnderlineCentre * Scale - FUnderline.Height / 2.0);
    FStrikeOut.Height = std::max(1, RoundHalfUp(U.StrikeSize * Scale));
    FStrikeOut.Top = -RoundHalfUp(U.StrikePosition * Scale);
}

long long FontInstance::Prepare(std::string_view Text, int ExtraSpacing) {
    long long Width = 0;
    for (const char C : Text) {
        const auto Char = static_cast<unsigned char>(C);
        if (!Cached(Char)) [[unlikely]] {
            CacheMissing(Text);
            return Prepare(Text, ExtraSpacing);
        }
        Width += static_cast<long long>(FGlyphs[Char].Advance) + ExtraSpacing;
    }
    return Width;
}

void FontInstance::CacheMissing(std::string_view Text) {
    std::lock_guard<std::mutex> Guard(FontEngine::Get().Mutex());
    for (const char C : Text) {
        const auto Char = static_cast<unsigned char>(C);
        if (!Cached(Char)) Cache(Char);
    }
}

void FontInstance::Cache(unsigned char Char) {
    Load(Char);
    FCached[Char >> 6].fetch_or(std::uint64_t{1} << (Char & 63u), std::memory_order_release);
}

void FontInstance::Load(unsigned char Char) {
    Glyph& G = FGlyphs[Char];
    G.HasBitmap = true;
    if (FFace == nullptr) return;
    FT_Face Face = FFace->Face;
    FT_Activate_Size(FSize);
    FT_UInt Index = 0;
    if (FFace->SymbolCharMap) {
        Index = FT_Get_Char_Index(Face, 0xF000u + Char);
        if (Index == 0) Index = FT_Get_Char_Index(Face, Char);
    } else {
        Index = FT_Get_Char_Index(Face, CodePage1252ToUnicode(Char));
    }
    const FT_Int32 Flags = FT_LOAD_NO_BITMAP | (FMono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
    if (FT_Load_Glyph(Face, Index, Flags) != 0 && FT_Load_Glyph(Face, 0, Flags) != 0) return;
    FT_GlyphSlot Slot = Face->glyph;
    G.Advance = static_cast<int>((Slot->metrics.horiAdvance + 32) / 64);
    if (Slot->format != FT_GLYPH_FORMAT_OUTLINE) return;

    FT_Outline& Outline = Slot->outline;
    if (FSynthBold) {
        FT_Outline_EmboldenXY(&Outline, FBoldX, FBoldY);
        G.Advance += static_cast<int>((FBoldX + 32) / 64);
    }
    if (FTransformed) FT_Outline_Transform(&Outline, &FTransform);
    G.Outline.Assign(Outline);

    FT_BBox Box;
    FT_Outline_Get_CBox(&Outline, &Box);
    const long long X0 = FloorPixel(Box.xMin);
    const long long Y0 = FloorPixel(Box.yMin);
    const long long X1 = CeilPixel(Box.xMax);
    const long long Y1 = CeilPixel(Box.yMax);
    const long long Width = X1 - X0;
    const long long Rows = Y1 - Y0;
    if (G.Outline.Empty() || Width <= 0 || Rows <= 0) return;
    if (Width * Rows > MaxCachedGlyphPixels) {
        G.HasBitmap = false;
        return;
    }
    G.Left = static_cast<int>(X0);
    G.Top = static_cast<int>(-Y1);
    G.Width = static_cast<int>(Width);
    G.Rows = static_cast<int>(Rows);
    G.Coverage.resize(static_cast<std::size_t>(Width * Rows));
    RasterizeRegion(FontEngine::Get().Library(), G.Outline.View(), G.Left, static_cast<int>(Y0), G.Width,
                    G.Rows, FMono, G.Coverage.data());
}

} // namespace vur::gdi::detail
