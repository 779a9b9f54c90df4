// Writing a loaded picture and reading it back keeps its pixels, for every
// sample format, both row orders and every filter set.
#include "SampleChecks.h"

#include "png/chunks/PngHeaderChunk.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace fixture;

namespace {

struct RoundTripCase {
    TSampleImage Image;
    bool Interlaced;
    TFilterSet Filters;
};

std::vector<RoundTripCase> EveryRoundTripCase() {
    const TFilterSet filterSets[] = {TFilterSet(0b00010), TFilterSet(0b00001), TFilterSet(0b00100),
                                     TFilterSet(0b01000), TFilterSet(0b10000), TFilterSet(0b11111)};
    std::vector<RoundTripCase> cases;
    for (const auto& image : EverySampleFormat())
        for (bool interlaced : {false, true})
            for (const auto& filters : filterSets) cases.push_back({image, interlaced, filters});
    return cases;
}

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, SavedPictureReadsBackWithTheSamePixels) {
    const auto& [image, interlaced, filters] = GetParam();
    auto original = Load(image.File(interlaced));
    original->RowFilters = filters;
    std::string saved = Save(*original);
    auto copy = Load(saved);
    EXPECT_EQ(copy->InterlaceKind, interlaced ? 1 : 0);
    // 16-bit samples come back whole, low bytes included.
    ExpectPixelsOf(*copy, image);

    // The rows are the same bytes, so a 2-bit picture, now written as 4-bit, is held alike.
    const std::size_t rowSize = original->HeaderChunk().Image.RowSize();
    ASSERT_EQ(copy->HeaderChunk().Image.RowSize(), rowSize);
    for (int y = 0; y < image.Height; ++y)
        ASSERT_EQ(0, std::memcmp(copy->RowAddress(y), original->RowAddress(y), rowSize)) << "row " << y;
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, testing::ValuesIn(EveryRoundTripCase()), [](const auto& info) {
    return FormatName(info.param.Image, info.param.Interlaced) + "_filters" +
           std::to_string(info.param.Filters.to_ulong());
});

// The file's samples come back wherever the gamma table and its inverse undo
// each other; the written samples are read through a copy without gAMA.
TEST(RoundTripGamma, SamplesComeBackWhereTheTablesAreExactInverses) {
    for (int interlace : {0, 1}) {
        SCOPED_TRACE(interlace);
        TSampleImage image{9, 7, 6, 8};
        std::string file = Signature() + Ihdr(9, 7, 8, 6, interlace) + Chunk("gAMA", Be32(100000)) +
                           Chunk("IDAT", Deflate(image.ImageData(interlace == 1))) + Iend();
        auto picture = Load(file);
        std::string withoutGamma = Signature();
        for (const auto& c : Chunks(Save(*picture)))
            if (c.Type != "gAMA") withoutGamma += Chunk(c.Type, c.Data);
        auto written = Load(withoutGamma);
        int exact = 0;
        for (int y = 0; y < image.Height; ++y)
            for (int x = 0; x < image.Width; ++x) {
                TPngColor c = written->ReadPixelColor(x, y);
                const std::uint8_t channels[3] = {RedOf(c), GreenOf(c), BlueOf(c)};
                for (int k = 0; k < 3; ++k) {
                    auto s = std::uint8_t(image.Sample(x, y, k));
                    if (picture->InverseGammaTable[picture->GammaTable[s]] != s) continue;
                    ++exact;
                    EXPECT_EQ(channels[k], s) << x << "," << y << " channel " << k;
                }
                EXPECT_EQ(written->AlphaRowAddress(y)[x], image.Sample(x, y, 3));
            }
        EXPECT_GT(exact, 0);
    }
}

}  // namespace
