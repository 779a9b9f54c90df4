#pragma once
// Text chunks: a keyword and a text, plain (tEXt) or deflated (zTXt).

#include "png/chunks/PngChunk.h"

#include <string>

class TChunktEXt : public TChunk {
    VELZAR_CHUNK_CLASS(TChunktEXt, "tEXt")
    explicit TChunktEXt(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) {}

    void CopyFrom(const TChunk& source) override;
    bool ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteToStream(TStream& stream) override;

    std::string Keyword;
    std::string Text;

protected:
    TChunktEXt(TPngPicture* owner, std::string_view typeName) : TChunk(owner, typeName) {}
    // Keyword from the bytes before the first 0 byte (all of them when there is none).
    void ReadKeyword();
};

class TChunkzTXt : public TChunktEXt {
    VELZAR_CHUNK_CLASS(TChunkzTXt, "zTXt")
    explicit TChunkzTXt(TPngPicture* owner) : TChunktEXt(owner, ChunkTypeName()) {}

    bool ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    // Writes nothing and answers false when the text cannot be deflated.
    bool WriteToStream(TStream& stream) override;
};
