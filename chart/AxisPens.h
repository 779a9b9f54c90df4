#pragma once
// The pens an axis draws with, and its title.

#include "chart/ChartFont.h"
#include "chart/ChartPen.h"
#include "chart/ChartTypes.h"
#include "ui/Persistent.h"

#include <string>

enum TPenLineMode { lmLine, lmCylinder, lmRectangle };

// The axis line; two pixels wide by default.
class TChartAxisPen : public TChartPen {
public:
    explicit TChartAxisPen(TChangeEvent onChange = nullptr) : TChartPen(std::move(onChange)) {
        Quietly([this] { SetWidth(2); });
    }
    TPenLineMode LineMode() const { return lineMode_; }
    void SetLineMode(TPenLineMode value);

private:
    TPenLineMode lineMode_ = lmLine;
};

class TAxisGridPen : public TDottedGrayPen {
public:
    explicit TAxisGridPen(TChangeEvent onChange = nullptr) : TDottedGrayPen(std::move(onChange)) {}
    void Assign(const TAxisGridPen& source);
    int DrawEvery() const { return drawEvery_; }
    void SetDrawEvery(int value);
    double ZPosition() const { return zPosition_; }
    void SetZPosition(double value);
    bool Centered() const { return centered_; }
    void SetCentered(bool value);

private:
    int drawEvery_ = 1;
    double zPosition_ = 0;
    bool centered_ = false;
};

// The box a label or title may be written in: its fill when not
// transparent, and where it stood the last time it was written.
class TAxisLabelBox {
public:
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    const TRect& ShapeBounds() const { return shapeBounds_; }
    void SetShapeBounds(const TRect& r) { shapeBounds_ = r; }

private:
    bool transparent_ = true;
    TColor color_ = clWhite;
    TRect shapeBounds_;
};

class TChartAxisTitle : public TPersistent, public TAxisLabelBox {
    DECLARE_CLASS_INFO
public:
    explicit TChartAxisTitle(TChangeEvent onChange = nullptr) : onChange_(std::move(onChange)), font_(onChange_) {}
    TChartFont& Font() { return font_; }
    void Assign(const TChartAxisTitle& source);
    void Assign(const TPersistent* source) override;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    // Stored modulo 360, the sign kept.
    int Angle() const { return angle_; }
    void SetAngle(int value);
    // The chart sets the angle of its left and right axes' titles together with their default.
    void SetDefaultAngle(int value) {
        angle_ = value;
        defaultAngle_ = value;
    }
    bool AngleStored() const { return angle_ != defaultAngle_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool HitTest(int x, int y) const;

private:
    void Changed() {
        if (onChange_) onChange_();
    }
    TChangeEvent onChange_;
    TChartFont font_;
    std::string caption_;
    int angle_ = 0;
    int defaultAngle_ = 0;
    bool visible_ = true;
};
