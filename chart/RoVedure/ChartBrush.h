// TChartBrush: the fill attributes of chart objects. Its colour starts
// automatic (clDefault): the thing being filled supplies it.
#pragma once

#include "framework/Classes.h"
#include "framework/Types.h"

namespace vur {

class TChartBrush : public TPersistent {
public:
    explicit TChartBrush(TNotifyEvent OnChange = {});

    std::string ClassName() const override { return "TChartBrush"; }
    void Assign(const TPersistent* Source) override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);

    TNotifyEvent OnChange;

private:
    TColor FColor = clDefault;
};

} // namespace vur
