// The encoder: filter choice per row, IDAT chunk sizes, the header's 2-bit
// rule, 16-bit samples, and a compressor that refuses to start.
#include "SampleChecks.h"

#include "png/chunks/PngHeaderChunk.h"
#include "png/codec/PngExceptions.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

// The filter-type byte of every row of a sequential picture's image data.
std::vector<int> RowFilterTypes(const std::string& file, std::size_t rowLength, int rows) {
    std::string data = ImageDataOf(file);
    std::vector<int> types;
    for (int y = 0; y < rows; ++y) types.push_back(std::uint8_t(data.at(std::size_t(y) * (rowLength + 1))));
    return types;
}

TEST(EncodeFilters, ASetOfOneFilterIsUsedOnEveryRow) {
    TSampleImage image{16, 6, 2, 8};
    for (int filter = 0; filter <= 4; ++filter) {
        auto picture = Load(image.File(false));
        picture->RowFilters = TFilterSet(1u << filter);
        EXPECT_EQ(RowFilterTypes(Save(*picture), 48, 6), std::vector<int>(6, filter)) << "filter " << filter;
    }
}

TEST(EncodeFilters, TheDefaultIsSubOnEveryRow) {
    auto picture = Load(TSampleImage{16, 6, 6, 8}.File(false));
    EXPECT_EQ(RowFilterTypes(Save(*picture), 64, 6), std::vector<int>(6, 1));
}

// With a choice, the filter whose output repeats most bytes wins; ties go to the lower number.
TEST(EncodeFilters, ChoiceCountsRepeatedBytes) {
    struct Case {
        const char* Name;
        std::string Row, Previous;
        TFilterSet Filters;
        TPngFilter Expected;
    };
    const std::string zeros(9, '\0');
    const Case cases[] = {
        // A ramp: Sub gives 1 1 1 ..., the raw row repeats nothing.
        {"ramp prefers Sub", Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9}), zeros, TFilterSet(0b00011), pfSub},
        // Noise-like bytes that repeat as they are and not after Sub.
        {"repeats prefer None", Bytes({5, 5, 9, 9, 2, 2, 7, 7, 3}), zeros, TFilterSet(0b00011), pfNone},
        // Sub and Paeth give the same bytes against a zero row: the lower one wins.
        {"tie goes to Sub", Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9}), zeros, TFilterSet(0b10010), pfSub},
        // Same as the row above: Up gives all zeros.
        {"copy of the row above prefers Up", Bytes({1, 9, 3, 7, 5, 2, 8, 4, 6}), Bytes({1, 9, 3, 7, 5, 2, 8, 4, 6}),
         TFilterSet(0b00110), pfUp},
        // Fewer than 3 bytes score nothing: filter 0 even though None is not allowed.
        {"short row falls back to None", Bytes({1, 2}), Bytes({0, 0}), TFilterSet(0b00110), pfNone},
        {"only Paeth", Bytes({5, 5, 9, 9, 2, 2, 7, 7, 3}), zeros, TFilterSet(0b10000), pfPaeth},
        {"empty set", Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9}), zeros, TFilterSet(), pfNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::array<std::vector<std::uint8_t>, 5> storage;
        std::array<std::uint8_t*, 5> buffers{};
        for (std::size_t f = 0; f < 5; ++f) {
            storage[f].assign(c.Row.size(), 0);
            buffers[f] = storage[f].data();
        }
        std::copy(c.Previous.begin(), c.Previous.end(), storage[0].begin());
        auto row = reinterpret_cast<const std::uint8_t*>(c.Row.data());
        EXPECT_EQ(TPngImageEncoder::ChooseRowFilter(c.Filters, row, buffers, c.Row.size(), 1), c.Expected);
        // The row becomes the previous row of the next one.
        EXPECT_EQ(std::string(storage[0].begin(), storage[0].end()), c.Row);
    }
}

