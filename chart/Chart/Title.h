// The chart's text titles: Title and SubTitle above the plot, Foot and
// SubFoot below it. A title lays out its box from its lines and font, draws
// it and, unless the user fixed its position, pushes ChartRect away.
#pragma once

#include "chart/VurProcs/Shape.h"
#include "framework/Strings.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vur {

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

class TChartTitle : public TVurCustomShapePosition {
public:
    explicit TChartTitle(TCustomVurPanel* AParent);
    ~TChartTitle() override;

    std::string ClassName() const override { return "TChartTitle"; }
    void Assign(const TPersistent* Source) override;

    // The lines; any change repaints the chart.
    TStringList* GetText() const { return FText.get(); }
    void SetText(const TStrings* Value) { FText->Assign(Value); }
    // The first line, empty when there is none.
    std::string GetCaption() const;
    // Replaces every line by Value.
    void SetCaption(const std::string& Value);

    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { SetProperty(FAlignment, Value); }
    bool GetAdjustFrame() const { return FAdjustFrame; }
    void SetAdjustFrame(bool Value) { SetProperty(FAdjustFrame, Value); }
    bool GetPlacedOnTop() const { return FPlacedOnTop; }
    void SetPlacedOnTop(bool Value) { SetProperty(FPlacedOnTop, Value); }

    // Visible and (X, Y) inside the box of the last paint.
    bool Clicked(int X, int Y) const;
    // Lays out and draws the title; without a custom position it takes its
    // room from the parent's ChartRect. Nothing for an invisible or empty title.
    void DrawTitle();

protected:
    void InitPlacedOnTop(bool Value) { FPlacedOnTop = Value; }

private:
    std::unique_ptr<TStringList> FText;
    TAlignment FAlignment = taCenter;
    bool FAdjustFrame = true;
    bool FPlacedOnTop = true;
};

// A title below the plot: red italic, lines stacked upwards.
class TChartFootTitle : public TChartTitle {
public:
    explicit TChartFootTitle(TCustomVurPanel* AParent);
    std::string ClassName() const override { return "TChartFootTitle"; }
};

} // namespace vur
