#pragma once
// The legend's layout and drawing, apart from its settings: the layout is
// measured first, into a value, and the box and rows are painted from it.

#include "chart/core/ChartTypes.h"

#include <array>
#include <string>
#include <vector>

class TCanvas3D;
class TChartSeries;
class TCustomChart;
class TCustomChartLegend;

// One layout of the legend: the values the rows share while they are drawn.
struct LegendLayout {
    int frame = 0;       // F
    int rowHeight = 0;   // h
    int margin = 0;      // m
    int textsWidth = 0;  // T
    int checkX = 0;
    int symbolX = 0;
    int textX = 0;
    TRect titleRect;
    std::vector<std::array<std::string, 2>> texts;
};

class TLegendPainter {
public:
    TLegendPainter(TCustomChartLegend& legend, TCustomChart& chart, TCanvas3D& canvas)
        : l_(legend), chart_(chart), c_(canvas) {}
    // Measures, paints and (unless custom-positioned) takes room from the plot.
    void Draw();

private:
    // ---- measuring (settles the legend's last layout and the box) ----
    LegendLayout Measure(const TRect& render);
    void CountRowsAndColumns(LegendLayout& k, const TRect& render, const TRect& plot);
    void PlaceBox(LegendLayout& k, const TRect& render, const TRect& plot);
    int FrameWidth();
    void CollectTexts(LegendLayout& k);
    void MeasureColumns(LegendLayout& k);
    int TextExtent(const std::string& text);
    int TitleWidth();
    void PlaceSymbolAndText(LegendLayout& k, int x);

    // ---- painting from the layout ----
    void Paint(const LegendLayout& k);
    void WriteText(int x, int y, const std::string& text, TColor fontColor);
    void DrawTitle(TRect rect);
    void DrawRow(const LegendLayout& k, int v, int p);
    void DrawRowSymbol(TChartSeries* series, int valueIndex, const TRect& rect);
    void TakeRoom();

    TCustomChartLegend& l_;
    TCustomChart& chart_;
    TCanvas3D& c_;
};
