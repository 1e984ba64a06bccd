#include "chart/Chart/Title.h"

#include "chart/HtmlText.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/Geometry.h"

#include <algorithm>

namespace vur {

TChartTitle::TChartTitle(TCustomVurPanel* AParent)
    : TVurCustomShapePosition(AParent), FText(std::make_unique<TStringList>()) {
    FText->OnChange = ChangeCallback();
    InitTransparent(true);
    GetFont()->InitColor(clBlue);
}

TChartTitle::~TChartTitle() = default;

void TChartTitle::Assign(const TPersistent* Source) {
    if (const auto* Title = dynamic_cast<const TChartTitle*>(Source)) {
        SetAlignment(Title->FAlignment);
        SetAdjustFrame(Title->FAdjustFrame);
        FText->Assign(Title->FText.get());
    }
    TVurCustomShapePosition::Assign(Source);
}

std::string TChartTitle::GetCaption() const { return FText->Count() > 0 ? FText->Get(0) : std::string(); }

void TChartTitle::SetCaption(const std::string& Value) {
    FText->BeginUpdate();
    FText->Clear();
    FText->Add(Value);
    FText->EndUpdate();
}

bool TChartTitle::Clicked(int X, int Y) const { return GetVisible() && PointInRect(GetShapeBounds(), X, Y); }

void TChartTitle::DrawTitle() {
    TCustomVurPanel* Panel = GetParent();
    const int Lines = FText->Count();
    if (!GetVisible() || Lines == 0 || !Panel) return;
    TVurCanvas3D* C = Canvas();
    const bool Custom = GetCustomPosition();
    const int FW = FrameWidthForLayout();
    TRect R = GetShapeBounds();
    if (!Custom) {
        R = Panel->GetChartRect();
        if (FPlacedOnTop) R.Top += FW;
    }
    C->AssignFont(GetFont());
    C->SetTextAlign(TA_LEFT | TA_TOP);
    const int FH = C->GetFontHeight();
    if (FPlacedOnTop || Custom)
        R.Bottom = R.Top + Lines * FH;
    else
        R.Top = R.Bottom - Lines * FH;
    if (!Custom) R = TRect{R.Left - FW, R.Top - FW, R.Right + FW, R.Bottom + FW};
    const int WW = C->TextWidth("W");
    if (FAdjustFrame) {
        int Widest = 0;
        for (int I = 0; I < Lines; ++I) Widest = std::max(Widest, C->TextWidth(FText->Get(I)));
        const int MW = Widest + WW + FW;
        // A fixed position anchors the box at its left edge whatever the alignment.
        if (Custom) R.Right = R.Left + MW;
        if (FAlignment == taLeftJustify) {
            R.Right = R.Left + MW;
        } else if (FAlignment == taRightJustify) {
            R.Left = R.Right - MW;
        } else {
            const int Centre = (R.Left + R.Right) / 2;
            const int Half = MW / 2;
            R.Left = Centre - Half;
            R.Right = Centre + Half;
        }
    }
    SetShapeBounds(R);
    Draw();
    // Drawing the box may have changed the canvas' font, pen and brush.
    C->AssignFont(GetFont());
    C->SetTextAlign(TA_LEFT | TA_TOP);
    const int X0 = R.Left + WW / 2;
    C->SetBackMode(cbmTransparent);
    const auto LineY = [&](int Offset) { return FPlacedOnTop ? R.Top + Offset : R.Bottom - FH - Offset; };
    const auto PlainLines = [&] {
        for (int I = 0; I < Lines; ++I) {
            const std::string Line = FText->Get(I);
            int X = X0;
            if (FAlignment == taRightJustify)
                X = R.Right - C->TextWidth(Line) - WW / 2;
            else if (FAlignment == taCenter)
                X = (R.Left + R.Right) / 2 - C->TextWidth(Line) / 2;
            C->TextOut(X, LineY(I * FH + FW), Line);
        }
    };
    if (GetTextFormat() == ttfHtml) {
        std::string All = FText->Get(0);
        for (int I = 1; I < Lines; ++I) All += "\r\n" + FText->Get(I);
        // A paint never fails over a title: broken mark-up shows as written.
        try {
            C->TextOut(X0, LineY(FW), All, true);
        } catch (const HtmlParserException&) {
            PlainLines();
        }
    } else {
        PlainLines();
    }
    if (Custom) return;
    int Distance = VurDrawSettings().VurTitleFootDistance + FW;
    if (!GetTransparent()) Distance += GetShadow()->GetVertSize();
    TRect Chart = Panel->GetChartRect();
    if (FPlacedOnTop)
        Chart.Top = R.Bottom + Distance;
    else
        Chart.Bottom = R.Bottom - Distance - Lines * FH;
    Panel->SetChartRect(Chart);
    Panel->ReCalcWidthHeight();
}

TChartFootTitle::TChartFootTitle(TCustomVurPanel* AParent) : TChartTitle(AParent) {
    InitPlacedOnTop(false);
    GetFont()->InitColor(clRed);
    GetFont()->InitStyle(fsItalic);
}

} // namespace vur
