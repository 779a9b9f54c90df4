#include "chart/ChartPen.h"

#include <utility>

namespace {

template <class T>
bool Store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

TChartPen::TChartPen(TChangeEvent onChange) : OnChange(std::move(onChange)) {}

void TChartPen::Changed() {
    if (OnChange) OnChange();
}

void TChartPen::Assign(const TChartPen& source) {
    visible_ = source.visible_;
    smallDots_ = source.smallDots_;
    smallSpace_ = source.smallSpace_;
    endStyle_ = source.endStyle_;
    AssignPlatformPen(source);
}

void TChartPen::AssignPlatformPen(const TChartPen& source) {
    color_ = source.color_;
    style_ = source.style_;
    width_ = source.width_;
    mode_ = source.mode_;
    Changed();
}

void TChartPen::SetColor(TColor v) {
    if (Store(color_, v)) Changed();
}
void TChartPen::SetStyle(TPenStyle v) {
    if (Store(style_, v)) Changed();
}
void TChartPen::SetWidth(int v) {
    if (Store(width_, v)) Changed();
}
void TChartPen::SetMode(TPenMode v) {
    if (Store(mode_, v)) Changed();
}
void TChartPen::SetEndStyle(TPenEndStyle v) {
    if (Store(endStyle_, v)) Changed();
}
void TChartPen::SetSmallDots(bool v) {
    if (Store(smallDots_, v)) Changed();
}
void TChartPen::SetSmallSpace(int v) {
    if (Store(smallSpace_, v)) Changed();
}
void TChartPen::SetVisible(bool v) {
    if (Store(visible_, v)) Changed();
}

TChartHiddenPen::TChartHiddenPen(TChangeEvent onChange) : TChartPen(std::move(onChange)) {
    visible_ = false;
    defaultVisible_ = false;
}

TDottedGrayPen::TDottedGrayPen(TChangeEvent onChange) : TChartPen(std::move(onChange)) {
    color_ = clGray;
    style_ = TPenStyle::psDot;
}

TDarkGrayPen::TDarkGrayPen(TChangeEvent onChange) : TChartPen(std::move(onChange)) { color_ = clGray; }

TWhitePen::TWhitePen(TChangeEvent onChange) : TChartPen(std::move(onChange)) { color_ = clWhite; }

void TChartBrush::Changed() {
    if (OnChange) OnChange();
}

void TChartBrush::Assign(const TChartBrush& source) {
    backColor_ = source.backColor_;
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}

void TChartBrush::SetColor(TColor v) {
    if (Store(color_, v)) Changed();
}
void TChartBrush::SetStyle(TBrushStyle v) {
    if (Store(style_, v)) Changed();
}
void TChartBrush::SetBackColor(TColor v) {
    if (Store(backColor_, v)) Changed();
}
