#include "chart/panel/CustomChartPanel.h"

#include "chart/axes/ChartAxis.h"
#include "chart/canvas/ChartCanvas3D.h"

#include "ui/core/Exceptions.h"
#include "ui/core/Filer.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/core/ScopeGuards.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Picture.h"

#include "platform/gdi/Regions.h"
#include "platform/window/Input.h"
#include "platform/window/WindowRegions.h"
#include "platform/window/WindowStyles.h"

#include <algorithm>
#include <cstdlib>

TCustomPanelNoCaption::TCustomPanelNoCaption(TComponent* owner) : TCustomPanel(owner) {
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
}

const TEnumInfo& PanelBevelInfo() {
    static const TEnumInfo info("TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
    return info;
}

const TClassInfo& TCustomChartPanel::StaticClass() {
    using P = TCustomChartPanel;
    static const TClassInfo info = TPublished<P>("TCustomChartPanel", TCustomPanel::StaticClass())
        .Enumeration("BevelInner", PanelBevelInfo(), &P::BevelInner, &P::SetBevelInner, 0)
        .Enumeration("BevelOuter", PanelBevelInfo(), &P::BevelOuter, &P::SetBevelOuter, 2)
        .Integer("BevelWidth", &P::BevelWidth, &P::SetBevelWidth, 1)
        .Object("Border", &TChartPen::StaticClass, [](P& p) { return &p.border_; }, nullptr)
        .Integer("BorderRound", &P::BorderRound, &P::SetBorderRound, 0)
        .Integer("BorderWidth", &P::BorderWidth, &P::SetBorderWidth, 0)
        .Integer("MarginBottom", &P::MarginBottom, &P::SetMarginBottom, 4)
        .Integer("MarginLeft", &P::MarginLeft, &P::SetMarginLeft, 3)
        .Integer("MarginRight", &P::MarginRight, &P::SetMarginRight, 3)
        .Integer("MarginTop", &P::MarginTop, &P::SetMarginTop, 4)
        .Enumeration("MarginUnits", ChartUnitsInfo(), &P::MarginUnits, &P::SetMarginUnits, muPercent)
        .Boolean("Monochrome", &P::Monochrome, &P::SetMonochrome, false)
        .Boolean("PrintProportional", &P::PrintProportional, &P::PrintProportional, true)
        .Object("Shadow", &TChartShadow::StaticClass, [](P& p) { return &p.shadow_; }, nullptr)
        .Boolean("View3D", &P::View3D, &P::SetView3D, true)
        .Object("View3DOptions", &TView3DOptions::StaticClass, [](P& p) { return &p.view3DOptions_; }, nullptr)
        .Build();
    return info;
}

TCustomChartPanel::TCustomChartPanel(TComponent* owner)
    : TCustomPanelNoCaption(owner),
      border_([this] { ElementChanged(); }),
      shadow_([this] { ElementChanged(); }),
      view3DOptions_([this] { Invalidate(); }),
      ownCanvas_(std::make_unique<TChartCanvas3D>()) {
    canvas_ = ownCanvas_.get();
    SetBounds(Left(), Top(), 400, 250);
    ownCanvas_->SetTargetCanvas(ControlCanvas());
    SavedCursor = Cursor();
    border_.SetDefaultEndStyle(esFlat);
}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::SetCanvas(TCanvas3D* canvas) { canvas_ = canvas ? canvas : ownCanvas_.get(); }

// ---- change routines ----

void TCustomChartPanel::ChangeBoolean(bool& field, bool value) {
    if (field == value) return;
    field = value;
    Invalidate();
}

void TCustomChartPanel::ChangeInteger(int& field, int value) {
    if (field == value) return;
    field = value;
    Invalidate();
}

void TCustomChartPanel::ChangeDouble(double& field, double value) {
    if (field == value) return;
    field = value;
    Invalidate();
}

void TCustomChartPanel::ChangeColor(TColor& field, TColor value) {
    if (field == value) return;
    field = value;
    Invalidate();
}

void TCustomChartPanel::ChangeString(std::string& field, const std::string& value) {
    if (field == value) return;
    field = value;
    Invalidate();
}

// ---- settings ----

void TCustomChartPanel::SetBorderRound(int value) {
    if (borderRound_ == value) return;
    borderRound_ = value;
    if (!Loading()) ApplyRoundRegion();
}

void TCustomChartPanel::SetMarginUnits(TChartUnits value) {
    if (marginUnits_ == value) return;
    marginUnits_ = value;
    Invalidate();
}

void TCustomChartPanel::SetBevelInner(TPanelBevel value) {
    if (BevelInner() != value) TCustomPanel::SetBevelInner(value);
}

void TCustomChartPanel::SetBevelOuter(TPanelBevel value) {
    if (BevelOuter() != value) TCustomPanel::SetBevelOuter(value);
}

void TCustomChartPanel::SetBevelWidth(int value) {
    if (BevelWidth() != value) TCustomPanel::SetBevelWidth(value);
}

void TCustomChartPanel::SetView3D(bool value) {
    if (view3D_ == value) return;
    ChangeBoolean(view3D_, value);
    TChartView3DEvent event;
    AnnounceEvent(event);
}

bool TCustomChartPanel::Monochrome() const { return canvas_->Monochrome(); }

void TCustomChartPanel::SetMonochrome(bool value) {
    if (canvas_->Monochrome() == value) return;
    canvas_->SetMonochrome(value);
    Invalidate();
}

void TCustomChartPanel::Assign(const TPersistent* source) {
    auto* panel = dynamic_cast<const TCustomChartPanel*>(source);
    if (!panel) {
        TCustomPanelNoCaption::Assign(source);
        return;
    }
    border_.Assign(&panel->border_);
    SetBorderRound(panel->borderRound_);
    canvas_->SetBuffered(panel->canvas_->GetBuffered());
    PrintMargins = panel->PrintMargins;
    PrintProportional = panel->PrintProportional;
    PrintScale = panel->PrintScale;
    for (int i = 0; i < 4; ++i) SetMargin(i, panel->margins_[i]);
    SetMarginUnits(panel->marginUnits_);
    SetMonochrome(panel->Monochrome());
    shadow_.Assign(panel->shadow_);
    SetView3D(panel->view3D_);
    view3DOptions_.Assign(panel->view3DOptions_);
    SetColor(panel->Color());
}

void TCustomChartPanel::AssignTo(TPersistent* destination) const {
    auto* self = const_cast<TCustomChartPanel*>(this);
    if (auto* picture = dynamic_cast<TPicture*>(destination)) {
        picture->SetGraphic(self->CreateBitmap().get());
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(destination)) {
        graphic->Assign(self->CreateBitmap().get());
        return;
    }
    TCustomPanelNoCaption::AssignTo(destination);
}

void TCustomChartPanel::DefineProperties(TFiler& filer) {
    TCustomPanelNoCaption::DefineProperties(filer);
    filer.DefineProperty(
        "BorderStyle", [this](TReader& r) { border_.SetVisible(r.ReadIdent() == "bsSingle"); }, nullptr, false);
}

void TCustomChartPanel::Loaded() {
    TCustomPanelNoCaption::Loaded();
    SavedCursor = Cursor();
    if (borderRound_ > 0) ApplyRoundRegion();
}

void TCustomChartPanel::Invalidate() {
    if (!repaintOnChange_) return;
    canvas_->Invalidate();
    TCustomPanelNoCaption::Invalidate();
}

void TCustomChartPanel::CreateParams(TCreateParams& params) {
    TCustomPanelNoCaption::CreateParams(params);
    if (Color() == clNone) params.ExStyle |= platform::WS_EX_TRANSPARENT;
    if (auto* gdi = dynamic_cast<TChartCanvas3D*>(canvas_)) gdi->PrepareProjection(nullptr, false);
}

// ---- the plot rectangle ----

void TCustomChartPanel::ComputePlotRect() {
    int frame = borderWidth_;
    if (BevelInner() != TPanelBevel::bvNone) frame += BevelWidth();
    if (BevelOuter() != TPanelBevel::bvNone) frame += BevelWidth();
    if (border_.Visible()) frame += border_.Width();
    if (fixedPlotRect_) return;
    int m[4];
    for (int i = 0; i < 4; ++i) {
        const int size = (i == 0 || i == 2) ? renderRect_.Width() : renderRect_.Height();
        m[i] = marginUnits_ == muPixels ? margins_[i] : margins_[i] * size / 100;
    }
    plotRect_ = TRect{renderRect_.Left + frame + m[0], renderRect_.Top + frame + m[1],
                      renderRect_.Right - frame - m[2], renderRect_.Bottom - frame - m[3]};
    if (shadow_.Visible()) {
        const int h = shadow_.HorizSize();
        const int v = shadow_.VertSize();
        if (h > 0)
            plotRect_.Right -= 2 * h;
        else
            plotRect_.Left += 2 * std::abs(h);
        if (v > 0)
            plotRect_.Bottom -= 2 * v;
        else
            plotRect_.Top += 2 * std::abs(v);
    }
}

void TCustomChartPanel::FinishPlotRect() {
    if (!fixedPlotRect_) {
        plotRect_.Left = std::max(plotRect_.Left, renderRect_.Left);
        plotRect_.Top = std::max(plotRect_.Top, renderRect_.Top);
        if (plotRect_.Right < plotRect_.Left)
            plotRect_.Right = plotRect_.Left + 1;
        else if (plotRect_.Right == plotRect_.Left)
            plotRect_.Right = plotRect_.Left + Width();
        if (plotRect_.Bottom < plotRect_.Top)
            plotRect_.Bottom = plotRect_.Top + 1;
        else if (plotRect_.Bottom == plotRect_.Top)
            plotRect_.Bottom = plotRect_.Top + Height();
    }
    plotWidth_ = plotRect_.Width();
    plotHeight_ = plotRect_.Height();
    plotCenterX_ = (plotRect_.Left + plotRect_.Right) / 2;
    plotCenterY_ = (plotRect_.Top + plotRect_.Bottom) / 2;
}

// ---- drawing ----

TRect TCustomChartPanel::PanelRect() const {
    if (Parent()) return ClientRect();
    return TRect{0, 0, Width(), Height()};
}

void TCustomChartPanel::RenderTo(TCanvas* canvas, const TRect& rect) {
    renderRect_ = canvas_->PrepareDrawing(canvas, &view3DOptions_, Color(), view3D_, rect);
    ComputePlotRect();
    FinishPlotRect();
    DrawContents(renderRect_);
    canvas_->PresentBuffer(canvas, ControlCanvas(), rect);
}

void TCustomChartPanel::RenderToControl() { RenderTo(ControlCanvas(), ClientRect()); }

void TCustomChartPanel::Paint() {
    if (IsPrinting) return;
    if (auto* gdi = dynamic_cast<TChartCanvas3D*>(canvas_)) gdi->SetTargetCanvas(ControlCanvas());
    if (canvas_->RepaintFromBuffer()) return;
    RenderToControl();
}

void TCustomChartPanel::RenderUnbuffered(TCanvas* canvas, const TRect& rect) {
    const bool buffered = canvas_->GetBuffered();
    auto* gdi = dynamic_cast<TChartCanvas3D*>(canvas_);
    if (gdi) gdi->KeepBuffer = true;
    canvas_->SetBuffered(false);
    ScopeExit restore([&] {
        canvas_->SetBuffered(buffered);
        if (gdi) gdi->KeepBuffer = false;
        Invalidate();
    });
    RenderTo(canvas, rect);
}

void TCustomChartPanel::RenderToMetafile(TCanvas* canvas, const TRect& rect) {
    canvas_->MetafileOutput = true;
    ScopeExit endMetafile([this] { canvas_->MetafileOutput = false; });
    RenderUnbuffered(canvas, rect);
}

std::unique_ptr<TBitmap> TCustomChartPanel::CreateBitmap() {
    return CreateBitmapOf(Color(), PanelRect(), TPixelFormat::pfDevice);
}

std::unique_ptr<TBitmap> TCustomChartPanel::CreateBitmapOf(TColor backColor, const TRect& rect, TPixelFormat format) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->IgnorePalette = bitmap->PixelFormat() == TPixelFormat::pf24bit;
    bitmap->SetPixelFormat(canvas_->SupportsRotation3D() ? TPixelFormat::pf24bit : format);
    bitmap->SetSize(rect.Width(), rect.Height());
    if (backColor != clWhite) {
        bitmap->Canvas()->Brush()->SetColor(backColor);
        bitmap->Canvas()->FillRect(rect);
    }
    RenderUnbuffered(bitmap->Canvas(), rect);
    return bitmap;
}

