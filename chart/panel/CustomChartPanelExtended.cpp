#include "chart/panel/CustomChartPanelExtended.h"

#include "chart/canvas/Canvas3D.h"

#include "ui/core/Filer.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/core/Writer.h"
#include "ui/graphics/Graphic.h"

#include <cstdlib>

const TClassInfo& TCustomChartPanelExtended::StaticClass() {
    using P = TCustomChartPanelExtended;
    static const TClassInfo info = TPublished<P>("TCustomChartPanelExtended", TCustomChartPanel::StaticClass())
        .Enumeration("AllowPanning", PanningModeInfo(), &P::AllowPanning, &P::AllowPanning, pmBoth)
        .Object("BackImage", &TBackImage::StaticClass, [](P& p) { return &p.BackImage(); },
                nullptr)
        .Boolean("BackImageInside", &P::BackImageInside, &P::SetBackImageInside, false)
        .Enumeration("BackImageMode", BackImageModeInfo(), [](const P& p) { return p.BackImageMode(); },
                     &P::SetBackImageMode, pbmStretch)
        .Boolean("BackImageTransp", &P::BackImageTransp, &P::SetBackImageTransp, false)
        .Object("Gradient", &TChartGradient::StaticClass, [](P& p) { return &p.Gradient(); },
                nullptr)
        .Object("Zoom", &TChartZoom::StaticClass, [](P& p) { return &p.zoom_; }, nullptr)
        .Build();
    return info;
}

TCustomChartPanelExtended::TCustomChartPanelExtended(TComponent* owner) : TCustomChartPanel(owner) {}

TCustomChartPanelExtended::~TCustomChartPanelExtended() = default;

void TCustomChartPanelExtended::Assign(const TPersistent* source) {
    if (auto* panel = dynamic_cast<const TCustomChartPanelExtended*>(source)) {
        SetBackImage(panel->backImage_.get());
        SetGradient(panel->gradient_.get());
        AllowPanning = panel->AllowPanning;
        zoom_.Assign(panel->zoom_);
    }
    TCustomChartPanel::Assign(source);
}

void TCustomChartPanelExtended::DefineProperties(TFiler& filer) {
    TCustomChartPanel::DefineProperties(filer);
    // Older data: the zoom settings under the panel.
    filer.DefineProperty("AllowZoom", [this](TReader& r) { zoom_.Allow = r.ReadBoolean(); }, nullptr, false);
    filer.DefineProperty("AnimatedZoom", [this](TReader& r) { zoom_.Animated = r.ReadBoolean(); }, nullptr, false);
    filer.DefineProperty(
        "AnimatedZoomSteps", [this](TReader& r) { zoom_.AnimatedSteps = static_cast<int>(r.ReadInteger()); },
        nullptr, false);
    const TRect& m = PrintMargins;
    filer.DefineProperty(
        "PrintMargins",
        [this](TReader& r) {
            r.ReadListBegin();
            PrintMargins.Left = static_cast<int>(r.ReadInteger());
            PrintMargins.Top = static_cast<int>(r.ReadInteger());
            PrintMargins.Right = static_cast<int>(r.ReadInteger());
            PrintMargins.Bottom = static_cast<int>(r.ReadInteger());
            r.ReadListEnd();
        },
        [this](TWriter& w) {
            w.WriteListBegin();
            w.WriteInteger(PrintMargins.Left);
            w.WriteInteger(PrintMargins.Top);
            w.WriteInteger(PrintMargins.Right);
            w.WriteInteger(PrintMargins.Bottom);
            w.WriteListEnd();
        },
        !(m.Left == 15 && m.Top == 15 && m.Right == 15 && m.Bottom == 15));
}

void TCustomChartPanelExtended::UndoZoom() {
    FireEvent(OnUndoZoom, this);
    Invalidate();
    ZoomActive = false;
}

TChartGradient& TCustomChartPanelExtended::Gradient() {
    if (!gradient_) gradient_ = std::make_unique<TChartGradient>([this] { ElementChanged(); });
    return *gradient_;
}

void TCustomChartPanelExtended::SetGradient(const TChartGradient* gradient) {
    if (!gradient)
        gradient_.reset();
    else
        Gradient().Assign(*gradient);
}

TBackImage& TCustomChartPanelExtended::BackImage() {
    if (!backImage_) {
        backImage_ = std::make_unique<TBackImage>();
        backImage_->OnChange = [this](TObject*) { ElementChanged(); };
    }
    return *backImage_;
}

void TCustomChartPanelExtended::SetBackImage(const TBackImage* image) {
    if (image) {
        BackImage().Assign(image);
        return;
    }
    backImage_.reset();
    Invalidate();
}

bool TCustomChartPanelExtended::BackImageInside() const {
    return backImage_ && backImage_->Graphic() && backImage_->Inside();
}

bool TCustomChartPanelExtended::BackImageTransp() const {
    return backImage_ && backImage_->Graphic() && backImage_->Graphic()->Transparent();
}

void TCustomChartPanelExtended::SetBackImageTransp(bool value) {
    if (backImage_ && backImage_->Graphic()) backImage_->Graphic()->SetTransparent(value);
}

// ---- the background ----

