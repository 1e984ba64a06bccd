#include "app/Unit1.h"

#include "framework/DateTime.h"
#include "framework/Random.h"

namespace vur {

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
    SetName("Form1");
    SetBounds(192, 198, 739, 342);
    SetCaption("Form1");
    SetColor(clBtnFace);
    GetFont()->SetCharset(gdi::DEFAULT_CHARSET);
    GetFont()->SetColor(clWindowText);
    GetFont()->SetHeight(-11);
    GetFont()->SetName("MS Sans Serif");
    GetFont()->SetStyle(0);
    SetOldCreateOrder(false);
    SetPixelsPerInch(96);
    SetTextHeight(13);
    BuildChart();
    BuildButtons();
    BuildTimer();
    ScaleToScreen();
}

void TForm1::BuildChart() {
    Chart1 = new TChart(this);
    Chart1->SetParent(this);
    Chart1->SetName("Chart1");
    Chart1->SetBounds(20, 16, 689, 257);
    Chart1->GetTitle()->SetCaption("TChart");
    Chart1->GetBottomAxis()->SetDateTimeFormat("hh:nn:ss");
    Chart1->SetView3D(false);
    Chart1->SetTabOrder(0);

    Series1 = new TLineSeries(this);
    Series1->SetParentChart(Chart1);
    Series1->SetName("Series1");
    Series1->GetMarks()->GetCallout()->GetBrush()->SetColor(clBlack);
    Series1->GetMarks()->SetVisible(false);
    Series1->SetValueFormat("hh:nn:ss");
    Series1->GetPointer()->SetInflateMargins(true);
    Series1->GetPointer()->SetStyle(psRectangle);
    Series1->GetPointer()->SetVisible(false);
    Series1->GetXValues()->SetDateTime(true);
    Series1->GetXValues()->SetName("X");
    Series1->GetXValues()->SetOrder(loAscending);
    Series1->GetYValues()->SetName("Y");
    Series1->GetYValues()->SetOrder(loNone);
}

void TForm1::BuildButtons() {
    Button1 = new TButton(this);
    Button1->SetParent(this);
    Button1->SetName("Button1");
    Button1->SetBounds(48, 280, 75, 25);
    Button1->SetCaption("Start");
    Button1->SetTabOrder(1);
    Button1->OnClick = [this](TPersistent* Sender) { Button1Click(Sender); };

    Button2 = new TButton(this);
    Button2->SetParent(this);
    Button2->SetName("Button2");
    Button2->SetBounds(136, 280, 75, 25);
    Button2->SetCaption("Stop");
    Button2->SetTabOrder(2);
    Button2->OnClick = [this](TPersistent* Sender) { Button2Click(Sender); };
}

void TForm1::BuildTimer() {
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetOnTimer([this](TPersistent* Sender) { Timer1Timer(Sender); });
}

void TForm1::Button1Click(TPersistent*) {
    Series1->Clear();
    Timer1->SetEnabled(true);
}

void TForm1::Button2Click(TPersistent*) { Timer1->SetEnabled(false); }

void TForm1::Timer1Timer(TPersistent*) {
    const TDateTime X = CurrentLocalDateTime();
    const double Y = DrawRandomBetween(0, 100);
    Series1->AddXY(X, Y, "", clDefault);
    if (Series1->Count() > 10) Series1->Delete(0);
}

} // namespace vur