void TCustomChartPanel::SetContrastBrush(TColor color, const TChartBrush& brush, TColor backColor) {
    if (brush.Style() != TBrushStyle::bsSolid && color == backColor) color = backColor == 0 ? clWhite : clBlack;
    canvas_->SelectBrushColor(brush, color, backColor);
}

bool TCustomChartPanel::ClipAllowed() const {
    if (canvas_->SupportsRotation3D()) return false;
    if (IsPrinting) return ClipOnPrinters;
    if (canvas_->MetafileOutput) return ClipOnMetafiles;
    return true;
}

TPoint TCustomChartPanel::CursorPosition() const {
    platform::POINT p{};
    platform::GetCursorPos(&p);
    return ScreenToClient(TPoint{p.x, p.y});
}

// ---- the frame ----

void TCustomChartPanel::DrawPanelFrame(const TRect& rect) {
    TRect r = rect;
    TCanvas3D& c = *canvas_;
    c.SuspendRotation();
    c.Brush().SetStyle(TBrushStyle::bsClear);
    if (border_.Visible()) {
        int inset;
        if (border_.SmallDots()) {
            inset = 1;
        } else {
            const int w = border_.Width() - 1;
            inset = w;
            if (w > 0) {
                r.Left += w / 2 + w % 2;
                r.Top += w / 2 + w % 2;
                r.Right -= w / 2;
                r.Bottom -= w / 2;
                inset = w / 2;
            }
        }
        c.SelectPen(border_);
        if (borderRound_ > 0) {
            --r.Right;
            --r.Bottom;
            c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, borderRound_, borderRound_);
        } else {
            c.Rectangle(r);
            if (!border_.SmallDots()) ++inset;
        }
        r = TRect{r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
    }
    if (!IsPrinting || PrintPanelBackground) {
        c.Pen().SetStyle(TPenStyle::psSolid);
        c.Pen().SetWidth(1);
        c.Pen().SetMode(TPenMode::pmCopy);
        DrawBevel(c, BevelOuter(), r, borderRound_, BevelWidth());
        if (borderWidth_ > 0) c.BevelFrame(r, Color(), Color(), borderWidth_);
        DrawBevel(c, BevelInner(), r, borderRound_, BevelWidth());
    }
    c.ResumeRotation();
}

