// Creating the program's main form from its stored stream TFORM1 against
// creating the same components with the same setter calls in code (the
// baseline, in the same run). Both make, scale and destroy the form on the
// headless window system; the target is the stream within 2x of the code.
#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/Published.h"
#include "platform/ui/headless/HeadlessWindowSystem.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace vur;

namespace {

// TForm1's components and values, set one by one as a form built in code would.
class TCodeForm1 : public TForm {
public:
    explicit TCodeForm1(TComponent* AOwner) : TForm(AOwner) {
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

        Chart1 = new TChart(this);
        Chart1->SetParent(this);
        Chart1->SetName("Chart1");
        Chart1->SetBounds(20, 16, 689, 257);
        Chart1->GetBottomAxis()->SetDateTimeFormat("hh:nn:ss");
        Chart1->GetLegend()->SetVisible(false);
        Chart1->GetTitle()->GetText()->SetText("TChart");
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

        Button1 = MakeButton("Button1", 48, "Start", 1);
        Button2 = MakeButton("Button2", 136, "Stop", 2);

        Timer1 = new TTimer(this);
        Timer1->SetName("Timer1");
        Timer1->SetEnabled(false);
        Timer1->SetOnTimer([this](TPersistent*) { ++Ticks; });
        Timer1->SetDesignLeft(216);
        Timer1->SetDesignTop(280);
        ScaleToScreen();
    }

    TChart* Chart1;
    TLineSeries* Series1;
    TButton* Button1;
    TButton* Button2;
    TTimer* Timer1;
    int Ticks = 0;

private:
    TButton* MakeButton(const char* Name, int Left, const char* Caption, int TabOrder) {
        auto* Button = new TButton(this);
        Button->SetParent(this);
        Button->SetName(Name);
        Button->SetBounds(Left, 280, 75, 25);
        Button->SetCaption(Caption);
        Button->SetTabOrder(TabOrder);
        Button->OnClick = [this](TPersistent*) { ++Ticks; };
        return Button;
    }
};

struct Program {
    ui::HeadlessWindowSystem WindowSystem;
    std::unique_ptr<TApplication> App = std::make_unique<TApplication>(WindowSystem);
};

void BM_FormInCode(benchmark::State& State) {
    Program P;
    for (auto _ : State) {
        auto Form = std::make_unique<TCodeForm1>(P.App.get());
        benchmark::DoNotOptimize(Form->Series1);
    }
}

void BM_FormFromStream(benchmark::State& State) {
    Program P;
    for (auto _ : State) {
        auto Form = std::make_unique<TForm1>(P.App.get());
        benchmark::DoNotOptimize(Form->Series1);
    }
}

} // namespace

BENCHMARK(BM_FormInCode);
BENCHMARK(BM_FormFromStream);
BENCHMARK_MAIN();
