#include "framework/Timer.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"

namespace vur {

namespace {
constexpr std::uintptr_t TimerId = 1;
} // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    FWindowSystem = ui::CurrentWindowSystem();
    if (FWindowSystem == nullptr) throw EInvalidOperation("No window system is available for a timer");
    ui::WindowParams Params;
    Params.Kind = ui::wkMessageOnly;
    FWindowHandle = FWindowSystem->CreateWindow(Params, this);
    if (FWindowHandle == ui::NoWindow) throw EOutOfResources("Error creating window");
}

TTimer::~TTimer() {
    FEnabled = false;
    FWindowSystem->KillTimer(FWindowHandle, TimerId);
    FWindowSystem->DestroyWindow(FWindowHandle);
}

void TTimer::UpdateTimer() {
    FWindowSystem->KillTimer(FWindowHandle, TimerId);
    if (FInterval != 0 && FEnabled && FOnTimer) {
        if (!FWindowSystem->SetTimer(FWindowHandle, TimerId, FInterval))
            throw EOutOfResources("Not enough timers available");
    }
}

void TTimer::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
    if (FInterval == Value) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
    FOnTimer = std::move(Value);
    UpdateTimer();
}

void TTimer::Timer() {
    if (FOnTimer) FOnTimer(this);
}

std::intptr_t TTimer::HandleMessage(const ui::Message& Msg) {
    if (Msg.Msg != ui::WM_TIMER || Msg.WParam != TimerId) return 0;
    try {
        Timer();
    } catch (...) {
        if (Application == nullptr) throw;
        Application->HandleException(this);
    }
    return 0;
}

} // namespace vur
