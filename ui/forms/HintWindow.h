#pragma once
// The small window that shows a control's hint beside the mouse: a borderless
// pop-up above everything, in the hint colours, never taking the focus.

#include "ui/forms/CustomControl.h"

#include <string>

class THintWindow : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit THintWindow(TComponent* owner);

    // The window rectangle the text needs (lines split at line breaks),
    // with its top-left corner at (0, 0); lines wider than maxWidth are not
    // broken.
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows the text in the rectangle (screen coordinates).
    virtual void ActivateHint(const TRect& rect, const std::string& hint);
    void ReleaseHint();
    bool HintShowing() const { return shown_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    bool shown_ = false;
};
