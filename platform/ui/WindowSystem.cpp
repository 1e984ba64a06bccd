#include "platform/ui/WindowSystem.h"

namespace vur::ui {

namespace {
WindowSystem* Installed = nullptr;
} // namespace

void WindowSystem::PostQuitMessage(int ExitCode) {
    PostMessage(
        Message{NoWindow, WM_QUIT, static_cast<std::uintptr_t>(static_cast<std::intptr_t>(ExitCode)), 0});
}

std::intptr_t WindowSystem::DispatchMessage(const Message& Msg) {
    MessageHandler* Handler = HandlerOf(Msg.Window);
    return Handler != nullptr ? Handler->HandleMessage(Msg) : 0;
}

std::intptr_t WindowSystem::SendMessage(WindowHandle Window, std::uint32_t Msg, std::uintptr_t WParam,
                                        std::intptr_t LParam) {
    return DispatchMessage(Message{Window, Msg, WParam, LParam});
}

int WindowSystem::RunMessageLoop() {
    Message Msg;
    for (;;) {
        while (!PeekMessage(Msg)) WaitMessage();
        if (Msg.Msg == WM_QUIT) return static_cast<int>(static_cast<std::intptr_t>(Msg.WParam));
        DispatchMessage(Msg);
    }
}

WindowSystem* CurrentWindowSystem() { return Installed; }

WindowSystem* SetCurrentWindowSystem(WindowSystem* System) {
    WindowSystem* Previous = Installed;
    Installed = System;
    return Previous;
}

} // namespace vur::ui
