#pragma once
// Turns the image data of a file into the picture in memory: inflates the
// zlib stream that runs through consecutive IDAT chunks (checking each chunk's
// CRC), undoes the row filters, walks the Adam7 passes of an interlaced
// picture and converts samples into pixels, alpha and low bytes.

#include "png/codec/PngZlib.h"
#include "png/image/PngBuffer.h"

#include <array>
#include <cstdint>

class TPngPicture;
class TChunkIHDR;
class TStream;

class TPngImageDecoder {
public:
    // The stream stands at the data of the first IDAT chunk, which is length bytes long.
    TPngImageDecoder(TPngPicture& picture, TStream& stream, std::uint32_t length);
    void Decode();

private:
    // Fills the current row buffer with count bytes; fewer when the data runs out.
    std::size_t PullImageBytes(std::size_t count);
    void StartNextDataChunk();
    void CheckChunkCrc();
    void InstallGreyPalette();
    void DecodeSequential();
    void DecodeInterlaced();
    // Grey and RGB pictures with a tRNS chunk get a mask of the pixels whose
    // samples equal the key, found here before gamma touches them.
    void StartColorKeyMask();
    void MarkColorKey(const std::uint8_t* samples, int y, int firstX, int stepX);
    // Puts the samples of a row (or of a pass's row) into image row y at x = firstX, firstX + stepX, ...
    void ConvertRow(const std::uint8_t* samples, int y, int firstX, int stepX);
    std::uint8_t* CurrentRow() { return rows_[current_].Data(); }
    std::uint8_t* PreviousRow() { return rows_[1 - current_].Data(); }

    TPngPicture& picture_;
    TChunkIHDR& header_;
    TStream& stream_;
    int width_, height_;
    std::size_t rowLength_, stride_;
    TPngBuffer rows_[2];
    int current_ = 1;
    std::int64_t dataEnd_;
    std::uint32_t crc_;
    TInflater inflater_;
    TPngBuffer input_;
    std::array<unsigned, 3> key_{};
};
