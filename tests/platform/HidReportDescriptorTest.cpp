#include "platform/hid/HidReportDescriptor.h"

#include <gtest/gtest.h>

#include <vector>

using platform::ParseHidReportLengths;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Vendor page, usage 1, an application collection around the items.
Bytes Collection(const Bytes& items) {
    return Join({{0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01}, items, {0xC0}});
}

const Bytes kInput64 = {0x75, 0x08, 0x95, 0x40, 0x81, 0x02};    // 64 bytes in
const Bytes kOutput64 = {0x75, 0x08, 0x95, 0x40, 0x91, 0x02};   // 64 bytes out
const Bytes kFeature64 = {0x75, 0x08, 0x95, 0x40, 0xB1, 0x02};  // 64 bytes feature

}  // namespace

TEST(HidReportDescriptor, LengthsAreTheLongestReportOfEachKindPlusTheIdByte) {
    const struct {
        const char* name;
        Bytes descriptor;
        std::uint16_t input, output, feature;
        bool numbered;
    } cases[] = {
        {"the controller's three 64-byte reports", Collection(Join({kInput64, kOutput64, kFeature64})), 65, 65, 65, false},
        {"feature only", Collection(kFeature64), 0, 0, 65, false},
        {"bits rounded up to bytes", Collection({0x75, 0x01, 0x95, 0x03, 0x81, 0x02}), 2, 0, 0, false},
        {"fields of one report add up", Collection({0x75, 0x08, 0x95, 0x02, 0x81, 0x02, 0x75, 0x10, 0x95, 0x01, 0x81, 0x02}),
         5, 0, 0, false},
        {"numbered reports: the longest one",
         Collection({0x85, 0x01, 0x75, 0x08, 0x95, 0x04, 0x81, 0x02, 0x85, 0x02, 0x75, 0x08, 0x95, 0x10, 0x81, 0x02}), 17, 0, 0,
         true},
        {"push and pop keep the size", Collection({0x75, 0x08, 0xA4, 0x75, 0x10, 0xB4, 0x95, 0x03, 0xB1, 0x02}), 0, 0, 4, false},
        {"a long item is passed over", Collection(Join({{0xFE, 0x02, 0x10, 0xAA, 0xBB}, kInput64})), 65, 0, 0, false},
    };
    for (const auto& c : cases) {
        auto lengths = ParseHidReportLengths(c.descriptor.data(), c.descriptor.size());
        EXPECT_TRUE(lengths.valid) << c.name;
        EXPECT_EQ(lengths.input, c.input) << c.name;
        EXPECT_EQ(lengths.output, c.output) << c.name;
        EXPECT_EQ(lengths.feature, c.feature) << c.name;
        EXPECT_EQ(lengths.numberedReports, c.numbered) << c.name;
        EXPECT_EQ(lengths.usagePage, 0xFF00) << c.name;
        EXPECT_EQ(lengths.usage, 0x0001) << c.name;
    }
}

TEST(HidReportDescriptor, DamagedDescriptorsAreMarkedInvalidWithoutReadingPastTheEnd) {
    Bytes whole = Collection(kInput64);
    const struct {
        const char* name;
        Bytes descriptor;
    } cases[] = {
        {"cut inside an item", Bytes(whole.begin(), whole.begin() + 2)},
        {"unclosed collection", Bytes(whole.begin(), whole.end() - 1)},
        {"end without a collection", {0xC0}},
        {"pop without push", {0xB4}},
        {"long item cut", {0xFE, 0x05, 0x10, 0x01}},
        {"more pushes than kept", Bytes(40, 0xA4)},
    };
    for (const auto& c : cases) EXPECT_FALSE(ParseHidReportLengths(c.descriptor.data(), c.descriptor.size()).valid) << c.name;
    EXPECT_FALSE(ParseHidReportLengths(nullptr, 0).valid);
}

TEST(HidReportDescriptor, HugeCountsAreHeldWithinTheLengthField) {
    Bytes descriptor = Collection({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02});
    auto lengths = ParseHidReportLengths(descriptor.data(), descriptor.size());
    EXPECT_TRUE(lengths.valid);
    EXPECT_EQ(lengths.input, 0xFFFF);
}
