// What a series stores besides its points: the published settings, and the
// custom properties "Identifier", "Style" and, for a series on a custom
// axis, "CustomHorizAxis" and "CustomVertAxis" (the axis' index among the
// chart's custom axes); its sources ("DataSource", and "DataSources" by name
// when there are more) and its points ("Data").
#include "chart/ChartClasses.h"
#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Series.h"
#include "framework/Exceptions.h"
#include "framework/Published.h"
#include "framework/Reader.h"
#include "framework/Streams.h"
#include "framework/Writer.h"

namespace vur {

namespace {
constexpr const char* HorizAxisNames[] = {"aTopAxis", "aBottomAxis", "aBothHorizAxis", "aCustomHorizAxis"};
constexpr TTypeInfo TypeHorizAxis = EnumTypeInfo("THorizAxis", HorizAxisNames);
constexpr const char* VertAxisNames[] = {"aLeftAxis", "aRightAxis", "aBothVertAxis", "aCustomVertAxis"};
constexpr TTypeInfo TypeVertAxis = EnumTypeInfo("TVertAxis", VertAxisNames);
constexpr const char* RecalcNames[] = {"rOnDelete", "rOnModify", "rOnInsert", "rOnClear"};
constexpr TTypeInfo RecalcOption = EnumTypeInfo("TSeriesRecalcOption", RecalcNames);
constexpr TTypeInfo TypeRecalcOptions = SetTypeInfo("TSeriesRecalcOptions", &RecalcOption);

// The index of Axis among the custom axes of the series' chart, or -1.
int CustomAxisIndex(const TChartSeries& Series, const TChartAxis* Axis) {
    const TCustomAxisPanel* Chart = Series.GetParentChart();
    if (Chart == nullptr || Axis == nullptr) return -1;
    for (int Index = 0; Index < Chart->GetCustomAxes()->Count(); ++Index)
        if (Chart->GetCustomAxes()->Get(Index) == Axis) return Index;
    return -1;
}

TChartAxis* ReadCustomAxis(TReader& Reader, const TChartSeries& Series) {
    const int Index = Reader.ReadInteger();
    const TCustomAxisPanel* Chart = Series.GetParentChart();
    if (Chart == nullptr || Index < 0 || Index >= Chart->GetCustomAxes()->Count())
        throw EReadError("Invalid property value");
    return Chart->GetCustomAxes()->Get(Index);
}
} // namespace

void DeclareSeriesProperties() {
    TDeclare<TCustomChartElement>("TCustomChartElement", "TComponent")
        .Bool("Active", &TCustomChartElement::GetActive, &TCustomChartElement::SetActive)
        .Default(true);
    using C = TCustomChartSeries;
    TDeclare<C>("TCustomChartSeries", "TCustomChartElement")
        .Bool("ShowInLegend", &C::GetShowInLegend, &C::SetShowInLegend)
        .Default(true)
        .String("Title", &C::GetTitle, &C::SetTitle)
        .DefineProperty(
            "Identifier", [](TReader& R, C& S) { S.SetIdentifier(R.ReadString()); },
            [](TWriter& W, C& S) { W.WriteString(S.GetIdentifier()); },
            [](C& S) { return !S.GetIdentifier().empty(); })
        .DefineProperty(
            "Style", [](TReader& R, C& S) { S.SetStyleFlags(static_cast<std::uint8_t>(R.ReadInteger())); },
            [](TWriter& W, C& S) { W.WriteInteger(S.GetStyleFlags()); },
            [](C& S) { return S.GetStyleFlags() != 0; });
    using S = TChartSeries;
    TDeclare<S>("TChartSeries", "TCustomChartSeries")
        .Bool("ColorEachPoint", &S::GetColorEachPoint, &S::SetColorEachPoint)
        .Default(false)
        .Ordinal<int>("Cursor", TypeCursor, &S::GetCursor, &S::SetCursor)
        .Default(0)
        .Int("Depth", &S::GetDepth, &S::SetDepth)
        .Default(-1)
        .Enum<THorizAxis>("HorizAxis", TypeHorizAxis, &S::GetHorizAxis, &S::SetHorizAxis)
        .Default(aBottomAxis)
        .Object("Marks", &S::GetMarks)
        .String("PercentFormat", &S::GetPercentFormat, &S::SetPercentFormat)
        .NoDefault()
        .Stored(&S::IsPercentFormatStored)
        .Ordinal<TSeriesRecalcOptions>("RecalcOptions", TypeRecalcOptions, &S::GetRecalcOptions,
                                       &S::SetRecalcOptions)
        .Default(AllRecalcOptions)
        .Color("SeriesColor", &S::GetSeriesColor, &S::SetSeriesColor)
        .Stored(&S::IsColorStored)
        .String("ValueFormat", &S::GetValueFormat, &S::SetValueFormat)
        .NoDefault()
        .Stored(&S::IsValueFormatStored)
        .Enum<TVertAxis>("VertAxis", TypeVertAxis, &S::GetVertAxis, &S::SetVertAxis)
        .Default(aLeftAxis)
        .Object("XValues", &S::GetXValues)
        .Object("YValues", &S::GetYValues)
        .Event("AfterDrawValues", &S::AfterDrawValues)
        .Event("BeforeDrawValues", &S::BeforeDrawValues)
        .Event("OnAfterAdd", &S::OnAfterAdd)
        .Event("OnBeforeAdd", &S::OnBeforeAdd)
        .Event("OnClearValues", &S::OnClearValues)
        .DefineProperty(
            "CustomHorizAxis",
            [](TReader& R, S& Series) { Series.SetCustomHorizAxis(ReadCustomAxis(R, Series)); },
            [](TWriter& W, S& Series) {
                W.WriteInteger(CustomAxisIndex(Series, Series.GetCustomHorizAxis()));
            },
            [](S& Series) { return CustomAxisIndex(Series, Series.GetCustomHorizAxis()) >= 0; })
        .DefineProperty(
            "CustomVertAxis",
            [](TReader& R, S& Series) { Series.SetCustomVertAxis(ReadCustomAxis(R, Series)); },
            [](TWriter& W, S& Series) {
                W.WriteInteger(CustomAxisIndex(Series, Series.GetCustomVertAxis()));
            },
            [](S& Series) { return CustomAxisIndex(Series, Series.GetCustomVertAxis()) >= 0; })
        .Reference<TComponent>("DataSource", &S::GetDataSource, &S::SetDataSource)
        .DefineProperty(
            "DataSources",
            [](TReader& R, S& Series) {
                std::vector<std::string> Names;
                R.ReadListBegin();
                while (!R.EndOfList()) Names.push_back(R.ReadString());
                R.ReadListEnd();
                Series.SetDataSourceNames(std::move(Names));
            },
            [](TWriter& W, S& Series) {
                W.WriteListBegin();
                for (const TComponent* Source : Series.GetDataSources()) W.WriteString(Source->GetName());
                W.WriteListEnd();
            },
            [](S& Series) { return Series.GetDataSources().size() > 1; })
        .DefineBinaryProperty(
            "Data", [](TStream& Stream, S& Series) { Series.ReadData(Stream); },
            [](TStream& Stream, S& Series) { Series.WriteData(Stream); },
            [](S& Series) { return Series.IsDataStored(); });
}

} // namespace vur
