// Decoding image data: every sample format in row order and interlaced, each
// filter type, hand-made interlaced files, and image data split over chunks.
#include "SampleChecks.h"

#include "png/codec/PngExceptions.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

struct DecodeCase {
    TSampleImage Image;
    bool Interlaced;
};

std::vector<DecodeCase> EveryDecodeCase() {
    std::vector<DecodeCase> cases;
    for (const auto& image : EverySampleFormat())
        for (bool interlaced : {false, true}) cases.push_back({image, interlaced});
    return cases;
}

class DecodeEveryFormat : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeEveryFormat, PixelsAlphaAndLowBytesMatchTheSamples) {
    const auto& [image, interlaced] = GetParam();
    auto picture = Load(image.File(interlaced));
    EXPECT_EQ(picture->InterlaceKind, interlaced ? 1 : 0);
    ExpectPixelsOf(*picture, image);
}

INSTANTIATE_TEST_SUITE_P(Formats, DecodeEveryFormat, testing::ValuesIn(EveryDecodeCase()),
                         [](const auto& info) { return FormatName(info.param.Image, info.param.Interlaced); });

// A 2 × 2 RGB picture: the first row Sub-filtered, the second row given with
// each filter type, its bytes worked out by hand from the raw row
// 12 200 31 | 100 7 90 under the first row 10 20 30 | 40 50 60.
TEST(DecodeFilters, EachFilterTypeGivesTheSameSecondRow) {
    const std::string firstRow = Bytes({1, 10, 20, 30, 30, 30, 30});
    const std::pair<int, std::string> secondRows[] = {
        {0, Bytes({12, 200, 31, 100, 7, 90})}, {1, Bytes({12, 200, 31, 88, 63, 59})},
        {2, Bytes({2, 180, 1, 60, 213, 30})},  {3, Bytes({7, 190, 16, 74, 138, 45})},
        {4, Bytes({2, 180, 1, 60, 63, 30})},
    };
    for (const auto& [filter, bytes] : secondRows) {
        SCOPED_TRACE("filter " + std::to_string(filter));
        auto picture = Load(File({Ihdr(2, 2, 8, 2), Chunk("IDAT", Deflate(firstRow + char(filter) + bytes)), Iend()}));
        EXPECT_EQ(picture->ReadPixelColor(0, 0), RgbColor(10, 20, 30));
        EXPECT_EQ(picture->ReadPixelColor(1, 0), RgbColor(40, 50, 60));
        EXPECT_EQ(picture->ReadPixelColor(0, 1), RgbColor(12, 200, 31));
        EXPECT_EQ(picture->ReadPixelColor(1, 1), RgbColor(100, 7, 90));
    }
}

TEST(DecodeFilters, AnUnknownFilterTypeLeavesTheRowAsItIs) {
    auto picture = Load(File({Ihdr(2, 2, 8, 0), Chunk("IDAT", Deflate(Bytes({5, 9, 8, 0, 1, 2}))), Iend()}));
    EXPECT_EQ(picture->RowAddress(0)[0], 9);
    EXPECT_EQ(picture->RowAddress(0)[1], 8);
    EXPECT_EQ(picture->RowAddress(1)[0], 1);
    EXPECT_EQ(picture->RowAddress(1)[1], 2);
}

// Grey 2 × 2, interlaced: pass 1 holds (0, 0), pass 6 holds (1, 0) and pass 7
// the second row; the other passes have no pixels.
TEST(DecodeInterlaced, HandMadeTwoByTwo) {
    std::string data = Bytes({0, 11, 0, 22, 0, 33, 44});
    auto picture = Load(File({Ihdr(2, 2, 8, 0, 1), Chunk("IDAT", Deflate(data)), Iend()}));
    EXPECT_EQ(picture->RowAddress(0)[0], 11);
    EXPECT_EQ(picture->RowAddress(0)[1], 22);
    EXPECT_EQ(picture->RowAddress(1)[0], 33);
    EXPECT_EQ(picture->RowAddress(1)[1], 44);
}

TEST(DecodeInterlaced, OnePixelLivesInTheFirstPass) {
    auto picture = Load(File({Ihdr(1, 1, 8, 2, 1), Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3}))), Iend()}));
    EXPECT_EQ(picture->ReadPixelColor(0, 0), RgbColor(1, 2, 3));
}

// Pass 6 of a 2 × 2 picture: its Up filter must see a zero row, not pass 1's bytes.
TEST(DecodeInterlaced, EachPassStartsAgainstAZeroRow) {
    std::string data = Bytes({0, 200, 2, 22, 0, 33, 44});
    auto picture = Load(File({Ihdr(2, 2, 8, 0, 1), Chunk("IDAT", Deflate(data)), Iend()}));
    EXPECT_EQ(picture->RowAddress(0)[1], 22);
}

TEST(DecodeSplitData, TwentyChunksOfAnySizeDecodeAsOne) {
    TSampleImage image{13, 11, 6, 8};
    std::string compressed = Deflate(image.ImageData(false));
    std::string file = Signature() + Ihdr(13, 11, 8, 6);
    std::size_t at = 0;
    for (int i = 0; i < 20; ++i) {
        std::size_t size = i == 19 ? compressed.size() - at : (i * 7) % 13;
        file += Chunk("IDAT", compressed.substr(at, size));
        at += size;
    }
    file += Iend();
    auto picture = Load(file);
    ExpectPixelsOf(*picture, image);
}

// 65537 bytes of one chunk: the rows end before the last bytes of the zlib
// stream, which still count for the chunk's CRC.
TEST(DecodeSplitData, TrailingBytesOfTheStreamStillCountForTheCrc) {
    TSampleImage image{100, 100, 2, 8};
    std::string raw = image.ImageData(false);
    std::string compressed = Deflate(raw, 0);
    compressed.resize(65537, '\0');  // the tail past the zlib stream is never inflated
    auto picture = Load(File({Ihdr(100, 100, 8, 2), Chunk("IDAT", compressed), Iend()}));
    ExpectPixelsOf(*picture, image);
}

TEST(DecodeGrey, TwoBitSamplesShowFourLevels) {
    auto picture = Load(File({Ihdr(4, 1, 2, 0), Chunk("IDAT", Deflate(Bytes({0, 0x1B}))), Iend()}));
    for (int x = 0; x < 4; ++x) {
        auto level = std::uint8_t(x * 85);
        EXPECT_EQ(picture->ReadPixelColor(x, 0), RgbColor(level, level, level));
    }
}

TEST(DecodeGrey, SixteenBitSampleSplitsIntoHighAndLowByte) {
    for (int interlace : {0, 1}) {
        auto picture = Load(File({Ihdr(1, 1, 16, 0, interlace), Chunk("IDAT", Deflate(Bytes({0, 0x12, 0xAB}))), Iend()}));
        EXPECT_EQ(picture->RowAddress(0)[0], 0x12);
        EXPECT_EQ(picture->LowByteRowAddress(0)[0], 0xAB);
    }
}

}  // namespace
