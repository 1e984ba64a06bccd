// Mark-up text: any text, measured and drawn at any place with any alignment.
// A text may be refused (HtmlParserException) but never crash, hang, take
// long for what it shows, or measure outside 0..MaxSetting.
#include "FuzzInput.h"

#include "chart/HtmlText.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "framework/Graphics.h"

#include <cstdlib>

namespace {

vur::TBitmap* Bitmap = nullptr;
vur::TVurCanvas3D* Canvas = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    using namespace vur;
    ResetVurDrawSettings();
    Bitmap = new TBitmap(160, 100);
    Canvas = new TVurCanvas3D;
    Canvas->SetCanvas(Bitmap->GetCanvas());
    Canvas->ResetState();
    // Realises the common faces once, outside the time of any one input.
    HtmlTextExtent(*Canvas, "<b>a</b><i>b</i><pre>c</pre><h1>d</h1>");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    using namespace vur;
    fuzz::TFuzzInput In(Data, Size);
    static constexpr unsigned Aligns[] = {TA_LEFT | TA_TOP, TA_CENTER | TA_BASELINE, TA_RIGHT | TA_BOTTOM,
                                          TA_LEFT | TA_BASELINE};
    const unsigned Align = Aligns[In.Byte() % std::size(Aligns)];
    const int FontSize = In.Small(1, 40);
    const int X = In.Bool() ? In.Int() : In.Small(-50, 200);
    const int Y = In.Bool() ? In.Int() : In.Small(-50, 150);
    const std::string Text = In.Rest();

    Canvas->GetFont()->SetSize(FontSize);
    Canvas->SetTextAlign(Align);
    fuzz::Refusable([&] {
        const TPoint Extent = HtmlTextExtent(*Canvas, Text);
        if (Extent.X < 0 || Extent.Y < 0 || Extent.X > MaxSetting || Extent.Y > MaxSetting) std::abort();
    });
    fuzz::Refusable([&] { HtmlTextOut(*Canvas, X, Y, Text); });
    // The font and alignment come back as they were, also after a refusal.
    if (Canvas->GetFont()->GetSize() != FontSize || Canvas->GetTextAlign() != Align) std::abort();
    return 0;
}
