#include "chart/axes/AxisPens.h"

#include "ui/core/PublishedProperties.h"

void TChartAxisPen::SetLineMode(TPenLineMode value) {
    if (lineMode_ == value) return;
    lineMode_ = value;
    Changed();
}

const TEnumInfo& PenLineModeInfo() {
    static const TEnumInfo info("TPenLineMode", {"lmLine", "lmCylinder", "lmRectangle"});
    return info;
}

const TClassInfo& TChartAxisPen::StaticClass() {
    static const TClassInfo info = TPublished<TChartAxisPen>("TChartAxisPen", TChartPen::StaticClass())
        .Enumeration("LineMode", PenLineModeInfo(), &TChartAxisPen::LineMode, &TChartAxisPen::SetLineMode, lmLine)
        .Build();
    return info;
}

const TClassInfo& TAxisGridPen::StaticClass() {
    static const TClassInfo info = TPublished<TAxisGridPen>("TAxisGridPen", TChartPen::StaticClass())
        .Integer("DrawEvery", &TAxisGridPen::DrawEvery, &TAxisGridPen::SetDrawEvery, 1)
        .Float("ZPosition", &TAxisGridPen::ZPosition, &TAxisGridPen::SetZPosition)
        .Stored(&TAxisGridPen::ZPositionStored)
        .Build();
    return info;
}

void TChartAxisPen::Assign(const TPersistent* source) {
    if (const auto* pen = dynamic_cast<const TChartAxisPen*>(source)) lineMode_ = pen->lineMode_;
    TChartPen::Assign(source);
}

void TAxisGridPen::Assign(const TAxisGridPen& source) { Assign(static_cast<const TPersistent*>(&source)); }

void TAxisGridPen::Assign(const TPersistent* source) {
    if (const auto* pen = dynamic_cast<const TAxisGridPen*>(source)) {
        centered_ = pen->centered_;
        drawEvery_ = pen->drawEvery_;
        zPosition_ = pen->zPosition_;
    }
    TChartPen::Assign(source);
}

void TAxisGridPen::SetDrawEvery(int value) {
    if (drawEvery_ == value) return;
    drawEvery_ = value;
    Changed();
}

void TAxisGridPen::SetZPosition(double value) {
    if (zPosition_ == value) return;
    zPosition_ = value;
    Changed();
}

void TAxisGridPen::SetCentered(bool value) {
    if (centered_ == value) return;
    centered_ = value;
    Changed();
}
