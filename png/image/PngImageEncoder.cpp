#include "png/image/PngImageEncoder.h"

#include "png/PngPicture.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/chunks/PngTransparencyChunk.h"
#include "png/codec/PngBytes.h"
#include "png/codec/PngCrc.h"
#include "png/codec/PngExceptions.h"
#include "png/image/PngRowLayout.h"
#include "ui/core/Stream.h"

#include <cstring>

namespace {

// 2-bit pictures are held with 4 bits per pixel and written so.
TChunkIHDR& HeaderForWriting(TPngPicture& picture) {
    TChunkIHDR& header = picture.HeaderChunk();
    header.WidenTwoBitDepth();
    return header;
}

}  // namespace

TPngImageEncoder::TPngImageEncoder(TPngPicture& picture, TStream& stream)
    : picture_(picture),
      header_(HeaderForWriting(picture)),
      stream_(stream),
      width_(header_.Width),
      height_(header_.Height),
      rowLength_(PngRowLength(header_.ColorType, header_.BitDepth, std::size_t(width_))),
      stride_(PngPixelStride(header_.ColorType, header_.BitDepth)),
      raw_(rowLength_ + 1),
      deflater_(picture.DeflateLevel),
      output_(std::size_t(picture.MaxDataChunkSize())) {
    filterBuffers_[0] = TPngBuffer(rowLength_ + 1);
    for (int f = pfSub; f <= pfPaeth; ++f)
        if (picture.RowFilters.test(std::size_t(f))) filterBuffers_[std::size_t(f)] = TPngBuffer(rowLength_ + 1);
    ResetOutput();
}

void TPngImageEncoder::Encode() {
    if (picture_.InterlaceKind == 1) EncodeInterlaced();
    else EncodeSequential();
    Finish();
}

void TPngImageEncoder::EncodeSequential() {
    for (int y = 0; y < height_; ++y) EncodeRow(y, 0, 1, rowLength_);
}

void TPngImageEncoder::EncodeInterlaced() {
    for (const TAdam7Pass& pass : Adam7Passes) {
        std::size_t n = PngRowLength(header_.ColorType, header_.BitDepth, pass.Width(std::size_t(width_)));
        std::memset(filterBuffers_[0].Data(), 0, n);
        if (n == 0) continue;
        for (int y = pass.FirstRow; y < height_; y += pass.RowStep) EncodeRow(y, pass.FirstColumn, pass.ColumnStep, n);
    }
}

void TPngImageEncoder::EncodeRow(int y, int firstX, int stepX, std::size_t n) {
    ConvertRow(y, firstX, stepX);
    std::array<std::uint8_t*, 5> buffers{};
    for (std::size_t f = 0; f < 5; ++f) buffers[f] = filterBuffers_[f].Data();
    TPngFilter filter = ChooseRowFilter(picture_.RowFilters, raw_.Data(), buffers, n, stride_);
    std::uint8_t type = filter;
    Feed(&type, 1);
    Feed(buffers[filter], n);
}

TPngFilter TPngImageEncoder::ChooseRowFilter(const TFilterSet& filters, const std::uint8_t* row,
                                             std::array<std::uint8_t*, 5> buffers, std::size_t n,
                                             std::size_t stride) {
    for (int f = pfSub; f <= pfPaeth; ++f)
        if (filters.test(std::size_t(f))) ApplyRowFilter(TPngFilter(f), row, buffers[0], buffers[std::size_t(f)], n, stride);
    std::memcpy(buffers[0], row, n);
    if (filters.none() || filters == TFilterSet(1u << pfNone)) return pfNone;
    TPngFilter best = pfNone;
    std::size_t bestCount = 0;
    for (int f = pfNone; f <= pfPaeth; ++f) {
        if (!filters.test(std::size_t(f))) continue;
        if (filters.count() == 1) return TPngFilter(f);
        // Bytes that repeat one of the two before them compress well.
        const std::uint8_t* b = buffers[std::size_t(f)];
        std::size_t count = 0;
        for (std::size_t j = 2; j < n; ++j)
            if (b[j] == b[j - 1] || b[j] == b[j - 2]) ++count;
        if (count > bestCount) {
            best = TPngFilter(f);
            bestCount = count;
        }
    }
    return best;
}

