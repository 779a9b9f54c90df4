#pragma once
// Icons: the largest picture of an ICO file, kept as 32-bit pixels with
// their alpha (from the file's alpha channel or its AND mask) and drawn
// blended over what is there.

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Graphic.h"

class TIcon : public TGraphic {
    DECLARE_CLASS_INFO
public:
    TIcon();

    bool Empty() const override { return image_.Empty(); }
    int Width() const override { return image_.Width(); }
    int Height() const override { return image_.Height(); }
    // Raise EInvalidGraphicOperation "Cannot change the size of an icon".
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Transparent() const override { return true; }

    // ICO with pictures of 1, 4, 8, 24 or 32 bits; anything else (a PNG
    // picture inside, damaged data) raises EInvalidGraphic "Icon image is not valid".
    void LoadFromStream(TStream& stream) override;
    // One 32-bit picture with its AND mask.
    void SaveToStream(TStream& stream) override;
    void Assign(const TPersistent* source) override;

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    TBitmap image_;  // premultiplied alpha, rows from the top
};
