#pragma once
// The transparency chunk: an alpha per palette index, or the one transparent
// grey or RGB colour as its raw 16-bit values.

#include "png/chunks/PngChunk.h"
#include "png/image/PngDib.h"

#include <array>

class TChunktRNS : public TChunk {
    VELZAR_CHUNK_CLASS(TChunktRNS, "tRNS")
    explicit TChunktRNS(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) {}

    void CopyFrom(const TChunk& source) override;
    bool ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteToStream(TStream& stream) override;

    void MakeColorTransparent(TPngColor color);
    // The colour the chunk makes transparent; 0 when it names none.
    TPngColor TransparentColorOf() const;

    std::array<std::uint8_t, 256> AlphaValues{};
    bool SingleTransparentColor = false;
};
