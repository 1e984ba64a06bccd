// A device context over a Bitmap, with the state and operations of a Windows
// device context. Style: member functions under the Windows names, taking the
// Windows arguments minus the context handle (dc.LineTo(X, Y)); objects (pens,
// brushes, fonts) are values, selected by copy, and SelectObject returns the
// one it replaces. BOOL results are bool. Logical and device coordinates are
// the same (the text mapping mode). Every operation clips to the bitmap and to
// the clip region and never touches memory outside the bitmap.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/LineWalk.h"
#include "platform/gdi/Painter.h"
#include "platform/gdi/Path.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/ScanConvert.h"
#include "platform/gdi/SpanList.h"
#include "platform/gdi/Stroker.h"
#include "platform/gdi/TextCellCache.h"
#include "platform/gdi/Types.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vur::gdi {

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int AD_COUNTERCLOCKWISE = 1;
constexpr int AD_CLOCKWISE = 2;

// Ternary raster operations of the bit-block transfers.
constexpr unsigned SRCCOPY = 0x00CC0020;
constexpr unsigned SRCPAINT = 0x00EE0086;
constexpr unsigned SRCAND = 0x008800C6;
constexpr unsigned SRCINVERT = 0x00660046;
constexpr unsigned SRCERASE = 0x00440328;
constexpr unsigned NOTSRCCOPY = 0x00330008;
constexpr unsigned NOTSRCERASE = 0x001100A6;
constexpr unsigned MERGECOPY = 0x00C000CA;
constexpr unsigned MERGEPAINT = 0x00BB0226;
constexpr unsigned PATCOPY = 0x00F00021;
constexpr unsigned PATPAINT = 0x00FB0A09;
constexpr unsigned PATINVERT = 0x005A0049;
constexpr unsigned DSTINVERT = 0x00550009;
constexpr unsigned BLACKNESS = 0x00000042;
constexpr unsigned WHITENESS = 0x00FF0062;

constexpr std::uint8_t AC_SRC_OVER = 0x00;
constexpr std::uint8_t AC_SRC_ALPHA = 0x01;

struct BLENDFUNCTION {
    std::uint8_t BlendOp = AC_SRC_OVER;
    std::uint8_t BlendFlags = 0;
    std::uint8_t SourceConstantAlpha = 255;
    std::uint8_t AlphaFormat = 0;
};

class DC {
public:
    // Draws into Surface, which must outlive the DC; its size may change.
    explicit DC(Bitmap& Surface);

    Bitmap& GetSurface() const { return *FSurface; }

    // Objects.
    Pen SelectObject(const Pen& P);
    Brush SelectObject(const Brush& B);
    Font SelectObject(const Font& F);
    const Pen& GetCurrentPen() const { return FState.CurPen; }
    const Brush& GetCurrentBrush() const { return FState.CurBrush; }
    const Font& GetCurrentFont() const { return FState.CurFont; }

    // Attributes; each setter returns the previous value.
    COLORREF SetTextColor(COLORREF Color);
    COLORREF GetTextColor() const { return FState.TextColor; }
    COLORREF SetBkColor(COLORREF Color);
    COLORREF GetBkColor() const { return FState.BkColor; }
    int SetBkMode(int Mode);
    int GetBkMode() const { return FState.BkMode; }
    unsigned SetTextAlign(unsigned Flags);
    unsigned GetTextAlign() const { return FState.TextAlign; }
    int SetROP2(int Rop2);
    int GetROP2() const { return FState.Rop2; }
    int SetTextCharacterExtra(int Extra);
    int GetTextCharacterExtra() const { return FState.CharExtra; }
    int SetPolyFillMode(int Mode);
    int GetPolyFillMode() const { return FState.PolyFillMode; }
    int SetArcDirection(int Direction);
    int GetArcDirection() const { return FState.ArcDirection; }
    bool SetBrushOrgEx(int X, int Y, POINT* Previous);
    bool GetBrushOrgEx(POINT* Origin) const;
    bool SetMiterLimit(float Limit, float* Previous);
    bool GetCurrentPositionEx(POINT* Position) const;
    int SaveDC();
    // A positive level restores that level, a negative one counts back.
    bool RestoreDC(int Level);

    // Coordinates (identity).
    bool LPtoDP(POINT* Points, int Count) const;
    bool DPtoLP(POINT* Points, int Count) const;

    // Lines and shapes.
    bool MoveToEx(int X, int Y, POINT* Previous);
    bool LineTo(int X, int Y);
    bool Polyline(const POINT* Points, int Count);
    bool Polygon(const POINT* Points, int Count);
    bool Rectangle(int Left, int Top, int Right, int Bottom);
    // Round shapes fail, drawing nothing, for a box RoundShape::Fits refuses
    // (more than 2^18 pixels across, or an edge beyond 2^29).
    bool RoundRect(int Left, int Top, int Right, int Bottom, int Width, int Height);
    bool Ellipse(int Left, int Top, int Right, int Bottom);
    bool Arc(int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd);
    bool Pie(int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd);
    // Brush only, raster operation ignored; nothing when Right <= Left or Bottom <= Top.
    int FillRect(const RECT& R, const Brush& B);
    COLORREF SetPixel(int X, int Y, COLORREF Color);
    // CLR_INVALID outside the bitmap or the clip.
    COLORREF GetPixel(int X, int Y) const;

