#include "CanvasTestSupport.h"

#include "chart/HtmlText.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/VurFont.h"

#include <chrono>
#include <climits>

namespace vur {
namespace {

class HtmlTextTest : public CanvasFixture {
protected:
    void SetUp() override {
        CanvasFixture::SetUp();
        Font.SetSize(12);
        Canvas.AssignFont(&Font);
    }
    std::string Error(const std::string& Text) {
        try {
            HtmlTextOut(Canvas, 0, 0, Text);
        } catch (const HtmlParserException& E) {
            return E.Message();
        }
        return "";
    }
    // Pixels whose Channel (0 red, 1 green, 2 blue) clearly dominates: the
    // text's colour, antialiased edges included.
    int Tinted(int Channel, const TRect& R) const {
        int N = 0;
        for (int Y = R.Top; Y < R.Bottom; ++Y)
            for (int X = R.Left; X < R.Right; ++X) {
                const TColor C = Pixel(X, Y);
                const int V[3] = {int(C & 0xFF), int((C >> 8) & 0xFF), int((C >> 16) & 0xFF)};
                N += V[Channel] > V[(Channel + 1) % 3] + 64 && V[Channel] > V[(Channel + 2) % 3] + 64;
            }
        return N;
    }
    TVurFont Font;
};

TEST_F(HtmlTextTest, PlainTextDrawsLikeTextOut) {
    HtmlTextOut(Canvas, 5, 5, "Hello");
    const TRect Html = Ink();
    Clear();
    Canvas.TextOut(5, 5, "Hello");
    EXPECT_EQ(Ink(), Html);
    EXPECT_EQ(HtmlTextExtent(Canvas, "Hello").X, Canvas.TextWidth("Hello"));
}

TEST_F(HtmlTextTest, BoldWidensAndDarkensOnlyTheMarkedWord) {
    HtmlTextOut(Canvas, 5, 5, "ab cd");
    const int PlainInk = Count(clBlack);
    const int PlainWidth = HtmlTextExtent(Canvas, "ab cd").X;
    Clear();
    HtmlTextOut(Canvas, 5, 5, "ab <B>cd</B>");
    EXPECT_GT(Count(clBlack), PlainInk);
    EXPECT_GT(HtmlTextExtent(Canvas, "ab <b>cd</b>").X, PlainWidth);
    // The first word is unchanged.
    const int FirstWord = Canvas.TextWidth("ab");
    Clear();
    HtmlTextOut(Canvas, 5, 5, "ab <B>cd</B>");
    const int BoldFirst = Count(clBlack, TRect{0, 0, 5 + FirstWord, Height});
    Clear();
    Canvas.TextOut(5, 5, "ab");
    EXPECT_EQ(Count(clBlack, TRect{0, 0, 5 + FirstWord, Height}), BoldFirst);
    // The canvas font is as it was.
    EXPECT_EQ(Canvas.GetFont()->GetStyle(), 0);
}

TEST_F(HtmlTextTest, ItalicSlantsTheGlyphs) {
    HtmlTextOut(Canvas, 5, 5, "<I>I</I>");
    const TRect Italic = Ink();
    Clear();
    HtmlTextOut(Canvas, 5, 5, "I");
    EXPECT_GT(Italic.Width(), Ink().Width());
}

TEST_F(HtmlTextTest, FontColourPaintsOnlyItsText) {
    HtmlTextOut(Canvas, 5, 5, "ab<FONT COLOR=RED>cd</FONT>ef");
    const int A = Canvas.TextWidth("ab");
    const int C = Canvas.TextWidth("cd");
    EXPECT_EQ(Tinted(0, TRect{0, 0, 5 + A, Height}), 0);
    EXPECT_GT(Tinted(0, TRect{5 + A, 0, 5 + A + C, Height}), 10);
    EXPECT_EQ(Tinted(0, TRect{5 + A + C + 1, 0, Width, Height}), 0);
    EXPECT_GT(Count(clBlack, TRect{5 + A + C + 1, 0, Width, Height}), 10);
    Clear();
    HtmlTextOut(Canvas, 5, 5, "<font color=\"#00FF00\">x</font>");
    EXPECT_GT(Tinted(1, TRect{0, 0, Width, Height}), 5);
}

TEST_F(HtmlTextTest, LineBreaksStackLinesDownwards) {
    const int LineHeight = Canvas.TextHeight("H");
    for (const char* Text : {"H<BR>H", "H\r\nH"}) {
        Clear();
        HtmlTextOut(Canvas, 5, 5, Text);
        const TRect R = Ink();
        EXPECT_GT(R.Height(), LineHeight) << Text;
        EXPECT_LT(R.Width(), Canvas.TextWidth("HH")) << Text;
        EXPECT_EQ(HtmlTextExtent(Canvas, Text).Y, 2 * LineHeight) << Text;
    }
}

TEST_F(HtmlTextTest, EntitiesAndCentredLines) {
    EXPECT_EQ(HtmlTextExtent(Canvas, "&lt;&amp;&gt;").X, Canvas.TextWidth("<&>"));
    HtmlTextOut(Canvas, 5, 5, "WWWWWW<BR><CENTER>i</CENTER>");
    const int Wide = Canvas.TextWidth("WWWWWW");
    const int LineHeight = Canvas.TextHeight("W");
    const TRect Second = [&] {
        int L = Width, R = 0;
        for (int Y = 5 + LineHeight; Y < Height; ++Y)
            for (int X = 0; X < Width; ++X)
                if (Pixel(X, Y) != clWhite) L = std::min(L, X), R = std::max(R, X + 1);
        return TRect{L, 0, R, 0};
    }();
    EXPECT_NEAR((Second.Left + Second.Right) / 2.0, 5 + Wide / 2.0, 3);
}

TEST_F(HtmlTextTest, ErrorsNameTheOffendingText) {
    EXPECT_EQ(Error("ab <B cd"), "Missing > at <B cd");
    EXPECT_EQ(Error("<FONT FACE=Arial>x</FONT>"), "Unknown field in FONT: FACE=Arial");
    EXPECT_EQ(Error("<FONT WEIGHT=HEAVY>x</FONT>"), "Unknown field in FONT WEIGHT=HEAVY");
    EXPECT_EQ(Error("<font weight=bold size=14 name=Arial color=blue>x</font>"), "");
    // A failed text leaves the canvas font as it was.
    EXPECT_EQ(Canvas.GetFont()->GetSize(), 12);
}

// Sizes near the ends of int once wrapped the extents negative: they are
// kept within the chart's bound on settings, and so are their sums.
TEST_F(HtmlTextTest, HugeSizesGiveBoundedPositiveExtents) {
    std::string ManyImages;
    for (int I = 0; I < 3000; ++I) ManyImages += "<img width=1048576 height=2>";
    std::string ManyLines;
    for (int I = 0; I < 3000; ++I) ManyLines += "<img width=1 height=2147483647><br>";
    const std::string Texts[] = {"<img width=2147483647 height=2147483647>",
                                 "<img width=99999999999999999999 height=-5>",
                                 "<font size=2147483647>x</font>",
                                 "<font size=+2147483647>x<font size=+2147483647>y</font></font>",
                                 "<font size=-2147483647>x</font>",
                                 ManyImages,
                                 ManyLines};
    for (const std::string& Text : Texts) {
        SCOPED_TRACE(Text.substr(0, 60));
        const TPoint Extent = HtmlTextExtent(Canvas, Text);
        EXPECT_GE(Extent.X, 0);
        EXPECT_GE(Extent.Y, 0);
        EXPECT_LE(Extent.X, MaxSetting);
        EXPECT_LE(Extent.Y, MaxSetting);
        for (const unsigned Align : {TA_LEFT | TA_TOP, TA_CENTER | TA_BASELINE, TA_RIGHT | TA_BOTTOM}) {
            Canvas.SetTextAlign(Align);
            for (const int X : {0, INT_MIN, INT_MAX}) EXPECT_NO_THROW(HtmlTextOut(Canvas, X, X, Text));
        }
    }
    EXPECT_EQ(HtmlTextExtent(Canvas, "<img width=30 height=20>").X, 30);
}

// Only what the bitmap can show of a huge glyph is rasterised: a few huge
// letters or twelve nested headings once took seconds to draw.
TEST_F(HtmlTextTest, HugeLettersDrawInTheTimeOfWhatIsVisible) {
    const auto Start = std::chrono::steady_clock::now();
    for (const char* Text :
         {"<font size=12000>HWQ@HWQ@</font>", "<h1><h1><h1><h1><h1><h1><h1><h1><h1><h1><h1><h1>W@"})
        for (const int X : {5, -3000}) {
            HtmlTextOut(Canvas, X, 5, Text);
            Canvas.TextOut(X, 5, Text, true);
        }
    EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(1));
    // A glyph too large to keep a bitmap (about 140 x 145 pixels) is still
    // drawn where the bitmap shows it: the top of the H's stems.
    Clear();
    HtmlTextOut(Canvas, 0, 0, "<font size=150>H</font>");
    EXPECT_GT(Count(clBlack, TRect{0, 40, 60, Height}), 500);
}

TEST_F(HtmlTextTest, CanvasTextOutTakesTheMarkupPathOnRequest) {
    Canvas.TextOut(5, 5, "<B>x</B>", true);
    const int Bold = Count(clBlack);
    Clear();
    Canvas.TextOut(5, 5, "<B>x</B>", false);
    EXPECT_NE(Count(clBlack), Bold); // the tags are drawn as text
    EXPECT_GT(Ink().Width(), Canvas.TextWidth("x") * 3);
}

} // namespace
} // namespace vur
