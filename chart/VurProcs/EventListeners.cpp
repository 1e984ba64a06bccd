#include "chart/VurProcs/EventListeners.h"

#include <algorithm>

namespace vur {

int TVurEventListeners::Add(IVurEventListener* Listener) {
    const auto It = std::find(FItems.begin(), FItems.end(), Listener);
    if (It != FItems.end()) return static_cast<int>(It - FItems.begin());
    FItems.push_back(Listener);
    return Count() - 1;
}

int TVurEventListeners::Remove(IVurEventListener* Listener) {
    const auto It = std::find(FItems.begin(), FItems.end(), Listener);
    if (It == FItems.end()) return -1;
    const int Index = static_cast<int>(It - FItems.begin());
    FItems.erase(It);
    return Index;
}

void TVurEventListeners::Broadcast(TCustomVurPanel* Sender, TVurEvent& Event) const {
    Event.Sender = Sender;
    // A listener may unregister itself while it is told; walk a copy.
    const std::vector<IVurEventListener*> Listeners = FItems;
    for (IVurEventListener* Listener : Listeners) Listener->VurEvent(Event);
}

} // namespace vur
