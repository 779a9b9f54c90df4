#include "device/firmware/FirmwareHex.h"

#include "tests/device/HexFileBuilder.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::uint8_t> kIdBytes = {0xAA, 0xBB, 0xCC, 0xDD};

std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(ReadFirmwareHex, TakesOneDataRecordOfTheFirmwareSegment) {
    std::vector<std::uint8_t> data = Concat(kIdBytes, Bytes(12, 0x10));
    FirmwareHexResult result = ReadFirmwareHex(JoinLines({SegmentLine(0x0800), DataLine(0x0000, data), EndLine()}));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.file.marker, 0x0800);
    EXPECT_EQ(result.file.id, 0xAABBCCDDu);
    EXPECT_EQ(result.file.startAddress, 0u);
    EXPECT_EQ(result.file.size, 16u);
    EXPECT_EQ(result.file.loadLines, (std::vector<std::string>{"Offset:800", "StartAddr: 00000000"}));
    ASSERT_EQ(result.file.image.size(), FirmwareWindowSize);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), result.file.image.begin()));
    EXPECT_EQ(result.file.image[16], 0xFF);
}

TEST(ReadFirmwareHex, PlacesDataFromTheStartAddressAndSizesByTheHighestEnd) {
    const struct {
        const char* name;
        std::string text;
        std::uint32_t start;
        std::uint32_t size;
        std::vector<std::pair<std::size_t, std::uint8_t>> bytes;  // offset, value
        std::vector<std::string> loadLines;
    } cases[] = {
        {"start above zero: offsets relative to it",
         JoinLines({SegmentLine(0x0800), DataLine(0x1000, kIdBytes), DataLine(0x1004, {0x42}), EndLine()}),
         0x1000, 5, {{0, 0xAA}, {4, 0x42}, {5, 0xFF}},
         {"Offset:800", "StartAddr: 00001000"}},
        {"records out of order: the highest end, not the last",
         JoinLines({SegmentLine(0x0800), DataLine(0x0000, kIdBytes), DataLine(0x0020, {1, 2}), DataLine(0x0010, {3}),
                    EndLine()}),
         0, 0x22, {{0x10, 3}, {0x20, 1}, {0x21, 2}}, {"Offset:800", "StartAddr: 00000000"}},
        {"gaps stay 0xFF",
         JoinLines({SegmentLine(0x0800), DataLine(0x0000, kIdBytes), DataLine(0x0100, {0}), EndLine()}),
         0, 0x101, {{4, 0xFF}, {0xFF, 0xFF}, {0x100, 0}}, {"Offset:800", "StartAddr: 00000000"}},
        {"a later segment without data is harmless",
         JoinLines({SegmentLine(0x0800), DataLine(0x0000, kIdBytes), SegmentLine(0x0801),
                    HexRecordLine(5, 0, {0x08, 0, 0, 0}), EndLine()}),
         0, 4, {{3, 0xDD}}, {"Offset:800", "StartAddr: 00000000", "Offset:801"}},
        {"the data fill the segment to its last byte",
         JoinLines({SegmentLine(0x0800), DataLine(0xFFF0, Concat(kIdBytes, Bytes(12))), EndLine()}),
         0xFFF0, 16, {{15, 11}}, {"Offset:800", "StartAddr: 0000FFF0"}},
        {"blank lines, CRLF and lower case are read",
         ":020000040800f2\r\n:04000000aabbccddee\r\n\r\n   \n:00000001FF\r\n\n",
         0, 4, {{0, 0xAA}}, {"Offset:800", "StartAddr: 00000000"}},
        {"CR alone ends a line",
         SegmentLine(0x0800) + "\r" + DataLine(0, kIdBytes) + "\r\r" + EndLine() + "\r",
         0, 4, {{0, 0xAA}}, {"Offset:800", "StartAddr: 00000000"}},
        {"a UTF-8 byte-order mark before the first line",
         "\xEF\xBB\xBF" + JoinLines({SegmentLine(0x0800), DataLine(0, kIdBytes), EndLine()}),
         0, 4, {{0, 0xAA}}, {"Offset:800", "StartAddr: 00000000"}},
        {"no line end after the last record",
         SegmentLine(0x0800) + "\n" + DataLine(0, kIdBytes) + "\n" + EndLine(),
         0, 4, {{0, 0xAA}}, {"Offset:800", "StartAddr: 00000000"}},
    };
    for (const auto& c : cases) {
        FirmwareHexResult result = ReadFirmwareHex(c.text);
        ASSERT_TRUE(result.ok) << c.name << ": " << result.error;
        EXPECT_EQ(result.file.startAddress, c.start) << c.name;
        EXPECT_EQ(result.file.size, c.size) << c.name;
        for (auto [offset, value] : c.bytes) EXPECT_EQ(result.file.image[offset], value) << c.name << " @" << offset;
        EXPECT_EQ(result.file.loadLines, c.loadLines) << c.name;
    }
}

