// A header may claim any size up to 65535 × 65535; the picture is refused
// before anything is allocated when its memory would pass MaxPictureBytes.
#include "PngFixtures.h"

#include "png/chunks/PngHeaderChunk.h"
#include "png/codec/PngExceptions.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

using namespace fixture;

namespace {

struct SizeCase {
    std::uint32_t Width, Height;
    int Depth, ColorType;
    bool Accepted;
};

// An 8K screen at 16 bits with alpha fits; 8192 × 8192 RGBA is the limit to the byte.
const SizeCase SizeCases[] = {
    {7680, 4320, 16, 6, true},   {8192, 8192, 8, 6, true},    {8192, 8193, 8, 6, false},
    {65535, 65535, 8, 6, false}, {65535, 65535, 1, 0, false}, {65535, 1024, 8, 2, true},
    {46341, 46341, 8, 2, false},
};

TEST(PictureSizeLimit, HeadersUpToTheLimitAreTakenAndLargerOnesRefused) {
    for (const auto& c : SizeCases) {
        SCOPED_TRACE(std::to_string(c.Width) + " x " + std::to_string(c.Height));
        EXPECT_EQ(PictureBytes(c.Width, c.Height, c.ColorType, c.Depth) <= MaxPictureBytes, c.Accepted);
        // Without image data an accepted header ends in "no data".
        std::string file = File({Ihdr(c.Width, c.Height, c.Depth, c.ColorType), Iend()});
        if (c.Accepted) EXPECT_THROW(Load(file), EPNGNoImageData);
        else EXPECT_THROW(Load(file), EPNGOutMemory);
    }
}

TEST(PictureSizeLimit, ResizingPastTheLimitIsRefusedAndKeepsThePicture) {
    auto picture = Load(File({Ihdr(2, 1, 8, 6), Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3, 4, 5, 6, 7, 8}))), Iend()}));
    EXPECT_THROW(picture->ResizeImage(8192, 8193), EPNGOutMemory);
    EXPECT_EQ(picture->Width(), 2);
    EXPECT_EQ(picture->ReadPixelColor(1, 0), RgbColor(5, 6, 7));
    EXPECT_EQ(picture->AlphaRowAddress(0)[1], 8);
}

// Peak resident memory since the last reset, in bytes.
class PeakMemory {
public:
    static bool Reset() {
        std::ofstream clear("/proc/self/clear_refs");
        clear << "5";
        clear.flush();
        return bool(clear);
    }
    static std::int64_t Read(const char* field) {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind(field, 0) == 0) return std::stoll(line.substr(std::strlen(field))) * 1024;
        return -1;
    }
    // How far the peak rose above the resident size at the start while `work` ran.
    template <class Work>
    static std::int64_t GrowthDuring(Work work) {
        EXPECT_TRUE(Reset());
        const std::int64_t before = Read("VmRSS:");
        work();
        return Read("VmHWM:") - before;
    }
};

// Rows of zeros deflated into about `compressedBytes`, built a block at a time
// so that the test itself holds only the compressed data.
std::string ZeroRowsDeflated(std::size_t rowBytes, std::size_t compressedBytes) {
    z_stream z{};
    deflateInit(&z, 9);
    const std::string zeros(rowBytes, '\0');
    std::string out;
    char block[65536];
    auto drain = [&](int flush) {
        int result;
        do {
            z.next_out = reinterpret_cast<Bytef*>(block);
            z.avail_out = sizeof block;
            result = deflate(&z, flush);
            out.append(block, sizeof block - z.avail_out);
        } while (z.avail_out == 0);
        return result;
    };
    while (out.size() < compressedBytes) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
        z.avail_in = uInt(zeros.size());
        drain(Z_NO_FLUSH);
    }
    while (drain(Z_FINISH) != Z_STREAM_END) {}
    deflateEnd(&z);
    return out;
}

TEST(PictureSizeLimit, AnOversizedFileIsRefusedWithinAFewMegabytes) {
    constexpr std::int64_t FewMegabytes = 4 << 20;
    // The measure must see memory that is really used, or a pass would prove nothing.
    const std::int64_t touched = PeakMemory::GrowthDuring([] {
        std::vector<char> block(64 << 20);
        for (std::size_t i = 0; i < block.size(); i += 4096) block[i] = 1;
        EXPECT_EQ(block[4096], 1);
    });
    ASSERT_GE(touched, std::int64_t(60) << 20);

    // 255 KB files whose image data would fill hundreds of megabytes of rows:
    // the size the complaint named, and one row past the limit.
    const std::pair<std::uint32_t, std::uint32_t> sizes[] = {{65535, 65535}, {8192, 8193}};
    for (const auto& [width, height] : sizes) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const std::string file =
            File({Ihdr(width, height, 8, 6), Chunk("IDAT", ZeroRowsDeflated(1 + std::size_t(width) * 4, 255 * 1024)), Iend()});
        ASSERT_LT(file.size(), std::size_t(300 * 1024));
        const std::int64_t growth = PeakMemory::GrowthDuring([&] { EXPECT_THROW(Load(file), EPNGOutMemory); });
        EXPECT_LT(growth, FewMegabytes);
    }
}

}  // namespace
