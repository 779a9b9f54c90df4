#include "device/firmware/FirmwareImage.h"

#include "device/firmware/FirmwareChecksum.h"
#include "tests/device/HexFileBuilder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool ImageIsBlank() {
    return std::all_of(FirmwareImage.begin(), FirmwareImage.end(), [](std::uint8_t b) { return b == 0xFF; });
}

}  // namespace

TEST(OpenFirmwareFile, TakesHeaderImageAndChecksumAndWritesTheLogLines) {
    TempFolder folder;
    std::vector<std::uint8_t> data = {0xAA, 0xBB, 0xCC, 0xDD, 'a', 'b', 'c'};
    std::string file = folder.Write("fw.hex", JoinLines({SegmentLine(0x0800), DataLine(0x0000, data), EndLine()}));

    std::vector<std::string> memo;
    OpenFirmwareFile(file, memo);

    EXPECT_TRUE(FirmwareLoaded);
    EXPECT_EQ(FirmwareId, 0xAABBCCDDu);
    EXPECT_EQ(FirmwareSize, 7u);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), FirmwareImage.begin()));
    EXPECT_EQ(FirmwareImage[7], 0xFF);
    EXPECT_EQ(FirmwareChecksum, ChecksumOfBytes(data.data(), data.size()));
    char checksumLine[64];
    std::snprintf(checksumLine, sizeof checksumLine, "Контрольная сумма: 0х%08X", FirmwareChecksum);
    EXPECT_EQ(memo, (std::vector<std::string>{"Marker: 0800", "Record Id: AABBCCDD", "Offset:800",
                                              "StartAddr: 00000000", "Размер файла: 7 байт", checksumLine,
                                              "---------------------------"}));
}

TEST(OpenFirmwareFile, ChecksumsTheGapsAsTheyAreSent) {
    TempFolder folder;
    std::string file = folder.Write(
        "fw.hex", JoinLines({SegmentLine(0x0800), DataLine(0x0000, {0xFF, 0xFF, 0xFF, 0xFF}), DataLine(0x0005, {'x'}), EndLine()}));
    std::vector<std::string> memo;
    OpenFirmwareFile(file, memo);
    std::uint8_t sent[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'x'};
    EXPECT_EQ(FirmwareSize, 6u);
    EXPECT_EQ(FirmwareChecksum, ChecksumOfBytes(sent, sizeof sent));
}

TEST(OpenFirmwareFile, ADamagedOrMissingFileLeavesNoImageBehind) {
    TempFolder folder;
    std::string good = folder.Write("good.hex", JoinLines({SegmentLine(0x0800), DataLine(0, Bytes(64, 1)), EndLine()}));
    std::string broken = folder.Write("broken.hex", JoinLines({SegmentLine(0x0800), DataLine(0, Bytes(64, 1)), ":0101040042B9", EndLine()}));
    std::string truncated = folder.Write("cut.hex", JoinLines({SegmentLine(0x0800), DataLine(0, Bytes(64, 1))}));
    const struct {
        std::string file;
        const char* message;
    } cases[] = {
        {broken, "Строка 3: неверная контрольная сумма"},
        {truncated, "нет записи конца файла"},
        {(folder.Path() / "missing.hex").string(), "Не удалось открыть"},
        {folder.Path().string(), "Не удалось"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> memo;
        OpenFirmwareFile(good, memo);
        ASSERT_TRUE(FirmwareLoaded);

        memo.clear();
        try {
            OpenFirmwareFile(c.file, memo);
            ADD_FAILURE() << c.file << " was taken";
        } catch (const EFirmwareFileError& error) {
            EXPECT_NE(error.Message().find(c.message), std::string::npos) << error.Message();
        }
        EXPECT_FALSE(FirmwareLoaded) << c.file;
        EXPECT_EQ(FirmwareSize, 0u) << c.file;
        EXPECT_EQ(FirmwareId, 0u) << c.file;
        EXPECT_EQ(FirmwareChecksum, 0xFFFFFFFFu) << c.file;
        EXPECT_TRUE(ImageIsBlank()) << c.file;
        EXPECT_TRUE(memo.empty()) << c.file;
    }
}
