#include "chart/axes/ChartAxisTitle.h"

#include "chart/geometry/ChartGeometry.h"
#include "chart/geometry/PointHitTests.h"
#include "chart/panel/CustomChartPanel.h"
#include "ui/core/PublishedProperties.h"

#include <cstdint>
#include <vector>

namespace {

const TEnumInfo& TitleBevelInfo() {
    static const TEnumInfo info("TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
    return info;
}

const TEnumInfo& TitleShapeStyleInfo() {
    static const TEnumInfo info("TChartObjectShapeStyle", {"fosRectangle", "fosRoundRectangle", "fosEllipse"});
    return info;
}

}  // namespace

TChartAxisTitle::TChartAxisTitle(TCustomChartPanel* panel) : TChartCustomShape(panel) {
    SetTransparent(true);
    TransparentDefault = true;
}

void TChartAxisTitle::Assign(const TChartAxisTitle& source) {
    angle_ = source.angle_;
    caption_ = source.caption_;
    TChartCustomShape::Assign(source);
    RepaintParent();
}

void TChartAxisTitle::SetCaption(const std::string& value) {
    if (caption_ == value) return;
    caption_ = value;
    RepaintParent();
}

void TChartAxisTitle::SetAngle(int value) {
    value %= 360;
    if (angle_ == value) return;
    angle_ = value;
    RepaintParent();
}

bool TChartAxisTitle::HitTest(int x, int y) const {
    if (!Visible() || caption_.empty()) return false;
    if (angle_ == 0) return PointInsideRect(ShapeRect, x, y);
    const std::vector<TPoint> corners = RotatedCorners(ShapeRect, angle_);
    return PointInPolygon({x, y}, corners.data(), 3);
}

const TClassInfo& TChartAxisTitle::StaticClass() {
    using T = TChartAxisTitle;
    static const TClassInfo info = TPublished<T>("TChartAxisTitle", TPersistent::StaticClass())
        .Integer("Angle", &T::Angle, &T::SetAngle)
        .Stored(&T::AngleStored)
        .String("Caption", &T::Caption, &T::SetCaption)
        .Enumeration("Bevel", TitleBevelInfo(), &T::Bevel, &T::SetBevel, static_cast<int>(TPanelBevel::bvNone))
        .Integer("BevelWidth", &T::BevelWidth, &T::SetBevelWidth, 2)
        .Object("Brush", &TBrush::StaticClass, [](T& t) { return &t.Brush(); }, nullptr)
        .Integer("Color", &T::Color, &T::SetColor, static_cast<std::int64_t>(clWhite))
        .Object("Font", &TFont::StaticClass, [](T& t) { return &t.Font(); }, nullptr)
        .Stored([](const T& t) { return !t.Caption().empty(); })
        .Object("Gradient", &TChartGradient::StaticClass, [](T& t) { return &t.Gradient(); }, nullptr)
        .Stored([](const T& t) { return t.HasGradient(); })
        .Object("Pen", &TPen::StaticClass, [](T& t) { return &t.Pen(); }, nullptr)
        .Object("Picture", &TPicture::StaticClass, [](T& t) { return &t.Picture(); }, nullptr)
        .Stored([](const T& t) { return t.HasPicture(); })
        .Integer("RoundSize", &T::RoundSize, &T::SetRoundSize, 16)
        .Object("Shadow", &TChartShadow::StaticClass, [](T& t) { return &t.Shadow(); }, nullptr)
        .Stored([](const T& t) { return t.HasShadow(); })
        .Enumeration("ShapeStyle", TitleShapeStyleInfo(), &T::ShapeStyle, &T::SetShapeStyle, fosRectangle)
        .Integer("Transparency", &T::Transparency, &T::SetTransparency, 0)
        .Boolean("Transparent", &T::Transparent, &T::SetTransparent)
        .Stored(&T::TransparentStored)
        .Boolean("Visible", &T::Visible, &T::SetVisible, true)
        .Build();
    return info;
}

void TChartAxisTitle::Assign(const TPersistent* source) {
    if (const auto* title = dynamic_cast<const TChartAxisTitle*>(source))
        Assign(*title);
    else
        TPersistent::Assign(source);
}
