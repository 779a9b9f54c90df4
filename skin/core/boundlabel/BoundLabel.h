#pragma once
// The caption label a skinned edit-type control carries beside it: made on
// the control's parent while active, kept in step with the control's text
// state and placed on one of eight positions around it.

#include "ui/controls/Label.h"
#include "ui/core/Persistent.h"
#include "ui/graphics/GraphicsObjects.h"

#include <cstdint>
#include <memory>
#include <string>

class TSkCommonData;
class TSkBoundLabel;

enum class TSkCaptionLayout : std::uint8_t {
    sclLeft,
    sclTopLeft,
    sclTopCenter,
    sclTopRight,
    sclLeftTop,
    sclBottomLeft,
    sclBottomCenter,
    sclBottomRight
};

// The label control; how it paints in the skin belongs to the skinned controls.
class TSkEditLabel : public TLabel {
    DECLARE_CLASS_INFO
public:
    TSkEditLabel(TComponent* owner, TSkBoundLabel* boundLabel) : TLabel(owner), BoundLabel(boundLabel) {}
    // A label freed with its owner control leaves its bound label inactive.
    ~TSkEditLabel() override;
    TSkBoundLabel* BoundLabel;
    bool UseSkinColor = true;
};

class TSkBoundLabel : public TPersistent {
    DECLARE_CLASS_INFO
public:
    // The bound control is the skin data's owner control.
    explicit TSkBoundLabel(TSkCommonData* ownerSkinData);
    ~TSkBoundLabel() override;
    TSkBoundLabel(const TSkBoundLabel&) = delete;
    TSkBoundLabel& operator=(const TSkBoundLabel&) = delete;

    bool Active() const { return labelControl_ != nullptr; }
    void SetActive(bool value);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    TSkCaptionLayout Layout() const { return layout_; }
    void SetLayout(TSkCaptionLayout value);
    int Indent() const { return indent_; }
    void SetIndent(int value);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value);
    // The label's font while there is a label, else the own one.
    TFont* Font();
    void SetFont(const TFont* font);
    bool UseSkinColor() const { return labelControl_ ? labelControl_->UseSkinColor : true; }
    void SetUseSkinColor(bool value);
    TSkEditLabel* LabelControl() const { return labelControl_; }
    // Places the label beside the control (nothing without a shown label).
    void AlignLabel();

private:
    friend class TSkEditLabel;
    TControl* Control() const;

    int maxWidth_ = 0;
    std::string caption_;
    TSkCaptionLayout layout_ = TSkCaptionLayout::sclLeft;
    TFont font_;
    int indent_ = 0;
    TSkEditLabel* labelControl_ = nullptr;
    TSkCommonData* ownerSkinData_;
};
