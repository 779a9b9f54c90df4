#pragma once
// The palette chunk. It holds only the count of entries; the colours live in
// the header's palette and colour table.

#include "png/chunks/PngChunk.h"

class TChunkPLTE : public TChunk {
    VELZAR_CHUNK_CLASS(TChunkPLTE, "PLTE")
    explicit TChunkPLTE(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) {}

    void CopyFrom(const TChunk& source) override;
    bool ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteToStream(TStream& stream) override;

    // Colour-table entry index as 0x00RRGGBB (the layout of a 32-bit pixel);
    // EPngError past the entry count.
    std::uint32_t EntryColor(int index) const;

    int EntryCount = 0;
};
