#pragma once
// The physical size of a pixel: pixels per unit along each axis.

#include "png/chunks/PngChunk.h"

class TChunkpHYs : public TChunk {
    VELZAR_CHUNK_CLASS(TChunkpHYs, "pHYs")
    explicit TChunkpHYs(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) {}

    void CopyFrom(const TChunk& source) override;
    bool ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteToStream(TStream& stream) override;

    std::uint32_t PixelsPerUnitX = 0;
    std::uint32_t PixelsPerUnitY = 0;
    std::uint8_t UnitSpecifier = 0;  // 0 aspect ratio only, 1 metre
};
