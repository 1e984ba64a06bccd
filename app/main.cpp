// The desktop program: the main form on real windows.
#include "app/Program.h"
#include "platform/ui/qt/QtWindowSystem.h"

int main(int argc, char** argv) {
    vur::ui::QtWindowSystem WindowSystem(argc, argv);
    return vur::LivePlotMain(WindowSystem, vur::ui::SW_SHOWNORMAL);
}
