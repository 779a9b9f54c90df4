#include "device/firmware/IntelHex.h"

#include "tests/device/HexFileBuilder.h"

#include <gtest/gtest.h>

TEST(ParseHexLine, ReadsValidRecords) {
    const struct {
        std::string line;
        HexRecordType type;
        std::uint16_t address;
        std::vector<std::uint8_t> data;
    } cases[] = {
        {":020000040800F2", HexRecordType::ExtendedLinearAddress, 0, {0x08, 0x00}},
        {":00000001FF", HexRecordType::EndOfFile, 0, {}},
        {":04010000AABBCCDDED", HexRecordType::Data, 0x0100, {0xAA, 0xBB, 0xCC, 0xDD}},
        {":04010000aabbccdded", HexRecordType::Data, 0x0100, {0xAA, 0xBB, 0xCC, 0xDD}},
        {":04010000AABBCCDDED\r", HexRecordType::Data, 0x0100, {0xAA, 0xBB, 0xCC, 0xDD}},
        {":04010000AABBCCDDED  ", HexRecordType::Data, 0x0100, {0xAA, 0xBB, 0xCC, 0xDD}},
        {":0400000508000131BD", HexRecordType::StartLinearAddress, 0, {0x08, 0x00, 0x01, 0x31}},
        {DataLine(0xFFF0, Bytes(16)), HexRecordType::Data, 0xFFF0, Bytes(16)},
        {DataLine(0, Bytes(255)), HexRecordType::Data, 0, Bytes(255)},
    };
    for (const auto& c : cases) {
        HexLineResult result = ParseHexLine(c.line);
        ASSERT_TRUE(result.ok) << c.line << ": " << result.error;
        EXPECT_EQ(result.record.type, c.type) << c.line;
        EXPECT_EQ(result.record.address, c.address) << c.line;
        EXPECT_EQ(result.record.data, c.data) << c.line;
    }
}

TEST(ParseHexLine, RefusesEveryKindOfDamage) {
    const struct {
        std::string line;
        const char* reason;
    } cases[] = {
        {"", "не начинается"},
        {"020000040800F2", "не начинается"},
        {" :020000040800F2", "не начинается"},
        {":020000040800F", "нечётное"},
        {":02000004", "короткая"},
        {":0200000408", "счётчиком"},
        {":", "короткая"},
        {":02000004080GF2", "недопустимый символ"},
        {":02000004 800F2", "недопустимый символ"},
        {":030000040800F2", "счётчиком"},          // count says 3, two data bytes
        {":010000040800F2", "счётчиком"},          // count says 1, two data bytes
        {":020000040800F3", "контрольная сумма"},
        {":04010000AABBCCDDEB", "контрольная сумма"},
        {HexRecordLine(6, 0, {}), "тип"},
        {HexRecordLine(0xFF, 0, {}), "тип"},
        {HexRecordLine(1, 0, {0x00}), "длина служебной"},
        {HexRecordLine(4, 0, {0x08}), "длина служебной"},
        {HexRecordLine(4, 0, {0x08, 0x00, 0x00}), "длина служебной"},
        {HexRecordLine(5, 0, {0x08, 0x00}), "длина служебной"},
        {HexRecordLine(4, 0x0010, {0x08, 0x00}), "ненулевым адресом"},
        {HexRecordLine(1, 0x0001, {}), "ненулевым адресом"},
    };
    for (const auto& c : cases) {
        HexLineResult result = ParseHexLine(c.line);
        EXPECT_FALSE(result.ok) << c.line;
        EXPECT_NE(result.error.find(c.reason), std::string::npos) << c.line << " gave: " << result.error;
    }
}
