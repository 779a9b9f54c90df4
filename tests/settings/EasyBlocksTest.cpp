// The single-stage settings blocks: byte places, scales, rounding on the
// decimal value shown, the sign rule, flags, and values refused rather than
// wrapped.

#include "settings/singlestage/EasyBlocks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The window's start values, in field order.
const TEasyBlockValues kStart1 = {2.0, 0.3, 0, 10, 100, 0, 3.0, 0, 5.0, 0.2, 1, 3.0, 1, 60, 0.2, 0.1, 0.1, 0.05, 0.3, 2.0, 5, 0.5};
const TEasyBlockValues kStart2 = {1.5, 1, 0.1, 0, 2.5, 0.5, 200, 20, 5.0, 0.5, 5};

const Bytes kStartBytes1 = {0x06, 0x00, 0x00, 0x1E, 0x00, 0x00, 0x64, 0x03, 0xE8, 0x00, 0x00, 0x1E, 0x00,
                            0x00, 0x32, 0x00, 0x02, 0x01, 0x00, 0x1E, 0x01, 0x02, 0x58, 0x00, 0x14, 0x00,
                            0x01, 0x00, 0x01, 0x00, 0x1A, 0x00, 0x1E, 0x00, 0x14, 0x00, 0x32, 0x00, 0x05};
const Bytes kStartBytes2 = {0x00, 0x0F, 0x01, 0x00, 0x01, 0x00, 0x00, 0x19, 0x00, 0x05,
                            0x00, 0xC8, 0x00, 0xC8, 0x00, 0x32, 0x00, 0x05, 0x00, 0x05};

const TEasyField& Field(std::uint8_t block, const std::string& key) {
    for (const TEasyField& field : EasyBlockFields(block))
        if (key == field.Key) return field;
    throw std::invalid_argument(key);
}

std::size_t IndexOf(std::uint8_t block, const std::string& key) {
    const auto& fields = EasyBlockFields(block);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (key == fields[i].Key) return i;
    throw std::invalid_argument(key);
}

}  // namespace

TEST(EasyBlocks, FieldsFillEachBlockWithoutGapsOrOverlap) {
    for (std::uint8_t block : {1, 2}) {
        std::size_t next = 0;
        for (const TEasyField& field : EasyBlockFields(block)) {
            EXPECT_EQ(field.Offset, next) << field.Key;
            const bool number = field.Kind == TEasyFieldKind::Number || field.Kind == TEasyFieldKind::SignedNumber;
            next += number ? 2 : 1;
        }
        EXPECT_EQ(next, EasyBlockSize(block));
    }
    EXPECT_EQ(EasyBlockSize(1), 39u);
    EXPECT_EQ(EasyBlockSize(2), 20u);
}

TEST(EasyBlocks, StartValuesEncodeToTheKnownBytes) {
    TEasyEncoding one = EncodeEasyBlock(1, kStart1);
    ASSERT_TRUE(one.Ok()) << one.Error;
    EXPECT_EQ(one.Bytes, kStartBytes1);
    TEasyEncoding two = EncodeEasyBlock(2, kStart2);
    ASSERT_TRUE(two.Ok()) << two.Error;
    EXPECT_EQ(two.Bytes, kStartBytes2);
}

TEST(EasyBlocks, KnownBytesDecodeToTheStartValues) {
    const struct {
        std::uint8_t block;
        const Bytes& bytes;
        const TEasyBlockValues& values;
    } cases[] = {{1, kStartBytes1, kStart1}, {2, kStartBytes2, kStart2}};
    for (const auto& c : cases) {
        TEasyBlockValues decoded = DecodeEasyBlock(c.block, c.bytes.data());
        ASSERT_EQ(decoded.size(), c.values.size());
        const auto& fields = EasyBlockFields(c.block);
        for (std::size_t i = 0; i < decoded.size(); ++i)
            EXPECT_NEAR(decoded[i], c.values[i], 0.5 / fields[i].Scale) << fields[i].Key;
    }
    // parPasAcc stores 26 for 0,05: it reads back as 26/512.
    EXPECT_DOUBLE_EQ(DecodeEasyBlock(1, kStartBytes1.data())[IndexOf(1, "parPasAcc")], 26.0 / 512);
}

TEST(EasyBlocks, RoundingTakesHalvesToEvenOnTheDecimalValue) {
    const struct {
        const char* key;
        double value;
        std::int64_t stored;
    } cases[] = {
        {"parShSBaroAlt", 0.15, 2},     // 1,5 -> 2 although 0.15 x 10 is below 1.5 in binary
        {"parShSBaroAlt", 0.25, 2},     // 2,5 -> 2
        {"parShSBaroAlt", 0.35, 4},     // 3,5 -> 4
        {"parShSBaroAlt", 0.45, 4},
        {"parShSBaroAlt", 0.14, 1},
        {"parShSBaroAlt", 0.16, 2},
        {"parShSAccTime", 0.305, 30},   // 30,5 -> 30
        {"parShSAccTime", 0.315, 32},   // 31,5 -> 32
        {"parPasAcc", 0.05, 26},        // 25,6
        {"parPasAcc", -0.05, -26},
        {"parShSAcc", 0.5, 768},        // (v + 1) x 512
        {"parShSAcc", -1.0, 0},
        {"parSpuskVtorAltPar", 200.5, 200},
        {"parSpuskVtorAltPar", 201.5, 202},
    };
    for (const auto& c : cases) {
        const std::uint8_t block = std::string(c.key).rfind("parSpusk", 0) == 0 ? 2 : 1;
        EXPECT_EQ(EasyStoredValue(Field(block, c.key), c.value), c.stored) << c.key << " " << c.value;
    }
}

