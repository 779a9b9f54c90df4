#include "chart/core/ChartCustomShape.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/effects/ChartBlend.h"
#include "chart/geometry/ChartGeometry.h"
#include "chart/panel/CustomChartPanelExtended.h"

#include "platform/system/Angles.h"
#include "ui/core/Filer.h"
#include "ui/core/Reader.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/Colors.h"

#include <algorithm>
#include <cmath>

std::vector<TPoint> RotatedCorners(const TRect& r, int angle) {
    const int cx = (r.Left + r.Right) / 2;
    const int cy = (r.Top + r.Bottom) / 2;
    const double a = platform::DegreesToRadians(angle);
    const double c = std::cos(a), s = std::sin(a);
    std::vector<TPoint> out;
    for (TPoint p : {TPoint{r.Left, r.Top}, TPoint{r.Right, r.Top}, TPoint{r.Right, r.Bottom}, TPoint{r.Left, r.Bottom}}) {
        const int dx = p.X - cx, dy = p.Y - cy;
        out.push_back({static_cast<int>(Round(dx * c + dy * s)) + cx, static_cast<int>(Round(-dx * s + dy * c)) + cy});
    }
    return out;
}

// ---- brush, pen and visibility ----

TChartCustomShapeBrushPen::TChartCustomShapeBrushPen(TCustomChartPanel* panel)
    : panel_(panel), brush_([this] { RepaintParent(); }), pen_([this] { RepaintParent(); }) {}

void TChartCustomShapeBrushPen::Assign(const TChartCustomShapeBrushPen& source) {
    brush_.Assign(&source.brush_);
    pen_.Assign(&source.pen_);
    SetVisible(source.visible_);
}

void TChartCustomShapeBrushPen::SetVisible(bool value) {
    if (panel_)
        panel_->ChangeBoolean(visible_, value);
    else
        visible_ = value;
}

void TChartCustomShapeBrushPen::RepaintParent() {
    if (panel_) panel_->Invalidate();
}

// ---- the shape ----

TChartCustomShape::TChartCustomShape(TCustomChartPanel* panel)
    : TChartCustomShapeBrushPen(panel), font_([this] { RepaintParent(); }) {
    Shadow().SetDefaults(clBlack, 3);
}

TChartCustomShape::~TChartCustomShape() = default;

void TChartCustomShape::Assign(const TChartCustomShape& source) {
    bevel_ = source.bevel_;
    bevelWidth_ = source.bevelWidth_;
    color_ = source.color_;
    font_.Assign(&source.font_);
    SetGradient(source.gradient_.get());
    shapeStyle_ = source.shapeStyle_;
    SetPicture(source.picture_.get());
    roundSize_ = source.roundSize_;
    SetShadow(source.shadow_.get());
    textFormat_ = source.textFormat_;
    transparent_ = source.transparent_;
    transparency_ = source.transparency_;
    TChartCustomShapeBrushPen::Assign(source);
}

void TChartCustomShape::SetBevel(TPanelBevel v) {
    if (StoreIfChanged(bevel_, v)) RepaintParent();
}
void TChartCustomShape::SetBevelWidth(int v) {
    if (StoreIfChanged(bevelWidth_, v)) RepaintParent();
}
void TChartCustomShape::SetRoundSize(int v) {
    if (StoreIfChanged(roundSize_, v)) RepaintParent();
}
void TChartCustomShape::SetShapeStyle(TChartObjectShapeStyle v) {
    if (StoreIfChanged(shapeStyle_, v)) RepaintParent();
}
void TChartCustomShape::SetTextFormat(TTextFormat v) {
    if (StoreIfChanged(textFormat_, v)) RepaintParent();
}
void TChartCustomShape::SetTransparency(int v) {
    if (StoreIfChanged(transparency_, std::clamp(v, 0, 100))) RepaintParent();
}

void TChartCustomShape::SetColor(TColor value) {
    if (ParentPanel())
        ParentPanel()->ChangeColor(color_, value);
    else
        color_ = value;
}

void TChartCustomShape::SetTransparent(bool value) {
    if (ParentPanel())
        ParentPanel()->ChangeBoolean(transparent_, value);
    else
        transparent_ = value;
}

TChartGradient& TChartCustomShape::Gradient() {
    if (!gradient_) gradient_ = NewGradient([this] { RepaintParent(); });
    return *gradient_;
}

void TChartCustomShape::SetGradient(const TChartGradient* gradient) {
    if (!gradient)
        gradient_.reset();
    else
        Gradient().Assign(*gradient);
}

TBackImage& TChartCustomShape::Picture() {
    if (!picture_) {
        picture_ = std::make_unique<TBackImage>();
        picture_->OnChange = [this](TObject*) { RepaintParent(); };
    }
    return *picture_;
}

void TChartCustomShape::SetPicture(const TBackImage* picture) {
    if (!picture)
        picture_.reset();
    else
        Picture().Assign(picture);
    RepaintParent();
}

TChartShadow& TChartCustomShape::Shadow() {
    if (!shadow_) shadow_ = std::make_unique<TChartShadow>([this] { RepaintParent(); });
    return *shadow_;
}

void TChartCustomShape::SetShadow(const TChartShadow* shadow) {
    if (!shadow)
        shadow_.reset();
    else
        Shadow().Assign(*shadow);
}

