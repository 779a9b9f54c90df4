#pragma once
// Containers: the panel (bevels, a caption in the middle, its colour) and
// the group box (a frame with the caption in its top edge; the children's
// area starts below the caption).

#include "ui/controls/TextAlignment.h"
#include "ui/forms/CustomControl.h"

enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomPanel(TComponent* owner);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel value);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // Inside the bevels: where aligned children go.
    TRect ClientRect() const override;

protected:
    void Paint() override;

private:
    int BevelSize() const;

    TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
    TPanelBevel bevelInner_ = TPanelBevel::bvNone;
    int bevelWidth_ = 1;
    TAlignment alignment_ = TAlignment::taCenter;
};

class TPanel : public TCustomPanel {
    DECLARE_CLASS_INFO
public:
    using TCustomPanel::TCustomPanel;
};

class TGroupBox : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TGroupBox(TComponent* owner);
    // Below the caption, inside the frame.
    TRect ClientRect() const override;

protected:
    void Paint() override;

private:
    int CaptionHeight() const;
};
