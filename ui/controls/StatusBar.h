#pragma once
// The status bar along the bottom of its form: one simple text, or panels
// side by side.

#include "ui/controls/StatusPanels.h"
#include "ui/forms/CustomControl.h"

class TStatusBar : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TStatusBar(TComponent* owner);
    TStatusPanels* Panels() { return &panels_; }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool value);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);

protected:
    void Paint() override;

private:
    void PaintText(const TRect& r, const std::string& text, TAlignment alignment);

    TStatusPanels panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
};
