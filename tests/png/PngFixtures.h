#pragma once
// Small picture files made in the tests, chunk by chunk. CRCs and deflating
// come straight from zlib, not from the codec under test.

#include "png/PngPicture.h"
#include "ui/core/MemoryStream.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <zlib.h>

namespace fixture {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(char(v));
    return s;
}

inline std::string Be32(std::uint32_t v) { return Bytes({int(v >> 24), int((v >> 16) & 255), int((v >> 8) & 255), int(v & 255)}); }

inline std::uint32_t Crc(std::string_view bytes) {
    return std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())));
}

inline std::string Chunk(std::string_view type, std::string_view data) {
    std::string typeAndData = std::string(type) + std::string(data);
    return Be32(std::uint32_t(data.size())) + typeAndData + Be32(Crc(typeAndData));
}

inline std::string Ihdr(std::uint32_t width, std::uint32_t height, int depth, int colorType, int interlace = 0,
                        int compression = 0) {
    return Chunk("IHDR", Be32(width) + Be32(height) + Bytes({depth, colorType, compression, 0, interlace}));
}

inline std::string Iend() { return Chunk("IEND", ""); }

inline const std::string& Signature() {
    static const std::string s = Bytes({0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A});
    return s;
}

inline std::string File(std::initializer_list<std::string> chunks) {
    std::string s = Signature();
    for (const auto& c : chunks) s += c;
    return s;
}

inline std::string Deflate(std::string_view raw, int level = 6) {
    uLongf size = compressBound(uLong(raw.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
              uLong(raw.size()), level);
    out.resize(size);
    return out;
}

inline std::string Inflate(std::string_view compressed) {
    z_stream z{};
    inflateInit(&z);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    z.avail_in = uInt(compressed.size());
    std::string out;
    char block[4096];
    int result;
    do {
        z.next_out = reinterpret_cast<Bytef*>(block);
        z.avail_out = sizeof block;
        result = inflate(&z, Z_NO_FLUSH);
        out.append(block, sizeof block - z.avail_out);
    } while (result == Z_OK);
    inflateEnd(&z);
    return out;
}

// A picture loaded from the bytes given.
inline std::unique_ptr<TPngPicture> Load(const std::string& bytes) {
    auto picture = std::make_unique<TPngPicture>();
    TStringStream stream(bytes);
    picture->LoadFromStream(stream);
    return picture;
}

inline std::string Save(TPngPicture& picture) {
    TStringStream stream;
    picture.SaveToStream(stream);
    return stream.DataString();
}

struct TChunkView {
    std::string Type;
    std::string Data;
};

// The chunks of a file as written (the CRCs are checked by zlib's CRC).
inline std::vector<TChunkView> Chunks(const std::string& file, bool* crcsGood = nullptr) {
    std::vector<TChunkView> chunks;
    if (crcsGood) *crcsGood = true;
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        auto* p = reinterpret_cast<const std::uint8_t*>(file.data() + at);
        std::uint32_t length = (std::uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
        TChunkView chunk{file.substr(at + 4, 4), file.substr(at + 8, length)};
        std::string stored = file.substr(at + 8 + length, 4);
        if (crcsGood && stored != Be32(Crc(chunk.Type + chunk.Data))) *crcsGood = false;
        chunks.push_back(chunk);
        at += 12 + length;
    }
    return chunks;
}

// The image data of a file: all IDAT chunks joined and inflated.
inline std::string ImageDataOf(const std::string& file) {
    std::string compressed;
    for (const auto& c : Chunks(file))
        if (c.Type == "IDAT") compressed += c.Data;
    return Inflate(compressed);
}

}  // namespace fixture
