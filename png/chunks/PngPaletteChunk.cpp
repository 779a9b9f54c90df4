#include "png/chunks/PngPaletteChunk.h"

#include "png/PngPicture.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/codec/PngExceptions.h"

void TChunkPLTE::CopyFrom(const TChunk& source) {
    auto* palette = dynamic_cast<const TChunkPLTE*>(&source);
    if (!palette) throw EPngError(PngIncompatibleChunksText);
    EntryCount = palette->EntryCount;
}

bool TChunkPLTE::ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadFromStream(stream, type, length);
    if (DataLength() % 3 != 0 || DataLength() > 768) throw EPNGInvalidPalette();
    EntryCount = int(DataLength() / 3);
    const auto& gamma = Owner()->GammaTable;
    TPngPalette palette(static_cast<std::size_t>(EntryCount));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint8_t* rgb = Data() + 3 * i;
        palette[i] = {gamma[rgb[0]], gamma[rgb[1]], gamma[rgb[2]], 0};
    }
    Owner()->SetPalette(palette);
    return true;
}

bool TChunkPLTE::WriteToStream(TStream& stream) {
    TChunkIHDR& header = OwnerHeader();
    if (EntryCount == 0) EntryCount = header.Image.UsedColours;
    ResizeData(std::size_t(EntryCount) * 3);
    const auto& inverse = Owner()->InverseGammaTable;
    const auto& palette = header.Palette();
    for (std::size_t i = 0; i < std::size_t(EntryCount); ++i) {
        TPaletteEntry entry;
        if (palette && i < palette->size() && i < 256) entry = (*palette)[i];
        std::uint8_t* rgb = Data() + 3 * i;
        rgb[0] = inverse[entry.Red];
        rgb[1] = inverse[entry.Green];
        rgb[2] = inverse[entry.Blue];
    }
    return WriteChunkBytes(stream);
}

std::uint32_t TChunkPLTE::EntryColor(int index) const {
    if (index < 0 || index > EntryCount - 1 || index > 255) throw EPngError(PngNoSuchPaletteEntryText);
    const TRgbQuad& q = OwnerHeader().Image.ColourTable[std::size_t(index)];
    return (std::uint32_t(q.Red) << 16) | (std::uint32_t(q.Green) << 8) | q.Blue;
}
