#include "framework/Dialogs.h"

#include <utility>

namespace vur {

namespace {
TShowMessageHandler& Handler() {
    static TShowMessageHandler Current;
    return Current;
}
} // namespace

void ShowMessage(const std::string& Text) {
    if (Handler()) Handler()(Text);
}

TShowMessageHandler SetShowMessageHandler(TShowMessageHandler NewHandler) {
    return std::exchange(Handler(), std::move(NewHandler));
}

} // namespace vur
