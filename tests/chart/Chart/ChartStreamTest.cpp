// Charts stored and read back: what a chart stores, that a configured chart
// survives writer -> reader -> writer unchanged and paints the same, the
// custom and older stored properties, and that every object a chart or a
// series publishes is declared.
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/Dialogs.h"
#include "framework/Exceptions.h"
#include "framework/Published.h"
#include "framework/Reader.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace vur {
namespace {

std::vector<std::uint8_t> Write(TComponent& Component) {
    TMemoryStream Stream;
    WriteComponentToStream(Stream, Component);
    return Stream.Data();
}

void Read(const std::vector<std::uint8_t>& Bytes, TComponent& Component) {
    TCustomMemoryStream Stream(Bytes);
    ReadComponentFromStream(Stream, Component);
}

// A chart with three series, custom axes, titles and changed colours.
void Configure(TChart& Chart) {
    Chart.SetName("Sales");
    Chart.SetBounds(0, 0, 480, 320);
    Chart.SetView3D(false);
    Chart.SetColor(clWhite);
    Chart.GetTitle()->SetCaption("Sales by hour");
    Chart.GetTitle()->GetFont()->SetColor(clNavy);
    Chart.GetSubTitle()->GetText()->SetText("first line\r\nsecond line");
    Chart.GetFoot()->SetCaption("source: test");
    Chart.GetFoot()->SetAlignment(taLeftJustify);
    Chart.GetLegend()->SetVisible(false);
    Chart.GetBackWall()->SetColor(clYellow);
    Chart.GetBackWall()->SetTransparent(false);
    Chart.SetMarginLeft(8);
    Chart.SetBevelOuter(bvNone);
    Chart.GetView3DOptions()->SetRotation(30);
    Chart.GetZoom()->SetAnimated(true);
    Chart.GetZoom()->GetPen()->SetColor(clRed);
    Chart.GetZoom()->GetBrush()->GetGradient()->SetVisible(true);
    Chart.GetTitle()->GetGradient()->SetVisible(true);
    Chart.GetTitle()->GetGradient()->SetEndColor(clSilver);
    Chart.GetTitle()->GetShadow()->SetSize(4);
    Chart.GetGradient()->SetVisible(true);
    Chart.GetGradient()->SetMidColor(clAqua);
    Chart.GetGradient()->SetDirection(gdLeftRight);
    Chart.GetFoot()->GetFont()->GetGradient()->SetOutline(true);
    Chart.GetLeftAxis()->SetMinMax(-10, 110);
    Chart.GetLeftAxis()->GetGrid()->SetColor(clGreen);
    Chart.GetLeftAxis()->GetTitle()->SetCaption("Units");
    Chart.GetLeftAxis()->SetAxisValuesFormat("0.0");
    Chart.GetBottomAxis()->GetLabelsFont()->SetColor(clMaroon);
    Chart.GetBottomAxis()->GetLabelsFont()->SetStyle(fsBold);
    Chart.GetBottomAxis()->GetItems()->Add(2, "two");
    Chart.GetBottomAxis()->GetItems()->Add(5);
    Chart.GetTopAxis()->SetVisible(false);
    TChartAxis* Right = Chart.GetCustomAxes()->Add();
    Right->SetOtherSide(true);
    Right->SetStartPosition(50);
    Right->GetAxis()->SetColor(clBlue);
    TChartAxis* Top = Chart.GetCustomAxes()->Add();
    Top->SetHorizontal(true);
    Top->SetEndPosition(60);
}

void AddSeries(TChart& Chart, TComponent* Owner) {
    auto* First = new TLineSeries(Owner);
    First->SetName("Revenue");
    First->SetParentChart(&Chart);
    First->SetSeriesColor(clBlue);
    First->SetTitle("revenue");
    First->GetPointer()->SetVisible(true);
    First->GetPointer()->SetStyle(psCircle);
    First->GetPointer()->SetTransparency(40);
    First->GetPointer()->GetGradient()->SetVisible(true);
    auto* Second = new TLineSeries(Owner);
    Second->SetName("Costs");
    Second->SetParentChart(&Chart);
    Second->SetStairs(true);
    Second->GetLinePen()->SetWidth(3);
    Second->SetCustomVertAxis(Chart.GetCustomAxes()->Get(0));
    Second->SetIdentifier("costs");
    Second->SetStyleFlags(5);
    Second->GetMarks()->SetVisible(true);
    Second->GetMarks()->Items().Get(1)->Text = {"peak", "of the day"};
    auto* Third = new TLineSeries(Owner);
    Third->SetName("Margin");
    Third->SetParentChart(&Chart);
    Third->SetColorEachPoint(true);
    Third->SetHorizAxis(aTopAxis);
    Third->GetXValues()->SetDateTime(true);
    Third->SetValueFormat("0.00");
}

void AddPoints(TChart& Chart) {
    for (int S = 0; S < Chart.SeriesCount(); ++S)
        for (int I = 0; I < 8; ++I) Chart.GetSeries(S)->AddXY(I, (I * 37 + S * 11) % 100);
}

TEST(ChartStream, AChartAtItsDefaultsStoresOnlyItsPlace) {
    TChart Chart(nullptr);
    const std::string Text = BinaryToText(Write(Chart));
    EXPECT_EQ(Text, "TChart \"\" {\n  Left = 0\n  Top = 0\n  Width = 400\n  Height = 250\n}\n");
    // A fresh line series stores what the stored form's series does, less its date-time and format.
    TChart Holder(nullptr);
    auto* Series = new TLineSeries(&Holder);
    Series->SetName("S");
    Series->SetParentChart(&Holder);
    const std::string WithSeries = BinaryToText(Write(Holder));
    EXPECT_NE(WithSeries.find("  TLineSeries S {\n"
                              "    Marks.Callout.Brush.Color = clBlack\n"
                              "    Marks.Visible = False\n"
                              "    Pointer.InflateMargins = True\n"
                              "    Pointer.Style = psRectangle\n"
                              "    Pointer.Visible = False\n"
                              "    XValues.Name = \"X\"\n"
                              "    XValues.Order = loAscending\n"
                              "    YValues.Name = \"Y\"\n"
                              "    YValues.Order = loNone\n"
                              "  }\n"),
              std::string::npos)
        << WithSeries;
}

TEST(ChartStream, AConfiguredChartSurvivesWriterReaderWriter) {
    TComponent Owner(nullptr);
    auto* Chart = new TChart(&Owner);
    Configure(*Chart);
    AddSeries(*Chart, &Owner);
    const std::vector<std::uint8_t> Stored = Write(*Chart);

    TComponent OtherOwner(nullptr);
    auto* Copy = new TChart(&OtherOwner);
    Read(Stored, *Copy);
    EXPECT_EQ(Write(*Copy), Stored) << BinaryToText(Write(*Copy)) << "\n---\n" << BinaryToText(Stored);

    // What came back is what was set.
    ASSERT_EQ(Copy->SeriesCount(), 3);
    EXPECT_EQ(Copy->GetName(), "Sales");
    EXPECT_EQ(Copy->GetSubTitle()->GetText()->Count(), 2);
    EXPECT_EQ(Copy->GetLeftAxis()->GetMinimum(), -10);
    EXPECT_FALSE(Copy->GetLeftAxis()->GetAutomatic());
    ASSERT_EQ(Copy->GetCustomAxes()->Count(), 2);
    EXPECT_TRUE(Copy->GetCustomAxes()->Get(1)->GetHorizontal());
    EXPECT_EQ(Copy->GetBottomAxis()->GetItems()->Count(), 2);
    const auto* Costs = Copy->GetSeries(1);
    EXPECT_EQ(Costs->GetName(), "Costs");
    EXPECT_EQ(Costs->GetCustomVertAxis(), Copy->GetCustomAxes()->Get(0));
    EXPECT_EQ(Costs->GetIdentifier(), "costs");
    EXPECT_EQ(Costs->GetStyleFlags(), 5);
    ASSERT_NE(Costs->GetMarks()->Items().Find(1), nullptr);
    EXPECT_EQ(Costs->GetMarks()->Items().Find(1)->Text, (std::vector<std::string>{"peak", "of the day"}));
    EXPECT_EQ(Copy->GetSeries(0)->GetSeriesColor(), clBlue);
    // The automatic colours come back the same: taken again in the same order.
    EXPECT_EQ(Copy->GetSeries(2)->GetSeriesColor(), Chart->GetSeries(2)->GetSeriesColor());
    // The text form carries it too.
    const std::string Text = BinaryToText(Stored);
    EXPECT_EQ(TextToBinary(Text), Stored);

    // Given the same points, both paint the same picture.
    AddPoints(*Chart);
    AddPoints(*Copy);
    const auto Original = Chart->VurCreateBitmap(clWhite, Rect(0, 0, 480, 320));
    const auto Again = Copy->VurCreateBitmap(clWhite, Rect(0, 0, 480, 320));
    EXPECT_TRUE(Original->GetImage() == Again->GetImage());
}

TEST(ChartStream, OlderAndCustomStoredPropertiesAreRead) {
    std::vector<std::string> Shown;
    const TShowMessageHandler Saved =
        SetShowMessageHandler([&](const std::string& Text) { Shown.push_back(Text); });
    TComponent Owner(nullptr);
    auto* Chart = new TChart(&Owner);
    Read(TextToBinary(R"(TChart Old {
  BackColor = clAqua
  AllowZoom = False
  AnimatedZoom = True
  AnimatedZoomSteps = 4
  ColorPaletteIndex = 0
  TLineSeries S1 {
    XValues.Multiplier = 1.0
    YValues.Multiplier = 2.5
  }
}
)"),
         *Chart);
    SetShowMessageHandler(Saved);
    EXPECT_EQ(Chart->GetBackWall()->GetColor(), clAqua);
    EXPECT_FALSE(Chart->GetZoom()->GetAllow());
    EXPECT_TRUE(Chart->GetZoom()->GetAnimated());
    EXPECT_EQ(Chart->GetZoom()->GetAnimatedSteps(), 4);
    // Only a multiplier other than 1 is reported; reading goes on.
    EXPECT_EQ(Shown, std::vector<std::string>{"Error: Multiplier property is obsolete.\rModify VurDefs.inc "
                                              "(enable Multiplier) and recompile."});
    ASSERT_EQ(Chart->SeriesCount(), 1);
    // None of the older names is written back.
    const std::string Text = BinaryToText(Write(*Chart));
    for (const char* Name : {"BackColor", "AllowZoom", "Multiplier", "ColorPaletteIndex"})
        EXPECT_EQ(Text.find(Name), std::string::npos) << Name;
    EXPECT_NE(Text.find("BackWall.Color = clAqua"), std::string::npos);
}

