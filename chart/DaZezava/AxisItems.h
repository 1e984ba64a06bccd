// The custom labels of an axis (TAxisItems of TAxisItem) and the label
// format they share with the automatic labels: its visibility is the axis'
// Labels flag, its font the axis' LabelsFont, and when made opaque it draws
// its box (fill, frame, gradient, shadow, transparency) behind every label.
#pragma once

#include "chart/VurProcs/Shape.h"

#include <memory>
#include <string>
#include <vector>

namespace vur {

// A chart shape that starts transparent: the labels show no box until asked.
class TAxisLabelFormat : public TVurCustomShape {
public:
    explicit TAxisLabelFormat(TCustomVurPanel* AParent);
    std::string ClassName() const override { return "TAxisLabelFormat"; }
};

// One custom label: its value on the axis, its text (empty: the axis'
// LabelValue of the value) and its own format.
class TAxisItem : public TAxisLabelFormat {
public:
    TAxisItem(TCustomVurPanel* AParent, double AValue, const std::string& AText);
    std::string ClassName() const override { return "TAxisItem"; }

    double GetValue() const { return FValue; }
    void SetValue(double Value) { SetProperty(FValue, Value); }
    const std::string& GetText() const { return FText; }
    void SetText(const std::string& Value) { SetProperty(FText, Value); }

private:
    double FValue;
    std::string FText;
};

class TAxisItems {
public:
    explicit TAxisItems(TCustomVurPanel* AParent);

    int Count() const { return static_cast<int>(FItems.size()); }
    TAxisItem* Get(int Index) const { return FItems[static_cast<std::size_t>(Index)].get(); }
    TAxisItem* Add(double Value, const std::string& Text = {});
    void Delete(int Index);
    void Clear();
    TAxisLabelFormat* GetFormat() const { return FFormat.get(); }

private:
    TCustomVurPanel* FParent;
    std::vector<std::unique_ptr<TAxisItem>> FItems;
    std::unique_ptr<TAxisLabelFormat> FFormat;
};

} // namespace vur
