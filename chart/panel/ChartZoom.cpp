#include "chart/panel/ChartZoom.h"

#include "ui/core/PublishedProperties.h"

namespace {

const TEnumInfo& ZoomDirectionInfo() {
    static const TEnumInfo info("TChartZoomDirection", {"tzdHorizontal", "tzdVertical", "tzdBoth"});
    return info;
}

const TEnumInfo& ShiftStateInfo() {
    static const TEnumInfo info("TShiftStateItem", {"ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle",
                                                    "ssDouble"});
    return info;
}

}  // namespace

const TEnumInfo& MouseButtonInfo() {
    static const TEnumInfo info("TMouseButton", {"mbLeft", "mbRight", "mbMiddle"});
    return info;
}

const TEnumInfo& PanningModeInfo() {
    static const TEnumInfo info("TPanningMode", {"pmNone", "pmHorizontal", "pmVertical", "pmBoth"});
    return info;
}

const TClassInfo& TChartZoom::StaticClass() {
    using Z = TChartZoom;
    static const TClassInfo info = TPublished<Z>("TChartZoom", TPersistent::StaticClass())
        .Boolean("Allow", &Z::Allow, &Z::Allow, true)
        .Boolean("Animated", &Z::Animated, &Z::Animated, false)
        .Integer("AnimatedSteps", &Z::AnimatedSteps, &Z::AnimatedSteps, 8)
        .Object("Brush", &TChartBrush::StaticClass, [](Z& z) { return &z.Brush(); }, nullptr)
        .Enumeration("Direction", ZoomDirectionInfo(), &Z::Direction, &Z::Direction, tzdBoth)
        .Set("KeyShift", ShiftStateInfo(), &Z::KeyShift, &Z::KeyShift, 0)
        .Integer("MinimumPixels", &Z::MinimumPixels, &Z::MinimumPixels, 16)
        .Enumeration("MouseButton", MouseButtonInfo(), &Z::MouseButton, &Z::MouseButton, 0)
        .Object("Pen", &TChartPen::StaticClass, [](Z& z) { return &z.Pen(); }, nullptr)
        .Boolean("UpLeftZooms", &Z::UpLeftZooms, &Z::UpLeftZooms, false)
        .Build();
    return info;
}

void TChartZoom::Assign(const TPersistent* source) {
    if (auto* zoom = dynamic_cast<const TChartZoom*>(source)) Assign(*zoom);
}

void TChartZoom::Assign(const TChartZoom& source) {
    Allow = source.Allow;
    Animated = source.Animated;
    AnimatedSteps = source.AnimatedSteps;
    SetBrush(source.brush_.get());
    Direction = source.Direction;
    KeyShift = source.KeyShift;
    MouseButton = source.MouseButton;
    SetPen(source.pen_.get());
}

TChartZoomPen& TChartZoom::Pen() {
    if (!pen_) pen_ = std::make_unique<TChartZoomPen>();
    return *pen_;
}

TChartZoomBrush& TChartZoom::Brush() {
    if (!brush_) brush_ = std::make_unique<TChartZoomBrush>();
    return *brush_;
}

void TChartZoom::SetPen(const TChartPen* pen) {
    if (!pen)
        pen_.reset();
    else
        Pen().Assign(static_cast<const TPersistent*>(pen));
}

void TChartZoom::SetBrush(const TChartBrush* brush) {
    if (!brush)
        brush_.reset();
    else
        Brush().Assign(static_cast<const TPersistent*>(brush));
}