TEST(ChartStream, ACustomAxisIndexBeyondTheChartsAxesIsRefused) {
    TComponent Owner(nullptr);
    auto* Chart = new TChart(&Owner);
    try {
        Read(TextToBinary("TChart C {\n  TLineSeries S {\n    CustomVertAxis = 3\n  }\n}\n"), *Chart);
        FAIL() << "no error";
    } catch (const EReadError& E) {
        EXPECT_EQ(E.Message(), "Error reading S.CustomVertAxis: Invalid property value");
    }
    // The series failed half way and is gone.
    EXPECT_EQ(Chart->SeriesCount(), 0);
    EXPECT_EQ(Chart->ComponentCount(), 0);
}

// Every object reachable through published object properties, with its path.
void Reachable(TPersistent& Object, const std::string& Path, std::set<std::string>& Undeclared) {
    const TClassInfo* Class = ClassInfoOf(Object);
    if (Class == nullptr) {
        Undeclared.insert(Path + " (" + Object.ClassName() + ")");
        return;
    }
    for (const TPropInfo* Property : Class->Properties()) {
        if (Property->Kind != tkClass) continue;
        if (Property->Role == orCollection) {
            for (int Index = 0; Index < Property->Collection.Count(Object); ++Index)
                Reachable(*Property->Collection.Item(Object, Index), Path + "." + Property->Name, Undeclared);
            continue;
        }
        if (Property->Role != orSubObject) continue;
        if (TPersistent* Sub = Property->GetObject(Object))
            Reachable(*Sub, Path + "." + Property->Name, Undeclared);
    }
}

TEST(ChartStream, EveryPublishedObjectOfAChartAndASeriesIsDeclared) {
    TComponent Owner(nullptr);
    auto* Chart = new TChart(&Owner);
    Configure(*Chart);
    AddSeries(*Chart, &Owner);
    std::set<std::string> Undeclared;
    Reachable(*Chart, "Chart", Undeclared);
    for (int Index = 0; Index < Chart->SeriesCount(); ++Index)
        Reachable(*Chart->GetSeries(Index), Chart->GetSeries(Index)->GetName(), Undeclared);
    EXPECT_TRUE(Undeclared.empty()) << *Undeclared.begin();
}

} // namespace
} // namespace vur
