// The wall clock: local and UTC calendar time as the operating system reports
// it. Whoever reads the time goes through CurrentClock(), so tests can put a
// clock of their own in place of the system one.
#pragma once

#include <cstdint>

namespace vur::sys {

// A calendar time split into fields. DayOfWeek counts from 0 = Sunday.
struct SystemTime {
    int Year = 1970;
    int Month = 1;
    int DayOfWeek = 4;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Milliseconds = 0;
    friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// Milliseconds since 1970-01-01 00:00 of the same time scale, and back.
// DayOfWeek is ignored on the way in and computed on the way out.
std::int64_t ToUnixMilliseconds(const SystemTime& Time);
SystemTime FromUnixMilliseconds(std::int64_t Milliseconds);

class Clock {
public:
    virtual ~Clock() = default;
    virtual SystemTime LocalTime() const = 0;
    virtual SystemTime UtcTime() const = 0;
};

// The operating system's clock, local time in the process' time zone.
class SystemClock final : public Clock {
public:
    SystemTime LocalTime() const override;
    SystemTime UtcTime() const override;
};

// The process-wide clock: the system clock unless one was installed.
Clock& CurrentClock();
// Installs Replacement (nullptr restores the system clock); returns the
// previously installed one (nullptr when that was the system clock).
Clock* SetCurrentClock(Clock* Replacement);

// Installs a clock for the lifetime of the object.
class ScopedClock {
public:
    explicit ScopedClock(Clock& Replacement) : FPrevious(SetCurrentClock(&Replacement)) {}
    ~ScopedClock() { SetCurrentClock(FPrevious); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    Clock* FPrevious;
};

} // namespace vur::sys
