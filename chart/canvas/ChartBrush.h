#pragma once
// The brush every chart element keeps: the class library's brush with the
// colour behind hatch lines and a picture to fill with.

#include "chart/canvas/ChangeCallback.h"
#include "chart/core/ChartTypes.h"

#include "ui/graphics/GraphicsObjects.h"

#include <memory>

class TPicture;

class TChartBrush : public TBrush {
    DECLARE_CLASS_INFO
public:
    explicit TChartBrush(TChangeEvent onChange = nullptr);
    ~TChartBrush() override;
    // From another chart brush its picture and hatch background first; from
    // any brush its colour and style.
    void Assign(const TPersistent* source) override;
    void Assign(const TBrush& source) { Assign(static_cast<const TPersistent*>(&source)); }

    // The colour between hatch lines; clNone lets the background show.
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value);
    // Made on first use; a picture with a graphic fills as a pattern.
    TPicture* Image();
    // nullptr until made.
    const TPicture* Image() const { return image_.get(); }
    bool HasImage() const;
    // Nothing drops the picture; anything else is copied.
    void SetImage(const TPicture* picture);

    // What the form data holds: only what differs from the brush's own defaults.
    bool ColorStored() const { return Color() != defaultColor_; }
    bool StyleStored() const { return Style() != defaultStyle_; }

protected:
    // Settings a constructor makes, without telling anybody; they become
    // the brush's defaults.
    template <class F>
    void Quietly(F set) {
        auto keep = std::move(OnChange);
        set();
        OnChange = std::move(keep);
        defaultColor_ = Color();
        defaultStyle_ = Style();
    }

private:
    TColor defaultColor_ = clDefault;
    TBrushStyle defaultStyle_ = TBrushStyle::bsSolid;
    TColor backColor_ = clNone;
    std::unique_ptr<TPicture> image_;
};
