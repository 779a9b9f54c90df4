#pragma once
// Bitmaps in memory: a device-independent section of one of the pixel
// formats with direct row access (ScanLine, rows from the top), a canvas
// over it, transparency by a colour, and the BMP file format.

#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/Graphic.h"

#include "platform/gdi/GdiTypes.h"

#include <memory>

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
    DECLARE_CLASS_INFO
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pfDevice);
    ~TBitmap() override;

    bool Empty() const override { return width_ == 0 || height_ == 0; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int width) override { SetSize(width, height_); }
    void SetHeight(int height) override { SetSize(width_, height); }
    // Keeps the pixels that still fit; new area is white.
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return format_; }
    // Converts the pixels; pfDevice is 32 bits like the screen.
    void SetPixelFormat(TPixelFormat format);
    bool Monochrome() const { return format_ == TPixelFormat::pf1bit; }
    void SetMonochrome(bool value) { SetPixelFormat(value ? TPixelFormat::pf1bit : TPixelFormat::pfDevice); }
    // Row `row` from the top; raises EInvalidGraphicOperation
    // "Scan line index out of range" outside the bitmap.
    void* ScanLine(int row);
    int BytesPerRow() const;

    TCanvas* Canvas();
    platform::HBITMAP Handle() const { return handle_; }

    // tmAuto: the colour of the bottom-left pixel; tmFixed: the one set.
    TColor TransparentColor();
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }
    bool IgnorePalette = false;

    // BMP of 1, 4, 8, 16 (5-5-5), 24 or 32 bits, uncompressed, bottom-up or
    // top-down; anything else raises EInvalidGraphic "Bitmap image is not valid".
    void LoadFromStream(TStream& stream) override;
    // BMP, bottom-up, uncompressed, in the bitmap's own format.
    void SaveToStream(TStream& stream) override;
    void Assign(const TPersistent* source) override;

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    class TBitmapCanvas;
    // Makes a new section and, with `keep`, copies the old pixels into it.
    void Rebuild(int width, int height, TPixelFormat format, bool keep);
    void FreeContext();

    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = TPixelFormat::pfDevice;
    platform::HBITMAP handle_ = nullptr;
    unsigned char* bits_ = nullptr;
    std::unique_ptr<TBitmapCanvas> canvas_;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
};