    // Text through the selected font.
    bool TextOut(int X, int Y, std::string_view Text);
    bool GetTextExtentPoint32(std::string_view Text, SIZE* Size) const;
    bool GetTextMetrics(TEXTMETRIC* Metrics) const;

    // Bit-block transfers; Source may be this DC. Pixels whose source lies
    // outside the source bitmap are left as they are.
    bool BitBlt(int X, int Y, int Width, int Height, const DC* Source, int XSrc, int YSrc, unsigned Rop);
    bool StretchBlt(int X, int Y, int Width, int Height, const DC* Source, int XSrc, int YSrc, int WidthSrc,
                    int HeightSrc, unsigned Rop);
    // A source-copy stretch that leaves the destination pixel wherever the
    // source pixel has the colour Transparent.
    bool TransparentBlt(int X, int Y, int Width, int Height, const DC& Source, int XSrc, int YSrc,
                        int WidthSrc, int HeightSrc, COLORREF Transparent);
    // Fails when the source rectangle leaves the source bitmap.
    bool AlphaBlend(int X, int Y, int Width, int Height, const DC& Source, int XSrc, int YSrc, int WidthSrc,
                    int HeightSrc, BLENDFUNCTION Blend);

    // Paths.
    bool BeginPath();
    bool EndPath();
    bool AbortPath();
    bool CloseFigure();
    bool StrokePath();
    bool FillPath();
    bool StrokeAndFillPath();
    // Needs a geometric pen or a pen wider than 1. Fails, keeping the path,
    // when a dashed pen would cut it into more than 65536 dashes.
    bool WidenPath();
    bool SelectClipPath(int Mode);
    const Path& GetPath() const { return FPath; }

    // Clipping. A null region removes the clip.
    int SelectClipRgn(const Region* Rgn);
    int ExtSelectClipRgn(const Region* Rgn, int Mode);
    // 1 and a copy of the clip, or 0 when there is none.
    int GetClipRgn(Region& Rgn) const;
    int GetClipBox(RECT* Box) const;
    int IntersectClipRect(int Left, int Top, int Right, int Bottom);
    int ExcludeClipRect(int Left, int Top, int Right, int Bottom);

private:
    struct State {
        Pen CurPen;
        Brush CurBrush;
        Font CurFont;
        COLORREF TextColor = 0;
        COLORREF BkColor = 0xFFFFFF;
        int BkMode = OPAQUE;
        unsigned TextAlign = 0;
        int Rop2 = R2_COPYPEN;
        int CharExtra = 0;
        int PolyFillMode = ALTERNATE;
        int ArcDirection = AD_COUNTERCLOCKWISE;
        POINT BrushOrg;
        float MiterLimit = 10;
        POINT Position;
        std::optional<Region> Clip;
    };

    // The clip box and shape of the current state, worked out again only
    // after the clip or the surface's size changed.
    ClipArea Clip() const;
    void ClipChanged() { FClipWidth = -1; }
    FillSource BrushSource(const Brush& B) const;
    // Defined here so that callers build the ink in place: returned from a
    // call, GCC assembles it through a byte store and a wider load, which
    // stalls a line's first stores.
    LineInk PenInk() const {
        return LineInk{PixelFromColor(FState.CurPen.GetColor()), PixelFromColor(FState.BkColor),
                       FState.BkMode == OPAQUE};
    }
    bool Recording() const { return FRecording; }

    // Pipelines shared by the shapes.
    void FillSpans(SpanList& Spans, const FillSource& Source, int Rop2);
    void FillPolygons(ScanConverter& Converter, int FillMode, const FillSource& Source);
    void CosmeticPolyline(std::span<const POINT> Points, bool Closed);
    void WideStroke(std::span<const PointF> Points, bool Closed);
    void StrokeFigure(std::span<const PointF> Points, bool Closed);
    void DrawRoundShape(int Left, int Top, int Right, int Bottom, int CornerW, int CornerH);
    bool DrawArc(int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd,
                 bool PieShape);
    void FlattenEllipse(double Left, double Top, double Right, double Bottom, std::vector<PointF>& Out) const;
    void FillPathFigures();
    void StrokePathFigures();
    Region PathRegion() const;
    int CombineClip(const Region& Rgn, int Mode);
    // Key, when given, is a source pixel value that is not copied.
    void Blit(int X, int Y, int Width, int Height, const Bitmap* Source, int XSrc, int YSrc, int WidthSrc,
              int HeightSrc, unsigned Rop, const std::uint32_t* Key = nullptr);

    Bitmap* FSurface;
    State FState;
    // The box Clip() last worked out, for a surface of this size (-1: none).
    mutable RECT FClipBox{};
    mutable bool FClipShaped = false;
    mutable int FClipWidth = -1, FClipHeight = -1;
    std::vector<State> FSaved;
    Path FPath;
    bool FRecording = false;
    // Scratch kept between calls so that drawing does not allocate.
    ScanConverter FConverter;
    SpanList FSpans;
    Stroker FStroker;
    std::vector<PointF> FFloatPoints;
    std::vector<POINT> FIntPoints;
    // Whole short texts premixed over recent backgrounds.
    TextCellCache FTextCells;
};

} // namespace vur::gdi
