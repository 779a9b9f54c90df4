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

    // The colour key becomes this colour (at 16 bits, the colour's levels
    // × 257), and the pixels that show it are the transparent ones.
    void MakeColorTransparent(TPngColor color);
    // The colour the chunk makes transparent; 0 when it names none.
    TPngColor TransparentColorOf() const;
    // Channel c (grey, or red, green, blue) of a grey or RGB colour key.
    std::uint16_t KeySample(int channel) const;
    // Whether the key can be a sample at this bit depth in every channel.
    bool KeyFitsDepth(int channels, int bitDepth) const;

    std::array<std::uint8_t, 256> AlphaValues{};
    bool SingleTransparentColor = false;
};
