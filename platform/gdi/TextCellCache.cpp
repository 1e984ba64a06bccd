#include "platform/gdi/TextCellCache.h"

#include "platform/gdi/PixelRun.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace vur::gdi {

static_assert(std::has_single_bit(TextCellCache::Slots));
static_assert(TextCellCache::MaxCellPixels <= TextCellCache::PoolPixels);
static_assert(TextCellCache::MaxText <= UINT8_MAX);

namespace {

// Receives a text laid at the origin (baseline start at (0, 0)): first to
// find the box of its opaque cell and inked pixels, then to lay it into a
// cell of that box over one background pixel. Only cached glyphs are taken;
// anything rasterised on the way (a bar, an outline glyph) declines.
class CellBuilder final : public CoverageSink {
public:
    // Measuring.
    explicit CellBuilder(bool Opaque) : FOpaque(Opaque) {}
    // Laying into Pixels, the cell of the box (L, T)-(R, B), its rows
    // R - L pixels apart.
    CellBuilder(bool Opaque, std::uint32_t BoxPixel, std::uint32_t Ink, std::uint32_t* Pixels, int L, int T,
                int R, int B)
        : FOpaque(Opaque), FBoxPixel(BoxPixel), FInk(Ink), FPixels(Pixels) {
        Left = L;
        Top = T;
        Right = R;
        Bottom = B;
    }

    bool WantsCell() const override { return FOpaque; }

    void Cell(const POINT (&Corners)[4]) override {
        const int L = Corners[0].x, T = Corners[0].y, R = Corners[2].x, B = Corners[2].y;
        // A box drawn right to left (negative extra spacing) is left to
        // the glyph path.
        if (R < L || B < T) Declined = true;
        if (R <= L || B <= T) return;
        if (!FPixels) {
            Extend(L, T, R, B);
            return;
        }
        // Copying pixels never keeps the top byte.
        const auto Width = static_cast<std::size_t>(Right - Left);
        for (int Y = T; Y < B; ++Y)
            FillPixels(FPixels + static_cast<std::size_t>(Y - Top) * Width + (L - Left),
                       static_cast<std::size_t>(R - L), FBoxPixel & 0xFFFFFF);
    }

    void Span(int, int, const std::uint8_t*, int) override { Declined = true; }
    // Declined before anything is rasterised: measuring has no clip box, and
    // a huge glyph rasterised whole takes seconds.
    bool TakesOutlines() override {
        Declined = true;
        return false;
    }

    void GlyphBlock(const RECT&, long long GlyphLeft, long long GlyphTop, int Width, int Height,
                    const std::uint8_t* Coverage) override {
        if (Width <= 0 || Height <= 0) return;
        const auto Pitch = static_cast<std::size_t>(Width);
        if (!FPixels) {
            // Only inked pixels count: the rest of a glyph's block is left
            // as it is.
            for (int Row = 0; Row < Height; ++Row) {
                const std::uint8_t* C = Coverage + static_cast<std::size_t>(Row) * Pitch;
                int First = 0, Last = Width;
                while (First < Last && C[First] == 0) ++First;
                while (Last > First && C[Last - 1] == 0) --Last;
                if (First < Last)
                    Extend(GlyphLeft + First, GlyphTop + Row, GlyphLeft + Last, GlyphTop + Row + 1);
            }
            return;
        }
        // The part outside the box has no ink.
        const long long X0 = std::max<long long>(GlyphLeft, Left),
                        X1 = std::min<long long>(GlyphLeft + Width, Right);
        const long long Y0 = std::max<long long>(GlyphTop, Top),
                        Y1 = std::min<long long>(GlyphTop + Height, Bottom);
        if (X0 >= X1 || Y0 >= Y1) return;
        const auto CellWidth = static_cast<std::size_t>(Right - Left);
        std::uint32_t* To = FPixels + static_cast<std::size_t>(Y0 - Top) * CellWidth + (X0 - Left);
        const CoverageRows Rows{Coverage + static_cast<std::size_t>(Y0 - GlyphTop) * Pitch +
                                    static_cast<std::size_t>(X0 - GlyphLeft),
                                Pitch, static_cast<std::size_t>(X1 - X0), static_cast<std::size_t>(Y1 - Y0)};
        CoverPixels(To, CellWidth, Rows, FInk);
    }

