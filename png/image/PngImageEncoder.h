#pragma once
// Writes the picture in memory as image data: each row in file sample
// layout, filtered by the chosen filter, deflated as one zlib stream and cut
// into IDAT chunks of at most MaxDataChunkSize bytes.

#include "png/codec/PngZlib.h"
#include "png/image/PngBuffer.h"
#include "png/image/PngRowFilters.h"

#include <array>
#include <bitset>
#include <cstdint>

class TPngPicture;
class TChunkIHDR;
class TStream;

using TFilterSet = std::bitset<5>;

class TPngImageEncoder {
public:
    TPngImageEncoder(TPngPicture& picture, TStream& stream);
    void Encode();

    // The filter for the raw row of n bytes given the previous raw row in
    // buffers[0]: fills buffers of the allowed filters, then moves the row into buffers[0].
    static TPngFilter ChooseRowFilter(const TFilterSet& filters, const std::uint8_t* row,
                                      std::array<std::uint8_t*, 5> buffers, std::size_t n, std::size_t stride);

private:
    void EncodeSequential();
    void EncodeInterlaced();
    void EncodeRow(int y, int firstX, int stepX, std::size_t n);
    // Puts image row y's pixels x = firstX, firstX + stepX, ... into the raw row.
    void ConvertRow(int y, int firstX, int stepX);
    // Pixels of the colour key are written as the key itself and no other
    // pixel is, so that levels written back through gamma neither lose nor
    // gain transparency on the next load.
    void WriteColorKeyExactly(int y, int firstX, int stepX);
    void Feed(const std::uint8_t* bytes, std::size_t count);
    void Finish();
    void EmitDataChunk(const std::uint8_t* bytes, std::size_t count);
    void ResetOutput();

    TPngPicture& picture_;
    TChunkIHDR& header_;
    TStream& stream_;
    int width_, height_;
    std::size_t rowLength_, stride_;
    TPngBuffer raw_;
    std::array<TPngBuffer, 5> filterBuffers_;
    TDeflater deflater_;
    TPngBuffer output_;
};
