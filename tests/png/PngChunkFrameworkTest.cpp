// The chunk loop: which chunks are kept, dropped or skipped, the order of
// saving, the CRC, the chunk-class registry and the chunk list.
#include "SampleImages.h"

#include "png/chunks/PngChunkRegistry.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/chunks/PngImageDataChunk.h"
#include "png/chunks/PngTextChunks.h"
#include "png/codec/PngCrc.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

std::vector<std::string> TypesOf(const std::string& file) {
    std::vector<std::string> types;
    for (const auto& c : Chunks(file)) types.push_back(c.Type);
    return types;
}

TEST(PngCrc, MatchesTheFormatsCrc) {
    EXPECT_EQ(PngCrc("123456789", 9), 0xCBF43926u);
    std::uint32_t running = UpdatePngCrc(PngCrcStart, "IE", 2);
    EXPECT_EQ(~UpdatePngCrc(running, "ND", 2), 0xAE426082u);
}

TEST(ChunkLoop, UnknownAncillaryChunksAreKeptAndWrittenBack) {
    std::string file = File({Ihdr(1, 1, 8, 2), Chunk("abCd", "private bytes"), Chunk("idat", "not image data"),
                             Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3}))), Iend()});
    auto picture = Load(file);
    const TChunk& unknown = *picture->ChunkList.Item(1);
    EXPECT_EQ(typeid(unknown), typeid(TChunk));
    bool crcsGood = false;
    auto chunks = Chunks(Save(*picture), &crcsGood);
    EXPECT_TRUE(crcsGood);
    ASSERT_EQ(TypesOf(Save(*picture)), (std::vector<std::string>{"IHDR", "abCd", "idat", "IDAT", "IEND"}));
    EXPECT_EQ(chunks[1].Data, "private bytes");
    EXPECT_EQ(chunks[2].Data, "not image data");
}

TEST(ChunkLoop, ChromaticityIsDroppedAndLaterImageDataSkipped) {
    std::string file = File({Ihdr(1, 1, 8, 2), Chunk("cHRM", std::string(32, 'c')),
                             Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3}))), Chunk("tEXt", "k\x01t"),
                             Chunk("IDAT", Deflate(Bytes({0, 9, 9, 9}))), Iend()});
    auto picture = Load(file);
    EXPECT_EQ(picture->ReadPixelColor(0, 0), RgbColor(1, 2, 3));
    EXPECT_EQ(TypesOf(Save(*picture)), (std::vector<std::string>{"IHDR", "IDAT", "tEXt", "IEND"}));
}

TEST(ChunkLoop, BytesAfterTheEndChunkAreNotRead) {
    std::string file = File({Ihdr(1, 1, 8, 2), Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3}))), Iend()});
    TStringStream stream(file + "trailing garbage");
    TPngPicture picture;
    picture.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), std::int64_t(file.size()));
}

TEST(ChunkLoop, SavingWritesTheListInOrder) {
    TPngPicture empty;
    EXPECT_EQ(Save(empty), Signature());

    auto picture = Load(File({Ihdr(1, 1, 8, 2), Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3}))), Iend()}));
    picture->ChunkList.Add(CreateChunkByType(picture.get(), MakeChunkType("teSt")));
    EXPECT_EQ(TypesOf(Save(*picture)), (std::vector<std::string>{"IHDR", "IDAT", "IEND", "teSt"}));
}

TEST(ChunkRegistry, TypesAreMatchedExactly) {
    TPngPicture picture;
    EXPECT_NE(dynamic_cast<TChunkIDAT*>(CreateChunkByType(&picture, MakeChunkType("IDAT")).get()), nullptr);
    EXPECT_NE(dynamic_cast<TChunkzTXt*>(CreateChunkByType(&picture, MakeChunkType("zTXt")).get()), nullptr);
    auto lower = CreateChunkByType(&picture, MakeChunkType("idat"));
    const TChunk& lowerChunk = *lower;
    EXPECT_EQ(typeid(lowerChunk), typeid(TChunk));
    EXPECT_TRUE(IsChunkType(lower->Type(), "idat"));
}

// A chunk class registered later is found for its type.
class TChunkviEw : public TChunk {
    VELZAR_CHUNK_CLASS(TChunkviEw, "viEw")
    explicit TChunkviEw(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) {}
};

TEST(ChunkRegistry, RegisteredClassesAreCreatedByType) {
    RegisterChunkClass(ChunkClassOf<TChunkviEw>());
    TPngPicture picture;
    auto chunk = CreateChunkByType(&picture, MakeChunkType("viEw"));
    EXPECT_NE(dynamic_cast<TChunkviEw*>(chunk.get()), nullptr);
    EXPECT_EQ(chunk->Owner(), &picture);
}

TEST(ChunkList, ItemsRemovalAndSearchByClass) {
    TPngPicture picture;
    TPNGList list;
    list.Add(std::make_unique<TChunkIHDR>(&picture));
    list.Add(std::make_unique<TChunkzTXt>(&picture));
    list.Add(std::make_unique<TChunktEXt>(&picture));
    EXPECT_EQ(list.Item(3), nullptr);
    // zTXt derives from tEXt, so it is the first text chunk.
    EXPECT_EQ(list.FindChunkOfClass<TChunktEXt>(), list.Item(1));
    EXPECT_EQ(list.FindChunkOfClass<TChunkIDAT>(), nullptr);

    TChunk* text = list.Item(2);
    auto removed = list.RemoveItem(text);
    EXPECT_EQ(removed.get(), text);
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.RemoveItem(text), nullptr);
    list.SetItem(5, std::make_unique<TChunkIEND>(&picture));
    EXPECT_EQ(list.Count(), 2u);
}

}  // namespace
