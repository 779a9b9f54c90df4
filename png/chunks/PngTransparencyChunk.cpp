#include "png/chunks/PngTransparencyChunk.h"

#include "png/PngPicture.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/chunks/PngPaletteChunk.h"
#include "png/codec/PngExceptions.h"

#include <algorithm>

void TChunktRNS::CopyFrom(const TChunk& source) {
    auto* transparency = dynamic_cast<const TChunktRNS*>(&source);
    if (!transparency) throw EPngError(PngIncompatibleChunksText);
    AlphaValues = transparency->AlphaValues;
    SingleTransparentColor = transparency->SingleTransparentColor;
    TChunk::CopyFrom(source);
}

bool TChunktRNS::ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadFromStream(stream, type, length);
    if (DataLength() > 256) throw EPNGInvalidPalette();
    AlphaValues.fill(255);
    std::copy(Data(), Data() + DataLength(), AlphaValues.begin());
    switch (OwnerHeader().ColorType) {
        case ctGrey:
        case ctRgb: SingleTransparentColor = true; break;
        case ctPalette: {
            // One colour key means one entry fully transparent and the rest opaque;
            // an entry of partial alpha needs blending.
            const std::uint8_t* begin = Data();
            const std::uint8_t* end = begin + DataLength();
            SingleTransparentColor = std::count_if(begin, end, [](std::uint8_t a) { return a != 255; }) == 1 &&
                                     std::count(begin, end, std::uint8_t(0)) == 1;
            break;
        }
        default: break;
    }
    return true;
}

bool TChunktRNS::WriteToStream(TStream& stream) {
    if (DataLength() <= 256) std::copy(AlphaValues.begin(), AlphaValues.begin() + std::ptrdiff_t(DataLength()), Data());
    return WriteChunkBytes(stream);
}

std::uint16_t TChunktRNS::KeySample(int channel) const {
    const std::size_t at = 2 * std::size_t(channel);
    return std::uint16_t((AlphaValues[at] << 8) | AlphaValues[at + 1]);
}

bool TChunktRNS::KeyFitsDepth(int channels, int bitDepth) const {
    const unsigned largest = (1u << bitDepth) - 1;
    for (int c = 0; c < channels; ++c)
        if (KeySample(c) > largest) return false;
    return true;
}

namespace {

// The key's samples of an 8-bit level: at 16 bits both bytes hold it.
void PutKeyLevel(std::array<std::uint8_t, 256>& values, int channel, std::uint8_t level, int bitDepth) {
    values[2 * std::size_t(channel)] = bitDepth == 16 ? level : 0;
    values[2 * std::size_t(channel) + 1] = level;
}

// The mask marks the pixels that show the colour.
void MarkPixelsShowing(TPngPicture& picture, TChunkIHDR& header, TPngColor color) {
    header.ColorKeyMask = TPngBuffer(std::size_t(header.Width) * std::size_t(header.Height));
    for (int y = 0; y < header.Height; ++y) {
        std::uint8_t* mask = header.ColorKeyRow(y);
        for (int x = 0; x < header.Width; ++x) mask[x] = picture.ReadPixelColor(x, y) == color;
    }
}

}  // namespace

void TChunktRNS::MakeColorTransparent(TPngColor color) {
    AlphaValues.fill(0);
    SingleTransparentColor = true;
    TChunkIHDR& header = OwnerHeader();
    switch (header.ColorType) {
        case ctGrey:
            ResizeData(2);
            PutKeyLevel(AlphaValues, 0, RedOf(color), header.BitDepth);
            MarkPixelsShowing(*Owner(), header, color);
            break;
        case ctRgb:
            ResizeData(6);
            PutKeyLevel(AlphaValues, 0, RedOf(color), header.BitDepth);
            PutKeyLevel(AlphaValues, 1, GreenOf(color), header.BitDepth);
            PutKeyLevel(AlphaValues, 2, BlueOf(color), header.BitDepth);
            MarkPixelsShowing(*Owner(), header, color);
            break;
        case ctPalette: {
            const auto& table = header.Image.ColourTable;
            int used = std::min(header.Image.UsedColours, 256);
            for (int k = 0; k < used; ++k) {
                const TRgbQuad& q = table[std::size_t(k)];
                if (q.Red == RedOf(color) && q.Green == GreenOf(color) && q.Blue == BlueOf(color)) {
                    std::fill(AlphaValues.begin(), AlphaValues.begin() + k, 255);
                    ResizeData(std::size_t(k) + 1);
                    return;
                }
            }
            // No entry has the colour: every entry stays opaque.
            AlphaValues.fill(255);
            ResizeData(0);
            SingleTransparentColor = false;
            break;
        }
        default: break;
    }
}

TPngColor TChunktRNS::TransparentColorOf() const {
    TChunkIHDR& header = OwnerHeader();
    const auto& gamma = Owner()->GammaTable;
    switch (header.ColorType) {
        case ctGrey: {
            // The key's sample is the palette index the picture holds it as.
            const unsigned key = KeySample(0);
            unsigned index = header.BitDepth == 16 ? key >> 8 : key & 255;
            if (header.BitDepth == 2) index = (key & 3) * 5;
            std::uint8_t grey = header.Image.ColourTable[index & 255].Red;
            return RgbColor(grey, grey, grey);
        }
        case ctRgb: {
            // An 8-bit level is the key's high byte at 16 bits, its low byte at 8.
            const std::size_t level = header.BitDepth == 16 ? 0 : 1;
            return RgbColor(gamma[AlphaValues[level]], gamma[AlphaValues[2 + level]], gamma[AlphaValues[4 + level]]);
        }
        case ctPalette: {
            for (std::size_t i = 0; i < DataLength(); ++i) {
                if (AlphaValues[i] != 0) continue;
                // Without a palette chunk there is no colour to name.
                auto* palette = Owner()->ChunkList.FindChunkOfClass<TChunkPLTE>();
                if (!palette) return 0;
                std::uint32_t rgb = palette->EntryColor(int(i));
                return RgbColor(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
            }
            return 0;
        }
        default: return 0;
    }
}
