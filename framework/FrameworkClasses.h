// The framework's published-property declarations, one function per file
// beside the classes they describe. The registry makes them on first use.
#pragma once

namespace vur {

void DeclareFrameworkClasses();

void DeclareClassesProperties();
void DeclareGraphicsProperties();
void DeclareStringsProperties();
void DeclareControlsProperties();
void DeclareFormProperties();
void DeclareButtonProperties();
void DeclareTimerProperties();

} // namespace vur
