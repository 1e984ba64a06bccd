#include "app/Program.h"

#include "app/Unit1.h"
#include "format/LocaleSettings.h"
#include "framework/Application.h"
#include "framework/Random.h"

#include <memory>

namespace vur {

int LivePlotMain(ui::WindowSystem& WindowSystem, int CmdShow) {
    // The run-time library's initialisation: the user's regional settings for
    // the label texts, read without touching the process locale.
    LoadLocaleFormatSettings();
    // What the chart unit's initialisation does before anything else.
    SeedRandomFromClock();
    auto App = std::make_unique<TApplication>(WindowSystem);
    App->SetShowCmd(CmdShow);
    try {
        App->Initialize();
        App->CreateForm(Form1);
        App->Run();
    } catch (const Exception& E) {
        App->ShowException(E);
    } catch (...) {
        try {
            throw Exception("");
        } catch (const Exception& E) {
            App->ShowException(E);
        }
    }
    App.reset();
    Form1 = nullptr;
    return 0;
}

} // namespace vur
