#include "png/chunks/PngHeaderChunk.h"

#include "png/PngPicture.h"
#include "png/chunks/PngTransparencyChunk.h"
#include "png/codec/PngBytes.h"
#include "png/codec/PngExceptions.h"

#include <cstring>

bool IsValidSampleFormat(int colorType, int bitDepth) {
    switch (colorType) {
        case ctGrey: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
        case ctPalette: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
        case ctRgb:
        case ctGreyAlpha:
        case ctRgbAlpha: return bitDepth == 8 || bitDepth == 16;
        default: return false;
    }
}

namespace {

int BitsPerDibPixelFor(int colorType, int bitDepth) {
    if (colorType == ctRgb || colorType == ctRgbAlpha) return 24;
    switch (bitDepth) {
        case 1: return 1;
        case 2:
        case 4: return 4;
        default: return 8;
    }
}

}  // namespace

std::uint64_t PictureBytes(std::int64_t width, std::int64_t height, int colorType, int bitDepth) {
    const std::uint64_t rows = std::uint64_t(DibRowSizeFor(width, BitsPerDibPixelFor(colorType, bitDepth))) *
                               std::uint64_t(height);
    return rows + (bitDepth == 16 ? rows : 0) + std::uint64_t(width) * std::uint64_t(height);
}

void CheckPictureSize(std::int64_t width, std::int64_t height, int colorType, int bitDepth) {
    if (PictureBytes(width, height, colorType, bitDepth) > MaxPictureBytes) throw EPNGOutMemory();
}

int TChunkIHDR::BitsPerDibPixel() const { return BitsPerDibPixelFor(ColorType, BitDepth); }

bool TChunkIHDR::ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadFromStream(stream, type, length);
    if (DataLength() < 13) throw EPngInvalidIHDR();
    const std::uint8_t* d = Data();
    std::uint32_t width = ReadBigEndian32(d);
    std::uint32_t height = ReadBigEndian32(d + 4);
    BitDepth = d[8];
    ColorType = d[9];
    CompressionMethod = d[10];
    FilterMethod = d[11];
    InterlaceMethod = d[12];
    if (width > 65535 || height > 65535) throw EPNGSizeExceeds();
    Width = std::int32_t(width);
    Height = std::int32_t(height);
    if (CompressionMethod != 0) throw EPNGUnknownCompression();
    if (InterlaceMethod > 1) throw EPNGUnknownInterlace();
    // An empty picture or a sample format without a row layout cannot be decoded.
    if (Width == 0 || Height == 0 || !IsValidSampleFormat(ColorType, BitDepth)) throw EPngInvalidIHDR();
    Owner()->InterlaceKind = InterlaceMethod;
    AllocateImage();
    return true;
}

void TChunkIHDR::WidenTwoBitDepth() {
    if (BitDepth != 2) return;
    BitDepth = 4;
    auto* transparency = Owner()->ChunkList.FindChunkOfClass<TChunktRNS>();
    if (ColorType != ctGrey || !transparency) return;
    const std::uint16_t key = transparency->KeySample(0);
    if (key <= 3) transparency->AlphaValues[1] = std::uint8_t(key * 5);
}

bool TChunkIHDR::WriteToStream(TStream& stream) {
    // 2-bit pictures are held with 4 bits per pixel, so they are written as such.
    WidenTwoBitDepth();
    ResizeData(13);
    std::uint8_t* d = Data();
    WriteBigEndian32(d, std::uint32_t(Width));
    WriteBigEndian32(d + 4, std::uint32_t(Height));
    d[8] = BitDepth;
    d[9] = ColorType;
    d[10] = CompressionMethod;
    d[11] = FilterMethod;
    d[12] = Owner()->InterlaceKind;
    return WriteChunkBytes(stream);
}

void TChunkIHDR::CopyFrom(const TChunk& source) {
    auto* header = dynamic_cast<const TChunkIHDR*>(&source);
    if (!header) throw EPngError(PngIncompatibleChunksText);
    Width = header->Width;
    Height = header->Height;
    BitDepth = header->BitDepth;
    ColorType = header->ColorType;
    CompressionMethod = header->CompressionMethod;
    FilterMethod = header->FilterMethod;
    InterlaceMethod = header->InterlaceMethod;
    AllocateImage();
    if (header->Image.ByteSize() == Image.ByteSize() && Image.ByteSize() > 0)
        std::memcpy(Image.Pixels(), header->Image.Pixels(), Image.ByteSize());
    if (header->AlphaPlane.Size() == AlphaPlane.Size() && !AlphaPlane.Empty())
        std::memcpy(AlphaPlane.Data(), header->AlphaPlane.Data(), AlphaPlane.Size());
    // The copy is saved with its own low bytes and keeps its colour key.
    if (header->LowBytePlane.Size() == LowBytePlane.Size() && !LowBytePlane.Empty())
        std::memcpy(LowBytePlane.Data(), header->LowBytePlane.Data(), LowBytePlane.Size());
    if (header->HasColorKeyMask()) {
        ColorKeyMask = TPngBuffer(header->ColorKeyMask.Size());
        std::memcpy(ColorKeyMask.Data(), header->ColorKeyMask.Data(), ColorKeyMask.Size());
    }
    Image.ColourTable = header->Image.ColourTable;
    Image.UsedColours = header->Image.UsedColours;
    if (usesPalette_ && header->palette_) palette_ = header->palette_;
}

TPngPalette TChunkIHDR::GreyPalette(int entries) const {
    const auto& gamma = Owner()->GammaTable;
    TPngPalette palette(static_cast<std::size_t>(entries));
    for (int i = 0; i < entries; ++i) {
        std::uint8_t level = gamma[std::size_t(entries > 1 ? (i * 255 + (entries - 1) / 2) / (entries - 1) : 0)];
        palette[std::size_t(i)] = {level, level, level, 0};
    }
    return palette;
}

void TChunkIHDR::AllocateImage() {
    ReleaseImage();
    CheckPictureSize(Width, Height, ColorType, BitDepth);
    Image.ColourTable = {};
    Image.UsedColours = 0;
    int bits = BitsPerDibPixel();
    usesPalette_ = bits <= 8;
    Image.Allocate(Width, Height, bits);
    if (HasAlpha()) AlphaPlane = TPngBuffer(std::size_t(Width) * std::size_t(Height));
    if (BitDepth == 16) LowBytePlane = TPngBuffer(Image.ByteSize());
    if (!usesPalette_) return;
    // A palette picture gets its colours from PLTE; until then they are black.
    TPngPalette palette;
    if (ColorType != ctPalette) palette = GreyPalette(BitDepth == 16 ? 256 : 1 << BitDepth);
    palette.resize(std::size_t(1) << bits);
    palette_ = palette;
    Image.UsedColours = int(palette.size());
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i)
        Image.ColourTable[i] = {palette[i].Blue, palette[i].Green, palette[i].Red, 0};
}

void TChunkIHDR::ReleaseImage() {
    Image.Release();
    AlphaPlane.Reset();
    LowBytePlane.Reset();
    ColorKeyMask.Reset();
    palette_.reset();
}

void TChunkIHDR::ReplacePalette(const TPngPalette& palette, bool copyEntries) {
    if (!usesPalette_) return;
    if (copyEntries) {
        std::size_t count = std::min<std::size_t>(palette.size(), 256);
        for (std::size_t i = 0; i < count; ++i)
            Image.ColourTable[i] = {palette[i].Blue, palette[i].Green, palette[i].Red, 0};
        Image.UsedColours = int(count);
    }
    palette_ = palette;
}
