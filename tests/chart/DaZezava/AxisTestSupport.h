// A form with a chart and one line series, a chart rectangle of choice and
// an axis that records the labels it draws.
#pragma once

#include "chart/ChartTestSupport.h"
#include "chart/Series/LineSeries.h"
#include "framework/Graphics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vur::test {

class TRecordingAxis : public TChartAxis {
public:
    using TChartAxis::TChartAxis;
    void DrawLabelAt(int Position, const std::string& Text, TAxisItem* Item) override {
        Positions.push_back(Position);
        Texts.push_back(Text);
        TChartAxis::DrawLabelAt(Position, Text, Item);
    }
    std::vector<int> Positions;
    std::vector<std::string> Texts;
};

struct AxisFixture : ::testing::Test {
    TComponent Form{nullptr};
    TCountingChart* Chart = new TCountingChart(&Form);
    TLineSeries* Series = new TLineSeries(&Form);
    TBitmap Bitmap;

    void SetUp() override {
        Series->SetParentChart(Chart);
        Bitmap.SetSize(16, 16);
        Chart->GetCanvas()->SetCanvas(Bitmap.GetCanvas());
    }

    // The range steps of a paint on the rectangle R.
    void Layout(const TRect& R) {
        Chart->SetChartRect(R);
        Chart->ReCalcWidthHeight();
        TChartAxes* Axes = Chart->GetAxes();
        for (int Index = 0; Index < Axes->Count(); ++Index) {
            Axes->Get(Index)->SetVisibleInPaint(Chart->CalcIsAxisVisible(Axes->Get(Index)));
            Axes->Get(Index)->AdjustMaxMin();
        }
        for (int Index = 0; Index < Axes->Count(); ++Index) Axes->Get(Index)->InternalCalcPositions();
    }

    int FontHeight(TChartAxis* Axis) {
        Chart->GetCanvas()->AssignFont(Axis->GetLabelsFont());
        return Chart->GetCanvas()->GetFontHeight();
    }

    int TextWidth(TChartAxis* Axis, const std::string& Text) {
        Chart->GetCanvas()->AssignFont(Axis->GetLabelsFont());
        return Chart->GetCanvas()->TextWidth(Text);
    }
};

} // namespace vur::test
