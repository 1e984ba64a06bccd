// Short modal messages to the user (the run-time's ShowMessage). The program
// installs the window system's message box as the display; until it does,
// messages go nowhere.
#pragma once

#include <functional>
#include <string>

namespace vur {

using TShowMessageHandler = std::function<void(const std::string& Text)>;

void ShowMessage(const std::string& Text);

// Installs the display and returns the one it replaces (an empty handler
// drops messages).
TShowMessageHandler SetShowMessageHandler(TShowMessageHandler Handler);

} // namespace vur
