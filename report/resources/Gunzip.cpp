#include "report/resources/Resources.h"

#include "ui/core/Exceptions.h"
#include "ui/core/Stream.h"

#include <array>
#include <vector>
#include <zlib.h>

namespace {

constexpr unsigned char kGzipMagic[3] = {0x1F, 0x8B, 0x08};
constexpr unsigned char kFlagFileName = 0x08;
constexpr std::int64_t kTrailerSize = 8;
// The engine's pictures are a few kilobytes; anything that unpacks beyond
// this is damaged data, not a picture.
constexpr std::int64_t kMaxUnpackedSize = 64 << 20;
constexpr std::size_t kChunk = 16384;

[[noreturn]] void Fail(const std::string& why) { throw EReadError("Stream decompress error: " + why); }

unsigned char ReadByte(TStream& source) {
    unsigned char b = 0;
    if (source.Read(&b, 1) != 1) Fail("the header is cut short");
    return b;
}

}  // namespace

std::string rpGunzip(TStream& source, TStream& dest) {
    std::array<unsigned char, 4> start{};
    if (source.Read(start.data(), 4) != 4 || !std::equal(kGzipMagic, kGzipMagic + 3, start.begin()))
        Fail("not a gzip member");
    std::array<unsigned char, 4> mtime{};
    for (auto& b : mtime) b = ReadByte(source);
    ReadByte(source);  // extra flags
    ReadByte(source);  // operating system
    std::string fileName;
    if (start[3] & kFlagFileName)
        for (unsigned char c = ReadByte(source); c != 0; c = ReadByte(source)) fileName += static_cast<char>(c);

    // The packer keeps the zlib checksum of the data in the time field, so
    // the deflate data is read as a zlib stream and checked by it.
    std::int64_t packedSize = source.Size() - source.Position() - kTrailerSize;
    if (packedSize <= 0) Fail("no packed data");
    std::vector<unsigned char> zlibData(2 + static_cast<std::size_t>(packedSize) + 4);
    zlibData[0] = 0x78;
    zlibData[1] = 0xDA;
    source.ReadBuffer(zlibData.data() + 2, packedSize);
    std::copy(mtime.begin(), mtime.end(), zlibData.end() - 4);

    z_stream z{};
    if (inflateInit(&z) != Z_OK) Fail("no memory");
    z.next_in = zlibData.data();
    z.avail_in = static_cast<uInt>(zlibData.size());
    std::array<unsigned char, kChunk> out{};
    std::int64_t total = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = out.data();
        z.avail_out = static_cast<uInt>(out.size());
        status = inflate(&z, Z_NO_FLUSH);
        std::int64_t produced = static_cast<std::int64_t>(out.size() - z.avail_out);
        total += produced;
        if (total > kMaxUnpackedSize) status = Z_MEM_ERROR;
        else if (status == Z_OK || status == Z_STREAM_END) dest.WriteBuffer(out.data(), produced);
        if (status == Z_OK && produced == 0 && z.avail_in == 0) status = Z_DATA_ERROR;  // cut short
    }
    std::string message = z.msg ? z.msg : "damaged data";
    inflateEnd(&z);
    if (status != Z_STREAM_END) Fail(message);
    return fileName;
}
