// The custom labels of an axis (TAxisItems of TAxisItem) and the label
// format they share with the automatic labels: its visibility is the axis'
// Labels flag, its font the axis' LabelsFont, and when made opaque a box is
// drawn behind every label.
#pragma once

#include "chart/RoVedure/VurFont.h"
#include "framework/Classes.h"

#include <memory>
#include <string>
#include <vector>

namespace vur {

// A framed text box kept as small as the labels need: visibility,
// transparency and font. Every change reaches the owner.
class TAxisLabelFormat : public TPersistent {
public:
    explicit TAxisLabelFormat(TNotifyEvent OnChange);
    std::string ClassName() const override { return "TAxisLabelFormat"; }

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TVurFont* GetFont() const { return FFont.get(); }

protected:
    void Changed();

private:
    TNotifyEvent FOnChange;
    bool FVisible = true;
    bool FTransparent = true;
    std::unique_ptr<TVurFont> FFont;
};

// One custom label: its value on the axis, its text (empty: the axis'
// LabelValue of the value) and its own format.
class TAxisItem : public TAxisLabelFormat {
public:
    TAxisItem(TNotifyEvent OnChange, double AValue, const std::string& AText);
    std::string ClassName() const override { return "TAxisItem"; }

    double GetValue() const { return FValue; }
    void SetValue(double Value);
    const std::string& GetText() const { return FText; }
    void SetText(const std::string& Value);

private:
    double FValue;
    std::string FText;
};

class TAxisItems {
public:
    explicit TAxisItems(TNotifyEvent OnChange);

    int Count() const { return static_cast<int>(FItems.size()); }
    TAxisItem* Get(int Index) const { return FItems[static_cast<std::size_t>(Index)].get(); }
    TAxisItem* Add(double Value, const std::string& Text = {});
    void Delete(int Index);
    void Clear();
    TAxisLabelFormat* GetFormat() const { return FFormat.get(); }

private:
    TNotifyEvent FOnChange;
    std::vector<std::unique_ptr<TAxisItem>> FItems;
    std::unique_ptr<TAxisLabelFormat> FFormat;
};

} // namespace vur
