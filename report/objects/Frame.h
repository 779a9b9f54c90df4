#pragma once
// The border of a view: four sides that follow the frame's colour, style
// and width unless given their own, which sides are drawn, and an optional
// drop shadow.

#include "ui/core/Persistent.h"
#include "ui/core/Set.h"
#include "ui/graphics/Colors.h"

#include <string>

class TEnumInfo;

enum class TrpFrameStyle { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble, fsAltDot, fsSquare };
enum class TrpFrameType { ftLeft, ftRight, ftTop, ftBottom };
using TrpFrameTypes = TSet<TrpFrameType>;
const TEnumInfo& TrpFrameStyleInfo();

class TrpFrame;

class TrpFrameLine : public TPersistent {
    DECLARE_CLASS_INFO
public:
    explicit TrpFrameLine(const TrpFrame& frame) : frame_(frame) {}

    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    TrpFrameStyle Style() const { return style_; }
    void SetStyle(TrpFrameStyle value) { style_ = value; }
    double Width() const { return width_; }
    void SetWidth(double value) { width_ = value; }
    // Each value is stored only where it differs from the frame's.
    const TrpFrame& Frame() const { return frame_; }

    void Assign(const TPersistent* source) override;

private:
    const TrpFrame& frame_;
    TColor color_ = clBlack;
    TrpFrameStyle style_ = TrpFrameStyle::fsSolid;
    double width_ = 1;
};

class TrpFrame : public TPersistent {
    DECLARE_CLASS_INFO
public:
    static constexpr double kDefaultShadowWidth = 4;
    static constexpr double kDefaultWidth = 1;

    TrpFrame();

    // The colour, style and width setters give the value to all four sides too.
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TrpFrameStyle Style() const { return style_; }
    void SetStyle(TrpFrameStyle value);
    double Width() const { return width_; }
    void SetWidth(double value);
    bool DropShadow() const { return dropShadow_; }
    void SetDropShadow(bool value) { dropShadow_ = value; }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value) { shadowColor_ = value; }
    double ShadowWidth() const { return shadowWidth_; }
    void SetShadowWidth(double value) { shadowWidth_ = value; }
    // The sides that are drawn.
    TrpFrameTypes Typ() const { return typ_; }
    void SetTyp(TrpFrameTypes value) { typ_ = value; }

    TrpFrameLine* LeftLine() { return &left_; }
    TrpFrameLine* TopLine() { return &top_; }
    TrpFrameLine* RightLine() { return &right_; }
    TrpFrameLine* BottomLine() { return &bottom_; }
    const TrpFrameLine* LeftLine() const { return &left_; }
    const TrpFrameLine* TopLine() const { return &top_; }
    const TrpFrameLine* RightLine() const { return &right_; }
    const TrpFrameLine* BottomLine() const { return &bottom_; }
    // The line setters copy the given line.
    void SetLeftLine(TrpFrameLine* line) { left_.Assign(line); }
    void SetTopLine(TrpFrameLine* line) { top_.Assign(line); }
    void SetRightLine(TrpFrameLine* line) { right_.Assign(line); }
    void SetBottomLine(TrpFrameLine* line) { bottom_.Assign(line); }

    void Assign(const TPersistent* source) override;

    // Prepared-page attributes ("Frame.Color"...) where the frame differs from `reference`.
    std::string DifferenceText(const TrpFrame& reference) const;

private:
    TColor color_ = clBlack;
    bool dropShadow_ = false;
    TColor shadowColor_ = clBlack;
    double shadowWidth_ = kDefaultShadowWidth;
    TrpFrameStyle style_ = TrpFrameStyle::fsSolid;
    TrpFrameTypes typ_;
    double width_ = kDefaultWidth;
    TrpFrameLine left_{*this}, top_{*this}, right_{*this}, bottom_{*this};
};
