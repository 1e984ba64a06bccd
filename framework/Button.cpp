#include "framework/Button.h"

namespace vur {

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) { SetBounds(0, 0, 75, 25); }

void TButton::CreateParams(ui::WindowParams& Params) {
    TWinControl::CreateParams(Params);
    Params.Kind = ui::wkButton;
}

void TButton::CommandNotify(std::uint16_t Code) {
    if (Code == ui::BN_CLICKED) Click();
}

} // namespace vur
