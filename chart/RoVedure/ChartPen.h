// TChartPen: the line attributes of chart objects. It tells its owner about
// every real change through the change callback, so the owner can repaint.
// The canvas transfers these attributes to the raster target.
#pragma once

#include "framework/Classes.h"
#include "framework/Types.h"

namespace vur {

class TChartPen : public TPersistent {
public:
    explicit TChartPen(TNotifyEvent OnChange = {});

    std::string ClassName() const override { return "TChartPen"; }
    void Assign(const TPersistent* Source) override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    int GetWidth() const { return FWidth; }
    void SetWidth(int Value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    void Hide() { SetVisible(false); }
    void Show() { SetVisible(true); }
    // The visibility a new pen of this kind has; only a different value is stored.
    bool GetDefaultVisible() const { return FDefaultVisible; }

    TNotifyEvent OnChange;

protected:
    void InitVisible(bool Value);

private:
    void Changed();

    TColor FColor = clBlack;
    int FWidth = 1;
    bool FVisible = true;
    bool FDefaultVisible = true;
};

// A pen that starts hidden.
class TChartHiddenPen : public TChartPen {
public:
    explicit TChartHiddenPen(TNotifyEvent OnChange = {});
    std::string ClassName() const override { return "TChartHiddenPen"; }
};

} // namespace vur
