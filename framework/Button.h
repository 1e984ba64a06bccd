// The push button: a caption, and OnClick when the user presses it.
#pragma once

#include "framework/Controls.h"

namespace vur {

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* AOwner);
    std::string ClassName() const override { return "TButton"; }

protected:
    void CreateParams(ui::WindowParams& Params) override;
    void CommandNotify(std::uint16_t Code) override;
};

} // namespace vur
