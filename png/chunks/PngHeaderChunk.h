#pragma once
// The header chunk: the picture's size and sample format, and the picture in
// memory (the rows, the palette, the alpha plane of colour types 4 and 6 and
// the plane of low bytes of 16-bit samples).

#include "png/chunks/PngChunk.h"
#include "png/image/PngBuffer.h"
#include "png/image/PngDib.h"

#include <optional>

enum TPngColorType : std::uint8_t {
    ctGrey = 0,
    ctRgb = 2,
    ctPalette = 3,
    ctGreyAlpha = 4,
    ctRgbAlpha = 6,
};

class TChunkIHDR : public TChunk {
    VELZAR_CHUNK_CLASS(TChunkIHDR, "IHDR")
    explicit TChunkIHDR(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) {}

    void CopyFrom(const TChunk& source) override;
    bool ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteToStream(TStream& stream) override;

    // Builds the picture in memory for the fields below, all pixels zero;
    // EPNGOutMemory when it would pass MaxPictureBytes.
    void AllocateImage();
    void ReleaseImage();

    // Takes a palette when the picture uses one; with copyEntries its colours
    // also become the colour table.
    void ReplacePalette(const TPngPalette& palette, bool copyEntries);
    // A grey palette of the given size, entry i at level i × 255 / (entries − 1) through the gamma table.
    TPngPalette GreyPalette(int entries) const;

    // A 2-bit picture, held with 4 bits per pixel, becomes a 4-bit picture
    // for writing; a grey key follows its samples (v becomes v × 5).
    void WidenTwoBitDepth();

    // 1, 4, 8 or 24 by colour type and bit depth.
    int BitsPerDibPixel() const;
    bool UsesPalette() const { return usesPalette_; }
    const std::optional<TPngPalette>& Palette() const { return palette_; }
    bool HasAlpha() const { return ColorType == ctGreyAlpha || ColorType == ctRgbAlpha; }

    std::uint8_t* AlphaRow(int y) { return AlphaPlane.Data() + std::size_t(y) * std::size_t(Width); }
    const std::uint8_t* AlphaRow(int y) const { return AlphaPlane.Data() + std::size_t(y) * std::size_t(Width); }
    std::uint8_t* LowByteRow(int y) {
        return LowBytePlane.Data() + Image.RowSize() * std::size_t(Height - 1 - y);
    }
    const std::uint8_t* LowByteRow(int y) const {
        return LowBytePlane.Data() + Image.RowSize() * std::size_t(Height - 1 - y);
    }
    bool HasColorKeyMask() const { return !ColorKeyMask.Empty(); }
    std::uint8_t* ColorKeyRow(int y) { return ColorKeyMask.Data() + std::size_t(y) * std::size_t(Width); }
    const std::uint8_t* ColorKeyRow(int y) const { return ColorKeyMask.Data() + std::size_t(y) * std::size_t(Width); }

    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint8_t BitDepth = 0;
    std::uint8_t ColorType = 0;
    std::uint8_t CompressionMethod = 0;
    std::uint8_t FilterMethod = 0;
    std::uint8_t InterlaceMethod = 0;

    TPngDib Image;
    TPngBuffer AlphaPlane;    // Width × Height, top row first
    TPngBuffer LowBytePlane;  // laid out like the rows of Image
    // Grey and RGB pictures with a colour key: Width × Height, top row first,
    // 1 where the pixel's samples at the file's bit depth equal the key. The
    // shown colours cannot tell this once gamma has merged two levels.
    TPngBuffer ColorKeyMask;

private:
    bool usesPalette_ = false;
    std::optional<TPngPalette> palette_;
};

// Whether the file format allows this bit depth for this colour type.
bool IsValidSampleFormat(int colorType, int bitDepth);

// The most memory a picture may hold: its rows, its low bytes of 16-bit
// samples and one byte a pixel for the alpha plane or the colour-key mask.
// 256 MiB holds an 8K screen (7680 × 4320) even at 16 bits with alpha, far
// beyond the screenshots, skins and charts the program meets; a header
// claiming more is refused before anything is allocated.
inline constexpr std::uint64_t MaxPictureBytes = std::uint64_t(256) << 20;

// The memory a picture of this size and sample format holds in memory.
std::uint64_t PictureBytes(std::int64_t width, std::int64_t height, int colorType, int bitDepth);

// EPNGOutMemory when PictureBytes passes MaxPictureBytes.
void CheckPictureSize(std::int64_t width, std::int64_t height, int colorType, int bitDepth);
