// The series' side of its marks: the text of each mark and the marks step of
// a series' drawing, which walks the visible points, measures each box around
// its point and hands it to DrawMark.
#include "chart/DaZezava/Axis.h"
#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Series.h"
#include "chart/RoVedure/MultiLineText.h"
#include "chart/VurConst.h"

#include <algorithm>
#include <cmath>

namespace vur {

namespace {

// The texts a mark is made of, for one point.
class TMarkTexts {
public:
    TMarkTexts(TChartSeries& Series, int ValueIndex) : FSeries(Series), FIndex(ValueIndex) {}

    std::string Value() const { return FSeries.FormatValueText(FSeries.GetMarkValue(FIndex)); }
    std::string LabelOrValue() const {
        const std::string& Label = FSeries.GetXLabel(FIndex);
        return Label.empty() ? Value() : Label;
    }
    std::string X() const {
        const double X = FSeries.GetxValue(FIndex);
        if (TChartAxis* Axis = FSeries.GetHorizontalAxis()) return Axis->LabelValue(X);
        return FSeries.FormatValueText(X);
    }
    std::string Percent(bool AddTotal) const { return FSeries.MarkPercent(FIndex, AddTotal); }

private:
    TChartSeries& FSeries;
    int FIndex;
};

} // namespace

std::string TChartSeries::FormatValueText(double Value) const {
    return FKeptValuePattern.Get(FValueFormat).Format(Value);
}

std::string TChartSeries::FormatPercentText(double Value) const {
    return FKeptPercentPattern.Get(FPercentFormat).Format(Value);
}

std::string TChartSeries::MarkPercent(int ValueIndex, bool AddTotal) const {
    const double Total = FMandatoryValueList->GetTotalABS();
    const double Percent = Total == 0 ? 100.0 : std::abs(GetMarkValue(ValueIndex)) * 100.0 / Total;
    std::string Text = FormatPercentText(Percent);
    if (!AddTotal) return Text;
    return VurFormat(FMarks->GetMultiLine() ? VurMsg_PercentOfTotalMultiLine : VurMsg_PercentOfTotal,
                     Text.c_str(), FormatValueText(Total).c_str());
}

std::string TChartSeries::GetMarkText(int ValueIndex) {
    std::string Text;
    const TMarksItem* Item = FMarks->Items().Find(ValueIndex);
    if (Item && !Item->Text.empty()) {
        for (std::size_t Line = 0; Line < Item->Text.size(); ++Line) {
            if (Line > 0) Text += VurLineSeparator;
            Text += Item->Text[Line];
        }
    } else {
        const TMarkTexts Texts(*this, ValueIndex);
        const std::string Separator = FMarks->GetMultiLine() ? std::string(1, VurLineSeparator) : " ";
        switch (FMarks->GetStyle()) {
        case smsValue:
            Text = Texts.Value();
            break;
        case smsPercent:
            Text = Texts.Percent(false);
            break;
        case smsLabel:
            Text = Texts.LabelOrValue();
            break;
        case smsLabelPercent:
            Text = Texts.LabelOrValue() + Separator + Texts.Percent(false);
            break;
        case smsLabelValue:
            Text = Texts.LabelOrValue() + Separator + Texts.Value();
            break;
        case smsPercentTotal:
            Text = Texts.Percent(true);
            break;
        case smsLabelPercentTotal:
            Text = Texts.LabelOrValue() + Separator + Texts.Percent(true);
            break;
        case smsXValue:
            Text = Texts.X();
            break;
        case smsXY:
            Text = Texts.X() + Separator + Texts.Value();
            break;
        case smsLegend:
            if (FParentChart != nullptr) Text = FParentChart->FormattedValueLegend(this, ValueIndex);
            // The legend's two columns side by side: the separator has no glyph of its own.
            std::replace(Text.begin(), Text.end(), VurColumnSeparator, ' ');
            if (!FMarks->GetMultiLine()) std::replace(Text.begin(), Text.end(), VurLineSeparator, ' ');
            break;
        }
    }
    if (OnGetMarkText) OnGetMarkText(this, ValueIndex, Text);
    return Text;
}

int TChartSeries::MaxMarkWidth() {
    int Widest = 0;
    for (int Index = 0; Index < Count(); ++Index)
        if (FMarks->MarkItem(Index)->GetVisible()) Widest = std::max(Widest, FMarks->TextWidth(Index));
    return Widest;
}

void TChartSeries::DrawMarks() {
    if (FFirstVisibleIndex < 0 || FParentChart == nullptr) return;
    TSeriesMarks& Marks = *FMarks;
    const int Every = Marks.GetDrawEvery();
    const int First = FFirstVisibleIndex + (Every - FFirstVisibleIndex % Every) % Every;
    for (int Index = First; Index <= FLastVisibleIndex; Index += Every) {
        if (IsNull(Index)) continue;
        const std::string Text = GetMarkText(Index);
        if (Text.empty()) continue;
        TVurCustomShape& Shape = *Marks.MarkItem(Index);
        if (!Shape.GetVisible()) continue;
        Marks.SelectFont(Shape);
        TSeriesMarkPosition Position = Marks.Measure(Shape, Text, CalcXPos(Index), CalcYPos(Index));
        DrawMark(Index, Text, Position);
    }
}

void TChartSeries::DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) {
    FMarks->InternalDraw(ValueIndex, GetValueColor(ValueIndex), Position, Text);
}

} // namespace vur
