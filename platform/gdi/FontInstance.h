// A logical font realised on a face: the size chosen from the requested
// height, the metrics, the synthetic styles, the rotation, and the glyph cache
// for the 256 characters an 8-bit string can hold.
#pragma once

#include "platform/gdi/Font.h"
#include "platform/gdi/Glyph.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace vur::gdi::detail {

struct OpenFace;

// The baseline direction and the downward direction of the text in device
// coordinates (y down): counter-clockwise by the escapement.
struct TextDirection {
    double Ux = 1.0;
    double Uy = 0.0;
    double Vx = 0.0;
    double Vy = 1.0;
    bool Rotated = false;
};

// A bar along the baseline (underline, strike-out): rows [Top, Top + Height)
// counted downwards from the baseline, in the unrotated text frame.
struct TextBar {
    int Top = 0;
    int Height = 0;
};

class FontInstance {
public:
    // Called with the engine's mutex held.
    explicit FontInstance(const LOGFONT& LogFont);
    ~FontInstance();
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;

    const LOGFONT& LogFont() const { return FLogFont; }
    const std::string& Family() const { return FFamily; }
    const std::string& File() const { return FFile; }
    const TEXTMETRIC& Metrics() const { return FMetrics; }
    const TextDirection& Direction() const { return FDirection; }
    bool Mono() const { return FMono; }
    const TextBar& Underline() const { return FUnderline; }
    const TextBar& StrikeOut() const { return FStrikeOut; }

    // Makes sure every character of Text is in the cache, locking the engine
    // only when one is missing, and gives the width of Text: the advances plus
    // ExtraSpacing per character.
    long long Prepare(std::string_view Text, int ExtraSpacing = 0);
    // A cached glyph; valid for characters passed to Prepare before.
    const Glyph& GlyphOf(unsigned char Char) const { return FGlyphs[Char]; }

private:
    void ComputeMetrics(int Weight, bool FaceItalic);
    bool Cached(unsigned char Char) const {
        return (FCached[Char >> 6].load(std::memory_order_acquire) >> (Char & 63u) & 1u) != 0;
    }
    // Locks the engine and caches the characters of Text that are missing.
    void CacheMissing(std::string_view Text);
    // With the engine's mutex held: loads a glyph and marks it cached.
    void Cache(unsigned char Char);
    void Load(unsigned char Char);

    LOGFONT FLogFont;
    std::string FFamily;
    std::string FFile;
    const OpenFace* FFace = nullptr;
    FT_Size FSize = nullptr;
    double FEmX = 0.0;
    double FEmY = 0.0;
    bool FMono = false;
    bool FSynthBold = false;
    bool FSynthItalic = false;
    FT_Pos FBoldX = 0;
    FT_Pos FBoldY = 0;
    FT_Matrix FTransform{0x10000, 0, 0, 0x10000};
    bool FTransformed = false;
    TEXTMETRIC FMetrics;
    TextDirection FDirection;
    TextBar FUnderline;
    TextBar FStrikeOut;
    std::array<Glyph, 256> FGlyphs;
    // One bit per character, set once its glyph is complete; a glyph never
    // changes after that, so readers that see the bit need no lock.
    std::array<std::atomic<std::uint64_t>, 4> FCached{};
};

} // namespace vur::gdi::detail
