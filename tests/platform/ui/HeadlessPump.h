// The headless window system delivers nothing by itself: tests hand it the
// turn of the message loop with this.
#pragma once

#include "platform/ui/headless/HeadlessWindowSystem.h"

namespace vur::test {

// Delivers every queued message: input, due timers, paints.
inline void PumpMessages(ui::HeadlessWindowSystem& WS) {
    ui::Message M;
    while (WS.PeekMessage(M)) WS.DispatchMessage(M);
}

} // namespace vur::test
