#pragma once
// What the form data holds of every wall.

#include "chart/effects/ChartGradient.h"
#include "chart/panel/ChartWall.h"
#include "ui/core/PublishedProperties.h"

#include <utility>

template <class W>
TPublished<W> WallProperties(const char* name, const TClassInfo& parent) {
    return std::move(
        TPublished<W>(name, parent)
            .Boolean("AutoHide", &W::AutoHide, &W::SetAutoHide, false)
            .Object("Brush", &TBrush::StaticClass, [](W& w) { return &w.Brush(); }, nullptr)
            .Integer("Color", &W::Color, &W::SetColor)
            .Stored(&W::ColorStored)
            .Boolean("Dark3D", &W::Dark3D, &W::SetDark3D, true)
            .Integer("EndPosition", &W::EndPosition, &W::SetEndPosition, 100)
            .Object("Gradient", &TChartGradient::StaticClass, [](W& w) { return &w.Gradient(); }, nullptr)
            .Stored([](const W& w) { return w.TChartCustomShape::HasGradient(); })
            .Object("Pen", &TPen::StaticClass, [](W& w) { return &w.Pen(); }, nullptr)
            .Integer("Size", &W::Size, &W::SetSize, 0)
            .Integer("StartPosition", &W::StartPosition, &W::SetStartPosition, 0)
            .Integer("Transparency", &W::Transparency, &W::SetTransparency, 0)
            .Boolean("Transparent", &W::Transparent, &W::SetTransparent)
            .Stored(&W::TransparentStored)
            .Boolean("Visible", &W::Visible, &W::SetVisible)
            .Stored(&W::VisibleStored));
}