void TChartCustomShape::DefineShapeProperties(TFiler& filer) {
    filer.DefineProperty(
        "ShadowColor",
        [this](TReader& reader) {
            TColor color = clBlack;
            if (reader.NextValue() == TValueType::vaIdent) {
                if (!IdentToColor(reader.ReadIdent(), color)) color = clBlack;
            } else {
                color = static_cast<TColor>(reader.ReadInteger());
            }
            Shadow().SetColor(color);
        },
        nullptr, false);
    filer.DefineProperty(
        "ShadowSize",
        [this](TReader& reader) {
            const int size = static_cast<int>(reader.ReadInteger());
            Shadow().SetHorizSize(size);
            Shadow().SetVertSize(size);
        },
        nullptr, false);
}

// ---- drawing ----

void TChartCustomShape::DrawShapeRect(const TRect& rect, int angle, int z) {
    if (ParentPanel()) DrawShapeOn(*ParentPanel(), rect, angle, z);
}

void TChartCustomShape::DrawOutline(TCanvas3D& c, const TRect& r, int angle, int z) {
    if (angle != 0) {
        const std::vector<TPoint> corners = RotatedCorners(r, angle);
        c.PolygonAtDepth(corners.data(), 4, z);
    } else if (c.SupportsRotation3D()) {
        if (shapeStyle_ == fosEllipse)
            c.EllipseAtDepth(r, z);
        else
            c.RectangleAtDepth(r, z);
    } else if (shapeStyle_ == fosRectangle) {
        c.Rectangle(r);
    } else if (shapeStyle_ == fosEllipse) {
        c.Ellipse(r);
    } else {
        c.RoundRect(r, roundSize_, roundSize_);
    }
}

void TChartCustomShape::DrawShapeOn(TCustomChartPanel& panel, const TRect& rect, int angle, int z) {
    if (transparent_) return;
    TCanvas3D& c = *panel.Canvas();
    const std::vector<TPoint> corners = RotatedCorners(rect, angle);
    const TRect turned = angle != 0 ? PolygonRect(corners.data(), 4) : rect;
    std::unique_ptr<TChartBlend> blend;
    if (transparency_ > 0) blend = c.StartTransparency(turned, transparency_);

    TChartBrush& brush = Brush();
    if (shadow_ && shadow_->Visible() && shadow_->Spread() != 0 && brush.Style() != TBrushStyle::bsClear) {
        if (shapeStyle_ == fosEllipse) {
            shadow_->DrawEllipse(c, turned, z);
        } else {
            c.SuspendRotation();
            shadow_->DrawRect(c, turned, shapeStyle_ == fosRoundRectangle ? roundSize_ : 0, z);
            c.ResumeRotation();
        }
        if (transparency_ > 0) {
            int h = shadow_->HorizSize(), v = shadow_->VertSize();
            if (std::max(h, v) > 0 && Pen().Visible()) {
                h += Pen().Width();
                v += Pen().Width();
            }
            c.Pen().SetStyle(TPenStyle::psClear);
            c.Brush().SetImage(nullptr);
            c.Brush().SetStyle(TBrushStyle::bsSolid);
            c.Brush().SetColor(shadow_->Color());
            const TRect moved{rect.Left + h, rect.Top + v, rect.Right + h, rect.Bottom + v};
            std::unique_ptr<TChartBlend> shadowBlend;
            if (shadow_->Transparency() > 0) shadowBlend = c.StartTransparency(moved, shadow_->Transparency());
            DrawOutline(c, moved, angle, z);
            if (shadowBlend) c.FinishTransparency(std::move(shadowBlend));
        }
    }

    auto* extended = dynamic_cast<TCustomChartPanelExtended*>(&panel);
    if (HasPicture() && extended) {
        if (shapeStyle_ == fosEllipse) c.ClipToEllipse(rect, false);
        if (shapeStyle_ == fosRoundRectangle) c.ClipToRoundRect(rect, roundSize_);
        extended->DrawBackImage(*picture_, rect, 0);
        if (shapeStyle_ != fosRectangle) c.RemoveClip();
        c.Brush().SetStyle(TBrushStyle::bsClear);
    } else if (gradient_ && gradient_->Visible()) {
        if (angle != 0) {
            c.Pen().SetStyle(TPenStyle::psClear);
            c.FillPolygonGradient(corners.data(), 4, *gradient_);
        } else if (c.SupportsRotation3D()) {
            c.GradientDepth = z;
            gradient_->Draw(c, rect, 0);
            c.GradientDepth = 0;
        } else {
            gradient_->Draw(c, rect, shapeStyle_ == fosRoundRectangle ? roundSize_ : 0);
        }
        c.Brush().SetStyle(TBrushStyle::bsClear);
    } else {
        c.SelectBrush(brush, color_);
    }
    c.SelectPen(Pen());
    DrawOutline(c, rect, angle, z);
    if (angle == 0) {
        TRect bevelled = rect;
        panel.DrawBevel(c, bevel_, bevelled, 0, bevelWidth_);
    }
    if (blend) {
        // filters without a picture work on the background seen through the box
        TBackImage& picture = Picture();
        if (!picture.Graphic() && picture.HasFilters() && blend->Snapshot())
            picture.Filters().ApplyToBitmap(*blend->Snapshot());
        c.FinishTransparency(std::move(blend));
    }
}
