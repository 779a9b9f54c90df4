#include "chart/ChartTitle.h"

#include "chart/ChartCanvas.h"
#include "chart/CustomAxisPanel.h"
#include "chart/StoreIfChanged.h"

#include <algorithm>

TChartTitle::TChartTitle(TCustomAxisPanel* chart, bool onTop) : chart_(chart), onTop_(onTop) {}

void TChartTitle::Changed() {
    if (chart_) chart_->Invalidate();
}

void TChartTitle::SetVisible(bool v) {
    if (StoreIfChanged(visible_, v)) Changed();
}
void TChartTitle::SetText(const std::vector<std::string>& v) {
    if (StoreIfChanged(text_, v)) Changed();
}
void TChartTitle::SetAlignment(TAlignment v) {
    if (StoreIfChanged(alignment_, v)) Changed();
}
void TChartTitle::SetAdjustFrame(bool v) {
    if (StoreIfChanged(adjustFrame_, v)) Changed();
}
void TChartTitle::SetVertMargin(int v) {
    if (StoreIfChanged(vertMargin_, v)) Changed();
}
void TChartTitle::SetCustomPosition(bool v) {
    if (StoreIfChanged(customPosition_, v)) Changed();
}

void TChartTitle::SetLeft(int value) {
    customPosition_ = true;
    const int width = rect_.Width();
    rect_.Left = value;
    rect_.Right = value + width;
    Changed();
}

void TChartTitle::SetTop(int value) {
    customPosition_ = true;
    const int height = rect_.Height();
    rect_.Top = value;
    rect_.Bottom = value + height;
    Changed();
}

void TChartTitle::Assign(const TChartTitle& s) {
    adjustFrame_ = s.adjustFrame_;
    alignment_ = s.alignment_;
    text_ = s.text_;
    vertMargin_ = s.vertMargin_;
    customPosition_ = s.customPosition_;
    if (customPosition_) rect_ = s.rect_;
    visible_ = s.visible_;
    Changed();
}

bool TChartTitle::HitAt(int x, int y) const {
    return visible_ && x >= rect_.Left && x <= rect_.Right && y >= rect_.Top && y <= rect_.Bottom;
}

void TChartTitle::Draw() {
    TCanvas3D* canvas = chart_->Canvas();
    if (!visible_ || text_.empty() || !canvas) return;
    const int n = static_cast<int>(text_.size());
    TRect r = customPosition_ ? rect_ : chart_->PlotRect();
    canvas->SetTextAlign(TA_LEFT);
    const int h = canvas->FontLineHeight();
    if (onTop_ || customPosition_)
        r.Bottom = r.Top + n * h;
    else
        r.Top = r.Bottom - n * h;
    const int w = canvas->TextWidth("W");
    if (adjustFrame_) {
        int widest = 0;
        for (const std::string& line : text_) widest = std::max(widest, canvas->TextWidth(line));
        const int a = w + widest;
        if (alignment_ == TAlignment::taLeftJustify) {
            r.Right = r.Left + a;
        } else if (alignment_ == TAlignment::taRightJustify) {
            r.Left = r.Right - a;
        } else {
            if (customPosition_) r.Right = r.Left + a;
            const int c = (r.Left + r.Right) / 2;
            r.Left = c - a / 2;
            r.Right = c + a / 2;
        }
    }
    rect_ = r;
    const int x0 = r.Left + w / 2;
    for (int i = 0; i < n; ++i) {
        const std::string& line = text_[i];
        const int y = onTop_ ? r.Top + i * h : r.Bottom - h - i * h;
        const int x = alignment_ == TAlignment::taLeftJustify    ? x0
                      : alignment_ == TAlignment::taRightJustify ? r.Right - canvas->TextWidth(line) - w / 2
                                                                 : (r.Left + r.Right) / 2 - canvas->TextWidth(line) / 2;
        canvas->TextOut(x, y, line);
    }
    if (customPosition_) return;
    if (!chart_->FixedPlotRect()) {
        TRect plot = chart_->PlotRect();
        if (onTop_)
            plot.Top = r.Bottom + vertMargin_;
        else
            plot.Bottom = r.Bottom - vertMargin_ - n * h;
        chart_->SetPlotRect(plot);
    }
    chart_->FinishPlotRect();
}
