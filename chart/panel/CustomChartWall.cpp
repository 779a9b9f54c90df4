#include "chart/panel/CustomChartWall.h"

#include "chart/core/StoreIfChanged.h"
#include "chart/panel/CustomAxisPanel.h"

TCustomChartWall::TCustomChartWall(TCustomAxisPanel* chart, TColor defaultColor)
    : TChartCustomShape(chart), chart_(chart), defaultColor_(defaultColor) {
    SetColor(defaultColor);
}

void TCustomChartWall::Assign(const TPersistent* source) {
    if (const auto* wall = dynamic_cast<const TCustomChartWall*>(source))
        Assign(*wall);
    else
        TPersistent::Assign(source);
}

void TCustomChartWall::Assign(const TCustomChartWall& s) {
    autoHide_ = s.autoHide_;
    dark3D_ = s.dark3D_;
    endPosition_ = s.endPosition_;
    size_ = s.size_;
    startPosition_ = s.startPosition_;
    TChartCustomShape::Assign(s);
    RepaintParent();
}

void TCustomChartWall::SetAutoHide(bool v) {
    if (StoreIfChanged(autoHide_, v)) RepaintParent();
}
void TCustomChartWall::SetDark3D(bool v) {
    if (StoreIfChanged(dark3D_, v)) RepaintParent();
}
void TCustomChartWall::SetStartPosition(int v) {
    if (StoreIfChanged(startPosition_, v)) RepaintParent();
}
void TCustomChartWall::SetEndPosition(int v) {
    if (StoreIfChanged(endPosition_, v)) RepaintParent();
}
void TCustomChartWall::SetSize(int v) {
    if (StoreIfChanged(size_, v)) RepaintParent();
}
void TCustomChartWall::SetDefaultColor(TColor v) {
    defaultColor_ = v;
    SetColor(v);
}
