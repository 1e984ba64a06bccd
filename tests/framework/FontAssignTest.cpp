// Handing one font's description to another, as a canvas does before every
// label: only a real change notifies, and the device font survives when the
// description is the same.
#include "framework/Graphics.h"

#include <gtest/gtest.h>

namespace vur {
namespace {

struct Counted {
    TFont Font;
    int Changes = 0;
    Counted() {
        Font.OnChange = [this](TPersistent*) { ++Changes; };
    }
};

TEST(FontAssignTest, AnEqualFontChangesNothingAndKeepsTheDeviceFont) {
    TFont Source;
    Counted Target;
    const gdi::Font Realised = Target.Font.GetHandle();
    const std::uint32_t Version = Target.Font.GetVersion();
    Target.Font.Assign(&Source);
    Target.Font.AssignFrom(Source);
    EXPECT_EQ(Target.Changes, 0);
    EXPECT_EQ(Target.Font.GetVersion(), Version);
    EXPECT_TRUE(Target.Font.GetHandle() == Realised);
}

TEST(FontAssignTest, AColourAloneNotifiesOnceAndKeepsTheDeviceFont) {
    TFont Source;
    Source.SetColor(clRed);
    Counted Target;
    const gdi::Font Realised = Target.Font.GetHandle();
    Target.Font.Assign(&Source);
    Target.Font.Assign(&Source);
    EXPECT_EQ(Target.Changes, 1);
    EXPECT_EQ(Target.Font.GetColor(), clRed);
    EXPECT_TRUE(Target.Font.GetHandle() == Realised);
}

TEST(FontAssignTest, ANewDescriptionNotifiesOnceAndSharesTheSourcesDeviceFont) {
    TFont Source;
    Source.SetName("Courier New");
    Source.SetSize(14);
    Source.SetStyle(fsItalic);
    Counted Target;
    Target.Font.GetHandle();
    // Without a device font of its own the source still describes the result.
    Target.Font.Assign(&Source);
    EXPECT_EQ(Target.Changes, 1);
    EXPECT_EQ(Target.Font.GetName(), "Courier New");
    EXPECT_EQ(Target.Font.GetSize(), 14);
    EXPECT_EQ(Target.Font.GetHandle().GetLogFont(), Source.GetHandle().GetLogFont());

    Source.SetSize(20);
    const gdi::Font Realised = Source.GetHandle();
    Target.Font.AssignFrom(Source);
    EXPECT_EQ(Target.Changes, 2);
    EXPECT_TRUE(Target.Font.GetHandle() == Realised);
}

TEST(FontAssignTest, ACanvasGivenTheSameFontAgainMeasuresAndDrawsAsBefore) {
    TBitmap Picture(60, 20);
    TCanvas* Canvas = Picture.GetCanvas();
    TFont Labels;
    Labels.SetSize(9);
    Canvas->GetFont()->AssignFrom(Labels);
    const TPoint Extent = Canvas->TextExtent("12:34");
    Canvas->TextOut(1, 1, "12:34");
    const gdi::Bitmap Once = Picture.GetImage();
    const std::uint32_t Version = Canvas->GetFont()->GetVersion();
    Canvas->GetFont()->AssignFrom(Labels);
    EXPECT_EQ(Canvas->GetFont()->GetVersion(), Version);
    EXPECT_EQ(Canvas->TextExtent("12:34"), Extent);
    // A bigger font in between, then the labels' font back.
    TFont Title;
    Title.SetSize(14);
    Canvas->GetFont()->AssignFrom(Title);
    EXPECT_GT(Canvas->TextWidth("12:34"), Extent.X);
    Canvas->GetFont()->AssignFrom(Labels);
    Canvas->FillRect(TRect{0, 0, 60, 20}); // the default brush is white, as a new bitmap

    Canvas->TextOut(1, 1, "12:34");
    EXPECT_TRUE(Picture.GetImage() == Once);
}

} // namespace
} // namespace vur