TEST(EasyBlocks, TheSignedFieldUsesTwosComplement) {
    TEasyBlockValues values = kStart1;
    const std::size_t at = IndexOf(1, "parPasAcc");
    values[at] = -0.05;
    TEasyEncoding encoded = EncodeEasyBlock(1, values);
    ASSERT_TRUE(encoded.Ok()) << encoded.Error;
    EXPECT_EQ(encoded.Bytes[29], 0xFF);
    EXPECT_EQ(encoded.Bytes[30], 0xE6);
    EXPECT_DOUBLE_EQ(DecodeEasyBlock(1, encoded.Bytes.data())[at], -26.0 / 512);
}

TEST(EasyBlocks, OnlyTheByteOneReadsAsOn) {
    const std::size_t flag = IndexOf(2, "parSpuskTormOnOff");
    for (std::uint8_t byte : {0, 1, 2, 0x80, 0xFF}) {
        Bytes bytes = kStartBytes2;
        bytes[2] = byte;
        EXPECT_EQ(DecodeEasyBlock(2, bytes.data())[flag], byte == 1 ? 1.0 : 0.0) << int(byte);
    }
}

TEST(EasyBlocks, TheHiddenBarometricTimerFlagIsAlwaysWrittenOn) {
    TEasyBlockValues values = kStart1;
    values[IndexOf(1, "parShSBaroImitIngOnOff")] = 0;
    EXPECT_EQ(EncodeEasyBlock(1, values).Bytes[17], 1);
    Bytes bytes = kStartBytes1;
    bytes[17] = 0;
    EXPECT_EQ(DecodeEasyBlock(1, bytes.data())[IndexOf(1, "parShSBaroImitIngOnOff")], 0.0);
}

TEST(EasyBlocks, AbnormalStartDelaysUseTheScaleTenBothWays) {
    for (const char* key : {"parVnStTimeoutPar", "parVnStTimeoutMainPar"}) {
        Bytes bytes = kStartBytes1;
        const TEasyField& field = Field(1, key);
        bytes[field.Offset] = 0;
        bytes[field.Offset + 1] = 5;
        TEasyBlockValues values = DecodeEasyBlock(1, bytes.data());
        EXPECT_DOUBLE_EQ(values[IndexOf(1, key)], 0.5) << key;
        EXPECT_EQ(EncodeEasyBlock(1, values).Bytes, bytes) << key;
    }
}

TEST(EasyBlocks, AValueBeyondSixteenBitsIsRefusedNotWrapped) {
    const struct {
        const char* key;
        double value;
        bool fits;
    } cases[] = {
        {"parShSTimerApog", 7000, false},  // 70000 in a x10 field
        {"parShSTimerApog", 6553.5, true},
        {"parShSTimerApog", 6553.6, false},
        {"parShSTimerApog", -1, false},    // unsigned
        {"parShSTimerApog", -0.04, true},  // rounds to 0
        {"parShSAcc", -1.01, false},       // below the bias
        {"parShSAcc", 126.99, true},
        {"parShSAcc", 127, false},
        {"parPasAcc", 63.99, true},
        {"parPasAcc", 64, false},          // 32768 would read back negative
        {"parPasAcc", -63.99, true},
        {"parPasAcc", -64.1, false},
        {"parShSTimerApog", NAN, false},
        {"parShSTimerApog", INFINITY, false},
    };
    for (const auto& c : cases) {
        TEasyBlockValues values = kStart1;
        values[IndexOf(1, c.key)] = c.value;
        TEasyEncoding encoded = EncodeEasyBlock(1, values);
        EXPECT_EQ(encoded.Ok(), c.fits) << c.key << " " << c.value;
        if (c.fits) continue;
        EXPECT_TRUE(encoded.Bytes.empty());
        EXPECT_NE(encoded.Error.find(Field(1, c.key).Caption), std::string::npos) << encoded.Error;
    }
    TEasyBlockValues values = kStart1;
    values[IndexOf(1, "parShSTimerApog")] = 7000;
    EXPECT_EQ(EncodeEasyBlock(1, values).Error,
              "Значение 7000,0 параметра \"Таймер имитации апогея\" нельзя записать в контроллер:\r"
              "допустимо от 0,0 до 6553,5.");
}

TEST(EasyBlocks, EveryFieldSurvivesARoundTrip) {
    for (std::uint8_t block : {1, 2}) {
        const auto& fields = EasyBlockFields(block);
        TEasyBlockValues values;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const bool number = fields[i].Kind == TEasyFieldKind::Number || fields[i].Kind == TEasyFieldKind::SignedNumber;
            // Distinct values a step of the field's scale apart.
            values.push_back(number ? (static_cast<double>(i) * 7 + 3) / fields[i].Scale : i % 2);
        }
        if (block == 1) values[IndexOf(1, "parShSBaroImitIngOnOff")] = 1;
        TEasyEncoding encoded = EncodeEasyBlock(block, values);
        ASSERT_TRUE(encoded.Ok()) << encoded.Error;
        TEasyBlockValues decoded = DecodeEasyBlock(block, encoded.Bytes.data());
        for (std::size_t i = 0; i < fields.size(); ++i) EXPECT_DOUBLE_EQ(decoded[i], values[i]) << fields[i].Key;
    }
}

TEST(EasyBlocks, AWrongNumberOfValuesIsAnError) {
    EXPECT_THROW(EncodeEasyBlock(1, kStart2), std::invalid_argument);
    EXPECT_THROW(EasyBlockFields(3), std::out_of_range);
}
