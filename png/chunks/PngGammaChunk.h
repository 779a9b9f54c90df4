#pragma once
// The gamma chunk: gamma × 100000, which sets the picture's gamma tables for
// the chunks read after it.

#include "png/chunks/PngChunk.h"

class TChunkgAMA : public TChunk {
    VELZAR_CHUNK_CLASS(TChunkgAMA, "gAMA")
    explicit TChunkgAMA(TPngPicture* owner);

    void CopyFrom(const TChunk& source) override;
    bool ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) override;

    // 1 when the data is not 4 bytes long.
    std::uint32_t GammaValue() const;
    void SetGammaValue(std::uint32_t value);
};
