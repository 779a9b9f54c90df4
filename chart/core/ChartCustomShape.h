#pragma once
// The framed box chart elements draw behind their text: titles, the legend,
// axis titles and marks. A fill (colour, gradient or picture), an outline, a
// rectangle, rounded rectangle or ellipse, a bevel, a drop shadow, the font
// of the text the owner writes inside, and an overall transparency.

#include "chart/canvas/ChangeCallback.h"
#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartFont.h"
#include "chart/canvas/ChartPen.h"
#include "chart/effects/BackImage.h"
#include "chart/effects/ChartGradient.h"
#include "chart/effects/ChartShadow.h"

#include "ui/controls/Panels.h"

#include <memory>

class TCustomChartPanel;
class TFiler;

enum TChartObjectShapeStyle { fosRectangle, fosRoundRectangle, fosEllipse };
enum TTextFormat { ttfNormal, ttfHtml };

// A brush, a pen and a visibility, repainting their panel when they change.
class TChartCustomShapeBrushPen {
public:
    explicit TChartCustomShapeBrushPen(TCustomChartPanel* panel = nullptr);
    virtual ~TChartCustomShapeBrushPen() = default;
    TChartCustomShapeBrushPen(const TChartCustomShapeBrushPen&) = delete;
    TChartCustomShapeBrushPen& operator=(const TChartCustomShapeBrushPen&) = delete;
    void Assign(const TChartCustomShapeBrushPen& source);

    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }
    void SetBrush(const TChartBrush& brush) { brush_.Assign(&brush); }
    TChartPen& Pen() { return pen_; }
    void SetPen(const TChartPen& pen) { pen_.Assign(&pen); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    void Hide() { SetVisible(false); }
    TCustomChartPanel* ParentPanel() const { return panel_; }
    virtual void SetParentPanel(TCustomChartPanel* panel) { panel_ = panel; }
    void RepaintParent();

private:
    TCustomChartPanel* panel_ = nullptr;
    TChartBrush brush_;
    TChartPen pen_;
    bool visible_ = true;
};

class TChartCustomShape : public TChartCustomShapeBrushPen {
public:
    explicit TChartCustomShape(TCustomChartPanel* panel = nullptr);
    ~TChartCustomShape() override;
    void Assign(const TChartCustomShape& source);

    TPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TPanelBevel value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TChartFont& Font() { return font_; }
    void SetFont(const TChartFont& font) { font_.Assign(&font); }
    // Made when first asked for; nullptr frees them.
    TChartGradient& Gradient();
    bool HasGradient() const { return gradient_ != nullptr; }
    bool GradientVisible() const { return gradient_ && gradient_->Visible(); }
    void SetGradient(const TChartGradient* gradient);
    TBackImage& Picture();
    bool HasPicture() const { return picture_ && picture_->Graphic(); }
    void SetPicture(const TBackImage* picture);
    TChartShadow& Shadow();
    bool HasShadow() const { return shadow_ != nullptr; }
    void SetShadow(const TChartShadow* shadow);
    int RoundSize() const { return roundSize_; }
    void SetRoundSize(int value);
    TChartObjectShapeStyle ShapeStyle() const { return shapeStyle_; }
    void SetShapeStyle(TChartObjectShapeStyle value);
    TTextFormat TextFormat() const { return textFormat_; }
    void SetTextFormat(TTextFormat value);
    // A transparent box draws nothing at all.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool TransparentDefault = false;
    bool TransparentStored() const { return transparent_ != TransparentDefault; }
    // Per cent, 0..100: the whole box mixed into what is behind it.
    int Transparency() const { return transparency_; }
    void SetTransparency(int value);

    // Where the box is drawn; the owner works it out. Both edges count.
    TRect ShapeRect;
    int ShapeWidth() const { return ShapeRect.Right - ShapeRect.Left + 1; }
    int ShapeHeight() const { return ShapeRect.Bottom - ShapeRect.Top + 1; }
    void SetShapeHeight(int height) { ShapeRect.Bottom = ShapeRect.Top + height - 1; }

    // Older data's "ShadowColor" (a colour name or number) and "ShadowSize",
    // read into the shadow and never written; persistent boxes call it from
    // their DefineProperties.
    void DefineShapeProperties(TFiler& filer);

    void DrawShape() { DrawShapeRect(ShapeRect, 0, 0); }
    void DrawShapeRect(const TRect& rect, int angle, int z);
    // On `panel`'s canvas, turned by `angle` degrees, at depth z.
    void DrawShapeOn(TCustomChartPanel& panel, const TRect& rect, int angle, int z);

protected:
    // The class of gradient the box is filled with, made on first use.
    virtual std::unique_ptr<TChartGradient> NewGradient(TChangeEvent onChange) {
        return std::make_unique<TChartGradient>(std::move(onChange));
    }
    // The box's outline with the current pen and brush.
    void DrawOutline(TCanvas3D& canvas, const TRect& rect, int angle, int z);

private:
    TPanelBevel bevel_ = TPanelBevel::bvNone;
    int bevelWidth_ = 2;
    TColor color_ = clWhite;
    TChartFont font_;
    std::unique_ptr<TChartGradient> gradient_;
    std::unique_ptr<TBackImage> picture_;
    std::unique_ptr<TChartShadow> shadow_;
    int roundSize_ = 16;
    TChartObjectShapeStyle shapeStyle_ = fosRectangle;
    TTextFormat textFormat_ = ttfNormal;
    bool transparent_ = false;
    int transparency_ = 0;
};

// The corners of `rect` turned by `angle` degrees about its centre:
// top-left, top-right, bottom-right, bottom-left.
std::vector<TPoint> RotatedCorners(const TRect& rect, int angle);
