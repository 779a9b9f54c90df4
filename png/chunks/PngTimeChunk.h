#pragma once
// The time of the picture's last modification.

#include "png/chunks/PngChunk.h"

class TChunktIME : public TChunk {
    VELZAR_CHUNK_CLASS(TChunktIME, "tIME")
    explicit TChunktIME(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) {}

    void CopyFrom(const TChunk& source) override;
    bool ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteToStream(TStream& stream) override;

    std::uint16_t Year = 0;
    std::uint8_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};
