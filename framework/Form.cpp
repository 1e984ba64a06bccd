#include "framework/Form.h"

#include "framework/Application.h"

namespace vur {

namespace {
// Posted to a form by Release; handled by destroying the form.
constexpr std::uint32_t CM_RELEASE = ui::WM_USER + 0x7C21;
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
