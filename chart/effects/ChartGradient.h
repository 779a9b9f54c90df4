#pragma once
// Colour gradients that panels, boxes and text are filled with: two or three
// colours, a direction and a balance, and a second gradient drawn
// semi-transparently over the first.

#include "chart/canvas/Canvas3D.h"
#include "chart/canvas/ChangeCallback.h"
#include "chart/core/ChartTypes.h"

#include "ui/core/Persistent.h"

#include <memory>

class TEnumInfo;
class TSubGradient;

class TCustomChartGradient : public TPersistent {
    DECLARE_CLASS_INFO
public:
    explicit TCustomChartGradient(TChangeEvent onChange = nullptr);
    ~TCustomChartGradient() override;
    // Everything but the sub-gradient's transparency, without a notification.
    void Assign(const TCustomChartGradient& source);
    void Assign(const TPersistent* source) override;

    int Angle() const { return angle_; }
    void SetAngle(int value);
    int Balance() const { return balance_; }
    void SetBalance(int value);
    TGradientDirection Direction() const { return direction_; }
    void SetDirection(TGradientDirection value);
    TColor StartColor() const { return startColor_; }
    void SetStartColor(TColor value);
    TColor EndColor() const { return endColor_; }
    void SetEndColor(TColor value);
    // clNone while no middle colour is set; setting clNone removes it.
    TColor MidColor() const { return hasMid_ ? midColor_ : clNone; }
    void SetMidColor(TColor value);
    int RadialX() const { return radialX_; }
    void SetRadialX(int value);
    int RadialY() const { return radialY_; }
    void SetRadialY(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Made on first use, 50 % transparent.
    TSubGradient& SubGradient();
    bool HasSubGradient() const { return sub_ != nullptr; }
    void SetSubGradient(const TSubGradient& value);

    // Over `rect`, clipped to a rounded rectangle when roundSize > 0; turned
    // by Angle when it is not 0.
    void Draw(TCanvas3D& canvas, const TRect& rect, int roundSize = 0);
    // Ellipses from the end colour outside to the start colour in the centre.
    void DrawRadial(TCanvas3D& canvas, const TRect& rect);
    // Inside the four points, without outline; Draw3D projects them at depth z.
    void DrawPolygon(TCanvas3D& canvas, const TPoint* points);
    void Draw3D(TCanvas3D& canvas, const TPoint* points, int z);

    TChangeEvent OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange();
    }
    void DrawSubGradient(TCanvas3D& canvas, const TRect& rect, int roundSize);

private:
    void DrawTurned(TCanvas3D& canvas, const TRect& rect);

    int angle_ = 0;
    int balance_ = 50;
    TGradientDirection direction_ = gdTopBottom;
    TColor startColor_ = clWhite;
    TColor endColor_ = clYellow;
    TColor midColor_ = clNone;
    bool hasMid_ = false;
    int radialX_ = 0;
    int radialY_ = 0;
    bool visible_ = false;
    std::unique_ptr<TSubGradient> sub_;
};

class TChartGradient : public TCustomChartGradient {
    DECLARE_CLASS_INFO
public:
    using TCustomChartGradient::TCustomChartGradient;
};

const TEnumInfo& GradientDirectionInfo();

// The colour of step `i` of `n` from `first` to `last`: linear at balance 50,
// bent towards one end otherwise.
TColor GradientStepColor(TColor first, TColor last, int i, int n, int balance);