TEST(EncodeChunks, CompressedDataIsCutIntoChunksOfTheMaximumSize) {
    // Noise does not compress: about 180 000 bytes of image data.
    std::string raw;
    std::uint32_t state = 12345;
    for (int y = 0; y < 200; ++y) {
        raw += '\0';
        for (int i = 0; i < 900; ++i) {
            state = state * 1103515245u + 12345u;
            raw += char(state >> 24);
        }
    }
    auto picture = Load(File({Ihdr(300, 200, 8, 2), Chunk("IDAT", Deflate(raw)), Iend()}));
    picture->RowFilters = TFilterSet(1u << pfNone);

    std::vector<std::size_t> sizes;
    std::string saved = Save(*picture);
    for (const auto& c : Chunks(saved))
        if (c.Type == "IDAT") sizes.push_back(c.Data.size());
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_EQ(sizes[0], 65535u);
    EXPECT_EQ(sizes[1], 65535u);
    EXPECT_GT(sizes[2], 0u);
    EXPECT_EQ(ImageDataOf(saved), raw);

    picture->SetMaxDataChunkSize(1000000);
    auto chunks = Chunks(Save(*picture));
    EXPECT_EQ(std::count_if(chunks.begin(), chunks.end(), [](const auto& c) { return c.Type == "IDAT"; }), 1);
}

TEST(EncodeHeader, TwoBitPicturesAreWrittenWithFourBits) {
    for (int type : {0, 3}) {
        TSampleImage image{7, 3, type, 2};
        auto picture = Load(image.File(false));
        auto chunks = Chunks(Save(*picture));
        ASSERT_EQ(chunks[0].Type, "IHDR");
        EXPECT_EQ(chunks[0].Data[8], 4);
        EXPECT_EQ(picture->HeaderChunk().BitDepth, 4);
        EXPECT_EQ(picture->HeaderChunk().Image.BitsPerPixel(), 4);
        if (type == 3) {
            ASSERT_EQ(chunks[1].Type, "PLTE");
            EXPECT_EQ(chunks[1].Data.size(), 4u * 3);
        }
    }
}

// The low bytes the decoder kept are written back; the low byte of alpha, not
// kept, is written as its high byte so that opaque stays 0xFFFF.
TEST(EncodeSamples, SixteenBitSamplesKeepBothBytes) {
    const std::pair<std::string, std::string> cases[] = {
        {Ihdr(2, 1, 16, 0) + Chunk("IDAT", Deflate(Bytes({0, 0x12, 0xAB, 0xFE, 0x01}))),
         Bytes({0, 0x12, 0xAB, 0xFE, 0x01})},
        {Ihdr(1, 1, 16, 2) + Chunk("IDAT", Deflate(Bytes({0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}))),
         Bytes({0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC})},
        {Ihdr(1, 1, 16, 4) + Chunk("IDAT", Deflate(Bytes({0, 0x12, 0x34, 0xFF, 0xFF}))), Bytes({0, 0x12, 0x34, 0xFF, 0xFF})},
        {Ihdr(1, 1, 16, 6) + Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3, 4, 5, 6, 0x80, 0x7F}))),
         Bytes({0, 1, 2, 3, 4, 5, 6, 0x80, 0x80})},
    };
    for (const auto& [chunks, written] : cases) {
        auto picture = Load(Signature() + chunks + Iend());
        picture->RowFilters = TFilterSet(1u << pfNone);
        EXPECT_EQ(ImageDataOf(Save(*picture)), written);
    }
}

TEST(EncodeFailure, ACompressorThatCannotStartStopsTheSave) {
    auto picture = Load(TSampleImage{4, 4, 2, 8}.File(false));
    picture->DeflateLevel = 10;
    TStringStream stream;
    try {
        picture->SaveToStream(stream);
        ADD_FAILURE() << "saved with an invalid level";
    } catch (const EPNGZLIBError& e) {
        EXPECT_EQ(e.Message(), "Could not decompress the image because it contains invalid compressed data.\r\n"
                               " Description: stream error (-2)");
    }
    EXPECT_LT(stream.Bytes().size(), 100u);
}

}  // namespace