TEST(ReadFirmwareHex, RefusesDamagedOrUnplaceableFiles) {
    std::string segment = SegmentLine(0x0800);
    std::string id = DataLine(0x0100, kIdBytes);
    std::string end = EndLine();
    const struct {
        const char* name;
        std::string text;
        const char* error;
    } cases[] = {
        {"empty file", "", "меньше двух строк"},
        {"one line", JoinLines({segment}), "меньше двух строк"},
        {"first line without a marker", JoinLines({end, id, end}), "Строка 1: нет маркера"},
        {"second line not a data record", JoinLines({segment, segment, id, end}), "Строка 2: нет идентификатора"},
        {"second line with three data bytes", JoinLines({segment, DataLine(0x100, {1, 2, 3}), end}),
         "Строка 2: нет идентификатора"},
        {"blank second line", JoinLines({segment, "", id, end}), "Строка 2: строка не начинается"},
        {"damaged record checksum", JoinLines({segment, id, ":0101040042B9", end}), "Строка 3: неверная контрольная сумма"},
        {"byte count longer than the line", JoinLines({segment, id, ":0201040042B7", end}), "Строка 3: длина записи"},
        {"a line of text among the records", JoinLines({segment, id, "garbage", end}), "Строка 3: строка не начинается"},
        {"unknown record type", JoinLines({segment, id, HexRecordLine(7, 0, {}), end}), "Строка 3: неизвестный тип"},
        {"data before any segment record", JoinLines({id, DataLine(0x200, kIdBytes), end}), "Строка 1: данные вне области"},
        {"data in another segment", JoinLines({segment, id, SegmentLine(0x0801), DataLine(0x0000, {1}), end}),
         "Строка 4: данные вне области"},
        {"data in a lower segment", JoinLines({SegmentLine(0x0000), id, end}), "Строка 2: данные вне области"},
        {"data below the start address", JoinLines({segment, id, DataLine(0x00FF, {1}), end}),
         "Строка 3: данные ниже начального адреса"},
        {"a record past the segment end", JoinLines({segment, id, DataLine(0xFFFC, Bytes(8)), end}),
         "Строка 3: запись выходит за границу"},
        {"overlapping records", JoinLines({segment, id, DataLine(0x0103, {1, 2}), end}), "Строка 3: данные перекрывают"},
        {"a record written twice", JoinLines({segment, id, id, end}), "Строка 3: данные перекрывают"},
        {"segment addressing", JoinLines({segment, id, HexRecordLine(2, 0, {0x10, 0x00}), end}), "Строка 3: сегментная адресация"},
        {"data after the end record", JoinLines({segment, id, end, DataLine(0x0200, {1})}), "Строка 4: данные после записи конца"},
        {"a second end record", JoinLines({segment, id, end, end}), "Строка 4: данные после записи конца"},
        {"truncated file without its end record", JoinLines({segment, id, DataLine(0x0104, {1})}), "нет записи конца файла"},
        {"lines ended by a lone CR are counted", segment + "\r" + id + "\r\rgarbage\r" + end, "Строка 4: строка не начинается"},
        {"a byte-order mark not at the start", segment + "\n\xEF\xBB\xBF" + id + "\n" + end, "Строка 2: строка не начинается"},
        {"a record cut in the middle", segment + "\n" + id + "\n:10010400000102", "Строка 3:"},
    };
    for (const auto& c : cases) {
        FirmwareHexResult result = ReadFirmwareHex(c.text);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_NE(result.error.find(c.error), std::string::npos) << c.name << " gave: " << result.error;
    }
}
