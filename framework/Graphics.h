// Drawing objects over a gdi device: pens, brushes and fonts that describe
// how to draw, and the canvas that draws with them. A canvas selects its
// objects into the device lazily, right before an operation that needs them,
// so changing a pen costs nothing until something is drawn.
#pragma once

#include "framework/Classes.h"
#include "framework/Types.h"
#include "platform/gdi/DC.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vur {

class TBitmap;
class TGraphic;

// Number * Numerator / Denominator with a 64-bit product, rounded half away
// from zero; -1 when Denominator is 0.
int MulDiv(int Number, int Numerator, int Denominator);

// The pixels per inch every canvas here reports (the screen's).
constexpr int DefaultPixelsPerInch = 96;

// Base of pens, brushes and fonts: a change notification and a change count
// that lets a canvas tell whether the device still holds the current state.
class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;
    std::uint32_t GetVersion() const { return FVersion; }

protected:
    void Changed();

private:
    std::uint32_t FVersion = 0;
};

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum TPenMode : std::uint8_t {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

// The device's binary raster operation for a pen mode.
int PenModeToRop2(TPenMode Mode);

// Ends of a wide pen's lines, each with its join: round ends with round joins,
// square ends with bevelled joins, flat ends with mitred joins.
enum TPenEndStyle : std::uint8_t { esRound, esSquare, esFlat };

class TPen : public TGraphicsObject {
public:
    TPen() = default;
    std::string ClassName() const override { return "TPen"; }
    void Assign(const TPersistent* Source) override;
    // Assign from a pen known to be one, without the type test.
    void AssignPen(const TPen& Pen);

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    int GetWidth() const { return FWidth; }
    void SetWidth(int Value);
    TPenStyle GetStyle() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    TPenMode GetMode() const { return FMode; }
    void SetMode(TPenMode Value);

    // The device pen: built from the properties, or the one given to
    // SetHandle until the next property change.
    const gdi::Pen& GetHandle() const;
    // Adopts a device pen made elsewhere (CreateGeometricPen, CreateDottedPen)
    // until the next property change; Color and Width follow it.
    void SetHandle(const gdi::Pen& Value);
    bool HasCustomHandle() const { return FCustomHandle; }

private:
    void PropertyChanged();

    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
    mutable std::optional<gdi::Pen> FHandle;
    bool FCustomHandle = false;
};

// A device pen, for pens the properties of TPen do not describe.
using HPEN = gdi::Pen;
// A geometric pen Width wide with the given ends and joins.
HPEN CreateGeometricPen(TPenStyle Style, int Width, TColor Color, TPenEndStyle Ends);
// A cosmetic pen of single pixels, one on and Space off (every other pixel
// when Space is 0 or less), the same on every slope.
HPEN CreateDottedPen(TColor Color, int Space);

enum TBrushStyle : std::uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

class TBrush : public TGraphicsObject {
public:
    TBrush() = default;
    std::string ClassName() const override { return "TBrush"; }
    void Assign(const TPersistent* Source) override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    TBrushStyle GetStyle() const { return FStyle; }
    void SetStyle(TBrushStyle Value);

    // A pattern bitmap overrides the style. The brush keeps its own copy of
    // the pixels, so the bitmap may go away afterwards; nullptr removes it.
    void SetBitmap(const TBitmap* Value);
    bool HasBitmap() const { return FPattern != nullptr; }

    const gdi::Brush& GetHandle() const;

private:
    void PropertyChanged();

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    std::shared_ptr<const gdi::Bitmap> FPattern;
    mutable std::optional<gdi::Brush> FHandle;
};

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;
using TFontCharset = std::uint8_t;

// Size is in points, Height in pixels (negative: the em height), related by
// Height = -MulDiv(Size, PixelsPerInch, 72). The font stores Height, as the
// device does, so Size follows PixelsPerInch.
class TFont : public TGraphicsObject {
public:
    TFont();
    std::string ClassName() const override { return "TFont"; }
    // Copies everything; when the pixels per inch differ, the point size is
    // kept. Notifies only when something changed.
    void Assign(const TPersistent* Source) override;
    // Assign from a source known to be a font, without asking its class.
    void AssignFrom(const TFont& Source);

    const std::string& GetName() const { return FLogFont.FaceName; }
    void SetName(const std::string& Value);
    int GetSize() const;
    void SetSize(int Value);
    int GetHeight() const { return FLogFont.Height; }
    void SetHeight(int Value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    TFontStyles GetStyle() const;
    void SetStyle(TFontStyles Value);
    TFontCharset GetCharset() const { return FLogFont.CharSet; }
    void SetCharset(TFontCharset Value);
    int GetPixelsPerInch() const { return FPixelsPerInch; }
    // Keeps Height; Size then reads differently.
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
    // Text turned counter-clockwise by tenths of a degree; a turned font asks
    // for outline faces only.
    int GetOrientation() const { return FLogFont.Escapement; }
    void SetOrientation(int Value);
    // The device's font quality: non-antialiased draws bi-level glyphs.
    std::uint8_t GetQuality() const { return FLogFont.Quality; }
    void SetQuality(std::uint8_t Value);

    const gdi::Font& GetHandle() const;
    // Adopts a device font (a rotated copy, say); the properties follow its
    // description until the next property change.
    void SetHandle(const gdi::Font& Value);

private:
    void PropertyChanged();

    gdi::LOGFONT FLogFont;
    TColor FColor = clWindowText;
    int FPixelsPerInch = DefaultPixelsPerInch;
    mutable std::optional<gdi::Font> FHandle;
};

enum TCanvasBackMode : std::uint8_t { cbmNone, cbmTransparent, cbmOpaque };

// Ascent and descent of the selected font, in pixels.
struct TTextMetric {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
};

class TCanvas {
public:
    // Draws on Surface, which must outlive the canvas.
    explicit TCanvas(gdi::Bitmap& Surface);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas();

    // The device, for the operations the canvas does not wrap. Call
    // RequiredState first when those use the pen, brush or font.
    gdi::DC& GetHandle() { return FDC; }
    const gdi::DC& GetHandle() const { return FDC; }
    // Selects the pen, brush and font into the device where they changed.
    void RequiredState();

    TPen* GetPen() const { return FPen.get(); }
    TBrush* GetBrush() const { return FBrush.get(); }
    TFont* GetFont() const { return FFont.get(); }
    int GetPixelsPerInch() const { return DefaultPixelsPerInch; }

    TPoint GetPenPos() const;
    void SetPenPos(const TPoint& Value) { MoveTo(Value.X, Value.Y); }
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polyline(std::span<const TPoint> Points);
    void Polygon(std::span<const TPoint> Points);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    // Brush only.
    void FillRect(const TRect& R);
    void FillPolygon(std::span<const TPoint> Points);

    TColor GetPixel(int X, int Y) const;
    void SetPixel(int X, int Y, TColor Color);

    // Text in the font's colour at the device's alignment.
    void TextOut(int X, int Y, std::string_view Text);
    // The same in another colour.
    void TextOut(int X, int Y, std::string_view Text, TColor Color);
    TTextMetric GetTextMetrics();
    TPoint TextExtent(std::string_view Text);
    int TextWidth(std::string_view Text) { return TextExtent(Text).X; }
    int TextHeight(std::string_view Text) { return TextExtent(Text).Y; }

    // The device's state beside its drawing objects: text alignment (TA_...
    // flags), the background colour and mode of text, hatches and dashes,
    // pixels added after each character, and the text colour, which is also
    // the ink of a monochrome pattern brush.
    unsigned GetTextAlign() const { return FDC.GetTextAlign(); }
    void SetTextAlign(unsigned Flags) { FDC.SetTextAlign(Flags); }
    TColor GetBackColor() const { return FDC.GetBkColor(); }
    void SetBackColor(TColor Color);
    TCanvasBackMode GetBackMode() const { return static_cast<TCanvasBackMode>(FDC.GetBkMode()); }
    void SetBackMode(TCanvasBackMode Mode) { FDC.SetBkMode(Mode); }
    int GetTextCharacterExtra() const { return FDC.GetTextCharacterExtra(); }
    void SetTextCharacterExtra(int Extra) { FDC.SetTextCharacterExtra(Extra); }
    void SetTextColor(TColor Color);

    // A path records the outlines of what is drawn between BeginPath and
    // EndPath instead of drawing it; the path is then stroked, filled, widened
    // into the outline the pen would draw, or clipped to (DeviceSeam.h).
    void BeginPath();
    void EndPath();
    // False when the pen is too thin to widen by.
    bool WidenPath();
    // The same with another pen than the canvas' own.
    bool WidenPath(const HPEN& With);
    void StrokePath();
    void StrokeAndFillPath();
    // The smallest rectangle holding every point of the path, right and bottom
    // included; empty for no path.
    TRect GetPathBounds() const;

    // Nothing for an absent or empty graphic.
    void Draw(int X, int Y, const TGraphic* Graphic);
    void StretchDraw(const TRect& R, const TGraphic* Graphic);
    void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& Src);

    // The size of the surface.
    int GetWidth() const { return FDC.GetSurface().Width(); }
    int GetHeight() const { return FDC.GetSurface().Height(); }

    // The clip area a temporary clip replaced, for the unclip that follows;
    // empty when no clip was in effect. Each canvas keeps its own, so that
    // clips on two canvases cannot give each other's areas back.
    std::optional<gdi::Region>& SavedClip() { return FSavedClip; }

private:
    // A device pen built from a pen's style, width and colour.
    struct TBuiltPen {
        unsigned Style = 0;
        int Width = 0;
        gdi::COLORREF Color = 0;
        gdi::Pen Handle;
    };
    void SelectPen();

    gdi::DC FDC;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TFont> FFont;
    // Versions of the objects last selected; a fresh canvas selects on first use.
    std::optional<std::uint32_t> FPenSelected, FBrushSelected, FFontSelected;
    // The pens built last, so that pens taken in turn (a mark's callout, then
    // its frame) are neither rebuilt nor selected again at every change.
    std::array<std::optional<TBuiltPen>, 4> FBuiltPens;
    std::size_t FNextBuiltPen = 0;
    // The built pen in the device; none after a pen given by handle.
    std::optional<std::size_t> FBuiltPenSelected;
    std::vector<gdi::POINT> FPoints;
    std::optional<gdi::Region> FSavedClip;
};

// Pictures that can draw themselves on a canvas.
class TGraphic : public TGraphicsObject {
public:
    // Drawn leaving out the pixels of its transparent colour (a bitmap's:
    // that of its bottom-left pixel).
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    virtual bool Empty() const = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual void Draw(TCanvas& Canvas, const TRect& Dest) const = 0;
    virtual void LoadFromFile(const std::string& FileName) = 0;
    virtual void SaveToFile(const std::string& FileName) const = 0;

private:
    bool FTransparent = false;
};

// A bitmap with its own canvas. New pixels are white.
class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    TBitmap(int Width, int Height);
    ~TBitmap() override;
    std::string ClassName() const override { return "TBitmap"; }
    void Assign(const TPersistent* Source) override;

    bool Empty() const override { return FImage.Empty(); }
    int GetWidth() const override { return FImage.Width(); }
    int GetHeight() const override { return FImage.Height(); }
    void SetWidth(int Value) { SetSize(Value, FImage.Height()); }
    void SetHeight(int Value) { SetSize(FImage.Width(), Value); }
    // A size beyond what the raster device holds raises EOutOfResources.
    void SetSize(int Width, int Height);
    bool GetMonochrome() const { return FImage.GetMonochrome(); }
    void SetMonochrome(bool Value);

    // Created on first use; draws straight into the bitmap.
    TCanvas* GetCanvas();
    const gdi::Bitmap& GetImage() const { return FImage; }

    void Draw(TCanvas& Canvas, const TRect& Dest) const override;
    // PNG files; a file that cannot be read raises EInvalidGraphic naming it.
    void LoadFromFile(const std::string& FileName) override;
    void SaveToFile(const std::string& FileName) const override;

private:
    gdi::Bitmap FImage;
    // Only to blit from this bitmap without a canvas of its own.
    mutable std::unique_ptr<gdi::DC> FSourceDC;
    std::unique_ptr<TCanvas> FCanvas;
};

// Holds one graphic (here always a bitmap) and tells its owner about changes.
class TPicture : public TPersistent {
public:
    TPicture() = default;
    ~TPicture() override;
    std::string ClassName() const override { return "TPicture"; }
    // From a TPicture or a TGraphic; nullptr empties the picture.
    void Assign(const TPersistent* Source) override;

    TGraphic* GetGraphic() const { return FGraphic.get(); }
    void SetGraphic(const TGraphic* Value) { Assign(Value); }
    // The graphic as a bitmap, created empty when there is none.
    TBitmap* GetBitmap();
    int GetWidth() const { return FGraphic ? FGraphic->GetWidth() : 0; }
    int GetHeight() const { return FGraphic ? FGraphic->GetHeight() : 0; }

    // A PNG file; a missing or unreadable file raises EInvalidGraphic and
    // leaves the picture as it was.
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

    TNotifyEvent OnChange;

private:
    void Changed();
    TBitmap* AdoptBitmap(std::unique_ptr<TBitmap> Bitmap);

    std::unique_ptr<TGraphic> FGraphic;
};

} // namespace vur
