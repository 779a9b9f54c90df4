#pragma once
// The pens and brush every chart element keeps: a line's colour, style,
// width and visibility; an area's fill colour, style and hatch background.
// (The class library's pen and brush become their base once it has them.)

#include "chart/ChartTypes.h"

#include <functional>

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen, pmMaskNotPen,
    pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum TPenEndStyle { esRound, esSquare, esFlat };
enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

using TChangeEvent = std::function<void()>;

class TChartPen {
public:
    explicit TChartPen(TChangeEvent onChange = nullptr);
    virtual ~TChartPen() = default;
    // From another chart pen every setting; `AssignPlatformPen` copies only
    // what a plain pen has.
    void Assign(const TChartPen& source);
    void AssignPlatformPen(const TChartPen& source);

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle value);
    int Width() const { return width_; }
    void SetWidth(int value);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode value);
    TPenEndStyle EndStyle() const { return endStyle_; }
    void SetEndStyle(TPenEndStyle value);
    bool SmallDots() const { return smallDots_; }
    void SetSmallDots(bool value);
    int SmallSpace() const { return smallSpace_; }
    void SetSmallSpace(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    void Hide() { SetVisible(false); }
    void Show() { SetVisible(true); }

    // What the form data holds: only what differs from the class's defaults.
    virtual bool VisibleStored() const { return visible_ != defaultVisible_; }
    bool EndStyleStored() const { return endStyle_ != defaultEndStyle_; }

    TChangeEvent OnChange;

protected:
    void Changed();

    TColor color_ = clBlack;
    TPenStyle style_ = TPenStyle::psSolid;
    int width_ = 1;
    TPenMode mode_ = TPenMode::pmCopy;
    TPenEndStyle endStyle_ = esRound;
    bool smallDots_ = false;
    int smallSpace_ = 0;
    bool visible_ = true;
    bool defaultVisible_ = true;
    TPenEndStyle defaultEndStyle_ = esRound;
};

class TChartHiddenPen : public TChartPen {
public:
    explicit TChartHiddenPen(TChangeEvent onChange = nullptr);
};

class TDottedGrayPen : public TChartPen {
public:
    explicit TDottedGrayPen(TChangeEvent onChange = nullptr);
};

class TDarkGrayPen : public TChartPen {
public:
    explicit TDarkGrayPen(TChangeEvent onChange = nullptr);
};

class TWhitePen : public TChartPen {
public:
    explicit TWhitePen(TChangeEvent onChange = nullptr);
    bool VisibleStored() const override { return true; }
};

class TChartBrush {
public:
    explicit TChartBrush(TChangeEvent onChange = nullptr) : OnChange(std::move(onChange)) {}
    void Assign(const TChartBrush& source);

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle value);
    // The colour between hatch lines; clNone lets the background show.
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value);

    TChangeEvent OnChange;

private:
    void Changed();

    TColor color_ = clDefault;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    TColor backColor_ = clNone;
};
