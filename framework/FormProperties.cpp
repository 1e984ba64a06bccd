// What a form stores: caption, colour, font and the design-time facts its
// layout is scaled by.
#include "framework/Form.h"
#include "framework/FrameworkClasses.h"
#include "framework/Published.h"
#include "framework/Reader.h"
#include "framework/Writer.h"

namespace vur {

namespace {
constexpr const char* WindowStateNames[] = {"wsNormal", "wsMinimized", "wsMaximized"};
constexpr TTypeInfo TypeWindowState = EnumTypeInfo("TWindowState", WindowStateNames);
} // namespace

void DeclareFormProperties() {
    TDeclare<TCustomForm>("TCustomForm", "TWinControl");
    TDeclare<TForm>("TForm", "TCustomForm")
        .String("Caption", &TForm::GetCaption, &TForm::SetCaption)
        .Color("Color", &TForm::GetColor, &TForm::SetColor)
        .Object("Font", &TForm::GetFont)
        .Bool("OldCreateOrder", &TForm::GetOldCreateOrder, &TForm::SetOldCreateOrder)
        .Bool("Visible", &TForm::GetVisible, &TForm::SetVisible)
        .Default(false)
        .Enum<TWindowState>("WindowState", TypeWindowState, &TForm::GetWindowState, &TForm::SetWindowState)
        .Default(wsNormal)
        .Event("OnClick", &TForm::OnClick)
        .Event("OnClose", &TForm::OnClose)
        .Event("OnCloseQuery", &TForm::OnCloseQuery)
        .Event("OnCreate", &TForm::OnCreate)
        .Event("OnDestroy", &TForm::OnDestroy)
        .DefineProperty(
            "PixelsPerInch", [](TReader& R, TForm& F) { F.SetPixelsPerInch(R.ReadInteger()); },
            [](TWriter& W, TForm& F) { W.WriteInteger(F.GetPixelsPerInch()); })
        .DefineProperty(
            "TextHeight", [](TReader& R, TForm& F) { F.SetTextHeight(R.ReadInteger()); },
            [](TWriter& W, TForm& F) { W.WriteInteger(F.GetTextHeight()); });
}

} // namespace vur
