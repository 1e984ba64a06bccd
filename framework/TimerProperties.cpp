// What a timer stores; its design-time place comes from the component.
#include "framework/FrameworkClasses.h"
#include "framework/Published.h"
#include "framework/Timer.h"

#include <limits>

namespace vur {

namespace {
constexpr TTypeInfo TypeInterval = IntegerTypeInfo("Cardinal", 0, std::numeric_limits<std::uint32_t>::max());
} // namespace

void DeclareTimerProperties() {
    TDeclare<TTimer>("TTimer", "TComponent")
        .Bool("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled)
        .Default(true)
        .Ordinal<unsigned>("Interval", TypeInterval, &TTimer::GetInterval, &TTimer::SetInterval)
        .Default(1000)
        .EventAccess<void(TPersistent*)>("OnTimer", &TTimer::GetOnTimer, &TTimer::SetOnTimer)
        .Creatable();
}

} // namespace vur