void TCustomChartPanel::DrawBevel(TCanvas3D& canvas, TPanelBevel bevel, TRect& r, int cornerSize, int width) {
    if (bevel == TPanelBevel::bvNone) return;
    if (cornerSize <= 0) {
        const TColor topLeft = bevel == TPanelBevel::bvLowered ? clBtnShadow : clBtnHighlight;
        const TColor bottomRight = bevel == TPanelBevel::bvRaised ? clBtnShadow : clBtnHighlight;
        canvas.BevelFrame(r, topLeft, bottomRight, width);
        return;
    }
    canvas.Pen().SetColor(bevel == TPanelBevel::bvLowered ? clBtnShadow : clBtnHighlight);
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, cornerSize, cornerSize);
    r = TRect{r.Left + width, r.Top + width, r.Right - width, r.Bottom - width};
}

void TCustomChartPanel::ApplyRoundRegion() {
    if (applyingRoundRegion_ || !Parent()) return;
    applyingRoundRegion_ = true;
    platform::HRGN region =
        borderRound_ > 0 ? platform::CreateRoundRectRgn(0, 0, Width(), Height(), borderRound_, borderRound_) : nullptr;
    // the window takes the region over
    platform::SetWindowRgn(Handle(), region, true);
    applyingRoundRegion_ = false;
}

