#pragma once
// The bevel: a lowered or raised box, frame or single edge line that
// groups or separates controls; it draws nothing else.

#include "ui/forms/CustomControl.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
    DECLARE_CLASS_INFO
public:
    explicit TBevel(TComponent* owner);

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape value);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle value);

protected:
    void Paint() override;

private:
    TBevelShape shape_ = TBevelShape::bsBox;
    TBevelStyle style_ = TBevelStyle::bsLowered;
};
