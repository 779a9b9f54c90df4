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
        case ctPalette:
            SingleTransparentColor =
                std::count_if(Data(), Data() + DataLength(), [](std::uint8_t a) { return a != 255; }) == 1;
            break;
        default: break;
    }
    return true;
}

bool TChunktRNS::WriteToStream(TStream& stream) {
    if (DataLength() <= 256) std::copy(AlphaValues.begin(), AlphaValues.begin() + std::ptrdiff_t(DataLength()), Data());
    return WriteChunkBytes(stream);
}

void TChunktRNS::MakeColorTransparent(TPngColor color) {
    AlphaValues.fill(0);
    SingleTransparentColor = true;
    TChunkIHDR& header = OwnerHeader();
    switch (header.ColorType) {
        case ctGrey:
            ResizeData(2);
            AlphaValues[1] = RedOf(color);
            break;
        case ctRgb:
            ResizeData(6);
            AlphaValues[1] = RedOf(color);
            AlphaValues[3] = GreenOf(color);
            AlphaValues[5] = BlueOf(color);
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
            std::uint8_t grey = header.Image.ColourTable[AlphaValues[1]].Red;
            return RgbColor(grey, grey, grey);
        }
        case ctRgb: return RgbColor(gamma[AlphaValues[1]], gamma[AlphaValues[3]], gamma[AlphaValues[5]]);
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
