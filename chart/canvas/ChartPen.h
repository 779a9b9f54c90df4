#pragma once
// The pens every chart element keeps: the class library's pen with an end
// style, small dots and a visibility of its own.

#include "chart/canvas/ChangeCallback.h"
#include "chart/core/ChartTypes.h"

#include "ui/graphics/GraphicsObjects.h"

enum TPenEndStyle { esRound, esSquare, esFlat };

class TChartPen : public TPen {
    DECLARE_CLASS_INFO
public:
    explicit TChartPen(TChangeEvent onChange = nullptr);
    // From another chart pen its own settings first; from any pen what a
    // plain pen has.
    void Assign(const TPersistent* source) override;
    void Assign(const TPen& source) { Assign(static_cast<const TPersistent*>(&source)); }

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

    // An owner's own default end style (the panel's border is flat).
    void SetDefaultEndStyle(TPenEndStyle value) { endStyle_ = defaultEndStyle_ = value; }
    // What the form data holds: only what differs from the pen's own defaults.
    virtual bool VisibleStored() const { return visible_ != defaultVisible_; }
    bool EndStyleStored() const { return endStyle_ != defaultEndStyle_; }
    bool ColorStored() const { return Color() != defaultColor_; }
    bool StyleStored() const { return Style() != defaultStyle_; }
    bool WidthStored() const { return Width() != defaultWidth_; }

protected:
    // Settings a constructor makes, without telling anybody; they become
    // the pen's defaults.
    template <class F>
    void Quietly(F set) {
        auto keep = std::move(OnChange);
        set();
        OnChange = std::move(keep);
        defaultColor_ = Color();
        defaultStyle_ = Style();
        defaultWidth_ = Width();
    }

    TPenEndStyle endStyle_ = esRound;
    bool smallDots_ = false;
    int smallSpace_ = 0;
    bool visible_ = true;
    bool defaultVisible_ = true;
    TPenEndStyle defaultEndStyle_ = esRound;
    TColor defaultColor_ = clBlack;
    TPenStyle defaultStyle_ = TPenStyle::psSolid;
    int defaultWidth_ = 1;
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
