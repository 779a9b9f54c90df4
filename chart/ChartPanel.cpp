#include "chart/ChartPanel.h"

#include <cstdlib>

TCustomChartPanel::TCustomChartPanel()
    : border_([this] { Invalidate(); }), view3DOptions_([this] { Invalidate(); }) {
    border_.SetEndStyle(esFlat);
}

void TCustomChartPanel::SetMargin(int index, int value) {
    if (margins_[index] == value) return;
    margins_[index] = value;
    Invalidate();
}

void TCustomChartPanel::SetMarginUnits(TChartUnits value) {
    if (marginUnits_ == value) return;
    marginUnits_ = value;
    Invalidate();
}

void TCustomChartPanel::SetBorderWidth(int value) {
    if (borderWidth_ == value) return;
    borderWidth_ = value;
    Invalidate();
}

void TCustomChartPanel::SetBevelInner(bool value) {
    if (bevelInner_ == value) return;
    bevelInner_ = value;
    Invalidate();
}

void TCustomChartPanel::SetBevelOuter(bool value) {
    if (bevelOuter_ == value) return;
    bevelOuter_ = value;
    Invalidate();
}

void TCustomChartPanel::SetBevelWidth(int value) {
    if (bevelWidth_ == value) return;
    bevelWidth_ = value;
    Invalidate();
}

void TCustomChartPanel::SetView3D(bool value) {
    if (view3D_ == value) return;
    view3D_ = value;
    Invalidate();
}

void TCustomChartPanel::ComputePlotRect() {
    int frame = borderWidth_;
    if (bevelInner_) frame += bevelWidth_;
    if (bevelOuter_) frame += bevelWidth_;
    if (border_.Visible()) frame += border_.Width();
    if (fixedPlotRect_) return;
    int m[4];
    for (int i = 0; i < 4; ++i) {
        const int size = (i == 0 || i == 2) ? renderRect_.Width() : renderRect_.Height();
        m[i] = marginUnits_ == muPixels ? margins_[i] : margins_[i] * size / 100;
    }
    plotRect_ = TRect{renderRect_.Left + frame + m[0], renderRect_.Top + frame + m[1],
                      renderRect_.Right - frame - m[2], renderRect_.Bottom - frame - m[3]};
}

void TCustomChartPanel::FinishPlotRect() {
    if (!fixedPlotRect_) {
        plotRect_.Left = std::max(plotRect_.Left, renderRect_.Left);
        plotRect_.Top = std::max(plotRect_.Top, renderRect_.Top);
        if (plotRect_.Right < plotRect_.Left)
            plotRect_.Right = plotRect_.Left + 1;
        else if (plotRect_.Right == plotRect_.Left)
            plotRect_.Right = plotRect_.Left + width_;
        if (plotRect_.Bottom < plotRect_.Top)
            plotRect_.Bottom = plotRect_.Top + 1;
        else if (plotRect_.Bottom == plotRect_.Top)
            plotRect_.Bottom = plotRect_.Top + height_;
    }
    plotWidth_ = plotRect_.Width();
    plotHeight_ = plotRect_.Height();
    plotCenterX_ = (plotRect_.Left + plotRect_.Right) / 2;
    plotCenterY_ = (plotRect_.Top + plotRect_.Bottom) / 2;
}

void TCustomChartPanel::RenderTo(const TRect& rect) {
    renderRect_ = rect;
    ComputePlotRect();
    FinishPlotRect();
    DrawContents(renderRect_);
}