    bool Declined = false;
    // The box found while measuring; empty while Left >= Right.
    long long Left = LLONG_MAX, Top = LLONG_MAX, Right = LLONG_MIN, Bottom = LLONG_MIN;

private:
    void Extend(long long L, long long T, long long R, long long B) {
        Left = std::min(Left, L);
        Top = std::min(Top, T);
        Right = std::max(Right, R);
        Bottom = std::max(Bottom, B);
    }

    const bool FOpaque;
    const std::uint32_t FBoxPixel = 0, FInk = 0;
    std::uint32_t* const FPixels = nullptr;
};

std::uint64_t HashOf(std::string_view Text, std::uint64_t Seed) {
    std::uint64_t H = Seed ^ 0xCBF29CE484222325ull;
    for (const char C : Text) H = (H ^ static_cast<unsigned char>(C)) * 0x100000001B3ull;
    return H;
}

} // namespace

std::size_t TextCellCache::UseFont(const Font& F) {
    return FFonts.Use(F, [this] { Clear(); });
}

bool TextCellCache::Matches(const Entry& E, const Key& K) {
    return E.Hash == K.Hash && E.FontSlot == K.FontSlot && E.Opaque == K.Opaque &&
           E.ExtraSpacing == K.ExtraSpacing && E.Ink == K.Ink && E.BoxPixel == K.BoxPixel &&
           std::string_view(E.Text.data(), E.Length) == K.Text;
}

std::size_t TextCellCache::FirstSlot(const Key& K) const {
    constexpr int Bits = std::countr_zero(Slots);
    return static_cast<std::size_t>((K.Hash * 0x9E3779B97F4A7C15ull) >> (64 - Bits));
}

TextCellCache::Entry& TextCellCache::Insert(const Key& K, long long Width, const Box& Extent) {
    if (FCount == MaxCells) Clear();
    std::size_t Slot = FirstSlot(K);
    while (FEntries[Slot].Used) Slot = (Slot + 1) & (Slots - 1);
    Entry& E = FEntries[Slot];
    E.Used = true;
    E.Declined = false;
    E.Seen = false;
    E.FontSlot = K.FontSlot;
    E.Opaque = K.Opaque;
    E.Length = static_cast<std::uint8_t>(K.Text.size());
    E.ExtraSpacing = K.ExtraSpacing;
    E.Hash = K.Hash;
    E.Ink = K.Ink;
    E.BoxPixel = K.BoxPixel;
    E.Back = 0;
    E.Width = Width;
    E.Extent = Extent;
    E.Offset = NoPixels;
    std::copy(K.Text.begin(), K.Text.end(), E.Text.begin());
    ++FCount;
    return E;
}

std::optional<TextCellCache::Box> TextCellCache::Measure(const Font& F, const TextRun& Run) {
    CellBuilder Measuring(Run.Opaque);
    F.RenderText(Run.Text, 0, 0, TA_LEFT | TA_BASELINE, Run.ExtraSpacing, Measuring);
    if (Measuring.Declined) return std::nullopt;
    if (Measuring.Left >= Measuring.Right) return Box{};
    // Glyph boxes are a few hundred pixels across at most; anything that
    // does not fit an int is far too large to keep anyway.
    const auto Fits = [](long long V) { return V > -(1LL << 24) && V < (1LL << 24); };
    if (!Fits(Measuring.Left) || !Fits(Measuring.Right) || !Fits(Measuring.Top) || !Fits(Measuring.Bottom))
        return std::nullopt;
    const Box Extent{static_cast<int>(Measuring.Left), static_cast<int>(Measuring.Top),
                     static_cast<int>(Measuring.Right), static_cast<int>(Measuring.Bottom)};
    if (Extent.Pixels() > MaxCellPixels) return std::nullopt;
    return Extent;
}

const std::uint32_t* TextCellCache::Pixels(const Font& F, const TextRun& Run, const Key& K, long long Width,
                                           const Box& Extent, std::uint32_t Back) {
    Entry* Layout = nullptr;
    for (std::size_t Slot = FirstSlot(K); FEntries[Slot].Used; Slot = (Slot + 1) & (Slots - 1)) {
        Entry& E = FEntries[Slot];
        if (!Matches(E, K)) continue;
        if (E.Offset == NoPixels) {
            Layout = &E;
            continue;
        }
        if (E.Back == Back) return FPool.data() + E.Offset;
    }
    // A new background for this text: make its pixels, in the entry that
    // holds only the text's box if there is one.
    const std::size_t Size = Extent.Pixels();
    if (FPool.size() + Size > PoolPixels || (!Layout && FCount == MaxCells)) {
        Clear();
        Layout = nullptr;
    }
    Entry& E = Layout ? *Layout : Insert(K, Width, Extent);
    E.Back = Back;
    E.Offset = FPool.size();
    FPool.resize(FPool.size() + Size);
    std::uint32_t* Cell = FPool.data() + E.Offset;
    FillPixels(Cell, Size, Back);
    CellBuilder Laying(Run.Opaque, Run.BoxPixel, Run.Ink, Cell, Extent.Left, Extent.Top, Extent.Right,
                       Extent.Bottom);
    F.RenderText(Run.Text, 0, 0, TA_LEFT | TA_BASELINE, Run.ExtraSpacing, Laying);
    ++FMade;
    return Cell;
}

