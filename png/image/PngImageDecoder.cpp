#include "png/image/PngImageDecoder.h"

#include "png/PngPicture.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/chunks/PngTransparencyChunk.h"
#include "png/codec/PngBytes.h"
#include "png/codec/PngCrc.h"
#include "png/codec/PngExceptions.h"
#include "png/codec/PngStreamRead.h"
#include "png/image/PngRowFilters.h"
#include "png/image/PngRowLayout.h"
#include "ui/core/Stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr std::size_t InputBlock = 65535;

}  // namespace

TPngImageDecoder::TPngImageDecoder(TPngPicture& picture, TStream& stream, std::uint32_t length)
    : picture_(picture),
      header_(picture.HeaderChunk()),
      stream_(stream),
      width_(header_.Width),
      height_(header_.Height),
      rowLength_(PngRowLength(header_.ColorType, header_.BitDepth, std::size_t(width_))),
      stride_(PngPixelStride(header_.ColorType, header_.BitDepth)),
      dataEnd_(stream.Position() + std::int64_t(length)),
      crc_(UpdatePngCrc(PngCrcStart, "IDAT", 4)),
      input_(InputBlock) {
    rows_[0] = TPngBuffer(rowLength_ + 1);
    rows_[1] = TPngBuffer(rowLength_ + 1);
}

void TPngImageDecoder::Decode() {
    if (header_.UsesPalette()) InstallGreyPalette();
    StartColorKeyMask();
    if (picture_.InterlaceKind == 1) DecodeInterlaced();
    else DecodeSequential();

    // The last rows may end before the chunk's data does: the rest still counts for its CRC.
    while (stream_.Position() < dataEnd_) {
        std::size_t want = std::size_t(std::min<std::int64_t>(InputBlock, dataEnd_ - stream_.Position()));
        std::size_t got = ReadAvailable(stream_, input_.Data(), want);
        crc_ = UpdatePngCrc(crc_, input_.Data(), got);
        if (got < want) break;
    }
    CheckChunkCrc();
}

void TPngImageDecoder::CheckChunkCrc() {
    std::uint8_t stored[4];
    if (ReadAvailable(stream_, stored, 4) != 4 || !PngCrcMatches(ReadBigEndian32(stored), ~crc_))
        throw EPngInvalidCRC();
}

void TPngImageDecoder::StartNextDataChunk() {
    CheckChunkCrc();
    std::uint8_t head[8];
    if (ReadAvailable(stream_, head, 8) != 8) throw EPngUnexpectedEnd();
    if (std::memcmp(head + 4, "IDAT", 4) != 0) throw EPNGMissingMultipleIDAT();
    crc_ = UpdatePngCrc(PngCrcStart, head + 4, 4);
    dataEnd_ = stream_.Position() + std::int64_t(ReadBigEndian32(head));
}

std::size_t TPngImageDecoder::PullImageBytes(std::size_t count) {
    z_stream& z = inflater_.Stream();
    z.next_out = CurrentRow();
    z.avail_out = uInt(count);
    while (z.avail_out > 0) {
        if (z.avail_in == 0 && stream_.Position() >= dataEnd_) StartNextDataChunk();
        if (z.avail_in == 0) {
            std::size_t want = std::size_t(std::min<std::int64_t>(InputBlock, dataEnd_ - stream_.Position()));
            std::size_t got = want ? ReadAvailable(stream_, input_.Data(), want) : 0;
            if (want && got == 0) return count - z.avail_out;
            crc_ = UpdatePngCrc(crc_, input_.Data(), got);
            z.next_in = input_.Data();
            z.avail_in = uInt(got);
            if (got == 0) continue;  // an empty IDAT chunk: go on to the next one
        }
        int result = inflate(&z, Z_NO_FLUSH);
        if (result < 0 || result == Z_NEED_DICT) throw ZlibErrorFor(result);
        // The zlib stream ended while rows still need bytes: nothing more can come.
        if (result == Z_STREAM_END && z.avail_out > 0) throw ZlibErrorFor(result);
    }
    return count;
}

void TPngImageDecoder::InstallGreyPalette() {
    if (header_.ColorType != ctGrey && header_.ColorType != ctGreyAlpha) return;
    picture_.SetPalette(header_.GreyPalette(1 << header_.BitsPerDibPixel()));
}

void TPngImageDecoder::DecodeSequential() {
    std::memset(PreviousRow(), 0, rowLength_ + 1);
    for (int y = 0; y < height_; ++y) {
        std::size_t got = PullImageBytes(rowLength_ + 1);
        if (got == 0) return;
        UndoRowFilter(CurrentRow()[0], CurrentRow() + 1, PreviousRow() + 1, rowLength_, stride_);
        ConvertRow(CurrentRow() + 1, y, 0, 1);
        if (got < rowLength_ + 1) return;
        current_ = 1 - current_;
    }
}

