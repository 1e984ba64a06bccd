// Starting the desktop toolkit, and saying plainly why it cannot start. Left
// alone, the toolkit aborts with a hint to reinstall when there is no display.
#pragma once

#include <QApplication>

#include <memory>
#include <string>

namespace vur::ui {

// The line to show when no window platform can be opened: none is named in the
// environment (a display or Wayland socket) and none is chosen through
// QT_QPA_PLATFORM. Empty when one may be. Program is the name the line starts with.
std::string MissingPlatformMessage(const std::string& Program);

// Starts the toolkit's application on argc/argv, which must outlive it. When no
// window platform can be opened, or the toolkit fails to start for another
// reason (its own words are added), writes one line to standard error and ends
// the process with status 1.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

} // namespace vur::ui
