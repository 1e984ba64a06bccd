#include "framework/FrameworkClasses.h"

#include "framework/Published.h"

namespace vur {

void DeclareFrameworkClasses() {
    DeclareClassesProperties();
    DeclareGraphicsProperties();
    DeclareStringsProperties();
    DeclareControlsProperties();
    DeclareFormProperties();
    DeclareButtonProperties();
    DeclareTimerProperties();
    // The framework's components a stored form may name without a field of their class.
    RegisterClass("TButton");
    RegisterClass("TTimer");
}

} // namespace vur
