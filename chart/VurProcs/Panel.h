// The panel base of every chart: repaint requests that can be held off
// (AutoRepaint), the compare-then-store property setters, the 3D switch and
// the event listeners. Painting comes with the canvas.
#pragma once

#include "chart/VurProcs/EventListeners.h"
#include "framework/Controls.h"

#include <string>

namespace vur {

// A framework panel whose caption does not follow its component name.
class TCustomPanelNoCaption : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    std::string ClassName() const override { return "TCustomPanelNoCaption"; }
};

class TCustomVurPanel : public TCustomPanelNoCaption {
public:
    explicit TCustomVurPanel(TComponent* AOwner);
    ~TCustomVurPanel() override;

    std::string ClassName() const override { return "TCustomVurPanel"; }

    // Asks the window system for a repaint, unless AutoRepaint is off.
    void Invalidate() override;
    bool GetAutoRepaint() const { return FAutoRepaint; }
    void SetAutoRepaint(bool Value) { FAutoRepaint = Value; }

    bool GetView3D() const { return FView3D; }
    // Also tells the listeners.
    void SetView3D(bool Value);

    TVurEventListeners& Listeners() { return FListeners; }

    // Store and repaint only on a real change.
    void SetBooleanProperty(bool& Variable, bool Value);
    void SetIntegerProperty(int& Variable, int Value);
    void SetColorProperty(TColor& Variable, TColor Value);
    void SetDoubleProperty(double& Variable, double Value);
    void SetStringProperty(std::string& Variable, const std::string& Value);

private:
    bool FAutoRepaint = false;
    bool FView3D = true;
    TVurEventListeners FListeners;
};

// Adds zoom and panning (coming with mouse handling) to the panel.
class TCustomVurPanelExtended : public TCustomVurPanel {
public:
    using TCustomVurPanel::TCustomVurPanel;
    std::string ClassName() const override { return "TCustomVurPanelExtended"; }
};

} // namespace vur