void TCustomChartPanelExtended::DrawPanelBackground(const TRect& rect) {
    TCanvas3D& c = *Canvas();
    c.SuspendRotation();
    TRect r = rect;
    TChartShadow& shadow = Shadow();
    if (shadow.Visible() && shadow.Spread() != 0) {
        const TColor behind = static_cast<TColor>(ColorToRGB(Parent() ? Parent()->Color() : Color()));
        FillPanelRect(r, behind, 0);
        const int h = shadow.HorizSize(), v = shadow.VertSize();
        if (h <= 0) r.Left += 1 - 2 * h; else r.Right -= 2 * h + 1;
        if (v <= 0) r.Top += 1 - 2 * v; else r.Bottom -= 2 * v + 1;
        shadow.BlurWhole = BorderRound() != 0;
        shadow.DrawRect(c, r, BorderRound(), 0);
        if (h <= 0) --r.Left; else ++r.Right;
        if (v <= 0) --r.Top; else ++r.Bottom;
    }
    FillPanel(r);
    if (backImage_ && backImage_->Graphic() && !backImage_->Inside()) DrawBackImage(*backImage_, r, 0);
    DrawPanelFrame(r);
    c.ResumeRotation();
}

void TCustomChartPanelExtended::FillPanel(const TRect& rect) {
    TCanvas3D& c = *Canvas();
    c.SuspendRotation();
    if (gradient_ && gradient_->Visible())
        gradient_->Draw(c, rect, BorderRound());
    else
        FillPanelRect(rect, Color(), BorderRound());
    c.ResumeRotation();
}

void TCustomChartPanelExtended::FillPanelRect(const TRect& rect, TColor color, int cornerSize) {
    if ((IsPrinting && !PrintPanelBackground) || color == clNone) return;
    TCanvas3D& c = *Canvas();
    c.Brush().SetImage(nullptr);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
    c.Pen().SetStyle(TPenStyle::psClear);
    if (cornerSize != 0)
        c.RoundRect(rect, cornerSize, cornerSize);
    else
        c.ClearRect(rect);
}

void TCustomChartPanelExtended::DrawBackImage(TBackImage& image, TRect r, int z) {
    if (!image.Graphic()) return;
    TGraphic* g = image.FilteredGraphic();
    TCanvas3D& c = *Canvas();
    const bool orthogonal = View3DOptions().Orthogonal();
    auto project = [&] {
        r = c.ProjectRect(r, z);
        if (!View3D()) ++r.Top;
    };
    // a picture at depth in a rotated view lies on the plane at that depth
    constexpr int DepthPlane = 2;
    if (image.Mode() == pbmStretch) {
        if (z < 1) {
            c.StretchDraw(r, g);
        } else if (orthogonal) {
            project();
            c.StretchDraw(r, g);
        } else {
            c.PictureOnPlane(r, g, z, DepthPlane);
        }
        return;
    }
    const bool clip = ClipAllowed();
    if (clip) {
        if (z != 0)
            c.ClipToBox(r, 0, Depth3DWidth());
        else
            c.ClipToRect(r);
    }
    if (z > 0 && orthogonal) project();
    const int w = r.Width(), h = r.Height();
    const int pw = g->Width(), ph = g->Height();
    if (image.Mode() == pbmTile) {
        if (pw > 0 && ph > 0)
            for (int y = 0; y < h; y += ph)
                for (int x = 0; x < w; x += pw) {
                    if (z > 0 && !orthogonal)
                        c.PictureOnPlane(TRect{r.Left + x, r.Top + y, r.Left + x + pw, r.Top + y + ph}, g, z,
                                         DepthPlane);
                    else
                        c.Draw(r.Left + x, r.Top + y, g);
                }
    } else {
        FillPanel(r);
        if (image.Mode() == pbmCustom) {
            r.Left += image.Left();
            r.Top += image.Top();
            r.Right = r.Left + pw;
            r.Bottom = r.Top + ph;
        } else {
            const int dx = (w - pw) / 2, dy = (h - ph) / 2;
            r = TRect{r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy};
        }
        if (z < 1 || orthogonal)
            c.Draw(r.Left, r.Top, g);
        else
            c.PictureOnPlane(r, g, z, DepthPlane);
    }
    if (clip) c.RemoveClip();
}

void TCustomChartPanelExtended::PaintZoomRectangle() {
    TCanvas3D& c = *Canvas();
    const TColor back = static_cast<TColor>(ColorToRGB(BackgroundColor()));
    const TColor contrast = static_cast<TColor>(0xFFFFFF - back);
    if (zoom_.HasBrush())
        SetContrastBrush(zoom_.Brush().Color() ^ contrast, zoom_.Brush(), back);
    else
        c.Brush().SetStyle(TBrushStyle::bsClear);
    zoom_.Pen().SetMode(TPenMode::pmNotXor);
    c.SelectPenColor(zoom_.Pen(), zoom_.Pen().Color() ^ contrast);
    if (!zoom_.HasBrush() || zoom_.Brush().Style() == TBrushStyle::bsClear) c.AssignBackMode(TRANSPARENT_MODE);
    c.Rectangle(zoom_.StartX, zoom_.StartY, zoom_.EndX, zoom_.EndY);
}
