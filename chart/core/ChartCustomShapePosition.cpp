#include "chart/core/ChartCustomShapePosition.h"

#include "chart/core/StoreIfChanged.h"
#include "chart/panel/CustomChartPanel.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/GraphicsObjects.h"
#include "ui/graphics/Picture.h"

const TEnumInfo& ChartObjectShapeStyleInfo() {
    static const TEnumInfo info("TChartObjectShapeStyle", {"fosRectangle", "fosRoundRectangle", "fosEllipse"});
    return info;
}

const TEnumInfo& TextFormatInfo() {
    static const TEnumInfo info("TTextFormat", {"ttfNormal", "ttfHtml"});
    return info;
}

const TClassInfo& TChartCustomShapePosition::StaticClass() {
    using S = TChartCustomShapePosition;
    static const TClassInfo info =
        TPublished<S>("TChartCustomShapePosition", TPersistent::StaticClass())
            .Enumeration("Bevel", PanelBevelInfo(), &S::Bevel, &S::SetBevel, static_cast<int>(TPanelBevel::bvNone))
            .Integer("BevelWidth", &S::BevelWidth, &S::SetBevelWidth, 2)
            .Object("Brush", &TBrush::StaticClass, [](S& s) { return &s.Brush(); }, nullptr)
            .Integer("Color", &S::Color, &S::SetColor, static_cast<std::int64_t>(clWhite))
            .Boolean("CustomPosition", &S::CustomPosition, &S::SetCustomPosition)
            .Stored(&S::CustomPositionStored)
            .Object("Font", &TFont::StaticClass, [](S& s) { return &s.Font(); }, nullptr)
            .Object("Frame", &TPen::StaticClass, [](S& s) { return &s.Pen(); }, nullptr)
            .Object("Gradient", &TChartGradient::StaticClass, [](S& s) { return &s.Gradient(); },
                    nullptr)
            .Stored([](const S& s) { return s.HasGradient(); })
            .Integer("Left", &S::Left, &S::SetLeft)
            .Stored(&S::CustomPosition)
            .Object("Picture", &TPicture::StaticClass, [](S& s) { return &s.Picture(); }, nullptr)
            .Stored([](const S& s) { return s.HasPicture(); })
            .Object("Shadow", &TChartShadow::StaticClass, [](S& s) { return &s.Shadow(); }, nullptr)
            .Stored([](const S& s) { return s.HasShadow(); })
            .Enumeration("ShapeStyle", ChartObjectShapeStyleInfo(), &S::ShapeStyle, &S::SetShapeStyle, fosRectangle)
            .Enumeration("TextFormat", TextFormatInfo(), &S::TextFormat, &S::SetTextFormat, ttfNormal)
            .Integer("Top", &S::Top, &S::SetTop)
            .Stored(&S::CustomPosition)
            .Integer("Transparency", &S::Transparency, &S::SetTransparency, 0)
            .Boolean("Transparent", &S::Transparent, &S::SetTransparent)
            .Stored(&S::TransparentStored)
            .Boolean("Visible", &S::Visible, &S::SetVisible, true)
            .Build();
    return info;
}

TChartCustomShapePosition::TChartCustomShapePosition(TCustomChartPanel* panel) : TChartCustomShape(panel) {}

void TChartCustomShapePosition::Assign(const TPersistent* source) {
    if (const auto* shape = dynamic_cast<const TChartCustomShapePosition*>(source))
        Assign(*shape);
    else
        TPersistent::Assign(source);
}

void TChartCustomShapePosition::Assign(const TChartCustomShapePosition& source) {
    customPosition_ = source.customPosition_;
    if (customPosition_) {
        SetLeft(source.Left());
        SetTop(source.Top());
    }
    TChartCustomShape::Assign(source);
}

void TChartCustomShapePosition::SetCustomPosition(bool value) {
    if (StoreIfChanged(customPosition_, value)) RepaintParent();
}

void TChartCustomShapePosition::SetLeft(int value) {
    customPosition_ = true;
    const int width = ShapeRect.Right - ShapeRect.Left;
    ShapeRect.Left = value;
    ShapeRect.Right = value + width;
    RepaintParent();
}

void TChartCustomShapePosition::SetTop(int value) {
    customPosition_ = true;
    const int height = ShapeRect.Bottom - ShapeRect.Top;
    ShapeRect.Top = value;
    ShapeRect.Bottom = value + height;
    RepaintParent();
}

void TChartCustomShapePosition::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    DefineShapeProperties(filer);
}
