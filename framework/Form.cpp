#include "framework/Form.h"

#include "framework/Application.h"
#include "framework/Reader.h"

namespace vur {

namespace {
// Posted to a form by Release; handled by destroying the form.
constexpr std::uint32_t CM_RELEASE = ui::WM_USER + 0x7C21;

// The height of a line of text in Font at its own pixel height.
int LineHeightOf(const TFont& Font) {
    TBitmap Probe(1, 1);
    TFont* Measured = Probe.GetCanvas()->GetFont();
    Measured->Assign(&Font);
    // Assign keeps the point size across resolutions; the pixels are what count here.
    Measured->SetHeight(Font.GetHeight());
    return Probe.GetCanvas()->TextHeight("0");
}

void ScaleBounds(TControl& Control, int M, int D) {
    Control.SetBounds(MulDiv(Control.GetLeft(), M, D), MulDiv(Control.GetTop(), M, D),
                      MulDiv(Control.GetWidth(), M, D), MulDiv(Control.GetHeight(), M, D));
}

void ScaleControls(const TWinControl& Parent, int M, int D) {
    for (int Index = 0; Index < Parent.ControlCount(); ++Index) {
        TControl* Child = Parent.Controls(Index);
        ScaleBounds(*Child, M, D);
        if (const auto* Inner = dynamic_cast<const TWinControl*>(Child)) ScaleControls(*Inner, M, D);
    }
}
} // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), FFont(std::make_unique<TFont>()) {
    FFont->OnChange = [this](TPersistent*) { Invalidate(); };
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() {
    if (OnDestroy) OnDestroy(this);
    if (Application != nullptr) Application->FormDestroyed(this);
}

void TCustomForm::AfterConstruction() {
    if (OnCreate) OnCreate(this);
}

void TCustomForm::CreateParams(ui::WindowParams& Params) {
    TWinControl::CreateParams(Params);
    Params.Kind = ui::wkTopLevel;
    Params.Parent = ui::NoWindow;
    Params.Visible = false;
    Params.FontName = FFont->GetName();
    Params.FontHeight = FFont->GetHeight();
}

int TCustomForm::ShowCommand() const {
    switch (FWindowState) {
    case wsMaximized:
        return ui::SW_SHOWMAXIMIZED;
    case wsMinimized:
        return ui::SW_SHOWMINIMIZED;
    default:
        return ui::SW_SHOWNORMAL;
    }
}

void TCustomForm::VisibleChanged() {
    if (!GetVisible()) {
        TWinControl::VisibleChanged();
        return;
    }
    HandleNeeded();
    WindowSystem()->ShowWindow(GetHandle(), ShowCommand());
}

void TCustomForm::SetWindowState(TWindowState Value) {
    if (FWindowState == Value) return;
    FWindowState = Value;
    if (HandleAllocated() && GetVisible()) WindowSystem()->ShowWindow(GetHandle(), ShowCommand());
}

void TCustomForm::ScaleToScreen() {
    const ui::WindowSystem* System = ui::CurrentWindowSystem();
    const int Screen = System != nullptr ? System->ScreenPixelsPerInch() : DefaultPixelsPerInch;
    // A resolution of nothing describes no screen; there is nothing to scale by.
    if (Screen <= 0 || FPixelsPerInch <= 0 || Screen == FPixelsPerInch) return;
    FFont->SetHeight(MulDiv(FFont->GetHeight(), Screen, FPixelsPerInch));
    FFont->SetPixelsPerInch(Screen);
    FPixelsPerInch = Screen;
    const int Now = LineHeightOf(*FFont);
    if (FTextHeight <= 0 || Now <= 0 || Now == FTextHeight) return;
    ScaleBounds(*this, Now, FTextHeight);
    ScaleControls(*this, Now, FTextHeight);
    FTextHeight = Now;
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    TWinControl::GetChildren(Proc, Root);
    if (Root != this) return;
    for (int Index = 0; Index < ComponentCount(); ++Index)
        if (!Components(Index)->HasParent()) Proc(Components(Index));
}

void TCustomForm::ReadState(TReader& Reader) {
    TWinControl::ReadState(Reader);
    ScaleToScreen();
}

void TCustomForm::InitInheritedComponent() {
    if (ClassName() == "TForm") return;
    ReadComponentRes(ClassName(), *this);
}

bool TCustomForm::CloseQuery() {
    bool CanClose = true;
    if (OnCloseQuery) OnCloseQuery(this, CanClose);
    return CanClose;
}

void TCustomForm::Close() {
    if (!CloseQuery()) return;
    TCloseAction Action = caHide;
    if (OnClose) OnClose(this, Action);
    if (Action == caNone) return;
    if (Application != nullptr && Application->GetMainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (Action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    default:
        Release();
        break;
    }
}

void TCustomForm::Release() {
    HandleNeeded();
    WindowSystem()->PostMessage(ui::Message{GetHandle(), CM_RELEASE, 0, 0});
}

void TCustomForm::WndProc(const ui::Message& Msg) {
    switch (Msg.Msg) {
    case ui::WM_CLOSE:
        Close();
        break;
    case CM_RELEASE:
        delete this;
        break;
    default:
        TWinControl::WndProc(Msg);
        break;
    }
}

} // namespace vur
