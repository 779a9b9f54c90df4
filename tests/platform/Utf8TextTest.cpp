#include "platform/text/Utf8Text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using platform::DecodeUtf8;
using platform::EncodeUtf8;
using platform::IsValidUtf8;
using platform::NextCodePoint;

constexpr char32_t kBad = platform::kReplacementCharacter;

TEST(Utf8Text, DecodesWellFormedTextAndGivesOneReplacementPerBadByte) {
    const struct {
        const char* what;
        std::string bytes;
        std::u32string decoded;
    } cases[] = {
        {"empty", "", U""},
        {"ASCII", "Ok 1", U"Ok 1"},
        {"zero byte", std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
        {"two bytes", "\xD0\x81\xD1\x91", U"Ёё"},
        {"three bytes", "\xE2\x82\xAC", U"€"},
        {"four bytes", "\xF0\x9F\x9A\x80", U"\U0001F680"},
        {"edges of each length", "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF",
         U"\x7F\x80\x7FF\x800\xFFFF\U00010000\U0010FFFF"},
        {"overlong two bytes", "\xC0\x80" "a", {kBad, kBad, U'a'}},
        {"overlong two bytes below 0x80", "\xC1\xBF", {kBad, kBad}},
        {"overlong three bytes", "\xE0\x80\xAF", {kBad, kBad, kBad}},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF", {kBad, kBad, kBad, kBad}},
        {"high surrogate", "\xED\xA0\x80", {kBad, kBad, kBad}},
        {"low surrogate", "\xED\xBF\xBF" "z", {kBad, kBad, kBad, U'z'}},
        {"past U+10FFFF", "\xF4\x90\x80\x80", {kBad, kBad, kBad, kBad}},
        {"lead byte F5", "\xF5\x80\x80\x80", {kBad, kBad, kBad, kBad}},
        {"bytes FE and FF", "\xFE\xFF", {kBad, kBad}},
        {"two-byte lead at the end", "ab\xD0", {U'a', U'b', kBad}},
        {"three-byte sequence cut at the end", "\xE2\x82", {kBad, kBad}},
        {"four-byte sequence cut at the end", "\xF0\x9F\x9A", {kBad, kBad, kBad}},
        {"stray continuation bytes", "\x80x\xBF", {kBad, U'x', kBad}},
        {"a lead cut short by ASCII keeps the ASCII", "\xE2" "AB", {kBad, U'A', U'B'}},
        {"a lead cut short by a good character keeps it", "\xE2\xD0\x81", {kBad, U'Ё'}},
        {"a Windows-1251 word", "\xCF\xF3\xF1\xEA", {kBad, kBad, kBad, kBad}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeUtf8(c.bytes), c.decoded) << c.what;
        bool wellFormed = c.decoded.find(kBad) == std::u32string::npos;
        EXPECT_EQ(IsValidUtf8(c.bytes), wellFormed) << c.what;
        // Step by step: each call moves on by at least one byte and never past the end.
        std::size_t at = 0, steps = 0;
        while (at < c.bytes.size()) {
            std::size_t before = at;
            char32_t code = NextCodePoint(c.bytes, at);
            ASSERT_GT(at, before) << c.what;
            ASSERT_LE(at, c.bytes.size()) << c.what;
            ASSERT_LT(steps, c.decoded.size()) << c.what;
            EXPECT_EQ(code, c.decoded[steps++]) << c.what;
        }
        EXPECT_EQ(steps, c.decoded.size()) << c.what;
    }
}

TEST(Utf8Text, ASequenceIsNotReadPastTheEndOfItsView) {
    const std::string whole = "\xE2\x82\xAC";  // € in a longer buffer
    EXPECT_EQ(DecodeUtf8(std::string_view(whole).substr(0, 2)), (std::u32string{kBad, kBad}));
    EXPECT_EQ(DecodeUtf8(platform::Utf8Argument(whole.c_str(), 2)), (std::u32string{kBad, kBad}));
    EXPECT_EQ(DecodeUtf8(platform::Utf8Argument(whole.c_str(), -1)), U"€");
}

TEST(Utf8Text, EncodesEveryCodePointAndReplacesWhatUtf8CannotHold) {
    const struct {
        std::u32string text;
        std::string bytes;
    } cases[] = {
        {U"Ok", "Ok"},
        {U"\x7F\x80\x7FF\x800\xFFFF\U00010000\U0010FFFF",
         "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
        {U"Полёт", "\xD0\x9F\xD0\xBE\xD0\xBB\xD1\x91\xD1\x82"},
        {{char32_t{0xD800}, U'a', char32_t{0xDFFF}}, "\xEF\xBF\xBD" "a\xEF\xBF\xBD"},
        {{char32_t{0x110000}, char32_t{0xFFFFFFFF}}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        std::string encoded = EncodeUtf8(c.text);
        EXPECT_EQ(encoded, c.bytes);
        EXPECT_TRUE(IsValidUtf8(encoded));
        std::string appended = "<";
        for (char32_t code : c.text) platform::AppendUtf8(appended, code);
        EXPECT_EQ(appended, "<" + c.bytes);
    }
}

TEST(Utf8Text, DecodingWhatWasEncodedGivesTheTextBack) {
    const std::u32string text = U"Высота 1250 м, \x80\x7FF\x800\xFFFD\U0001F680\U0010FFFF";
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
}

}  // namespace
