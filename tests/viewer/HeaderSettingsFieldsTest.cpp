// The header page's settings values as the event-marker window shows them.

#include "viewer/eventmarkers/HeaderSettingsFields.h"

#include <gtest/gtest.h>

namespace {

LogPage PageWithPair(std::size_t byte, std::uint8_t high, std::uint8_t low) {
    LogPage page{};
    page[byte] = high;
    page[byte + 1] = low;
    return page;
}

}  // namespace

TEST(HeaderSettingsFields, ValuesByTheScaleTheSettingsWindowWrites) {
    const struct {
        int label;
        std::uint8_t high, low;
        const char* text;
    } cases[] = {
        {6, 0x08, 0x00, "3,0"},    // 2048 / 512 - 1
        {6, 0x02, 0x00, "0,0"},    // 512 / 512 - 1
        {6, 0x00, 0x00, "-1,0"},
        {7, 0x00, 0x96, "1,5"},    // hundredths
        {10, 0x00, 0x7D, "12"},    // 12,5 s: whole seconds, halves to even
        {10, 0x00, 0x87, "14"},    // 13,5 s
        {21, 0x01, 0x2C, "30"},
        {9, 0x00, 0x19, "2,5"},
        {22, 0x00, 0x64, "10,0"},
        {23, 0x00, 0x0F, "1,5"},   // filter time constant, tenths
        {29, 0xFF, 0x00, "-0,50"}, // signed: -256 / 512
        {29, 0x80, 0x00, "64,00"}, // 32768 stays positive under the sign rule
        {29, 0x80, 0x01, "-64,00"},
        {29, 0x01, 0x00, "0,50"},
        {26, 0x01, 0x2C, "3,0"},   // hundredths
        {31, 0x00, 0x32, "5,0"},   // barometer lock time-out, tenths
        {33, 0x00, 0x05, "0,5"},
        {34, 0x00, 0x0A, "1,0"},   // igniter time, tenths
        {35, 0x00, 0x0C, "1,2"},   // drogue delay, tenths
        {37, 0x00, 0x07, "0,7"},
        {38, 0x00, 0x96, "150"},   // main-chute altitude, whole metres
        {41, 0x00, 0x14, "2,0"},
        {42, 0x00, 0x03, "3"},     // landing detection time, whole seconds
        {40, 0xFF, 0xFF, "6554"},  // never signed unless marked
    };
    for (const auto& c : cases) {
        const HeaderValueField& field = HeaderValueFieldOfLabel(c.label);
        EXPECT_EQ(HeaderValueText(PageWithPair(field.PageByte, c.high, c.low), field), c.text) << "Label" << c.label;
    }
}

TEST(HeaderSettingsFields, FieldsCoverTheSnapshotInByteOrderWithoutOverlap) {
    const auto& values = HeaderValueFields();
    const auto& flags = HeaderFlagFields();
    EXPECT_EQ(values.size(), 26u);
    EXPECT_EQ(flags.size(), 7u);
    // Every byte from 11 to 69 is read once: a value's two bytes or a flag's one.
    std::vector<int> reads(kLogPageSize, 0);
    for (const auto& v : values) {
        ++reads[v.PageByte];
        ++reads[v.PageByte + 1];
    }
    for (const auto& f : flags) ++reads[f.PageByte];
    for (std::size_t byte = 0; byte < kLogPageSize; ++byte)
        EXPECT_EQ(reads[byte], byte >= 11 && byte <= 69 ? 1 : 0) << "page byte " << byte;
    for (std::size_t i = 1; i < values.size(); ++i) EXPECT_LT(values[i - 1].PageByte, values[i].PageByte);
    for (std::size_t i = 1; i < flags.size(); ++i) EXPECT_LT(flags[i - 1].PageByte, flags[i].PageByte);
}

TEST(HeaderSettingsFields, OnlyOneMeansOn) {
    const HeaderFlagField& flag = HeaderFlagFields().front();
    for (std::uint8_t byte : {0, 2, 0xFF}) {
        LogPage page{};
        page[flag.PageByte] = byte;
        EXPECT_FALSE(HeaderFlagOn(page, flag)) << int(byte);
    }
    LogPage page{};
    page[flag.PageByte] = 1;
    EXPECT_TRUE(HeaderFlagOn(page, flag));
}
