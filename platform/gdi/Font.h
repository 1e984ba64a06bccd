// Logical fonts and text output of the raster device. A Font is resolved once
// (face through fontconfig, size, metrics) and shared by every copy; glyphs are
// rasterised on first use and kept, so drawing the same labels again costs no
// allocation. Text is a string of 8-bit Windows-1252 characters.
#pragma once

#include "platform/gdi/Types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vur::gdi {

// Weights.
constexpr int FW_DONTCARE = 0;
constexpr int FW_THIN = 100;
constexpr int FW_LIGHT = 300;
constexpr int FW_NORMAL = 400;
constexpr int FW_MEDIUM = 500;
constexpr int FW_SEMIBOLD = 600;
constexpr int FW_BOLD = 700;
constexpr int FW_HEAVY = 900;

// Character sets.
constexpr std::uint8_t ANSI_CHARSET = 0;
constexpr std::uint8_t DEFAULT_CHARSET = 1;
constexpr std::uint8_t SYMBOL_CHARSET = 2;

// Output precision: every face here is an outline face, so all of them behave
// like the TrueType-only request.
constexpr std::uint8_t OUT_DEFAULT_PRECIS = 0;
constexpr std::uint8_t OUT_TT_PRECIS = 4;
constexpr std::uint8_t OUT_TT_ONLY_PRECIS = 7;

// Quality: non-antialiased draws bi-level glyphs, every other value grey ones.
constexpr std::uint8_t DEFAULT_QUALITY = 0;
constexpr std::uint8_t DRAFT_QUALITY = 1;
constexpr std::uint8_t PROOF_QUALITY = 2;
constexpr std::uint8_t NONANTIALIASED_QUALITY = 3;
constexpr std::uint8_t ANTIALIASED_QUALITY = 4;
constexpr std::uint8_t CLEARTYPE_QUALITY = 5;

// Pitch (low two bits) and family (high nibble) hints, used when the face
// name is unknown.
constexpr std::uint8_t DEFAULT_PITCH = 0;
constexpr std::uint8_t FIXED_PITCH = 1;
constexpr std::uint8_t VARIABLE_PITCH = 2;
constexpr std::uint8_t FF_DONTCARE = 0x00;
constexpr std::uint8_t FF_ROMAN = 0x10;
constexpr std::uint8_t FF_SWISS = 0x20;
constexpr std::uint8_t FF_MODERN = 0x30;
constexpr std::uint8_t FF_SCRIPT = 0x40;
constexpr std::uint8_t FF_DECORATIVE = 0x50;

// tmPitchAndFamily bits (the pitch bit is set for variable-pitch faces).
constexpr std::uint8_t TMPF_FIXED_PITCH = 0x01;
constexpr std::uint8_t TMPF_VECTOR = 0x02;
constexpr std::uint8_t TMPF_TRUETYPE = 0x04;

// Text alignment flags.
constexpr unsigned TA_NOUPDATECP = 0;
constexpr unsigned TA_UPDATECP = 1;
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;

