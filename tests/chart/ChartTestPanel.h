#pragma once
// A chart panel for tests: counts repaints, records series events, measures
// text with a fixed-pitch font (7 pixels a character, 13 a line).

#include "chart/ChartCanvas.h"
#include "chart/ChartSeries.h"
#include "chart/CustomAxisPanel.h"

#include <algorithm>
#include <utility>
#include <vector>

class FixedPitchCanvas : public TCanvas3D {
public:
    int TextWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return 13; }
};

class ChartTestPanel : public TCustomAxisPanel {
public:
    ChartTestPanel() {
        SetCanvas(&canvas);
        SeriesEventListeners.push_back(
            [this](TCustomChartSeries* s, std::uint8_t kind) { events.emplace_back(s, kind); });
    }
    bool SeriesColorIsFree(TColor color, bool, TChartSeries* except) override {
        for (int i = 0; i < SeriesCount(); ++i)
            if (SeriesAt(i) != except && SeriesAt(i)->SeriesColor() == color) return false;
        return true;
    }
    void Invalidate() override { ++repaints; }
    void SetLoading(bool value) { loading_ = value; }
    void SetReading(bool value) { reading_ = value; }
    int EventCount(std::uint8_t kind) const {
        return static_cast<int>(std::count_if(events.begin(), events.end(), [kind](auto& e) { return e.second == kind; }));
    }

    FixedPitchCanvas canvas;
    int repaints = 0;
    std::vector<std::pair<TCustomChartSeries*, std::uint8_t>> events;
};
