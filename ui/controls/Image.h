#pragma once
// The image control: shows a picture at its size, stretched (keeping its
// proportions when asked) or centred, with the bitmap's transparent colour
// left out when Transparent is set; a 32-bit bitmap with alpha is blended.
// Its Canvas draws on the picture's bitmap.

#include "ui/forms/CustomControl.h"
#include "ui/graphics/Picture.h"

class TImage : public TGraphicControl {
    DECLARE_CLASS_INFO
public:
    explicit TImage(TComponent* owner);

    TPicture* Picture() { return &picture_; }
    void SetPicture(const TPicture* picture) { picture_.Assign(picture); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // The control takes the picture's size whenever the picture changes.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

    // The canvas of the picture's bitmap; an empty picture gets a bitmap
    // of the control's size. Raises EInvalidOperation "Can only modify an
    // image if it contains a bitmap" for a picture of another kind.
    TCanvas* Canvas();
    // Where the picture goes in the control.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();

    TPicture picture_;
    bool stretch_ = false;
    bool proportional_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};
