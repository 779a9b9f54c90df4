// The picture object: its empty state, copying, settings, pixel access,
// row addresses and resizing.
#include "SampleChecks.h"

#include "png/chunks/PngHeaderChunk.h"
#include "png/codec/PngExceptions.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

TEST(PictureObject, NewPictureIsEmptyAndRefusesHeaderQuestions) {
    TPngPicture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    EXPECT_FALSE(picture.HasHeader());
    try {
        picture.Transparent();
        ADD_FAILURE();
    } catch (const EPNGHeaderNotPresent& e) {
        EXPECT_EQ(e.Message(), "This operation is not valid because the current image contains no valid header.");
    }
    EXPECT_THROW(picture.GetPalette(), EPNGHeaderNotPresent);
    EXPECT_THROW(picture.ReadPixelColor(0, 0), EPNGHeaderNotPresent);
    EXPECT_THROW(picture.RowAddress(0), EPNGHeaderNotPresent);
    EXPECT_THROW(picture.ResizeImage(2, 2), EPNGHeaderNotPresent);
}

TEST(PictureObject, MaxDataChunkSizeHasAFloor) {
    TPngPicture picture;
    EXPECT_EQ(picture.MaxDataChunkSize(), 65535);
    picture.SetMaxDataChunkSize(1000);
    EXPECT_EQ(picture.MaxDataChunkSize(), 65535);
    picture.SetMaxDataChunkSize(100000);
    EXPECT_EQ(picture.MaxDataChunkSize(), 100000);
}

TEST(PictureObject, AssigningNothingEmptiesThePicture) {
    auto picture = Load(TSampleImage{3, 3, 2, 8}.File(false));
    picture->Assign(nullptr);
    EXPECT_TRUE(picture->Empty());
}

TEST(PictureObject, CopyKeepsPixelsChunksAndSettings) {
    TSampleImage image{13, 11, 6, 8};
    std::string file = Signature() + Ihdr(13, 11, 8, 6, 1) + Chunk("tEXt", std::string("K") + '\0' + "V") +
                       Chunk("IDAT", Deflate(image.ImageData(true))) + Iend();
    auto source = Load(file);
    source->DeflateLevel = 3;
    source->RowFilters = TFilterSet(0b11111);
    TPngPicture copy;
    copy.Assign(source.get());
    EXPECT_EQ(copy.InterlaceKind, 1);
    EXPECT_EQ(copy.DeflateLevel, 3);
    EXPECT_EQ(copy.RowFilters, TFilterSet(0b11111));
    ASSERT_EQ(copy.ChunkList.Count(), source->ChunkList.Count());
    ExpectPixelsOf(copy, image);
    // Freeing the source leaves the copy whole.
    source.reset();
    auto saved = Load(Save(copy));
    EXPECT_EQ(saved->InterlaceKind, 1);
    ExpectPixelsOf(*saved, image);
}

TEST(PixelAccess, OutsideThePictureReadsZeroAndWritesNothing) {
    auto picture = Load(TSampleImage{3, 2, 2, 8}.File(false));
    std::vector<std::uint8_t> before(picture->RowAddress(1), picture->RowAddress(1) + 2 * picture->HeaderChunk().Image.RowSize());
    EXPECT_EQ(picture->ReadPixelColor(-1, 0), 0u);
    EXPECT_EQ(picture->ReadPixelColor(3, 0), 0u);
    EXPECT_EQ(picture->ReadPixelColor(0, 2), 0u);
    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}}) picture->WritePixelColor(x, y, 0xFFFFFF);
    EXPECT_EQ(std::vector<std::uint8_t>(picture->RowAddress(1), picture->RowAddress(1) + before.size()), before);
}

TEST(PixelAccess, WritingAOneBitPixelChangesOneBit) {
    auto picture = Load(File({Ihdr(8, 1, 1, 3), Chunk("PLTE", Bytes({0, 0, 0, 255, 255, 255})),
                              Chunk("IDAT", Deflate(Bytes({0, 0xA5}))), Iend()}));
    picture->WritePixelColor(1, 0, RgbColor(250, 250, 250));
    EXPECT_EQ(picture->RowAddress(0)[0], 0xE5);
    picture->WritePixelColor(0, 0, RgbColor(3, 3, 3));
    EXPECT_EQ(picture->RowAddress(0)[0], 0x65);
    EXPECT_EQ(picture->ReadPixelColor(1, 0), RgbColor(255, 255, 255));
}

