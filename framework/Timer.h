// The timer component: OnTimer every Interval milliseconds while Enabled,
// driven by a platform timer on a private message window.
#pragma once

#include "framework/Classes.h"
#include "platform/ui/WindowSystem.h"

namespace vur {

class TTimer : public TComponent, private ui::MessageHandler {
public:
    // Creates the private window on the process-wide window system; raises
    // EInvalidOperation when none is installed.
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    std::string ClassName() const override { return "TTimer"; }

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    unsigned GetInterval() const { return FInterval; }
    void SetInterval(unsigned Value);
    const TNotifyEvent& GetOnTimer() const { return FOnTimer; }
    // Handlers cannot be compared, so every assignment re-arms.
    void SetOnTimer(TNotifyEvent Value);

    // The private window that receives the timer messages.
    ui::WindowHandle GetWindowHandle() const { return FWindowHandle; }

protected:
    virtual void Timer();

private:
    // Kills the platform timer, then starts it again when it should run; raises
    // EOutOfResources "Not enough timers available" when none can be had.
    void UpdateTimer();
    std::intptr_t HandleMessage(const ui::Message& Msg) override;

    ui::WindowSystem* FWindowSystem = nullptr;
    ui::WindowHandle FWindowHandle = ui::NoWindow;
    unsigned FInterval = 1000;
    bool FEnabled = true;
    TNotifyEvent FOnTimer;
};

} // namespace vur
