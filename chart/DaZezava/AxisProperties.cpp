// What an axis stores. Direction, side, visibility and depth differ between
// the six standard axes, so each is stored only when it departs from what
// the panel gave that axis (a custom axis starts vertical, on the near side,
// visible, at depth 0).
#include "chart/ChartClasses.h"
#include "chart/DaZezava/AxisPanel.h"
#include "framework/Published.h"

namespace vur {

namespace {
constexpr const char* LabelStyleNames[] = {"talAuto", "talNone", "talValue", "talMark", "talText"};
constexpr TTypeInfo TypeAxisLabelStyle = EnumTypeInfo("TAxisLabelStyle", LabelStyleNames);
constexpr const char* LabelAlignNames[] = {"alDefault", "alOpposite"};
constexpr TTypeInfo TypeAxisLabelAlign = EnumTypeInfo("TAxisLabelAlign", LabelAlignNames);

struct TAxisDefaults {
    bool Horizontal = false;
    bool OtherSide = false;
    bool Visible = true;
    double ZPosition = 0;
};

// Bottom, top, left, right, depth, depth top; then the custom axes.
TAxisDefaults DefaultsOf(const TChartAxis& Axis) {
    switch (Axis.GetParentChart()->GetAxes()->IndexOf(&Axis)) {
    case 0:
        return {true, false, true, 0};
    case 1:
        return {true, true, true, 100};
    case 3:
        return {false, true, true, 100};
    case 4:
        return {false, true, false, 0};
    case 5:
        return {false, false, false, 0};
    default:
        return {};
    }
}

TCollectionAccess ItemsAccess() {
    const auto Items = [](TPersistent& Axis) { return static_cast<TChartAxis&>(Axis).GetItems(); };
    return TCollectionAccess{
        .Count = [Items](TPersistent& Axis) { return Items(Axis)->Count(); },
        .Item = [Items](TPersistent& Axis, int Index) -> TPersistent* { return Items(Axis)->Get(Index); },
        .Clear = [Items](TPersistent& Axis) { Items(Axis)->Clear(); },
        .Add = [Items](TPersistent& Axis) -> TPersistent* { return Items(Axis)->Add(0); },
    };
}
} // namespace

void DeclareAxisProperties() {
    TDeclare<TChartAxisPen>("TChartAxisPen", "TChartPen")
        .Int("Width", &TChartAxisPen::GetWidth, &TChartAxisPen::SetWidth)
        .Default(2);
    TDeclare<TAxisGridPen>("TAxisGridPen", "TDottedGrayPen")
        .Bool("Centered", &TAxisGridPen::GetCentered, &TAxisGridPen::SetCentered)
        .Default(false)
        .Float("ZPosition", &TAxisGridPen::GetZPosition, &TAxisGridPen::SetZPosition)
        .NoDefault()
        .Stored(&TAxisGridPen::IsZPositionStored);
    using T = TChartAxisTitle;
    TDeclare<T>("TChartAxisTitle", "TPersistent")
        .Int("Angle", &T::GetAngle, &T::SetAngle)
        .Stored(&T::IsAngleStored)
        .String("Caption", &T::GetCaption, &T::SetCaption)
        .Object("Font", &T::GetFont)
        .Bool("Visible", &T::GetVisible, &T::SetVisible)
        .Default(true);
    using A = TChartAxis;
    TDeclare<A>("TChartAxis", "TPersistent")
        .Bool("Automatic", &A::GetAutomatic, &A::SetAutomatic)
        .Default(true)
        .Bool("AutomaticMaximum", &A::GetAutomaticMaximum, &A::SetAutomaticMaximum)
        .Default(true)
        .Bool("AutomaticMinimum", &A::GetAutomaticMinimum, &A::SetAutomaticMinimum)
        .Default(true)
        .Object("Axis", &A::GetAxis)
        .String("AxisValuesFormat", &A::GetAxisValuesFormat, &A::SetAxisValuesFormat)
        .NoDefault()
        .Stored(&A::IsAxisValuesFormatStored)
        .String("DateTimeFormat", &A::GetDateTimeFormat, &A::SetDateTimeFormat)
        .Float("EndPosition", &A::GetEndPosition, &A::SetEndPosition)
        .Default(100.0)
        .Bool("ExactDateTime", &A::GetExactDateTime, &A::SetExactDateTime)
        .Default(true)
        .Object("Grid", &A::GetGrid)
        // Held by the grid pen, which stores it.
        .Bool("GridCentered", &A::GetGridCentered, &A::SetGridCentered)
        .NotStored()
        .Bool("Horizontal", &A::GetHorizontal, &A::SetHorizontal)
        .Stored([](A& Axis) { return Axis.GetHorizontal() != DefaultsOf(Axis).Horizontal; })
        .Float("Increment", &A::GetIncrement, &A::SetIncrement)
        .Bool("Inverted", &A::GetInverted, &A::SetInverted)
        .Default(false)
        .Collection("Items", ItemsAccess())
        .Bool("Labels", &A::GetLabels, &A::SetLabels)
        .Default(true)
        .Enum<TAxisLabelAlign>("LabelsAlign", TypeAxisLabelAlign, &A::GetLabelsAlign, &A::SetLabelsAlign)
        .Default(alDefault)
        .Bool("LabelsAlternate", &A::GetLabelsAlternate, &A::SetLabelsAlternate)
        .Default(false)
        .Int("LabelsAngle", &A::GetLabelsAngle, &A::SetLabelsAngle)
        .Default(0)
        .Bool("LabelsExponent", &A::GetLabelsExponent, &A::SetLabelsExponent)
        .Default(false)
        .Object("LabelsFont", &A::GetLabelsFont)
        .Bool("LabelsMultiLine", &A::GetLabelsMultiLine, &A::SetLabelsMultiLine)
        .Default(false)
        .Bool("LabelsOnAxis", &A::GetLabelsOnAxis, &A::SetLabelsOnAxis)
        .Default(true)
        .Int("LabelsSeparation", &A::GetLabelsSeparation, &A::SetLabelsSeparation)
        .Default(10)
        .Int("LabelsSize", &A::GetLabelsSize, &A::SetLabelsSize)
        .Default(0)
        .Enum<TAxisLabelStyle>("LabelStyle", TypeAxisLabelStyle, &A::GetLabelStyle, &A::SetLabelStyle)
        .Default(talAuto)
        .Bool("Logarithmic", &A::GetLogarithmic, &A::SetLogarithmic)
        .Default(false)
        .Float("LogarithmicBase", &A::GetLogarithmicBase, &A::SetLogarithmicBase)
        .Default(10.0)
        .Float("Maximum", &A::GetMaximum, &A::SetMaximum)
        .Stored(&A::IsMaximumStored)
        .Int("MaximumOffset", &A::GetMaximumOffset, &A::SetMaximumOffset)
        .Default(0)
        .Float("Minimum", &A::GetMinimum, &A::SetMinimum)
        .Stored(&A::IsMinimumStored)
        .Int("MinimumOffset", &A::GetMinimumOffset, &A::SetMinimumOffset)
        .Default(0)
        .Object("MinorGrid", &A::GetMinorGrid)
        .Int("MinorTickCount", &A::GetMinorTickCount, &A::SetMinorTickCount)
        .Default(3)
        .Int("MinorTickLength", &A::GetMinorTickLength, &A::SetMinorTickLength)
        .Default(2)
        .Object("MinorTicks", &A::GetMinorTicks)
        .Bool("OtherSide", &A::GetOtherSide, &A::SetOtherSide)
        .Stored([](A& Axis) { return Axis.GetOtherSide() != DefaultsOf(Axis).OtherSide; })
        .Float("PositionPercent", &A::GetPositionPercent, &A::SetPositionPercent)
        .Enum<TVurUnits>("PositionUnits", TypeVurUnits, &A::GetPositionUnits, &A::SetPositionUnits)
        .Default(muPercent)
        .Bool("RoundFirstLabel", &A::GetRoundFirstLabel, &A::SetRoundFirstLabel)
        .Default(true)
        .Float("StartPosition", &A::GetStartPosition, &A::SetStartPosition)
        .Int("TickInnerLength", &A::GetTickInnerLength, &A::SetTickInnerLength)
        .Default(0)
        .Int("TickLength", &A::GetTickLength, &A::SetTickLength)
        .Default(4)
        .Bool("TickOnLabelsOnly", &A::GetTickOnLabelsOnly, &A::SetTickOnLabelsOnly)
        .Default(true)
        .Object("Ticks", &A::GetTicks)
        .Object("TicksInner", &A::GetTicksInner)
        .Object("Title", &A::GetTitle)
        .Int("TitleSize", &A::GetTitleSize, &A::SetTitleSize)
        .Default(0)
        .Bool("Visible", &A::GetVisible, &A::SetVisible)
        .Stored([](A& Axis) { return Axis.GetVisible() != DefaultsOf(Axis).Visible; })
        .Float("ZPosition", &A::GetZPosition, &A::SetZPosition)
        .NoDefault()
        .Stored([](A& Axis) { return Axis.GetZPosition() != DefaultsOf(Axis).ZPosition; });
    TDeclare<TChartDepthAxis>("TChartDepthAxis", "TChartAxis");
}

} // namespace vur
