#pragma once
// JPEG pictures: the pixels of a bitmap kept as 24 bits, saved as a
// baseline JPEG file at CompressionQuality, and JPEG files of any colour
// space read back into them. Registered with the picture formats as "jpg"
// and "jpeg".

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Graphic.h"

class TJPEGImage : public TGraphic {
    DECLARE_CLASS_INFO
public:
    static constexpr int DefaultQuality = 90;

    TJPEGImage();

    bool Empty() const override { return image_.Empty(); }
    int Width() const override { return image_.Width(); }
    int Height() const override { return image_.Height(); }
    // Raise EInvalidGraphicOperation "Cannot change the size of a JPEG image".
    void SetWidth(int width) override;
    void SetHeight(int height) override;

    // 1 (smallest file) to 100 (closest to the pixels).
    int CompressionQuality() const { return quality_; }
    void SetCompressionQuality(int quality);

    // Damaged, cut-off or foreign data raises EInvalidGraphic and keeps the
    // picture there was.
    void LoadFromStream(TStream& stream) override;
    // Raises EInvalidGraphic for an empty picture.
    void SaveToStream(TStream& stream) override;
    // From another JPEG image or from a bitmap of any pixel format.
    void Assign(const TPersistent* source) override;
    // Into a bitmap: 24 bits a pixel.
    void AssignTo(TPersistent* destination) const override;

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    TBitmap image_;  // 24 bits a pixel
    int quality_ = DefaultQuality;
};
