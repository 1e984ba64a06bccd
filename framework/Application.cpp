#include "framework/Application.h"

#include "platform/sys/Module.h"

#include <cxxabi.h>
#include <exception>
#include <memory>
#include <typeinfo>

namespace vur {

TProcedure InitProc = nullptr;
TApplication* Application = nullptr;

std::string ExceptionDisplayText(const std::string& Message) {
    if (!Message.empty() && static_cast<unsigned char>(Message.back()) > static_cast<unsigned char>('.'))
        return Message + ".";
    return Message;
}

TApplication::TApplication(ui::WindowSystem& WindowSystem)
    : TComponent(nullptr), FWindowSystem(WindowSystem),
      FPreviousWindowSystem(ui::SetCurrentWindowSystem(&WindowSystem)), FTitle(sys::ModuleName()) {
    if (Application == nullptr) Application = this;
    FPreviousShowMessage = SetShowMessageHandler([this](const std::string& Text) {
        FWindowSystem.MessageBox(FMainForm != nullptr && FMainForm->HandleAllocated() ? FMainForm->GetHandle()
                                                                                      : ui::NoWindow,
                                 Text, FTitle, ui::MB_OK);
    });
}

TApplication::~TApplication() {
    // Forms go while the window system and Application are still in place.
    Destroying();
    DestroyComponents();
    SetShowMessageHandler(std::move(FPreviousShowMessage));
    if (Application == this) Application = nullptr;
    ui::SetCurrentWindowSystem(FPreviousWindowSystem);
}

void TApplication::Initialize() {
    if (InitProc != nullptr) InitProc();
}

void TApplication::FormCreated(TCustomForm* Form) {
    Form->AfterConstruction();
    if (FMainForm == nullptr) {
        FMainForm = Form;
        Form->HandleNeeded();
    }
}

void TApplication::FormDestroyed(TCustomForm* Form) {
    if (FMainForm == Form) FMainForm = nullptr;
}

void TApplication::Run() {
    if (FMainForm != nullptr) {
        if (FShowCmd == ui::SW_SHOWMAXIMIZED)
            FMainForm->SetWindowState(wsMaximized);
        else if (FShowCmd == ui::SW_SHOWMINNOACTIVE)
            FMainForm->SetWindowState(wsMinimized);
        FMainForm->SetVisible(true);
    }
    while (!FTerminated) HandleMessage();
}

bool TApplication::ProcessMessage() {
    ui::Message Msg;
    if (!FWindowSystem.PeekMessage(Msg)) return false;
    if (Msg.Msg == ui::WM_QUIT) {
        FTerminated = true;
        FExitCode = static_cast<int>(static_cast<std::intptr_t>(Msg.WParam));
        return true;
    }
    try {
        FWindowSystem.DispatchMessage(Msg);
    } catch (...) {
        HandleException(this);
    }
    return true;
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleMessage() {
    if (!ProcessMessage()) FWindowSystem.WaitMessage();
}

void TApplication::Terminate() { FWindowSystem.PostQuitMessage(0); }

void TApplication::HandleException(TPersistent* Sender) {
    const ui::WindowHandle Capture = FWindowSystem.GetCapture();
    if (Capture != ui::NoWindow) {
        FWindowSystem.SendMessage(Capture, ui::WM_CANCELMODE);
        // A window without a framework control behind it cannot let go by itself.
        if (FWindowSystem.GetCapture() == Capture) FWindowSystem.ReleaseCapture();
    }
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& E) {
        if (OnException)
            OnException(Sender, E);
        else
            ShowException(E);
    } catch (const std::exception& E) {
        int Status = 0;
        const std::unique_ptr<char, void (*)(void*)> Name(
            abi::__cxa_demangle(typeid(E).name(), nullptr, nullptr, &Status), std::free);
        ShowGenericException("Exception " + std::string(Status == 0 ? Name.get() : typeid(E).name()) + ".\n" +
                             ExceptionDisplayText(E.what()));
    } catch (...) {
        ShowGenericException("Exception of an unknown type.");
    }
}

void TApplication::ShowException(const Exception& E) {
    FWindowSystem.MessageBox(MessageOwner(), ExceptionDisplayText(E.Message()), FTitle,
                             ui::MB_OK | ui::MB_ICONSTOP);
}

ui::WindowHandle TApplication::MessageOwner() const {
    return FMainForm != nullptr && FMainForm->HandleAllocated() ? FMainForm->GetHandle() : ui::NoWindow;
}

void TApplication::ShowGenericException(const std::string& Text) {
    FWindowSystem.MessageBox(ui::NoWindow, Text, "Application Error", ui::MB_OK | ui::MB_ICONSTOP);
}

} // namespace vur
