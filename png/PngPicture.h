#pragma once
// A picture in the file format: the ordered list of its chunks, of which the
// first, the header, holds the picture in memory. Loading and saving walk the
// list; the settings below steer the encoder.

#include "platform/gdi/GdiTypes.h"
#include "png/chunks/PngChunkList.h"
#include "png/image/PngDib.h"
#include "png/image/PngImageEncoder.h"
#include "ui/graphics/Graphic.h"

#include <array>
#include <cstdint>

class TStream;

class TPngPicture : public TGraphic {
    DECLARE_CLASS_INFO
public:
    TPngPicture();
    ~TPngPicture() override;
    TPngPicture(const TPngPicture&) = delete;
    TPngPicture& operator=(const TPngPicture&) = delete;

    // Takes over a copy of a picture or a bitmap; none clears the picture.
    void Assign(const TPersistent* source) override;
    void CopyFromPNG(const TPngPicture& source);
    // Builds the picture from a bitmap: 1, 4 or 8 bits per pixel give a palette
    // picture of that depth, deeper ones an RGB picture of 8 bits; with
    // transparent, `color` becomes the transparent colour.
    void AssignBitmapHandle(platform::HBITMAP bitmap, bool transparent, TPngColor color);
    void ClearImage();

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;

    bool Empty() const override { return ChunkList.Count() == 0; }
    int Width() const override;
    int Height() const override;
    void SetWidth(int width) override { ResizeImage(width, Height()); }
    void SetHeight(int height) override { ResizeImage(Width(), height); }
    // EPNGHeaderNotPresent on an empty picture.
    bool Transparent() const override { return TransparencyKind() != 0; }
    const TPngPalette& GetPalette() const;
    void SetPalette(const TPngPalette& palette) { ReplacePalette(palette, true); }

    bool HasHeader() const;
    // EPNGHeaderNotPresent on a picture without a header.
    TChunkIHDR& HeaderChunk() const;
    // 0 opaque, 1 one transparent colour, 2 alpha per pixel.
    int TransparencyKind() const;
    TPngColor TransparentColorValue() const;

    // Colour at (x, y) from the top left; 0 outside the picture.
    virtual TPngColor ReadPixelColor(int x, int y) const;
    // Ignored outside the picture; the alpha plane is left as it is.
    virtual void WritePixelColor(int x, int y, TPngColor color);

    std::uint8_t* RowAddress(int y) const;
    std::uint8_t* LowByteRowAddress(int y) const;
    // None for pictures without an alpha plane.
    std::uint8_t* AlphaRowAddress(int y) const;
    // Keeps the top-left part; new pixels are 0 and fully opaque.
    void ResizeImage(int width, int height);
    void ReplacePalette(const TPngPalette& palette, bool copyEntries);

    std::int32_t MaxDataChunkSize() const { return maxDataChunkSize_; }
    // Values below 65535 are raised to it.
    void SetMaxDataChunkSize(std::int32_t size) { maxDataChunkSize_ = size < 65535 ? 65535 : size; }

    TFilterSet RowFilters{1u << pfSub};
    std::uint8_t DeflateLevel = 7;
    std::uint8_t InterlaceKind = 0;
    TPNGList ChunkList;
    std::array<std::uint8_t, 256> GammaTable{};
    std::array<std::uint8_t, 256> InverseGammaTable{};

protected:
    void AssignTo(TPersistent* destination) const override;
    // Stretched into the rectangle: plain, with the transparent colour left out, or alpha-blended.
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    std::int32_t maxDataChunkSize_ = 65535;
};
