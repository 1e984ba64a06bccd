// Forms: top-level windows that own and lay out the controls of one screen.
// Closing the application's main form ends the application.
#pragma once

#include "framework/Controls.h"
#include "framework/Graphics.h"

#include <functional>
#include <memory>

namespace vur {

enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
enum TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };

using TCloseEvent = std::function<void(TPersistent* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TPersistent* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    std::string ClassName() const override { return "TCustomForm"; }

    // Runs once construction has completed (the form's creator calls it): OnCreate.
    virtual void AfterConstruction();

    // Asks OnCloseQuery, then OnClose decides: the main form ends the
    // application; another form hides, minimises or destroys itself.
    void Close();
    bool CloseQuery();
    // Destroys the form once the messages queued before now are handled.
    void Release();

    // The form's font; a change repaints the form.
    TFont* GetFont() const { return FFont.get(); }

    TWindowState GetWindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    // Stored only: creation and destruction events always run after construction and
    // at the start of the form's own destruction, the order this flag's False asks for.
    bool GetOldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }
    int GetPixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
    int GetTextHeight() const { return FTextHeight; }
    void SetTextHeight(int Value) { FTextHeight = Value; }
    // The last step of applying a stored layout: on a screen whose resolution
    // differs from PixelsPerInch the font follows the screen, and every stored
    // position and size (the form's and its controls') is scaled by the font's
    // text height now to TextHeight. Both then describe the screen in use.
    void ScaleToScreen();

    // The child controls, then (when the form is the one written) the
    // components it owns that sit in no parent, such as timers.
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    // The stored layout, then ScaleToScreen.
    void ReadState(TReader& Reader) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    // For the constructor of a form class with a stored description: reads
    // the resource named after the class ("TFORM1" for TForm1) into the
    // form. The plain framework form has none; any other class without one
    // raises EResNotFound.
    void InitInheritedComponent();
    void CreateParams(ui::WindowParams& Params) override;
    void WndProc(const ui::Message& Msg) override;
    void VisibleChanged() override;

private:
    int ShowCommand() const;

    std::unique_ptr<TFont> FFont;
    TWindowState FWindowState = wsNormal;
    bool FOldCreateOrder = false;
    int FPixelsPerInch = 96;
    int FTextHeight = 13;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    std::string ClassName() const override { return "TForm"; }
};

} // namespace vur
