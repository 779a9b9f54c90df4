#pragma once
// The image data chunk. Reading it decodes the whole run of IDAT chunks into
// the picture in memory; writing it encodes the picture into as many IDAT
// chunks as the compressed data needs. Its own data buffer stays empty.

#include "png/chunks/PngChunk.h"

class TChunkIDAT : public TChunk {
    VELZAR_CHUNK_CLASS(TChunkIDAT, "IDAT")
    explicit TChunkIDAT(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) {}

    bool ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteToStream(TStream& stream) override;
};
