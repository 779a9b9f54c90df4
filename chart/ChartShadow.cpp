#include "chart/ChartShadow.h"

namespace {

template <class T>
bool Store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

void TChartShadow::SetDefaults(TColor color, int size) {
    color_ = defaultColor_ = color;
    horizSize_ = vertSize_ = defaultSize_ = size;
}

void TChartShadow::Assign(const TChartShadow& source) {
    color_ = source.color_;
    horizSize_ = source.horizSize_;
    smooth_ = source.smooth_;
    smoothBlur_ = source.smoothBlur_;
    transparency_ = source.transparency_;
    vertSize_ = source.vertSize_;
    visible_ = source.visible_;
    Changed();
}

void TChartShadow::SetClip(bool v) {
    if (Store(clip_, v)) Changed();
}
void TChartShadow::SetColor(TColor v) {
    if (Store(color_, v)) Changed();
}
void TChartShadow::SetHorizSize(int v) {
    if (Store(horizSize_, v)) Changed();
}
void TChartShadow::SetVertSize(int v) {
    if (Store(vertSize_, v)) Changed();
}
void TChartShadow::SetSmooth(bool v) {
    if (Store(smooth_, v)) Changed();
}
void TChartShadow::SetSmoothBlur(int v) {
    if (Store(smoothBlur_, v)) Changed();
}
void TChartShadow::SetTransparency(int v) {
    if (Store(transparency_, std::clamp(v, 0, 100))) Changed();
}
void TChartShadow::SetVisible(bool v) {
    if (Store(visible_, v)) Changed();
}
