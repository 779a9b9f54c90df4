#pragma once
// The drop shadow a box, a font or the panel casts: the shape again in the
// shadow colour, offset by HorizSize and VertSize pixels; solid, blurred
// into the chart's buffer (smooth), or fading in bands without a buffer.

#include "chart/canvas/ChangeCallback.h"
#include "chart/core/ChartTypes.h"

#include "ui/core/Persistent.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

class TCanvas3D;
class TChartBlend;
class TChartCanvas3D;

class TChartShadow : public TPersistent {
    DECLARE_CLASS_INFO
public:
    explicit TChartShadow(TChangeEvent onChange = nullptr);
    ~TChartShadow() override;
    // The owner's own defaults, without a change notification.
    void SetDefaults(TColor color, int size);
    // Shown or hidden by default, without a change notification.
    void SetVisibleDefault(bool value) { visible_ = defaultVisible_ = value; }
    // All but Clip and the defaults.
    void Assign(const TChartShadow& source);
    void Assign(const TPersistent* source) override;

    bool Clip() const { return clip_; }
    void SetClip(bool value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    int HorizSize() const { return horizSize_; }
    void SetHorizSize(int value);
    int VertSize() const { return vertSize_; }
    void SetVertSize(int value);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value);
    int SmoothBlur() const { return smoothBlur_; }
    void SetSmoothBlur(int value);
    int Transparency() const { return transparency_; }
    void SetTransparency(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // The larger of the two sizes; setting it sets both.
    int Spread() const { return std::max(std::abs(horizSize_), std::abs(vertSize_)); }
    void SetSpread(int value) {
        SetHorizSize(value);
        SetVertSize(value);
    }
    // Rounded shapes blur the whole mask, not only the bands beside it.
    bool BlurWhole = false;

    // What form data holds: what differs from the defaults.
    bool ColorStored() const { return color_ != defaultColor_; }
    bool HorizSizeStored() const { return horizSize_ != defaultSize_; }
    bool VertSizeStored() const { return vertSize_ != defaultSize_; }
    bool SizeStored() const { return HorizSizeStored() || VertSizeStored(); }
    bool VisibleStored() const { return visible_ != defaultVisible_; }

    // Shadow of a rectangle (rounded when roundSize > 0) at depth z.
    void DrawRect(TCanvas3D& canvas, const TRect& rect, int roundSize, int z);
    void Draw(TCanvas3D& canvas, const TRect& rect) { DrawRect(canvas, rect, 0, 0); }
    void DrawEllipse(TCanvas3D& canvas, const TRect& rect, int z);
    void DrawPolygon(TCanvas3D& canvas, const TPoint* points, int count);
    // The smooth shadow needs a chart canvas drawing into its buffer bitmap.
    static bool CanSmooth(TCanvas3D& canvas);

    TChangeEvent OnChange;

private:
    // The canvas tools for a solid shadow and the blend when transparent;
    // false when nothing would show.
    bool Prepare(TCanvas3D& canvas, const TRect& rect, int z);
    void Finish(TCanvas3D& canvas);
    void DrawSolidRect(TCanvas3D& canvas, const TRect& rect, int roundSize, int z);
    void DrawFadedRect(TCanvas3D& canvas, const TRect& rect, int z);
    enum class TMaskShape { Rectangle, RoundRect, Ellipse, Polygon };
    // The shape over `rect` blurred into the canvas' buffer; polygon points
    // are relative to the rectangle.
    void DrawSmooth(TChartCanvas3D& canvas, const TRect& rect, TMaskShape shape, int roundSize,
                    const std::vector<TPoint>& points = {});
    std::unique_ptr<TChartBlend> blend_;

    void Changed() {
        if (OnChange) OnChange();
    }

    bool clip_ = false;
    TColor color_ = clSilver;
    int horizSize_ = 0;
    int vertSize_ = 0;
    bool smooth_ = true;
    int smoothBlur_ = 0;
    int transparency_ = 0;
    bool visible_ = true;
    TColor defaultColor_ = clSilver;
    int defaultSize_ = 0;
    bool defaultVisible_ = true;
};
