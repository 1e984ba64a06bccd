// The application object: owns the forms, runs the message loop and is where
// every exception that escapes a message handler ends up.
#pragma once

#include "framework/Classes.h"
#include "framework/Dialogs.h"
#include "framework/Exceptions.h"
#include "framework/Form.h"
#include "platform/ui/WindowSystem.h"

#include <functional>
#include <string>
#include <vector>

namespace vur {

using TExceptionEvent = std::function<void(TPersistent* Sender, const Exception& E)>;
using TProcedure = void (*)();

// The framework's optional initialisation hook, run by Initialize.
extern TProcedure InitProc;

// The text an exception is shown with: the message, with "." appended when it
// is not empty and its last character's code is greater than that of ".".
std::string ExceptionDisplayText(const std::string& Message);

class TApplication : public TComponent {
public:
    // Installs WindowSystem as the process-wide one, itself as Application (when
    // there is none yet) and the message box as ShowMessage's display, for its lifetime.
    explicit TApplication(ui::WindowSystem& WindowSystem);
    ~TApplication() override;

    std::string ClassName() const override { return "TApplication"; }

    void Initialize();

    // Creates a form owned by the application and stores it in Reference; the
    // first form created becomes the main form and gets its window at once.
    template <class TFormClass>
    void CreateForm(TFormClass*& Reference) {
        auto* Instance = new TFormClass(this);
        Reference = Instance;
        FormCreated(Instance);
    }

    // Shows the main form (as the start-up show command asks) and handles messages
    // until Terminate.
    void Run();
    // Handles one message if one is ready; false when there was none.
    bool ProcessMessage();
    // Handles the messages that are ready.
    void ProcessMessages();
    // Handles one message, waiting for it when none is ready.
    void HandleMessage();
    // Ends the loop once the messages queued before are handled.
    void Terminate();
    bool GetTerminated() const { return FTerminated; }
    // The exit code the quit message carried.
    int GetExitCode() const { return FExitCode; }

    // To be called from a catch block: cancels any mouse capture, drops EAbort,
    // passes an Exception to OnException or ShowException, and shows anything
    // else with the run-time's generic display.
    void HandleException(TPersistent* Sender);
    // A stop-icon message box (style 16) with the exception's text, captioned with Title.
    void ShowException(const Exception& E);

    const std::string& GetTitle() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    TCustomForm* GetMainForm() const { return FMainForm; }
    // The show command the process was started with (SW_SHOWNORMAL by default).
    int GetShowCmd() const { return FShowCmd; }
    void SetShowCmd(int Value) { FShowCmd = Value; }
    ui::WindowSystem& WindowSystem() const { return FWindowSystem; }

    TExceptionEvent OnException;

    // Called by a form being destroyed.
    void FormDestroyed(TCustomForm* Form);

private:
    void FormCreated(TCustomForm* Form);
    void ShowGenericException(const std::string& Text);
    ui::WindowHandle MessageOwner() const;

    ui::WindowSystem& FWindowSystem;
    ui::WindowSystem* FPreviousWindowSystem;
    TShowMessageHandler FPreviousShowMessage;
    TCustomForm* FMainForm = nullptr;
    std::string FTitle;
    int FShowCmd = ui::SW_SHOWNORMAL;
    int FExitCode = 0;
    bool FTerminated = false;
};

// The program-wide application object.
extern TApplication* Application;

} // namespace vur
