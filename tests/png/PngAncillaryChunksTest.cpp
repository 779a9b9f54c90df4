// Text, time, physical size, gamma, palette and transparency chunks.
#include "SampleImages.h"

#include "png/chunks/PngGammaChunk.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/chunks/PngPaletteChunk.h"
#include "png/chunks/PngPhysicalSizeChunk.h"
#include "png/chunks/PngTextChunks.h"
#include "png/chunks/PngTimeChunk.h"
#include "png/chunks/PngTransparencyChunk.h"
#include "png/codec/PngExceptions.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

std::string RgbFile(std::initializer_list<std::string> extra) {
    std::string file = Signature() + Ihdr(1, 1, 8, 2);
    for (const auto& c : extra) file += c;
    return file + Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3}))) + Iend();
}

std::string SavedChunk(TPngPicture& picture, const std::string& type) {
    for (const auto& c : Chunks(Save(picture)))
        if (c.Type == type) return c.Data;
    return "(missing)";
}

TEST(TextChunks, PlainTextReadsAndWritesBackByteForByte) {
    std::string data = std::string("Title") + '\0' + "Chart";
    auto picture = Load(RgbFile({Chunk("tEXt", data)}));
    auto* text = picture->ChunkList.FindChunkOfClass<TChunktEXt>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Keyword, "Title");
    EXPECT_EQ(text->Text, "Chart");
    EXPECT_EQ(SavedChunk(*picture, "tEXt"), data);
}

TEST(TextChunks, DeflatedTextReadsWhole) {
    std::string long_text;
    for (int i = 0; i < 10000; ++i) long_text += char('a' + i % 26);
    auto picture = Load(RgbFile({Chunk("zTXt", std::string("Comment") + '\0' + '\0' + Deflate(long_text))}));
    auto* text = picture->ChunkList.FindChunkOfClass<TChunkzTXt>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Keyword, "Comment");
    EXPECT_EQ(text->Text, long_text);
    std::string saved = SavedChunk(*picture, "zTXt");
    EXPECT_EQ(saved.substr(0, 9), std::string("Comment") + '\0' + '\0');
    EXPECT_EQ(Inflate(saved.substr(9)), long_text);
}

TEST(TextChunks, DamagedOrCutDeflatedTextReadsEmpty) {
    std::string good = Deflate("some words");
    std::string damaged = good;
    damaged[3] = char(0xFF);
    for (const std::string& stream : {damaged, good.substr(0, good.size() / 2), std::string("\x78")}) {
        auto picture = Load(RgbFile({Chunk("zTXt", std::string("K") + '\0' + '\0' + stream)}));
        auto* text = picture->ChunkList.FindChunkOfClass<TChunkzTXt>();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->Keyword, "K");
        EXPECT_EQ(text->Text, "");
    }
}

TEST(TextChunks, EmptyDeflatedTextIsWrittenAsOneBlank) {
    auto picture = Load(RgbFile({Chunk("zTXt", std::string("K") + '\0' + '\0' + Deflate(""))}));
    EXPECT_EQ(Inflate(SavedChunk(*picture, "zTXt").substr(3)), " ");
}

TEST(TimeChunk, SevenBytesAreTheTimeAndAnyOtherLengthGivesZeros) {
    auto picture = Load(RgbFile({Chunk("tIME", Bytes({0x07, 0xEA, 12, 10, 13, 5, 59}))}));
    auto* time = picture->ChunkList.FindChunkOfClass<TChunktIME>();
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->Year, 2026);
    EXPECT_EQ(time->Month, 12);
    EXPECT_EQ(time->Second, 59);

    auto shortTime = Load(RgbFile({Chunk("tIME", Bytes({0x07, 0xEA, 12, 10, 13, 5}))}));
    EXPECT_EQ(SavedChunk(*shortTime, "tIME"), std::string(7, '\0'));
}

