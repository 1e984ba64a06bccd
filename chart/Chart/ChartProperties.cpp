// What a chart stores: the panel, axis and chart settings it publishes (in
// name order, the control's own after them), and the custom properties:
// "ColorPaletteIndex" when a palette was applied, and the older names it
// still reads ("BackColor", "AllowZoom", "AnimatedZoom", "AnimatedZoomSteps").
#include "chart/Chart/Chart.h"
#include "chart/ChartClasses.h"
#include "framework/Published.h"
#include "framework/Reader.h"
#include "framework/Writer.h"

namespace vur {

namespace {
constexpr const char* PanningNames[] = {"pmNone", "pmHorizontal", "pmVertical", "pmBoth"};
constexpr TTypeInfo TypePanningMode = EnumTypeInfo("TPanningMode", PanningNames);
constexpr const char* BackImageModeNames[] = {"pbmStretch", "pbmTile", "pbmCenter", "pbmCustom"};
constexpr TTypeInfo TypeBackImageMode = EnumTypeInfo("TVurBackImageMode", BackImageModeNames);

TCustomChart& Chart(TPersistent& Object) { return static_cast<TCustomChart&>(Object); }

TCollectionAccess CustomAxesAccess() {
    return TCollectionAccess{
        .Count = [](TPersistent& C) { return Chart(C).GetCustomAxes()->Count(); },
        .Item = [](TPersistent& C, int Index) -> TPersistent* {
            return Chart(C).GetCustomAxes()->Get(Index);
        },
        .Clear = [](TPersistent& C) { Chart(C).GetCustomAxes()->Clear(); },
        .Add = [](TPersistent& C) -> TPersistent* { return Chart(C).GetCustomAxes()->Add(); },
    };
}

TColor ReadColor(TReader& Reader) {
    if (Reader.NextValue() != vaIdent) return static_cast<TColor>(Reader.ReadInteger());
    const auto Value = IdentToInt(TypeColor, Reader.ReadIdent());
    if (!Value) throw EReadError("Invalid property value");
    return static_cast<TColor>(static_cast<std::int32_t>(*Value));
}
} // namespace

void DeclareChartProperties() {
    using C = TCustomChart;
    TDeclare<C>("TCustomChart", "TCustomAxisPanel");
    TDeclare<TChart>("TChart", "TCustomChart")
        .Enum<TPanningMode>("AllowPanning", TypePanningMode, &C::GetAllowPanning, &C::SetAllowPanning)
        .Default(pmBoth)
        .Bool("AxisBehind", &C::GetAxisBehind, &C::SetAxisBehind)
        .Default(true)
        .Bool("AxisVisible", &C::GetAxisVisible, &C::SetAxisVisible)
        .Default(true)
        .Object("BackImage", &C::GetBackImage)
        .Bool(
            "BackImageInside", [](C& Ch) { return Ch.GetBackImage()->GetInside(); },
            [](C& Ch, bool Value) { Ch.GetBackImage()->SetInside(Value); })
        .Default(false)
        .Enum<TVurBackImageMode>(
            "BackImageMode", TypeBackImageMode, [](C& Ch) { return Ch.GetBackImage()->GetMode(); },
            [](C& Ch, TVurBackImageMode Value) { Ch.GetBackImage()->SetMode(Value); })
        .Default(pbmStretch)
        .Bool(
            "BackImageTransp", [](C& Ch) { return Ch.GetBackImage()->GetTransparent(); },
            [](C& Ch, bool Value) { Ch.GetBackImage()->SetTransparent(Value); })
        .Default(false)
        .Object("BackWall", &C::GetBackWall)
        .Enum<TBevelCut>("BevelInner", TypeBevelCut, &C::GetBevelInner, &C::SetBevelInner)
        .Default(bvNone)
        .Enum<TBevelCut>("BevelOuter", TypeBevelCut, &C::GetBevelOuter, &C::SetBevelOuter)
        .Default(bvRaised)
        .Int("BevelWidth", &C::GetBevelWidth, &C::SetBevelWidth)
        .Default(1)
        .Object("Border", &C::GetBorder)
        .Int("BorderRound", &C::GetBorderRound, &C::SetBorderRound)
        .Default(0)
        .Int("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth)
        .Default(0)
        .Object("BottomAxis", &C::GetBottomAxis)
        .Object("BottomWall", &C::GetBottomWall)
        .Int("Chart3DPercent", &C::GetChart3DPercent, &C::SetChart3DPercent)
        .Default(15)
        .Bool("ClipPoints", &C::GetClipPoints, &C::SetClipPoints)
        .Default(true)
        .Color("Color", &C::GetColor, &C::SetColor)
        .Default(clBtnFace)
        .Collection("CustomAxes", CustomAxesAccess())
        .Object("DepthAxis", &C::GetDepthAxis)
        .Object("DepthTopAxis", &C::GetDepthTopAxis)
        .Object("Foot", &C::GetFoot)
        // The back wall's pen, stored there.
        .Object(
            "Frame", [](C& Ch) { return Ch.GetBackWall()->GetPen(); },
            [](C&) -> TPersistent* { return nullptr; })
        .Object("Gradient", &C::GetGradient, &C::FindGradient)
        .Object("LeftAxis", &C::GetLeftAxis)
        .Object("LeftWall", &C::GetLeftWall)
        .Object("Legend", &C::GetLegend)
        .Int("MarginBottom", &C::GetMarginBottom, &C::SetMarginBottom)
        .Default(4)
        .Int("MarginLeft", &C::GetMarginLeft, &C::SetMarginLeft)
        .Default(3)
        .Int("MarginRight", &C::GetMarginRight, &C::SetMarginRight)
        .Default(3)
        .Int("MarginTop", &C::GetMarginTop, &C::SetMarginTop)
        .Default(4)
        .Enum<TVurUnits>("MarginUnits", TypeVurUnits, &C::GetMarginUnits, &C::SetMarginUnits)
        .Default(muPercent)
        .Int("MaxPointsPerPage", &C::GetMaxPointsPerPage, &C::SetMaxPointsPerPage)
        .Default(0)
        .Int("Page", &C::GetPage, &C::SetPage)
        .Default(1)
        .Bool("PrintProportional", &C::GetPrintProportional, &C::SetPrintProportional)
        .Default(true)
        .Object("RightAxis", &C::GetRightAxis)
        .Object("RightWall", &C::GetRightWall)
        .Bool("ScaleLastPage", &C::GetScaleLastPage, &C::SetScaleLastPage)
        .Default(true)
        .Enum<TMouseButton>("ScrollMouseButton", TypeMouseButton, &C::GetScrollMouseButton,
                            &C::SetScrollMouseButton)
        .Default(mbRight)
        .Object("Shadow", &C::GetShadow)
        .Object("SubFoot", &C::GetSubFoot)
        .Object("SubTitle", &C::GetSubTitle)
        .Object("Title", &C::GetTitle)
        .Object("TopAxis", &C::GetTopAxis)
        .Bool("View3D", &C::GetView3D, &C::SetView3D)
        .Default(true)
        .Object("View3DOptions", &C::GetView3DOptions)
        .Bool("View3DWalls", &C::GetView3DWalls, &C::SetView3DWalls)
        .Default(true)
        .Object("Zoom", &C::GetZoom)
        // The control's own.
        .Int("TabOrder", &C::GetTabOrder, &C::SetTabOrder)
        .Default(-1)
        .Bool("Visible", &C::GetVisible, &C::SetVisible)
        .Default(true)
        .Event("OnAfterDraw", &C::OnAfterDraw)
        .Event("OnAllowScroll", &C::OnAllowScroll)
        .Event("OnBeforeDrawAxes", &C::OnBeforeDrawAxes)
        .Event("OnBeforeDrawChart", &C::OnBeforeDrawChart)
        .Event("OnBeforeDrawSeries", &C::OnBeforeDrawSeries)
        .Event("OnClick", &C::OnClick)
        .Event("OnClickAxis", &C::OnClickAxis)
        .Event("OnClickBackground", &C::OnClickBackground)
        .Event("OnClickLegend", &C::OnClickLegend)
        .Event("OnClickSeries", &C::OnClickSeries)
        .Event("OnClickTitle", &C::OnClickTitle)
        .Event("OnGetAxisLabel", &C::OnGetAxisLabel)
        .Event("OnGetNextAxisLabel", &C::OnGetNextAxisLabel)
        .Event("OnMouseDown", &C::OnMouseDown)
        .Event("OnMouseMove", &C::OnMouseMove)
        .Event("OnMouseUp", &C::OnMouseUp)
        .Event("OnScroll", &C::OnScroll)
        .Event("OnUndoZoom", &C::OnUndoZoom)
        .Event("OnZoom", &C::OnZoom)
        .DefineProperty(
            "ColorPaletteIndex", [](TReader& R, C& Ch) { Ch.ReadColorPaletteIndex(R.ReadInteger()); },
            [](TWriter& W, C& Ch) { W.WriteInteger(Ch.GetColorPaletteIndex()); },
            [](C& Ch) { return Ch.GetColorPaletteIndex() > 0; })
        .DefineProperty(
            "BackColor",
            [](TReader& R, C& Ch) {
                Ch.GetWalls()->ReadBackColor(ReadColor(R),
                                             Ch.GetParent() != nullptr && !Ch.HasState(csLoading));
            },
            nullptr)
        .DefineProperty(
            "AllowZoom", [](TReader& R, C& Ch) { Ch.ReadAllowZoom(R.ReadBoolean()); }, nullptr)
        .DefineProperty(
            "AnimatedZoom", [](TReader& R, C& Ch) { Ch.ReadAnimatedZoom(R.ReadBoolean()); }, nullptr)
        .DefineProperty(
            "AnimatedZoomSteps", [](TReader& R, C& Ch) { Ch.ReadAnimatedZoomSteps(R.ReadInteger()); },
            nullptr)
        .Creatable();
}

} // namespace vur
