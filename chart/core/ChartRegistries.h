#pragma once
// The engine-wide lists that gallery and editor code would read: the series
// types and tool types registered with the engine, and the named colour
// palettes a chart may take its series colours from.

#include "chart/core/ChartTypes.h"
#include "chart/core/ColorPalette.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TChartTool;
class TClassInfo;
class TCustomAxisPanel;

// One kind of series a gallery offers.
struct TChartSeriesType {
    const TClassInfo* SeriesClass = nullptr;
    std::string Description;
};

class TChartSeriesTypes {
public:
    int Count() const { return static_cast<int>(types_.size()); }
    TChartSeriesType& Get(int index) { return *types_.at(index); }
    void Add(std::unique_ptr<TChartSeriesType> type) { types_.push_back(std::move(type)); }
    void Clear() { types_.clear(); }

private:
    std::vector<std::unique_ptr<TChartSeriesType>> types_;
};

// One kind of tool an editor offers: its name and how to make one.
struct TChartToolType {
    std::string Name;
    std::function<std::unique_ptr<TChartTool>()> Create;
};

class TChartToolTypes {
public:
    int Count() const { return static_cast<int>(types_.size()); }
    const TChartToolType& Get(int index) const { return types_.at(index); }
    void Add(TChartToolType type) { types_.push_back(std::move(type)); }
    void Clear() { types_.clear(); }

private:
    std::vector<TChartToolType> types_;
};

// Made on first request, kept until the program ends.
TChartSeriesTypes& SeriesTypesRegistry();
TChartToolTypes& ToolTypesRegistry();

// The palette names by index: 0 "Default" (the engine's default colours)
// and fifteen colour tables.
const std::vector<std::string>& ColorPalettes();
// The colours of palette `index`; empty for 0 and for an index out of range.
const TColorArray& ColorPaletteColors(int index);
// The chart's palette becomes palette `index` (empty: the default colours),
// its series without a colour of their own take free colours from it, and
// the chart repaints.
void ApplyColorPalette(TCustomAxisPanel& chart, int index);