TEST(PhysicalSizeChunk, NineBytesArePixelsPerUnit) {
    auto picture = Load(RgbFile({Chunk("pHYs", Bytes({0, 0, 0x0B, 0x13, 0, 0, 0x0B, 0x13, 1}))}));
    auto* size = picture->ChunkList.FindChunkOfClass<TChunkpHYs>();
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->PixelsPerUnitX, 2835u);
    EXPECT_EQ(size->PixelsPerUnitY, 2835u);
    EXPECT_EQ(size->UnitSpecifier, 1);
    EXPECT_EQ(SavedChunk(*picture, "pHYs"), Bytes({0, 0, 0x0B, 0x13, 0, 0, 0x0B, 0x13, 1}));
}

TEST(GammaChunk, SetsTheTablesForWhatFollows) {
    auto picture = Load(RgbFile({Chunk("gAMA", Be32(100000))}));
    EXPECT_EQ(picture->GammaTable[128], 186);
    EXPECT_EQ(picture->GammaTable[0], 0);
    EXPECT_EQ(picture->GammaTable[255], 255);
    EXPECT_EQ(picture->InverseGammaTable[186], 128);
    // The pixel is read through the table.
    EXPECT_EQ(picture->ReadPixelColor(0, 0),
              RgbColor(picture->GammaTable[1], picture->GammaTable[2], picture->GammaTable[3]));

    auto zero = Load(RgbFile({Chunk("gAMA", Be32(0))}));
    for (int i = 0; i < 256; ++i) ASSERT_EQ(zero->GammaTable[std::size_t(i)], i);

    TPngPicture empty;
    TChunkgAMA gamma(&empty);
    EXPECT_EQ(gamma.GammaValue(), 1u);
}

TEST(HeaderChunk, GreyPaletteFollowsTheBitDepth) {
    auto picture = Load(File({Ihdr(2, 1, 4, 0), Chunk("IDAT", Deflate(Bytes({0, 0x0F}))), Iend()}));
    const auto& palette = picture->GetPalette();
    ASSERT_EQ(palette.size(), 16u);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(palette[std::size_t(i)].Red, i * 17);
}

TEST(PaletteChunk, EntriesBeyondTheCountAreRefused) {
    auto picture = Load(File({Ihdr(1, 1, 8, 3), Chunk("PLTE", Bytes({10, 20, 30, 40, 50, 60})),
                              Chunk("IDAT", Deflate(Bytes({0, 1}))), Iend()}));
    auto* palette = picture->ChunkList.FindChunkOfClass<TChunkPLTE>();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->EntryColor(1), 0x28323Cu);
    try {
        palette->EntryColor(2);
        ADD_FAILURE();
    } catch (const EPngError& e) {
        EXPECT_EQ(e.Message(), "There is no such palette entry.");
    }
    EXPECT_EQ(picture->ReadPixelColor(0, 0), RgbColor(40, 50, 60));
}

TEST(PaletteChunk, SuggestedPaletteOfAnRgbPictureIsWrittenBlack) {
    auto picture = Load(RgbFile({Chunk("PLTE", Bytes({10, 20, 30, 40, 50, 60}))}));
    EXPECT_EQ(SavedChunk(*picture, "PLTE"), std::string(6, '\0'));
}

TEST(ChunkCopies, OtherClassesAreRefused) {
    TPngPicture picture;
    TChunkPLTE palette(&picture);
    TChunktRNS transparency(&picture);
    try {
        palette.CopyFrom(transparency);
        ADD_FAILURE();
    } catch (const EPngError& e) {
        EXPECT_EQ(e.Message(), "The chunks must be compatible to be assigned.");
    }
    EXPECT_THROW(transparency.CopyFrom(palette), EPngError);
}

std::string PaletteFile(const std::string& alphas) {
    return File({Ihdr(1, 1, 8, 3), Chunk("PLTE", Bytes({1, 1, 1, 2, 2, 2, 3, 3, 3})), Chunk("tRNS", alphas),
                 Chunk("IDAT", Deflate(Bytes({0, 0}))), Iend()});
}

