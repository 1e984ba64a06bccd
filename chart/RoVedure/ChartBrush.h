// TChartBrush: the fill attributes of chart objects, a framework brush whose
// colour starts automatic (clDefault: the thing being filled supplies it) and
// which may carry a picture to fill with. The picture is created on first
// read, owned by the brush, and its changes reach the owner's callback.
#pragma once

#include "framework/Graphics.h"

#include <memory>

namespace vur {

class TChartBrush : public TBrush {
public:
    explicit TChartBrush(TNotifyEvent OnChange = {});
    ~TChartBrush() override;

    std::string ClassName() const override { return "TChartBrush"; }
    // From a TChartBrush: the picture, then colour and style.
    void Assign(const TPersistent* Source) override;

    // Creates the empty picture on first read.
    TPicture* GetImage();
    // nullptr frees the picture; anything else is copied into the brush's own.
    void SetImage(const TPicture* Value);
    // The picture when one exists and holds something, without creating it.
    const TGraphic* GetImageGraphic() const;
    // Style bsClear and no picture.
    void Clear();

    bool IsColorStored() const { return GetColor() != clDefault; }
    bool IsStyleStored() const { return GetStyle() != bsSolid; }

private:
    void ImageChanged();
    std::unique_ptr<TPicture> FImage;
};

} // namespace vur