TEST(PixelAccess, WritesByColourType) {
    auto rgb = Load(TSampleImage{2, 2, 6, 8}.File(false));
    std::uint8_t alpha = rgb->AlphaRowAddress(1)[1];
    rgb->WritePixelColor(1, 1, RgbColor(1, 2, 3));
    EXPECT_EQ(rgb->ReadPixelColor(1, 1), RgbColor(1, 2, 3));
    EXPECT_EQ(rgb->AlphaRowAddress(1)[1], alpha);

    auto greyAlpha = Load(TSampleImage{2, 2, 4, 8}.File(false));
    greyAlpha->WritePixelColor(0, 1, RgbColor(90, 2, 3));
    EXPECT_EQ(greyAlpha->ReadPixelColor(0, 1), RgbColor(90, 90, 90));

    auto grey = Load(TSampleImage{2, 2, 0, 4}.File(false));
    grey->WritePixelColor(1, 0, RgbColor(120, 120, 120));
    EXPECT_EQ(grey->ReadPixelColor(1, 0), RgbColor(119, 119, 119));
}

TEST(RowAddresses, RowsCountFromTheTop) {
    auto picture = Load(File({Ihdr(1, 3, 8, 4), Chunk("IDAT", Deflate(Bytes({0, 1, 11, 0, 2, 22, 0, 3, 33}))), Iend()}));
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(picture->RowAddress(y)[0], y + 1);
        EXPECT_EQ(picture->AlphaRowAddress(y)[0], 11 * (y + 1));
    }
    EXPECT_EQ(picture->LowByteRowAddress(0), nullptr);
    auto rgb = Load(TSampleImage{1, 1, 2, 8}.File(false));
    EXPECT_EQ(rgb->AlphaRowAddress(0), nullptr);
}

TEST(Resizing, KeepsTheTopLeftAndFillsTheRestOpaqueBlack) {
    TSampleImage image{10, 10, 6, 8};
    auto picture = Load(image.File(false));
    picture->ResizeImage(20, 5);
    EXPECT_EQ(picture->Width(), 20);
    EXPECT_EQ(picture->Height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 20; ++x) {
            if (x < 10) {
                ASSERT_EQ(picture->ReadPixelColor(x, y),
                          RgbColor(std::uint8_t(image.Sample(x, y, 0)), std::uint8_t(image.Sample(x, y, 1)),
                                   std::uint8_t(image.Sample(x, y, 2))));
                ASSERT_EQ(picture->AlphaRowAddress(y)[x], image.Sample(x, y, 3));
            } else {
                ASSERT_EQ(picture->ReadPixelColor(x, y), 0u);
                ASSERT_EQ(picture->AlphaRowAddress(y)[x], 255);
            }
        }
    // The resized picture saves and loads as a 20 × 5 picture.
    auto saved = Load(Save(*picture));
    EXPECT_EQ(saved->Width(), 20);
    EXPECT_EQ(saved->ReadPixelColor(19, 4), 0u);
}

TEST(Resizing, SixteenBitLowBytesFollowTheRows) {
    auto picture = Load(File({Ihdr(2, 2, 16, 0), Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3, 4, 0, 5, 6, 7, 8}))), Iend()}));
    picture->SetHeight(3);
    EXPECT_EQ(picture->LowByteRowAddress(0)[1], 4);
    EXPECT_EQ(picture->LowByteRowAddress(1)[0], 6);
    EXPECT_EQ(picture->LowByteRowAddress(2)[0], 0);
    picture->SetWidth(1);
    EXPECT_EQ(picture->RowAddress(1)[0], 5);
}

TEST(Resizing, SizesBelowOneAreRefused) {
    auto picture = Load(TSampleImage{2, 2, 2, 8}.File(false));
    for (auto [w, h] : {std::pair{0, 10}, {10, 0}, {-1, 5}}) {
        try {
            picture->ResizeImage(w, h);
            ADD_FAILURE();
        } catch (const EPNGInvalidNewSize& e) {
            EXPECT_EQ(e.Message(), "The new size provided for image resizing is invalid.");
        }
    }
    EXPECT_EQ(picture->Width(), 2);
}

TEST(Palette, ReplacingItChangesTheColourTable) {
    auto picture = Load(TSampleImage{2, 1, 3, 1}.File(false));
    picture->SetPalette({{9, 8, 7, 0}, {6, 5, 4, 0}});
    EXPECT_EQ(picture->GetPalette().size(), 2u);
    unsigned index = TPngDib::PixelBits(picture->RowAddress(0), 0, 1);
    EXPECT_EQ(picture->ReadPixelColor(0, 0), index ? RgbColor(6, 5, 4) : RgbColor(9, 8, 7));
    // An RGB picture has no palette to replace.
    auto rgb = Load(TSampleImage{1, 1, 2, 8}.File(false));
    rgb->SetPalette({{1, 2, 3, 0}});
    EXPECT_TRUE(rgb->GetPalette().empty());
}

}  // namespace
