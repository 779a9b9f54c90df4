// The DIP controller's settings blocks: byte places, scales, the launch and
// burnout accelerations, flags, output keys, decoding, and values refused
// rather than wrapped or sent without a choice.

#include "settings/dip/DipBlocks.h"
#include "tools/emulator/EmulatedDipSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The window's start values, in field order.
const TDipBlockValues kStart1 = {2.00, 0.30, 0, 10, 30, 2.00, 0.30, 0.3, 0.10, 0.30, 2.0, 5, 0.5, 1, 70, 0.5};
const TDipBlockValues kStart2 = {1.5, 0, 2.0, 0, 1, 0.2, 0, 1, 1.8, 0, 1, 5.2, 20, 200, 0, 0, 100, 50, 10, 5, 5, 5.0};

const Bytes kStartBytes1 = {0x06, 0x00, 0x00, 0x1E, 0x00, 0x00, 0x64, 0x01, 0x2C, 0x06, 0x00, 0x00, 0x1E, 0x00, 0x03,
                            0x01, 0xCD, 0x00, 0x1E, 0x00, 0x14, 0x00, 0x32, 0x00, 0x05, 0x01, 0x02, 0xBC, 0x00, 0x05};
const Bytes kStartBytes2 = {0x00, 0x0F, 0x00, 0x00, 0x14, 0x00, 0x01, 0x00, 0x02, 0x00, 0x01, 0x00,
                            0x12, 0x00, 0x01, 0x00, 0x34, 0x00, 0xC8, 0x07, 0xD0, 0x00, 0x00, 0x03,
                            0xE8, 0x01, 0xF4, 0x00, 0x64, 0x00, 0x32, 0x00, 0x32, 0x00, 0x32};

std::size_t IndexOf(std::uint8_t block, const std::string& key) {
    const auto& fields = DipBlockFields(block);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (key == fields[i].Key) return i;
    throw std::invalid_argument(key);
}

std::size_t Width(TDipFieldKind kind) { return kind == TDipFieldKind::Flag || kind == TDipFieldKind::OutputKey ? 1 : 2; }

// Block 1 or 2 with the start bytes, one field's bytes replaced.
Bytes WithBytes(std::uint8_t block, const std::string& key, Bytes raw) {
    Bytes bytes = block == 1 ? kStartBytes1 : kStartBytes2;
    const TDipField& field = DipBlockFields(block)[IndexOf(block, key)];
    std::copy(raw.begin(), raw.end(), bytes.begin() + field.Offset);
    return bytes;
}

double Decoded(std::uint8_t block, const std::string& key, Bytes raw) {
    return DecodeDipBlock(block, WithBytes(block, key, std::move(raw)).data())[IndexOf(block, key)];
}

}  // namespace

TEST(DipBlocks, FieldsFillEachBlockWithoutGapsOrOverlap) {
    for (std::uint8_t block : {1, 2}) {
        std::size_t next = 0;
        for (const TDipField& field : DipBlockFields(block)) {
            EXPECT_EQ(field.Offset, next) << field.Key;
            next = field.Offset + Width(field.Kind);
        }
        EXPECT_EQ(next, DipBlockSize(block));
    }
    EXPECT_EQ(DipBlockSize(1), 30u);
    EXPECT_EQ(DipBlockSize(2), 35u);
}

TEST(DipBlocks, StartValuesEncodeToTheControllersBytes) {
    EXPECT_EQ(EncodeDipBlock(1, kStart1).Bytes, kStartBytes1);
    EXPECT_EQ(EncodeDipBlock(2, kStart2).Bytes, kStartBytes2);
}

TEST(DipBlocks, TheEmulatedControllerStartsWithTheWindowsStartValues) {
    const auto blocks = DipFactorySettingsBlocks();
    EXPECT_EQ(blocks.at(1), kStartBytes1);
    EXPECT_EQ(blocks.at(2), kStartBytes2);
}

TEST(DipBlocks, EveryBlockDecodesBackToWhatWasEncoded) {
    for (std::uint8_t block : {1, 2}) {
        const TDipBlockValues& start = block == 1 ? kStart1 : kStart2;
        const TDipBlockValues decoded = DecodeDipBlock(block, EncodeDipBlock(block, start).Bytes.data());
        ASSERT_EQ(decoded.size(), start.size());
        for (std::size_t i = 0; i < start.size(); ++i)
            // Within half a step of the field's scale; the bytes then agree exactly.
            EXPECT_NEAR(decoded[i], start[i], 0.5 / DipBlockFields(block)[i].Scale) << DipBlockFields(block)[i].Key;
        EXPECT_EQ(EncodeDipBlock(block, decoded).Bytes, EncodeDipBlock(block, start).Bytes);
    }
}

