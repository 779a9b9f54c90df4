#pragma once
// The coloured mark of a legend row: its size, place, pen, gradient and shadow.

#include "chart/canvas/ChartPen.h"
#include "chart/effects/ChartGradient.h"
#include "chart/effects/ChartShadow.h"

#include "ui/core/Persistent.h"

#include <functional>

class TCanvas3D;
class TChartSeries;
class TCustomChartLegend;
class TEnumInfo;
class TLegendSymbol;

enum TLegendSymbolPosition { spLeft, spRight };
enum TLegendSymbolSize { lcsPercent, lcsPixels };

using TSymbolDrawEvent = std::function<void(TLegendSymbol*, TChartSeries*, int valueIndex, const TRect&)>;

const TEnumInfo& LegendSymbolPositionInfo();
const TEnumInfo& LegendSymbolSizeInfo();

// The coloured mark of a legend row.
class TLegendSymbol : public TPersistent {
    DECLARE_CLASS_INFO
public:
    explicit TLegendSymbol(TCustomChartLegend* legend);
    TLegendSymbol(const TLegendSymbol&) = delete;
    TLegendSymbol& operator=(const TLegendSymbol&) = delete;
    void Assign(const TPersistent* source) override;
    void Assign(const TLegendSymbol& source);

    bool Continuous() const { return continuous_; }
    void SetContinuous(bool value);
    // Symbols use the series' own pen, else Pen.
    bool DefaultPen() const { return defaultPen_; }
    void SetDefaultPen(bool value);
    TChartGradient& Gradient() { return gradient_; }
    TChartPen& Pen() { return pen_; }
    TLegendSymbolPosition Position() const { return position_; }
    void SetPosition(TLegendSymbolPosition value);
    TChartShadow& Shadow() { return shadow_; }
    // Squared: as wide as the row is high, less 5.
    bool Squared() const { return squared_; }
    void SetSquared(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    int Width() const { return width_; }
    void SetWidth(int value);
    TLegendSymbolSize WidthUnits() const { return widthUnits_; }
    void SetWidthUnits(TLegendSymbolSize value);
    TSymbolDrawEvent OnDraw;

    // The width for rows whose texts are `textWidth` wide.
    int CalcWidth(int textWidth) const;
    // A plain symbol in `color`: shadow, then gradient or solid fill.
    void Draw(TCanvas3D& canvas, TColor color, const TRect& rect);

private:
    void Changed();
    TCustomChartLegend* legend_;
    bool continuous_ = false;
    bool defaultPen_ = true;
    TChartGradient gradient_;
    TChartPen pen_;
    TLegendSymbolPosition position_ = spLeft;
    TChartShadow shadow_;
    bool squared_ = false;
    bool visible_ = true;
    int width_ = 20;
    TLegendSymbolSize widthUnits_ = lcsPercent;
};
