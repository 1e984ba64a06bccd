// Test doubles shared by the chart tests: a chart that counts its repaint
// requests and a listener that records series events.
#pragma once

#include "chart/Chart/Chart.h"

#include <regex>
#include <string>
#include <vector>

namespace vur::test {

class TCountingChart : public TChart {
public:
    using TChart::TChart;
    void Invalidate() override {
        ++Invalidates;
        TChart::Invalidate();
    }
    int Invalidates = 0;
};

class TRecordingListener : public IVurEventListener {
public:
    void VurEvent(const TVurEvent& Event) override {
        if (const auto* SeriesEvent = dynamic_cast<const TVurSeriesEvent*>(&Event)) {
            Events.push_back(SeriesEvent->Event);
            Series.push_back(SeriesEvent->Series);
            Senders.push_back(Event.Sender);
        }
    }
    int CountOf(TChartSeriesEvent Event) const {
        int Result = 0;
        for (TChartSeriesEvent E : Events) Result += E == Event ? 1 : 0;
        return Result;
    }
    std::vector<TChartSeriesEvent> Events;
    std::vector<TChartSeries*> Series;
    std::vector<TCustomVurPanel*> Senders;
};

// The text of an internal assertion: the message, then "(file, line n)".
inline bool IsAssertionText(const std::string& Text, const std::string& Message, const std::string& File) {
    const std::regex Location(" \\(" + File + ", line [0-9]+\\)");
    return Text.rfind(Message, 0) == 0 && std::regex_match(Text.substr(Message.size()), Location);
}

} // namespace vur::test
