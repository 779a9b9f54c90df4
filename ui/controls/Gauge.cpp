#include "ui/controls/Gauge.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"

#include <algorithm>
#include <string>

const TClassInfo& TGauge::StaticClass() {
    static const TClassInfo info = TPublished<TGauge>("TGauge", TGraphicControl::StaticClass())
                                       .Integer("MinValue", &TGauge::MinValue, &TGauge::SetMinValue, 0)
                                       .Integer("MaxValue", &TGauge::MaxValue, &TGauge::SetMaxValue, 100)
                                       .Integer("Progress", &TGauge::Progress, &TGauge::SetProgress, 0)
                                       .Boolean("ShowText", &TGauge::ShowText, &TGauge::SetShowText, true)
                                       .Build();
    return info;
}

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(Left(), Top(), 100, 100);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
}

void TGauge::SetMinValue(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    progress_ = std::clamp(progress_, min_, max_);
    Invalidate();
}

void TGauge::SetMaxValue(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    progress_ = std::clamp(progress_, min_, max_);
    Invalidate();
}

void TGauge::SetProgress(int value) {
    value = std::clamp(value, min_, max_);
    if (value == progress_) return;
    progress_ = value;
    Invalidate();
}

int TGauge::PercentDone() const {
    if (max_ == min_) return 0;
    return static_cast<int>(Round((static_cast<double>(progress_) - min_) * 100 / (static_cast<double>(max_) - min_)));
}

void TGauge::SetShowText(bool value) {
    showText_ = value;
    Invalidate();
}

void TGauge::SetForeColor(TColor value) {
    foreColor_ = value;
    Invalidate();
}

void TGauge::SetBackColor(TColor value) {
    backColor_ = value;
    Invalidate();
}

TRect TGauge::FilledRect() const {
    TRect inside{1, 1, std::max(1, Width() - 1), std::max(1, Height() - 1)};
    double fraction = max_ == min_ ? 0 : (static_cast<double>(progress_) - min_) / (static_cast<double>(max_) - min_);
    return {inside.Left, inside.Top, inside.Left + static_cast<int>(Round(inside.Width() * fraction)), inside.Bottom};
}

void TGauge::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Pen()->SetColor(clBlack);
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(backColor_);
    c.Rectangle(r);
    TRect filled = FilledRect();
    TRect rest{filled.Right, filled.Top, std::max(filled.Right, Width() - 1), filled.Bottom};
    if (filled.Right > filled.Left) {
        c.Brush()->SetColor(foreColor_);
        c.FillRect(filled);
    }
    if (!showText_) return;
    // The text in the colour of the other part on each side of the edge.
    std::string text = std::to_string(PercentDone()) + "%";
    c.Font()->Assign(Font());
    int x = (Width() - c.TextWidth(text)) / 2;
    int y = (Height() - c.TextHeight(text)) / 2;
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Font()->SetColor(foreColor_);
    c.TextRect(rest, x, y, text);
    c.Font()->SetColor(backColor_);
    c.TextRect(filled, x, y, text);
}
