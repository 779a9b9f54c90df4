#include "png/chunks/PngPhysicalSizeChunk.h"

#include "png/codec/PngBytes.h"

void TChunkpHYs::CopyFrom(const TChunk& source) {
    if (auto* size = dynamic_cast<const TChunkpHYs*>(&source)) {
        PixelsPerUnitX = size->PixelsPerUnitX;
        PixelsPerUnitY = size->PixelsPerUnitY;
        UnitSpecifier = size->UnitSpecifier;
    }
}

bool TChunkpHYs::ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadFromStream(stream, type, length);
    if (DataLength() != 9) return true;
    PixelsPerUnitX = ReadBigEndian32(Data());
    PixelsPerUnitY = ReadBigEndian32(Data() + 4);
    UnitSpecifier = Data()[8];
    return true;
}

bool TChunkpHYs::WriteToStream(TStream& stream) {
    ResizeData(9);
    WriteBigEndian32(Data(), PixelsPerUnitX);
    WriteBigEndian32(Data() + 4, PixelsPerUnitY);
    Data()[8] = UnitSpecifier;
    return WriteChunkBytes(stream);
}
