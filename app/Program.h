// The program's entry point, on whichever window system it is given.
#pragma once

#include "platform/ui/WindowSystem.h"

namespace vur {

// Loads the locale's format settings, seeds the generator, starts the
// application, creates the main form, runs the message loop until the main
// window is closed, then destroys the form.
// Failures that reach this far are shown; the result is always 0.
int LivePlotMain(ui::WindowSystem& WindowSystem, int CmdShow);

} // namespace vur