TEST(TransparencyChunk, KindsByColourTypeAndValues) {
    // Only one fully transparent entry among opaque ones is a single colour key;
    // one entry of partial alpha needs blending.
    const std::pair<std::string, bool> palettes[] = {
        {Bytes({255, 0, 255}), true}, {Bytes({0}), true}, {Bytes({255, 128, 255}), false}, {Bytes({255, 254}), false}};
    for (const auto& [alphas, single] : palettes) {
        auto picture = Load(PaletteFile(alphas));
        EXPECT_EQ(picture->ChunkList.FindChunkOfClass<TChunktRNS>()->SingleTransparentColor, single);
        EXPECT_EQ(picture->TransparencyKind(), single ? 1 : 2);
    }

    auto two = Load(PaletteFile(Bytes({0, 128})));
    EXPECT_FALSE(two->ChunkList.FindChunkOfClass<TChunktRNS>()->SingleTransparentColor);
    EXPECT_EQ(two->TransparencyKind(), 2);
    EXPECT_EQ(two->ChunkList.FindChunkOfClass<TChunktRNS>()->AlphaValues[2], 255);

    EXPECT_EQ(Load(RgbFile({}))->TransparencyKind(), 0);
    EXPECT_EQ(Load(RgbFile({Chunk("tRNS", Bytes({0, 1, 0, 2, 0, 3}))}))->TransparencyKind(), 1);
    EXPECT_EQ(Load(TSampleImage{2, 2, 6, 8}.File(false))->TransparencyKind(), 2);
}

// Found by fuzzing: an empty tRNS chunk has no data to copy.
TEST(TransparencyChunk, EmptyChunkMakesEveryEntryOpaque) {
    auto picture = Load(PaletteFile(""));
    auto* t = picture->ChunkList.FindChunkOfClass<TChunktRNS>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->AlphaValues[0], 255);
    EXPECT_FALSE(t->SingleTransparentColor);
    EXPECT_EQ(SavedChunk(*picture, "tRNS"), "");
}

TEST(TransparencyChunk, TransparentColourByColourType) {
    auto rgb = Load(RgbFile({Chunk("tRNS", Bytes({0, 10, 0, 20, 0, 30}))}));
    EXPECT_EQ(rgb->TransparentColorValue(), RgbColor(10, 20, 30));

    auto palette = Load(PaletteFile(Bytes({255, 0})));
    EXPECT_EQ(palette->TransparentColorValue(), RgbColor(2, 2, 2));

    auto grey = Load(File({Ihdr(1, 1, 8, 0), Chunk("tRNS", Bytes({0, 77})), Chunk("IDAT", Deflate(Bytes({0, 0}))), Iend()}));
    EXPECT_EQ(grey->TransparentColorValue(), RgbColor(77, 77, 77));

    // A palette picture without a palette chunk names no colour.
    auto noPalette = Load(File({Ihdr(1, 1, 8, 3), Chunk("tRNS", Bytes({0})), Chunk("IDAT", Deflate(Bytes({0, 0}))), Iend()}));
    EXPECT_EQ(noPalette->TransparentColorValue(), 0u);
}

TEST(TransparencyChunk, MakeColorTransparent) {
    auto rgb = Load(RgbFile({Chunk("tRNS", Bytes({0, 0, 0, 0, 0, 0}))}));
    auto* t = rgb->ChunkList.FindChunkOfClass<TChunktRNS>();
    t->MakeColorTransparent(RgbColor(0x11, 0x22, 0x33));
    EXPECT_EQ(SavedChunk(*rgb, "tRNS"), Bytes({0, 0x11, 0, 0x22, 0, 0x33}));
    EXPECT_EQ(rgb->TransparentColorValue(), RgbColor(0x11, 0x22, 0x33));

    auto palette = Load(PaletteFile(Bytes({255})));
    auto* p = palette->ChunkList.FindChunkOfClass<TChunktRNS>();
    p->MakeColorTransparent(RgbColor(3, 3, 3));
    EXPECT_EQ(SavedChunk(*palette, "tRNS"), Bytes({255, 255, 0}));
    EXPECT_EQ(palette->TransparencyKind(), 1);
    // A colour the palette lacks leaves every entry opaque.
    p->MakeColorTransparent(RgbColor(9, 9, 9));
    EXPECT_EQ(SavedChunk(*palette, "tRNS"), "");
    EXPECT_EQ(palette->TransparencyKind(), 2);
}

}  // namespace
