// A clock that moves only when told to: tests and the headless window system
// set it, step it forwards and backwards, and choose the local time zone.
#pragma once

#include "platform/sys/Clock.h"

namespace vur::sys {

class ManualClock final : public Clock {
public:
    // Starts at the given UTC time with local time equal to UTC.
    explicit ManualClock(const SystemTime& Utc = SystemTime{}) : FUtcMs(ToUnixMilliseconds(Utc)) {}

    SystemTime LocalTime() const override { return FromUnixMilliseconds(FUtcMs + FOffsetMs); }
    SystemTime UtcTime() const override { return FromUnixMilliseconds(FUtcMs); }

    void SetUtcTime(const SystemTime& Utc) { FUtcMs = ToUnixMilliseconds(Utc); }
    void SetLocalTime(const SystemTime& Local) { FUtcMs = ToUnixMilliseconds(Local) - FOffsetMs; }
    // Local time = UTC + Minutes.
    void SetUtcOffsetMinutes(int Minutes) { FOffsetMs = static_cast<std::int64_t>(Minutes) * 60000; }
    // Negative steps set the clock back.
    void Advance(std::int64_t Milliseconds) { FUtcMs += Milliseconds; }

private:
    std::int64_t FUtcMs;
    std::int64_t FOffsetMs = 0;
};

} // namespace vur::sys
