#pragma once
// The one drawing surface every chart element draws through. The operations
// join here as the drawing layers behind them become available.

#include <string>

class TChartCanvas {
public:
    virtual ~TChartCanvas() = default;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    int FontLineHeight() { return TextHeight("W"); }
};

class TCanvas3D : public TChartCanvas {};
