// Event listeners of a chart panel: objects (tools, the legend) that want to
// hear about the panel's series, view and mouse, in registration order.
#pragma once

#include <vector>

namespace vur {

class TCustomVurPanel;

// One broadcast event; listeners tell the kinds apart by their class.
class TVurEvent {
public:
    virtual ~TVurEvent() = default;
    TCustomVurPanel* Sender = nullptr;
};

// Sent when the panel switches between flat and 3D drawing.
class TVurView3DEvent : public TVurEvent {};

class IVurEventListener {
public:
    virtual ~IVurEventListener() = default;
    virtual void VurEvent(const TVurEvent& Event) = 0;
};

class TVurEventListeners {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    IVurEventListener* Get(int Index) const { return FItems[static_cast<std::size_t>(Index)]; }
    // Returns the listener's index; a listener is never registered twice.
    int Add(IVurEventListener* Listener);
    // Returns the former index, or -1 when it was not registered.
    int Remove(IVurEventListener* Listener);
    // Hands the event to every listener in order, with Sender as the sender.
    void Broadcast(TCustomVurPanel* Sender, TVurEvent& Event) const;

private:
    std::vector<IVurEventListener*> FItems;
};

} // namespace vur