TEST(DipBlocks, ScalesAndRoundingOfSingleFields) {
    const struct {
        std::uint8_t block;
        const char* key;
        double value;
        Bytes stored;
    } cases[] = {
        {1, "parPasAcc", 0.10, {0x01, 0xCD}},           // round(460.8) = 461
        {1, "parPasAcc", 0.99, {0x00, 0x05}},           // round(5.12)
        {1, "parPasAcc", 1.5, {0xFF, 0x00}},            // -256 as two's complement
        {1, "parShSAcc", 0.01, {0x02, 0x05}},           // round(517.12) = 517
        {1, "parShSAcc", 9.99, {0x15, 0xFB}},           // round(5626.88) = 5627
        {1, "parShSAccTime", 0.125, {0x00, 0x0C}},      // 12.5 goes to the even 12
        {1, "parShSAccTime", 0.135, {0x00, 0x0E}},      // 13.5 goes to the even 14
        {2, "parSpuskVtorAltPar", 999, {0x27, 0x06}},   // 9990
        {2, "parSpuskVosplamTime", 0.25, {0x00, 0x02}}, // 2.5 goes to 2
    };
    for (const auto& c : cases) {
        TDipBlockValues values = c.block == 1 ? kStart1 : kStart2;
        values[IndexOf(c.block, c.key)] = c.value;
        const TDipEncoding encoded = EncodeDipBlock(c.block, values);
        ASSERT_TRUE(encoded.Ok()) << c.key << " " << c.value;
        const std::size_t at = DipBlockFields(c.block)[IndexOf(c.block, c.key)].Offset;
        EXPECT_EQ(Bytes(encoded.Bytes.begin() + at, encoded.Bytes.begin() + at + 2), c.stored) << c.key << " " << c.value;
    }
}

TEST(DipBlocks, DecodingAppliesTheSignRuleAndTheAccelerationBias) {
    const struct {
        std::uint8_t block;
        const char* key;
        Bytes raw;
        double value;
    } cases[] = {
        {1, "parPasAcc", {0x01, 0xCD}, 51.0 / 512},
        {1, "parPasAcc", {0x02, 0x01}, -1.0 / 512},              // above 512: a negative deceleration
        {1, "parPasAcc", {0x80, 0x00}, (512.0 - 32768) / 512},   // 0x8000 stays positive
        {1, "parPasAcc", {0x80, 0x01}, (512.0 + 32767) / 512},   // 0x8001 is -32767
        {1, "parPasAcc", {0xFF, 0xFF}, 513.0 / 512},
        {1, "parShSAcc", {0x00, 0x00}, -1},
        {1, "parVnShSAcc", {0x04, 0x00}, 1},
        {1, "parVnShSAngel", {0x00, 0x0A}, 1},                   // the edit shows its minimum 10
        {1, "parVnShSAngel", {0x03, 0xE8}, 100},                 // the edit shows its maximum 70
        {2, "parGndBaroDelta", {0xFF, 0xFF}, 6553.5},
        {1, "parShSAccTime", {0x00, 0x1E}, 0.3},
    };
    for (const auto& c : cases) EXPECT_NEAR(Decoded(c.block, c.key, c.raw), c.value, 1e-12) << c.key;
}

TEST(DipBlocks, FlagsAreOnOnlyForOne) {
    for (const auto& [byte, on] : std::vector<std::pair<std::uint8_t, double>>{{0, 0}, {1, 1}, {2, 0}, {0xFF, 0}}) {
        EXPECT_EQ(Decoded(1, "parShSImitApog", {byte}), on) << int(byte);
        EXPECT_EQ(Decoded(2, "parGndOn", {byte}), on) << int(byte);
    }
    TDipBlockValues values = kStart1;
    values[IndexOf(1, "parApogAngelOn")] = 5;
    EXPECT_EQ(EncodeDipBlock(1, values).Bytes[25], 1);
}

TEST(DipBlocks, OutputKeysOfThreeOrMoreShowNoChoiceAndAreNeverSentBack) {
    for (const auto& [byte, key] : std::vector<std::pair<std::uint8_t, double>>{
             {0, 0}, {1, 1}, {2, 2}, {3, kDipNoKey}, {0x7F, kDipNoKey}, {0xFF, kDipNoKey}})
        EXPECT_EQ(Decoded(2, "parSpuskRazborKey", {byte}), key) << int(byte);

    const Bytes read = WithBytes(2, "parSpuskTormoKey", {0xFF});
    const TDipEncoding back = EncodeDipBlock(2, DecodeDipBlock(2, read.data()));
    EXPECT_FALSE(back.Ok());
    EXPECT_TRUE(back.Bytes.empty());
    EXPECT_NE(back.Error.find("Выброс тормозного парашюта"), std::string::npos) << back.Error;

    for (double key : {0.0, 1.0, 2.0}) {
        TDipBlockValues values = kStart2;
        values[IndexOf(2, "parSpuskVtorKey")] = key;
        EXPECT_EQ(EncodeDipBlock(2, values).Bytes[21], key);
    }
}

TEST(DipBlocks, ValuesBeyondSixteenBitsAreRefusedNotWrapped) {
    const struct {
        std::uint8_t block;
        const char* key;
        double value;
    } cases[] = {
        {2, "parSpuskVtorAltPar", 6553.6},
        {1, "parShSTimerApog", -0.1},
        {1, "parShSAcc", -1.01},
        {1, "parShSAcc", 127},
        {1, "parPasAcc", -63.01},
        {1, "parPasAcc", 65},
        {1, "parApogFilt", std::numeric_limits<double>::quiet_NaN()},
        {1, "parApogFilt", std::numeric_limits<double>::infinity()},
    };
    for (const auto& c : cases) {
        TDipBlockValues values = c.block == 1 ? kStart1 : kStart2;
        values[IndexOf(c.block, c.key)] = c.value;
        const TDipEncoding encoded = EncodeDipBlock(c.block, values);
        EXPECT_FALSE(encoded.Ok()) << c.key << " " << c.value;
        EXPECT_TRUE(encoded.Bytes.empty());
    }
    TDipBlockValues edge = kStart1;
    edge[IndexOf(1, "parPasAcc")] = -63;  // 512 + 32256 = 32768, the largest that reads back
    EXPECT_TRUE(EncodeDipBlock(1, edge).Ok());
}