// ---- messages and the mouse ----

void TCustomChartPanel::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case CM_MOUSELEAVE:
            SetCursor(SavedCursor);
            scrollDrag_.Dragging = false;
            break;
        case CM_SYSCOLORCHANGE:
            TCustomPanelNoCaption::Dispatch(m);
            Invalidate();
            return;
        case platform::WM_GETDLGCODE:
            TCustomPanelNoCaption::Dispatch(m);
            m.Result |= DLGC_WANTARROWS;
            return;
        case platform::WM_ERASEBKGND:
            if (EraseWindowBackground) TCustomPanelNoCaption::Dispatch(m);
            m.Result = 1;
            return;
        default: break;
    }
    TCustomPanelNoCaption::Dispatch(m);
}

void TCustomChartPanel::Resize() {
    if (!Loading() && borderRound_ > 0) ApplyRoundRegion();
    TCustomPanelNoCaption::Resize();
}

void TCustomChartPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    MouseCancelled = false;
    TCustomPanelNoCaption::MouseDown(button, shift, x, y);
    AnnounceMouseEvent(cmeDown, button, shift, x, y);
}

void TCustomChartPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomPanelNoCaption::MouseUp(button, shift, x, y);
    AnnounceMouseEvent(cmeUp, button, shift, x, y);
}

void TCustomChartPanel::MouseMove(TShiftState shift, int x, int y) {
    MouseCancelled = false;
    TCustomPanelNoCaption::MouseMove(shift, x, y);
    if (!listeners_.empty() && !ComponentState().Contains(TComponentStateItem::csDesigning))
        AnnounceMouseEvent(cmeMove, TMouseButton::mbLeft, shift, x, y);
}

void TCustomChartPanel::DblClick() {
    MouseCancelled = false;
    TCustomPanelNoCaption::DblClick();
    if (MouseCancelled) throw EAbort("");
}

void TCustomChartPanel::AnnounceMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x,
                                           int y) {
    if (listeners_.empty()) return;
    TChartMouseEvent event;
    event.Kind = kind;
    event.Button = button;
    event.Shift = shift;
    event.X = x;
    event.Y = y;
    AnnounceEvent(event);
}

void TCustomChartPanel::AnnounceEvent(TChartEvent& event) {
    if (IsDestroying()) return;
    event.Sender = this;
    const bool mouse = dynamic_cast<TChartMouseEvent*>(&event) != nullptr;
    for (ITChartEventListener* listener : listeners_) {
        listener->ChartEvent(event);
        if (mouse && MouseCancelled) break;
    }
}