void TPngImageEncoder::ConvertRow(int y, int firstX, int stepX) {
    const auto& inverse = picture_.InverseGammaTable;
    const std::uint8_t* dib = header_.Image.Row(y);
    std::uint8_t* out = raw_.Data();
    const int d = header_.BitDepth;
    switch (header_.ColorType) {
        case ctGrey:
        case ctPalette:
            if (d == 16) {
                const std::uint8_t* low = header_.LowByteRow(y);
                for (int x = firstX; x < width_; x += stepX, out += 2) {
                    out[0] = dib[x];
                    out[1] = low[x];
                }
            } else if (stepX == 1) {
                std::memcpy(out, dib, rowLength_);
            } else {
                const int bits = header_.Image.BitsPerPixel();
                std::memset(out, 0, rowLength_);
                int k = 0;
                for (int x = firstX; x < width_; x += stepX, ++k)
                    TPngDib::SetPixelBits(out, k, d, TPngDib::PixelBits(dib, x, bits));
            }
            break;
        case ctRgb:
        case ctRgbAlpha: {
            const bool alpha = header_.ColorType == ctRgbAlpha;
            const std::uint8_t* alphaRow = alpha ? header_.AlphaRow(y) : nullptr;
            if (d == 8) {
                for (int x = firstX; x < width_; x += stepX) {
                    const std::uint8_t* px = dib + 3 * x;
                    *out++ = inverse[px[2]];
                    *out++ = inverse[px[1]];
                    *out++ = inverse[px[0]];
                    if (alpha) *out++ = alphaRow[x];
                }
            } else {
                const std::uint8_t* low = header_.LowByteRow(y);
                for (int x = firstX; x < width_; x += stepX) {
                    const std::uint8_t* px = dib + 3 * x;
                    const std::uint8_t* lx = low + 3 * x;
                    *out++ = inverse[px[2]];
                    *out++ = lx[2];
                    *out++ = inverse[px[1]];
                    *out++ = lx[1];
                    *out++ = inverse[px[0]];
                    *out++ = lx[0];
                    if (alpha) {
                        // The low byte of alpha was not kept: a level × 257 keeps opaque opaque.
                        *out++ = alphaRow[x];
                        *out++ = alphaRow[x];
                    }
                }
            }
            break;
        }
        case ctGreyAlpha: {
            const std::uint8_t* alphaRow = header_.AlphaRow(y);
            const std::uint8_t* low = d == 16 ? header_.LowByteRow(y) : nullptr;
            for (int x = firstX; x < width_; x += stepX) {
                *out++ = dib[x];
                if (low) *out++ = low[x];
                *out++ = alphaRow[x];
                if (low) *out++ = alphaRow[x];
            }
            break;
        }
        default: break;
    }
    if (header_.HasColorKeyMask()) WriteColorKeyExactly(y, firstX, stepX);
}

void TPngImageEncoder::WriteColorKeyExactly(int y, int firstX, int stepX) {
    auto* transparency = picture_.ChunkList.FindChunkOfClass<TChunktRNS>();
    const int channels = header_.ColorType == ctRgb ? 3 : 1;
    const int d = header_.BitDepth;
    if (!transparency || !transparency->KeyFitsDepth(channels, d)) return;
    const unsigned key[3] = {transparency->KeySample(0), transparency->KeySample(1), transparency->KeySample(2)};
    const unsigned largest = (1u << d) - 1;
    std::uint8_t* out = raw_.Data();
    auto sampleAt = [&](std::size_t at) -> unsigned {
        if (d == 16) return unsigned(out[2 * at] << 8 | out[2 * at + 1]);
        return d == 8 ? out[at] : TPngDib::PixelBits(out, int(at), d);
    };
    auto setSample = [&](std::size_t at, unsigned value) {
        if (d == 16) {
            out[2 * at] = std::uint8_t(value >> 8);
            out[2 * at + 1] = std::uint8_t(value);
        } else {
            TPngDib::SetPixelBits(out, int(at), d, value);
        }
    };
    const std::uint8_t* mask = header_.ColorKeyRow(y);
    std::size_t first = 0;
    for (int x = firstX; x < width_; x += stepX, first += std::size_t(channels)) {
        if (mask[x]) {
            for (int c = 0; c < channels; ++c) setSample(first + std::size_t(c), key[c]);
            continue;
        }
        bool isKey = true;
        for (int c = 0; c < channels && isKey; ++c) isKey = sampleAt(first + std::size_t(c)) == key[c];
        // An opaque pixel that gamma levels wrote back as the key moves one level away.
        if (isKey) setSample(first, key[0] == largest ? key[0] - 1 : key[0] + 1);
    }
}

void TPngImageEncoder::ResetOutput() {
    z_stream& z = deflater_.Stream();
    z.next_out = output_.Data();
    z.avail_out = uInt(output_.Size());
}

void TPngImageEncoder::Feed(const std::uint8_t* bytes, std::size_t count) {
    z_stream& z = deflater_.Stream();
    z.next_in = const_cast<Bytef*>(bytes);
    z.avail_in = uInt(count);
    while (z.avail_in > 0) {
        int result = deflate(&z, Z_NO_FLUSH);
        if (result != Z_OK) throw ZlibErrorFor(result);
        if (z.avail_out == 0) {
            EmitDataChunk(output_.Data(), output_.Size());
            ResetOutput();
        }
    }
}

void TPngImageEncoder::Finish() {
    z_stream& z = deflater_.Stream();
    for (;;) {
        int result = deflate(&z, Z_FINISH);
        std::size_t used = output_.Size() - z.avail_out;
        if (result == Z_STREAM_END) {
            if (used > 0) EmitDataChunk(output_.Data(), used);
            return;
        }
        // A failing compressor must stop here rather than emit empty chunks for ever.
        if (result != Z_OK || used == 0) throw ZlibErrorFor(result == Z_OK ? Z_BUF_ERROR : result);
        EmitDataChunk(output_.Data(), used);
        ResetOutput();
    }
}

void TPngImageEncoder::EmitDataChunk(const std::uint8_t* bytes, std::size_t count) {
    std::uint8_t word[4];
    WriteBigEndian32(word, std::uint32_t(count));
    stream_.WriteBuffer(word, 4);
    stream_.WriteBuffer("IDAT", 4);
    stream_.WriteBuffer(bytes, std::int64_t(count));
    WriteBigEndian32(word, ~UpdatePngCrc(UpdatePngCrc(PngCrcStart, "IDAT", 4), bytes, count));
    stream_.WriteBuffer(word, 4);
}