// Height: negative is the em height in pixels, positive the cell height, 0 a
// default size. Escapement and Orientation are tenths of a degree,
// counter-clockwise; the glyphs turn with the escapement (Orientation is kept
// for the caller but, as in the compatible graphics mode, not applied).
struct LOGFONT {
    int Height = 0;
    int Width = 0;
    int Escapement = 0;
    int Orientation = 0;
    int Weight = FW_DONTCARE;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    std::uint8_t CharSet = DEFAULT_CHARSET;
    std::uint8_t OutPrecision = OUT_DEFAULT_PRECIS;
    std::uint8_t ClipPrecision = 0;
    std::uint8_t Quality = DEFAULT_QUALITY;
    std::uint8_t PitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::string FaceName;
    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

struct TEXTMETRIC {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 0;
    int tmOverhang = 0;
    int tmDigitizedAspectX = 96;
    int tmDigitizedAspectY = 96;
    std::uint8_t tmFirstChar = 0x1E;
    std::uint8_t tmLastChar = 0xFF;
    std::uint8_t tmDefaultChar = 0x1F;
    std::uint8_t tmBreakChar = 0x20;
    std::uint8_t tmItalic = 0;
    std::uint8_t tmUnderlined = 0;
    std::uint8_t tmStruckOut = 0;
    std::uint8_t tmPitchAndFamily = 0;
    std::uint8_t tmCharSet = ANSI_CHARSET;
};

// Receives rendered text in device pixels. Cell comes first, once per call,
// with the corners of the text cell in order (start, top), (end, top),
// (end, bottom), (start, bottom), unless WantsCell says the receiver has no
// use for them; then the coverage (0..255), a block per glyph. ClipBox lets
// the receiver say which pixels it can use at all, so that huge or far-away
// text is not rasterised in vain; it is a hint, the receiver still clips.
class CoverageSink {
public:
    virtual void Cell(const POINT (&Corners)[4]) = 0;
    // False spares working out the corners (transparent text fills no cell).
    virtual bool WantsCell() const { return true; }
    // One horizontal run of coverage.
    virtual void Span(int Y, int X0, const std::uint8_t* Coverage, int Count) = 0;
    // Height rows of Width coverage bytes, the first row's first pixel at
    // (Left, Top); Clip is the ClipBox() the caller asked for. By default each
    // row's inked part inside Clip goes to Span; a receiver that can take a
    // glyph whole saves a call per row.
    virtual void Block(const RECT& Clip, long long Left, long long Top, int Width, int Height,
                       const std::uint8_t* Coverage);
    // A Block of a cached glyph: the same bytes stay at Coverage for as long
    // as the font lives, so a receiver may key what it derives from them by
    // the address. By default a plain Block.
    virtual void GlyphBlock(const RECT& Clip, long long Left, long long Top, int Width, int Height,
                            const std::uint8_t* Coverage);
    virtual RECT ClipBox() const;
    // Glyphs too large to keep a bitmap and underline and strike-out bars are
    // rasterised from their outlines, as far as ClipBox() reaches; a receiver
    // that has no use for them answers false and is spared that work.
    virtual bool TakesOutlines() { return true; }

protected:
    ~CoverageSink() = default;
};

// Receives glyph outlines as closed, flattened figures in device coordinates.
class OutlineSink {
public:
    virtual void MoveTo(double X, double Y) = 0;
    virtual void LineTo(double X, double Y) = 0;
    virtual void CloseFigure() = 0;

protected:
    ~OutlineSink() = default;
};

namespace detail {
class FontInstance;
}

// A point in whole device pixels, wide enough for any text's reach.
struct TextOrigin {
    long long X = 0;
    long long Y = 0;
};

// A realised logical font; copies share the face, metrics and glyph cache.
// Fonts may be shared between threads: resolving, filling the cache and
// FreeType calls are serialised internally, and cached glyphs never change.
class Font {
public:
    Font();
    explicit Font(const LOGFONT& LogFont);

    const LOGFONT& GetLogFont() const;
    // The family of the face the name resolved to, and its file.
    const std::string& GetTextFace() const;
    const std::string& GetFontFile() const;

    TEXTMETRIC GetTextMetrics() const;
    // Advance of one character in pixels.
    int CharAdvance(unsigned char Char) const;
    // Unrotated extent: cx is the sum of advances plus ExtraSpacing per
    // character, cy the cell height.
    SIZE TextExtent(std::string_view Text, int ExtraSpacing = 0) const;

    void RenderText(std::string_view Text, int X, int Y, unsigned AlignFlags, int ExtraSpacing,
                    CoverageSink& Sink) const;
    // Whether text in this font runs along rows, unturned.
    bool Upright() const;
    // For an upright font, where RenderText starts the baseline of a text
    // Width pixels wide (its TextExtent) from the reference point and the
    // alignment flags. Everything it renders then is the text rendered with
    // its baseline starting at (0, 0), moved by whole pixels.
    TextOrigin UprightStart(long long Width, int X, int Y, unsigned AlignFlags) const;
    void TextOutline(std::string_view Text, int X, int Y, unsigned AlignFlags, int ExtraSpacing,
                     OutlineSink& Sink) const;

    friend bool operator==(const Font& A, const Font& B) { return A.FInstance == B.FInstance; }

private:
    std::shared_ptr<detail::FontInstance> FInstance;
};

} // namespace vur::gdi
