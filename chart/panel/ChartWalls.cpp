#include "chart/panel/ChartWalls.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/effects/ChartBlend.h"
#include "chart/geometry/ChartGeometry.h"
#include "chart/panel/CustomAxisPanel.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/GraphicsObjects.h"
#include "ui/graphics/Picture.h"

namespace {

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

template <class W>
TPublished<W>& WithPicture(TPublished<W>& published) {
    return published
        .Object("Picture", &TPicture::StaticClass, [](W& w) { return &w.Picture(); }, nullptr)
        .Stored([](const W& w) { return w.HasPicture(); });
}

}  // namespace

const TClassInfo& TChartWall::StaticClass() {
    static const TClassInfo info = WallProperties<TChartWall>("TChartWall", TPersistent::StaticClass()).Build();
    return info;
}

const TClassInfo& TChartBackWall::StaticClass() {
    using W = TChartBackWall;
    static const TClassInfo info = [] {
        auto published = WallProperties<W>("TChartBackWall", TChartWall::StaticClass());
        WithPicture(published)
            .Object("Shadow", &TChartShadow::StaticClass, [](W& w) { return &w.Shadow(); },
                    nullptr);
        return published.Build();
    }();
    return info;
}

const TClassInfo& TChartLeftWall::StaticClass() {
    static const TClassInfo info = [] {
        auto published = WallProperties<TChartLeftWall>("TChartLeftWall", TChartWall::StaticClass());
        return WithPicture(published).Build();
    }();
    return info;
}

const TClassInfo& TChartBottomWall::StaticClass() {
    static const TClassInfo info =
        WallProperties<TChartBottomWall>("TChartBottomWall", TChartWall::StaticClass()).Build();
    return info;
}

const TClassInfo& TChartRightWall::StaticClass() {
    static const TClassInfo info =
        WallProperties<TChartRightWall>("TChartRightWall", TChartWall::StaticClass()).Build();
    return info;
}

// ---- settings ----

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

TChartBackWall::TChartBackWall(TCustomAxisPanel* chart) : TChartWall(chart, 0xC0C0C0) {
    TransparentDefault = true;
    SetTransparent(true);
    Shadow().SetDefaults(0x808080, Shadow().HorizSize());
    Shadow().SetVisibleDefault(false);
}

TChartRightWall::TChartRightWall(TCustomAxisPanel* chart) : TChartWall(chart, 0xC0C0C0) {
    VisibleDefault = false;
    SetVisible(false);
}

// ---- in the drawing ----

bool TChartWall::ShouldDraw() const { return chart_->View3DWalls() && Visible() && !AutoHide(); }

bool TChartWall::DarkSides() const {
    const TChartBrush& brush = Brush();
    return brush.Style() != TBrushStyle::bsClear && !brush.HasImage() && Dark3D();
}

bool TChartWall::HasGradient() const {
    return GradientVisible();
}

void TChartWall::ComputeVertRange(int& top, int& bottom) const {
    const TRect& r = chart_->PlotRect();
    bottom = r.Bottom + chart_->GetAxisWallSize(chart_->BottomAxis());
    if (EndPosition() != 100) bottom -= RoundToInt((100 - EndPosition()) * (bottom - r.Top) * 0.01);
    top = r.Top;
    if (StartPosition() != 0) top += RoundToInt(StartPosition() * (r.Bottom - top) * 0.01);
}

std::unique_ptr<TChartBlend> TChartWall::BeginSideBlend(int x, int top, int bottom) {
    if (Transparent() || (Transparency() == 0 && !HasGradient())) return nullptr;
    TCanvas3D& canvas = *chart_->Canvas();
    const int depth = chart_->Depth3DWidth();
    const TPoint corners[4] = {canvas.ChartToScreen(x, top, 0), canvas.ChartToScreen(x, top, depth),
                               canvas.ChartToScreen(x, bottom, depth), canvas.ChartToScreen(x, bottom, 0)};
    std::unique_ptr<TChartBlend> blend;
    if (Transparency() > 0) blend = canvas.StartTransparency(PolygonRect(corners, 4), Transparency());
    if (HasGradient()) {
        canvas.FillPolygonGradient(corners, 4, Gradient());
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
    }
    return blend;
}

void TChartWall::EndBlend(std::unique_ptr<TChartBlend> blend) {
    if (blend) chart_->Canvas()->FinishTransparency(std::move(blend));
}

TChartWalls::TChartWalls(TCustomAxisPanel* chart) : Back(chart), Left(chart), Bottom(chart), Right(chart) {}

void TChartWalls::Assign(const TChartWalls& source) {
    Back.Assign(source.Back);
    Bottom.Assign(source.Bottom);
    Left.Assign(source.Left);
    Right.Assign(source.Right);
}