void TPngImageDecoder::DecodeInterlaced() {
    for (const TAdam7Pass& pass : Adam7Passes) {
        std::size_t n = PngRowLength(header_.ColorType, header_.BitDepth, pass.Width(std::size_t(width_)));
        std::memset(PreviousRow(), 0, rowLength_ + 1);
        if (n == 0) continue;
        for (int y = pass.FirstRow; y < height_; y += pass.RowStep) {
            std::size_t got = PullImageBytes(n + 1);
            if (got == 0) break;
            UndoRowFilter(CurrentRow()[0], CurrentRow() + 1, PreviousRow() + 1, n, stride_);
            ConvertRow(CurrentRow() + 1, y, pass.FirstColumn, pass.ColumnStep);
            current_ = 1 - current_;
        }
    }
}

void TPngImageDecoder::StartColorKeyMask() {
    if (header_.ColorType != ctGrey && header_.ColorType != ctRgb) return;
    auto* transparency = picture_.ChunkList.FindChunkOfClass<TChunktRNS>();
    if (!transparency) return;
    const int channels = header_.ColorType == ctRgb ? 3 : 1;
    for (int c = 0; c < channels; ++c) key_[std::size_t(c)] = transparency->KeySample(c);
    header_.ColorKeyMask = TPngBuffer(std::size_t(width_) * std::size_t(height_));
}

void TPngImageDecoder::MarkColorKey(const std::uint8_t* s, int y, int firstX, int stepX) {
    const int d = header_.BitDepth;
    std::uint8_t* mask = header_.ColorKeyRow(y);
    if (header_.ColorType == ctRgb) {
        const int b = d / 8;  // bytes per sample
        auto sample = [b](const std::uint8_t* at) { return b == 2 ? unsigned(at[0] << 8 | at[1]) : unsigned(at[0]); };
        for (int x = firstX; x < width_; x += stepX, s += 3 * b)
            mask[x] = sample(s) == key_[0] && sample(s + b) == key_[1] && sample(s + 2 * b) == key_[2];
        return;
    }
    const unsigned bitMask = d == 16 ? 0xFFFF : (1u << d) - 1;
    std::size_t bit = 0;
    for (int x = firstX; x < width_; x += stepX, bit += std::size_t(d)) {
        const std::uint8_t* at = s + (bit >> 3);
        const unsigned sample = d == 16 ? unsigned(at[0] << 8 | at[1]) : (at[0] >> (8 - d - int(bit & 7))) & bitMask;
        mask[x] = sample == key_[0];
    }
}

void TPngImageDecoder::ConvertRow(const std::uint8_t* s, int y, int firstX, int stepX) {
    if (header_.HasColorKeyMask()) MarkColorKey(s, y, firstX, stepX);
    const auto& gamma = picture_.GammaTable;
    std::uint8_t* dib = header_.Image.Row(y);
    const int d = header_.BitDepth;
    switch (header_.ColorType) {
        case ctGrey:
        case ctPalette:
            if (d == 16) {
                std::uint8_t* low = header_.LowByteRow(y);
                for (int x = firstX; x < width_; x += stepX, s += 2) {
                    dib[x] = s[0];
                    low[x] = s[1];
                }
            } else if (d == 8) {
                for (int x = firstX; x < width_; x += stepX) dib[x] = *s++;
            } else {
                const int bits = header_.Image.BitsPerPixel();
                const unsigned mask = (1u << d) - 1;
                const bool greyTwoBit = d == 2 && header_.ColorType == ctGrey;
                std::size_t bit = 0;
                for (int x = firstX; x < width_; x += stepX, bit += std::size_t(d)) {
                    unsigned v = (s[bit >> 3] >> (8 - d - int(bit & 7))) & mask;
                    TPngDib::SetPixelBits(dib, x, bits, greyTwoBit ? v * 5 : v);
                }
            }
            break;
        case ctRgb:
        case ctRgbAlpha: {
            const bool alpha = header_.ColorType == ctRgbAlpha;
            const int b = d / 8;  // bytes per sample
            const int pixelBytes = (alpha ? 4 : 3) * b;
            std::uint8_t* alphaRow = alpha ? header_.AlphaRow(y) : nullptr;
            std::uint8_t* low = d == 16 ? header_.LowByteRow(y) : nullptr;
            for (int x = firstX; x < width_; x += stepX, s += pixelBytes) {
                std::uint8_t* px = dib + 3 * x;
                px[0] = gamma[s[2 * b]];
                px[1] = gamma[s[b]];
                px[2] = gamma[s[0]];
                // A low byte is no level of its own: it is kept as the file has it.
                if (low) {
                    std::uint8_t* lx = low + 3 * x;
                    lx[0] = s[5];
                    lx[1] = s[3];
                    lx[2] = s[1];
                }
                if (alphaRow) alphaRow[x] = s[3 * b];
            }
            break;
        }
        case ctGreyAlpha: {
            const int b = d / 8;
            std::uint8_t* alphaRow = header_.AlphaRow(y);
            std::uint8_t* low = d == 16 ? header_.LowByteRow(y) : nullptr;
            for (int x = firstX; x < width_; x += stepX, s += 2 * b) {
                dib[x] = s[0];
                if (low) low[x] = s[1];
                alphaRow[x] = s[b];
            }
            break;
        }
        default: break;
    }
}
