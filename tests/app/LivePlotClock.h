// The fixed local time the program tests run at: 17 May 2024, 09:00.
#pragma once

#include "platform/sys/Clock.h"

namespace vur::test {

inline sys::SystemTime May17At9() {
    sys::SystemTime T;
    T.Year = 2024;
    T.Month = 5;
    T.Day = 17;
    T.Hour = 9;
    return T;
}

} // namespace vur::test