bool TextCellCache::Draw(Bitmap& Target, const RECT& Clip, const Font& F, const TextRun& Run) {
    // Bounded spacing keeps a short text's width well inside TextExtent's int.
    if (Run.Text.empty() || Run.Text.size() > MaxText || !F.Upright() || Run.ExtraSpacing > MaxExtra ||
        Run.ExtraSpacing < -MaxExtra)
        return false;
    if (FEntries.empty()) {
        FEntries.resize(Slots);
        FPool.reserve(PoolPixels);
    }
    Key K;
    K.FontSlot = static_cast<std::uint8_t>(UseFont(F));
    K.Opaque = Run.Opaque;
    K.ExtraSpacing = Run.ExtraSpacing;
    K.Ink = Run.Ink;
    K.BoxPixel = Run.Opaque ? Run.BoxPixel : 0;
    K.Text = Run.Text;
    K.Hash = HashOf(Run.Text, (std::uint64_t{K.Ink} << 32 | K.BoxPixel) ^
                                  (std::uint64_t{K.FontSlot} << 1 | K.Opaque) ^
                                  (std::uint64_t{static_cast<unsigned>(K.ExtraSpacing)} << 8));

    // Past its first sight every entry of the text, whatever its background,
    // holds its width and box, so that it is placed without measuring.
    Entry* Known = nullptr;
    for (std::size_t Slot = FirstSlot(K); FEntries[Slot].Used; Slot = (Slot + 1) & (Slots - 1))
        if (Matches(FEntries[Slot], K)) {
            Known = &FEntries[Slot];
            break;
        }
    if (!Known) {
        Insert(K, 0, Box{}).Seen = true;
        return false;
    }
    if (Known->Seen) {
        const std::optional<Box> Measured = Measure(F, Run);
        Known->Seen = false;
        Known->Declined = !Measured;
        Known->Width = F.TextExtent(Run.Text, Run.ExtraSpacing).cx;
        Known->Extent = Measured.value_or(Box{});
    }
    if (Known->Declined) return false;
    const Box Extent = Known->Extent;
    const long long Width = Known->Width;
    const TextOrigin Start = F.UprightStart(Width, Run.X, Run.Y, Run.AlignFlags);

    const long long X0 = std::max<long long>(Start.X + Extent.Left, Clip.left);
    const long long X1 = std::min<long long>(Start.X + Extent.Right, Clip.right);
    const long long Y0 = std::max<long long>(Start.Y + Extent.Top, Clip.top);
    const long long Y1 = std::min<long long>(Start.Y + Extent.Bottom, Clip.bottom);
    if (X0 >= X1 || Y0 >= Y1) return true;
    const auto Stride = static_cast<std::size_t>(Target.Stride());
    const auto Count = static_cast<std::size_t>(X1 - X0), Rows = static_cast<std::size_t>(Y1 - Y0);
    std::uint32_t* To = Target.Row(static_cast<int>(Y0)) + X0;
    const std::uint32_t Back = *To;
    if (!PlainBlock(To, Stride, Count, Rows, Back)) return false;
    const std::uint32_t* Cell = Pixels(F, Run, K, Width, Extent, Back);
    const auto Pitch = static_cast<std::size_t>(Extent.Right - Extent.Left);
    const auto Down = static_cast<std::size_t>(Y0 - (Start.Y + Extent.Top));
    const auto Skip = static_cast<std::size_t>(X0 - (Start.X + Extent.Left));
    CopyBlock(To, Stride, Cell + Down * Pitch + Skip, Pitch, Count, Rows);
    return true;
}

void TextCellCache::Clear() {
    std::fill(FEntries.begin(), FEntries.end(), Entry{});
    FPool.clear();
    FCount = 0;
}

} // namespace vur::gdi
