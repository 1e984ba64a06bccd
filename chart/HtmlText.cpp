#include "chart/HtmlText.h"

#include "chart/RoVedure/Canvas.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/VurConst.h"
#include "framework/Graphics.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

namespace vur {

namespace {

std::string Upper(std::string S) {
    for (char& C : S) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
    return S;
}

// Sizes, widths and heights are kept within the chart's bound on settings,
// and sums of them within the bound too, so that no extent wraps.
int Bounded(long long Value) {
    return static_cast<int>(std::clamp<long long>(Value, -MaxSetting, MaxSetting));
}

// The leading number of a field, as atoi reads it but bounded instead of overflowing.
long long FieldNumber(const std::string& Value) {
    const long long Number = std::strtoll(Value.c_str(), nullptr, 10);
    return std::clamp<long long>(Number, -MaxSetting, MaxSetting);
}

// A font size: at least one point.
int FontSize(long long Value) { return std::max(1, Bounded(Value)); }

// A device position, clamped to int instead of wrapping.
int Position(long long Value) {
    return static_cast<int>(
        std::clamp<long long>(Value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

struct TStyle {
    std::string Name;
    int Size = 8;
    TColor Color = clBlack;
    TFontStyles Style = 0;
    // Baseline shift: 1 subscript, -1 superscript.
    int Shift = 0;
    bool Center = false;
};

struct TPiece {
    std::string Text;
    TStyle Style;
    std::shared_ptr<TPicture> Picture;
    int Width = 0;
    int Ascent = 0;
    int Descent = 0;
    // Offset of the piece's baseline below the line's baseline.
    int Rise = 0;
};

struct TLine {
    std::vector<TPiece> Pieces;
    bool Center = false;
    bool Rule = false;
    int Width = 0;
    int Ascent = 0;
    int Descent = 0;
};

struct TFrame {
    TStyle Saved;
    bool Block = false;
};

// Puts a font back as it was, also when parsing fails half way.
class TFontRestore {
public:
    explicit TFontRestore(TFont* Font) : FFont(Font) {
        FSaved.SetPixelsPerInch(Font->GetPixelsPerInch());
        FSaved.Assign(Font);
    }
    TFontRestore(const TFontRestore&) = delete;
    TFontRestore& operator=(const TFontRestore&) = delete;
    ~TFontRestore() { FFont->Assign(&FSaved); }
    const TFont& Saved() const { return FSaved; }

private:
    TFont* FFont;
    TFont FSaved;
};

// Parses the mark-up into measured lines, using the canvas's font for the
// measurements; the font is restored when the layout goes.
class THtmlLayout {
public:
    THtmlLayout(TVurCanvas& Canvas, const std::string& Text);

    TPoint Extent() const { return TPoint{FWidth, FHeight}; }
    void Draw(int X, int Y);

private:
    void Parse(const std::string& Text);
    void Tag(const std::string& Body);
    void FontTag(const std::string& Fields);
    void ImageTag(const std::string& Fields);
    void Flush();
    void Break();
    void BreakIfStarted() {
        Flush();
        if (!FLines.back().Pieces.empty()) Break();
    }
    void Push(bool Block) { FStack.push_back(TFrame{FStyle, Block}); }
    void Pop();
    void AddPiece(TPiece Piece);
    void Select(const TStyle& Style);
    // Ascent and descent of the selected font.
    std::pair<int, int> Metrics();
    void Measure();

    TVurCanvas& FCanvas;
    TFont* FFont;
    TFontRestore FRestore;
    TStyle FStyle;
    std::vector<TFrame> FStack;
    std::vector<TLine> FLines;
    std::string FPending;
    int FWidth = 0;
    int FHeight = 0;
};

THtmlLayout::THtmlLayout(TVurCanvas& Canvas, const std::string& Text)
    : FCanvas(Canvas), FFont(Canvas.GetFont()), FRestore(FFont) {
    FStyle.Name = FFont->GetName();
    FStyle.Size = FFont->GetSize();
    FStyle.Color = FFont->GetColor();
    FStyle.Style = FFont->GetStyle();
    FLines.emplace_back();
    Parse(Text);
    Flush();
    Measure();
}

void THtmlLayout::Parse(const std::string& Text) {
    static constexpr std::pair<const char*, char> Entities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}};
    std::size_t I = 0;
    while (I < Text.size()) {
        const char C = Text[I];
        if (C == '<') {
            const std::size_t Close = Text.find('>', I + 1);
            if (Close == std::string::npos)
                throw HtmlParserException(VurMsg_HtmlMissingClose + Text.substr(I));
            Tag(Text.substr(I + 1, Close - I - 1));
            I = Close + 1;
        } else if (C == '\r' || C == '\n') {
            Break();
            I += (C == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') ? 2 : 1;
        } else if (C == '&') {
            bool Known = false;
            for (const auto& [Name, Char] : Entities) {
                const std::string_view Entity(Name);
                if (Upper(Text.substr(I, Entity.size())) == Upper(std::string(Entity))) {
                    FPending += Char;
                    I += Entity.size();
                    Known = true;
                    break;
                }
            }
            if (!Known) FPending += Text[I++];
        } else {
            FPending += Text[I++];
        }
    }
}

void THtmlLayout::Tag(const std::string& Body) {
    Flush();
    const std::string U = Upper(Body);
    const std::string Name = U.substr(0, U.find(' '));
    const auto Flag = [this](TFontStyles S, bool On) {
        FStyle.Style = On ? (FStyle.Style | S) : (FStyle.Style & ~S);
    };
    if (Name == "B" || Name == "BOLD" || Name == "STRONG") {
        Flag(fsBold, true);
    } else if (Name == "/B" || Name == "/BOLD" || Name == "/STRONG") {
        Flag(fsBold, false);
    } else if (Name == "I" || Name == "/I") {
        Flag(fsItalic, Name == "I");
    } else if (Name == "U" || Name == "/U") {
        Flag(fsUnderline, Name == "U");
    } else if (Name == "STRIKE" || Name == "/STRIKE") {
        Flag(fsStrikeOut, Name == "STRIKE");
    } else if (Name == "FONT") {
        Push(false);
        FontTag(Body.substr(4));
    } else if (Name == "BR") {
        Break();
    } else if (Name == "P") {
        BreakIfStarted();
        Break();
    } else if (Name == "BIG" || Name == "SMALL") {
        Push(false);
        FStyle.Size = FontSize(FStyle.Size + (Name == "BIG" ? 2 : -2));
    } else if (Name == "SUB" || Name == "SUPER") {
        Push(false);
        FStyle.Shift = Name == "SUB" ? 1 : -1;
        FStyle.Size = FontSize(Round(FStyle.Size * 2 / 3.0));
    } else if (Name.size() == 2 && Name[0] == 'H' && Name[1] >= '1' && Name[1] <= '6') {
        static constexpr double Scale[] = {2, 1.5, 1.17, 1, 0.83, 0.67};
        BreakIfStarted();
        Push(true);
        FStyle.Style |= fsBold;
        FStyle.Size = FontSize(Round(FStyle.Size * Scale[Name[1] - '1']));
    } else if (Name == "PRE") {
        Push(false);
        FStyle.Name = "Courier New";
    } else if (Name == "CENTER") {
        BreakIfStarted();
        Push(true);
        FStyle.Center = true;
        FLines.back().Center = true;
    } else if (Name == "HR") {
        BreakIfStarted();
        FLines.back().Rule = true;
        Break();
    } else if (Name == "IMG") {
        ImageTag(Body.substr(3));
    } else if (!Name.empty() && Name[0] == '/') {
        Pop();
    }
}

// Splits "KEY=VALUE KEY="VALUE" ..." into pairs; a key without a value has an empty one.
std::vector<std::pair<std::string, std::string>> SplitFields(const std::string& Fields) {
    std::vector<std::pair<std::string, std::string>> Result;
    std::size_t I = 0;
    while (I < Fields.size()) {
        while (I < Fields.size() && std::isspace(static_cast<unsigned char>(Fields[I]))) ++I;
        if (I >= Fields.size()) break;
        std::size_t KeyEnd = I;
        while (KeyEnd < Fields.size() && Fields[KeyEnd] != '=' &&
               !std::isspace(static_cast<unsigned char>(Fields[KeyEnd])))
            ++KeyEnd;
        std::string Key = Fields.substr(I, KeyEnd - I);
        std::string Value;
        I = KeyEnd;
        if (I < Fields.size() && Fields[I] == '=') {
            ++I;
            if (I < Fields.size() && (Fields[I] == '"' || Fields[I] == '\'')) {
                const char Quote = Fields[I++];
                const std::size_t End = std::min(Fields.find(Quote, I), Fields.size());
                Value = Fields.substr(I, End - I);
                I = End + 1;
            } else {
                const std::size_t Start = I;
                while (I < Fields.size() && !std::isspace(static_cast<unsigned char>(Fields[I]))) ++I;
                Value = Fields.substr(Start, I - Start);
            }
        }
        Result.emplace_back(std::move(Key), std::move(Value));
    }
    return Result;
}

bool ParseColor(const std::string& Value, TColor& Color) {
    static constexpr std::pair<const char*, TColor> Names[] = {
        {"BLACK", clBlack}, {"RED", clRed},     {"BLUE", clBlue}, {"YELLOW", clYellow},
        {"WHITE", clWhite}, {"GREEN", clGreen}, {"LIME", clLime}};
    const std::string U = Upper(Value);
    for (const auto& [Name, C] : Names)
        if (U == Name) {
            Color = C;
            return true;
        }
    if (U.size() == 7 && U[0] == '#' && std::all_of(U.begin() + 1, U.end(), [](char C) {
            return std::isxdigit(static_cast<unsigned char>(C));
        })) {
        const unsigned long RGB = std::strtoul(U.c_str() + 1, nullptr, 16);
        Color = static_cast<TColor>(((RGB >> 16) & 0xFF) | (RGB & 0xFF00) | ((RGB & 0xFF) << 16));
        return true;
    }
    return false;
}

void THtmlLayout::FontTag(const std::string& Fields) {
    for (const auto& [Key, Value] : SplitFields(Fields)) {
        const std::string K = Upper(Key);
        if (K == "NAME" || K == "FAMILY") {
            FStyle.Name = Value;
        } else if (K == "SIZE") {
            const long long Size = FieldNumber(Value);
            const bool Relative = !Value.empty() && (Value[0] == '+' || Value[0] == '-');
            FStyle.Size = FontSize(Relative ? FStyle.Size + Size : Size);
        } else if (K == "COLOR") {
            if (!FCanvas.GetMonochrome()) ParseColor(Value, FStyle.Color);
        } else if (K == "WEIGHT") {
            const std::string W = Upper(Value);
            if (W == "BOLD")
                FStyle.Style |= fsBold;
            else if (W == "ITALIC")
                FStyle.Style |= fsItalic;
            else if (W == "NORMAL")
                FStyle.Style = 0;
            else if (W == "STRIKE")
                FStyle.Style |= fsStrikeOut;
            else if (W == "UNDERLINE")
                FStyle.Style |= fsUnderline;
            else
                throw HtmlParserException(VurMsg_HtmlUnknownFontWeight + Value);
        } else {
            throw HtmlParserException(VurMsg_HtmlUnknownFontField + Key + (Value.empty() ? "" : "=" + Value));
        }
    }
}

void THtmlLayout::ImageTag(const std::string& Fields) {
    TPiece Piece;
    int Width = -1, Height = -1;
    for (const auto& [Key, Value] : SplitFields(Fields)) {
        const std::string K = Upper(Key);
        if (K == "SRC") {
            auto Picture = std::make_shared<TPicture>();
            try {
                Picture->LoadFromFile(Value);
                Piece.Picture = std::move(Picture);
            } catch (const EInvalidGraphic&) {
                // A picture that cannot be read leaves its place empty.
            }
        } else if (K == "WIDTH") {
            Width = static_cast<int>(std::max(0LL, FieldNumber(Value)));
        } else if (K == "HEIGHT") {
            Height = static_cast<int>(std::max(0LL, FieldNumber(Value)));
        }
    }
    Piece.Width = Bounded(Width >= 0 ? Width : (Piece.Picture ? Piece.Picture->GetWidth() : 0));
    Piece.Ascent = Bounded(Height >= 0 ? Height : (Piece.Picture ? Piece.Picture->GetHeight() : 0));
    if (Piece.Width > 0 || Piece.Ascent > 0) AddPiece(std::move(Piece));
}

void THtmlLayout::Flush() {
    if (FPending.empty()) return;
    TPiece Piece;
    Piece.Text = std::move(FPending);
    Piece.Style = FStyle;
    FPending.clear();
    AddPiece(std::move(Piece));
}

void THtmlLayout::AddPiece(TPiece Piece) {
    TLine& Line = FLines.back();
    if (Line.Pieces.empty()) Line.Center = FStyle.Center;
    Line.Pieces.push_back(std::move(Piece));
}

void THtmlLayout::Break() {
    Flush();
    TLine& Line = FLines.back();
    if (Line.Pieces.empty() && !Line.Rule) {
        // An empty line is as high as the text it would hold.
        Select(FStyle);
        std::tie(Line.Ascent, Line.Descent) = Metrics();
    }
    FLines.emplace_back();
    FLines.back().Center = FStyle.Center;
}

void THtmlLayout::Pop() {
    if (FStack.empty()) return;
    const TFrame Frame = FStack.back();
    FStack.pop_back();
    if (Frame.Block) BreakIfStarted();
    FStyle = Frame.Saved;
    if (Frame.Block && FLines.back().Pieces.empty()) FLines.back().Center = FStyle.Center;
}

void THtmlLayout::Select(const TStyle& Style) {
    FFont->SetName(Style.Name);
    FFont->SetSize(Style.Size);
    FFont->SetColor(Style.Color);
    FFont->SetStyle(Style.Style);
}

std::pair<int, int> THtmlLayout::Metrics() {
    const TTextMetric M = FCanvas.GetReferenceCanvas()->GetTextMetrics();
    return {M.tmAscent, M.tmDescent};
}

void THtmlLayout::Measure() {
    TCanvas* Target = FCanvas.GetReferenceCanvas();
    for (TLine& Line : FLines) {
        for (TPiece& Piece : Line.Pieces) {
            if (!Piece.Text.empty()) {
                Select(Piece.Style);
                Piece.Width = Bounded(Target->TextWidth(Piece.Text));
                std::tie(Piece.Ascent, Piece.Descent) = Metrics();
                const int Height = Piece.Ascent + Piece.Descent;
                Piece.Rise = Piece.Style.Shift > 0 ? Height / 3 : Piece.Style.Shift < 0 ? -Height / 2 : 0;
            }
            Line.Width = Bounded(static_cast<long long>(Line.Width) + Piece.Width);
            Line.Ascent = std::max(Line.Ascent, Piece.Ascent - Piece.Rise);
            Line.Descent = std::max(Line.Descent, Piece.Descent + Piece.Rise);
        }
        if (Line.Rule) {
            Line.Ascent = 3;
            Line.Descent = 3;
        }
        FWidth = std::max(FWidth, Line.Width);
    }
    // A trailing break adds no empty line below the text.
    if (FLines.size() > 1 && FLines.back().Pieces.empty() && !FLines.back().Rule) FLines.pop_back();
    for (const TLine& Line : FLines)
        FHeight = Bounded(static_cast<long long>(FHeight) + Line.Ascent + Line.Descent);
}

void THtmlLayout::Draw(int X, int Y) {
    // Positions are worked out wide: a block placed near the ends of int
    // reaches past them, and the canvas clamps what it is given.
    const unsigned Align = FCanvas.GetTextAlign();
    long long Left = X;
    if ((Align & TA_CENTER) == TA_CENTER)
        Left -= FWidth / 2;
    else if ((Align & TA_RIGHT) == TA_RIGHT)
        Left -= FWidth;
    long long Top = Y;
    if ((Align & TA_BASELINE) == TA_BASELINE)
        Top -= FLines.empty() ? 0 : FLines.front().Ascent;
    else if ((Align & TA_BOTTOM) == TA_BOTTOM)
        Top -= FHeight;
    FCanvas.SetTextAlign(TA_LEFT | TA_BASELINE);
    for (const TLine& Line : FLines) {
        const long long Baseline = Top + Line.Ascent;
        if (Line.Rule) {
            TPen SavedPen;
            SavedPen.Assign(FCanvas.GetPen());
            FCanvas.GetPen()->SetStyle(psSolid);
            FCanvas.GetPen()->SetWidth(1);
            FCanvas.GetPen()->SetColor(FRestore.Saved().GetColor());
            FCanvas.Line(Position(Left), Position(Baseline), Position(Left + FWidth), Position(Baseline));
            FCanvas.GetPen()->Assign(&SavedPen);
        }
        long long PieceX = Line.Center ? Left + (FWidth - Line.Width) / 2 : Left;
        for (const TPiece& Piece : Line.Pieces) {
            if (Piece.Picture)
                FCanvas.StretchDraw(TRect{Position(PieceX), Position(Baseline - Piece.Ascent),
                                          Position(PieceX + Piece.Width), Position(Baseline)},
                                    Piece.Picture->GetGraphic());
            else if (!Piece.Text.empty()) {
                Select(Piece.Style);
                FCanvas.TextOut(Position(PieceX), Position(Baseline + Piece.Rise), Piece.Text);
            }
            PieceX += Piece.Width;
        }
        Top += Line.Ascent + Line.Descent;
    }
    FCanvas.SetTextAlign(Align);
}

} // namespace

void HtmlTextOut(TVurCanvas& Canvas, int X, int Y, const std::string& Text) {
    if (!Canvas.GetReferenceCanvas()) return;
    THtmlLayout Layout(Canvas, Text);
    Layout.Draw(X, Y);
}

TPoint HtmlTextExtent(TVurCanvas& Canvas, const std::string& Text) {
    if (!Canvas.GetReferenceCanvas()) return TPoint{};
    return THtmlLayout(Canvas, Text).Extent();
}

} // namespace vur
