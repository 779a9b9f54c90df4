#pragma once
// PNG files made in the test: chunks with their CRC (zlib's), image data
// deflated with zlib, rows plain or in the seven interlace passes.

#include "png/image/PngRowFilters.h"

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

inline void PutBig32(TBytes& out, std::uint32_t v) {
    for (int shift : {24, 16, 8, 0}) out.push_back(std::uint8_t(v >> shift));
}

inline TBytes Chunk(const std::string& type, const TBytes& data) {
    TBytes out;
    PutBig32(out, std::uint32_t(data.size()));
    TBytes typed(type.begin(), type.end());
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBig32(out, std::uint32_t(crc32(0, typed.data(), uInt(typed.size()))));
    return out;
}

inline TBytes HeaderBody(std::uint32_t width, std::uint32_t height, int depth, int colorType, int interlace = 0,
                         int compression = 0) {
    TBytes b;
    PutBig32(b, width);
    PutBig32(b, height);
    for (int v : {depth, colorType, compression, 0, interlace}) b.push_back(std::uint8_t(v));
    return b;
}

inline TBytes Deflated(const TBytes& raw) {
    uLongf size = compressBound(uLong(raw.size()));
    TBytes out(size);
    compress2(out.data(), &size, raw.data(), uLong(raw.size()), 9);
    out.resize(size);
    return out;
}

inline int ChannelsOf(int colorType) {
    switch (colorType) {
        case 2: return 3;
        case 4: return 2;
        case 6: return 4;
        default: return 1;
    }
}

// Samples of one image, row by row, sample by sample.
struct TSampleImage {
    int Width = 0, Height = 0, ColorType = 0, Depth = 8;
    std::vector<std::uint32_t> Samples;
    std::uint32_t At(int x, int y, int c) const {
        return Samples[std::size_t((y * Width + x) * ChannelsOf(ColorType) + c)];
    }
};

// Packs the samples of pixels xs of row y, most significant bits first, 16-bit ones big-endian.
inline TBytes PackRow(const TSampleImage& image, int y, const std::vector<int>& xs) {
    TBytes out;
    int channels = ChannelsOf(image.ColorType), bits = image.Depth;
    std::uint32_t acc = 0;
    int used = 0;
    for (int x : xs)
        for (int c = 0; c < channels; ++c) {
            std::uint32_t v = image.At(x, y, c);
            if (bits == 16) {
                out.push_back(std::uint8_t(v >> 8));
                out.push_back(std::uint8_t(v));
            } else if (bits == 8) {
                out.push_back(std::uint8_t(v));
            } else {
                acc = (acc << bits) | v;
                used += bits;
                if (used == 8) out.push_back(std::uint8_t(acc)), acc = 0, used = 0;
            }
        }
    if (used > 0) out.push_back(std::uint8_t(acc << (8 - used)));
    return out;
}

// Filtered rows (a filter-type byte each, cycling through the five filters)
// of the plain or interlaced layout.
inline TBytes RawImageData(const TSampleImage& image, bool interlaced) {
    struct Pass {
        int FirstRow, RowStep, FirstColumn, ColumnStep;
    };
    const std::vector<Pass> passes = interlaced ? std::vector<Pass>{{0, 8, 0, 8}, {0, 8, 4, 8}, {4, 8, 0, 4},
                                                                    {0, 4, 2, 4}, {2, 4, 0, 2}, {0, 2, 1, 2},
                                                                    {1, 2, 0, 1}}
                                                : std::vector<Pass>{{0, 1, 0, 1}};
    std::size_t stride = std::size_t(std::max(1, ChannelsOf(image.ColorType) * image.Depth / 8));
    TBytes raw;
    int filter = 0;
    for (const Pass& p : passes) {
        std::vector<int> xs;
        for (int x = p.FirstColumn; x < image.Width; x += p.ColumnStep) xs.push_back(x);
        if (xs.empty()) continue;
        TBytes previous;
        for (int y = p.FirstRow; y < image.Height; y += p.RowStep) {
            TBytes row = PackRow(image, y, xs);
            if (previous.empty()) previous.assign(row.size(), 0);
            TBytes filtered(row.size());
            ApplyRowFilter(TPngFilter(filter), row.data(), previous.data(), filtered.data(), row.size(), stride);
            raw.push_back(std::uint8_t(filter));
            raw.insert(raw.end(), filtered.begin(), filtered.end());
            previous = row;
            filter = (filter + 1) % 5;
        }
    }
    return raw;
}

inline const TBytes& Signature() {
    static const TBytes s{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    return s;
}

// Signature, IHDR, `before` chunks, the image data in one IDAT, IEND.
inline TBytes MakePng(const TSampleImage& image, bool interlaced, const std::vector<TBytes>& before = {}) {
    TBytes out = Signature();
    auto add = [&](const TBytes& b) { out.insert(out.end(), b.begin(), b.end()); };
    add(Chunk("IHDR", HeaderBody(std::uint32_t(image.Width), std::uint32_t(image.Height), image.Depth,
                                 image.ColorType, interlaced ? 1 : 0)));
    for (const TBytes& b : before) add(b);
    add(Chunk("IDAT", Deflated(RawImageData(image, interlaced))));
    add(Chunk("IEND", {}));
    return out;
}

// Samples that vary over x, y and channel, spread over the depth's range.
inline TSampleImage PatternImage(int width, int height, int colorType, int depth) {
    TSampleImage image{width, height, colorType, depth, {}};
    std::uint32_t max = depth == 16 ? 65535u : (1u << depth) - 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < ChannelsOf(colorType); ++c)
                image.Samples.push_back(std::uint32_t(x * 37 + y * 101 + c * 59 + 11) * 2654435761u % (max + 1));
    return image;
}
