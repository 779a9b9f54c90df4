#include "report/text/CodePages.h"
#include "report/text/Utf16Text.h"
#include "report/text/WideStrings.h"
#include "ui/core/Component.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/Reader.h"
#include "ui/core/StringList.h"
#include "ui/core/TypeInfo.h"
#include "ui/core/Writer.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::u16string> Lines(const TWideStrings& list) {
    std::vector<std::u16string> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list.Get(i));
    return out;
}

struct TextCase {
    std::u16string text;
    std::vector<std::u16string> lines;
};

TEST(WideStringsTest, TextSplitsAtEveryKindOfBreak) {
    const TextCase cases[] = {
        {u"a\r\n\r\nb", {u"a", u"", u"b"}},
        {u"\r\n", {u""}},
        {u"a\r\n", {u"a"}},
        {u"", {}},
        {u"a\u2028b", {u"a", u"b"}},
        {u"a\n\u2028b", {u"a", u"b"}},
        {u"a\r\n\u2028b", {u"a", u"b"}},
        {u"a\n\rb", {u"a", u"", u"b"}},
        {u"a\rb", {u"a", u"b"}},
        {std::u16string(u"a\nb\0c", 5), {u"a", u"b"}},
    };
    for (const auto& c : cases) {
        TWideStrings list;
        list.SetText(c.text);
        EXPECT_EQ(Lines(list), c.lines) << Utf16ToUtf8(c.text);
    }
}

TEST(WideStringsTest, TextReadBackEndsEveryLineWithCrLf) {
    TWideStrings list;
    list.SetText(u"a\r\n\r\nb");
    EXPECT_EQ(list.Text(), u"a\r\n\r\nb\r\n");
}

TEST(WideStringsTest, InsertReplacesAppendsAtCountAndRefusesBeyond) {
    TWideStrings list;
    list.Add(u"one");
    list.Add(u"two");
    list.Insert(0, u"zero");
    EXPECT_EQ(Lines(list), (std::vector<std::u16string>{u"zero", u"two"}));
    list.Put(2, u"three");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_THROW(list.Insert(4, u"x"), Exception);
    EXPECT_THROW(list.Insert(-1, u"x"), Exception);
    try {
        list.Insert(4, u"x");
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Wide String Out of Bounds");
    }
    EXPECT_THROW(list.Delete(3), EListError);
    EXPECT_EQ(list.Get(7), u"");
    EXPECT_EQ(list.GetObject(-1), nullptr);
    EXPECT_EQ(list.IndexOf(u"two"), 1);
    EXPECT_EQ(list.IndexOf(u"TWO"), -1);
}

TEST(WideStringsTest, SavedListLoadsBackUnchanged) {
    TWideStrings list;
    list.SetText(u"Активный участок\r\n\r\nend \u20AC");
    TMemoryStream stream;
    list.SaveToStream(stream);
    stream.SetPosition(0);
    TWideStrings back;
    back.LoadFromStream(stream);
    EXPECT_EQ(Lines(back), Lines(list));
}

TEST(WideStringsTest, UnmarkedBytesAreUtf8OrWindows1251) {
    struct Case {
        std::string bytes;
        std::u16string line;
    };
    const Case cases[] = {
        {"a", u"a"},
        {"ab", u"ab"},
        {"\xD0\x90\xD0\xB1", u"Аб"},   // UTF-8
        {"\xC0\xE1\xE2", u"Абв"},      // Windows-1251
    };
    for (const auto& c : cases) {
        TMemoryStream stream;
        stream.WriteBuffer(c.bytes.data(), static_cast<std::int64_t>(c.bytes.size()));
        stream.SetPosition(0);
        TWideStrings list;
        list.LoadFromStream(stream);
        ASSERT_EQ(list.Count(), 1) << c.bytes;
        EXPECT_EQ(list.Get(0), c.line);
    }
}

TEST(WideStringsTest, AssignsToAndFromStringLists) {
    TStringList plain;
    plain.Add("Высота");
    plain.AddObject("b", &plain);
    TWideStrings wide;
    wide.Assign(&plain);
    EXPECT_EQ(Lines(wide), (std::vector<std::u16string>{u"Высота", u"b"}));
    EXPECT_EQ(wide.GetObject(1), &plain);
    TStringList back;
    back.Assign(&wide);
    EXPECT_EQ(back.Text(), "Высота\r\nb\r\n");
    EXPECT_EQ(back.Objects(1), &plain);
}

// Form data holds the lines through the defined property "UTF8".
class TLinesHolder : public TComponent {
    DECLARE_CLASS_INFO
public:
    using TComponent::TComponent;
    TWideStrings Lines;
    void DefineProperties(TFiler& filer) override { Lines.DefineProperties(filer); }
};
const TClassInfo& TLinesHolder::StaticClass() {
    static const TClassInfo info = [] {
        TClassInfo i("TLinesHolder", &TComponent::StaticClass());
        i.SetConstructor([](TObject* o) -> TPersistent* { return new TLinesHolder(dynamic_cast<TComponent*>(o)); });
        return i;
    }();
    return info;
}

TEST(WideStringsTest, Utf8FormDataReadsBackEveryCharacter) {
    TLinesHolder source(nullptr);
    source.Lines.SetText(u"Активный участок подъема\r\n\r\n\U0001F680 ok");
    TMemoryStream stream;
    stream.WriteComponent(&source);
    EXPECT_NE(std::string(stream.Bytes()).find("UTF8"), std::string::npos);
    stream.SetPosition(0);
    TLinesHolder back(nullptr);
    stream.ReadComponent(&back);
    EXPECT_EQ(Lines(back.Lines), Lines(source.Lines));
}

TEST(CodePagesTest, CharsetsGiveTheirCodePages) {
    EXPECT_EQ(CharSetToCodePage(1), 1251u);
    EXPECT_EQ(CharSetToCodePage(77), CP_MACCP);
    EXPECT_EQ(CharSetToCodePage(255), CP_OEMCP);
    EXPECT_EQ(CharSetToCodePage(204), 1251u);
    EXPECT_EQ(CharSetToCodePage(0), 1252u);
    EXPECT_EQ(CharSetToCodePage(238), 1250u);
    EXPECT_THROW(CharSetToCodePage(99), Exception);
}

TEST(CodePagesTest, CharsetLocales) {
    const std::pair<int, std::uint32_t> cases[] = {{128, 1041}, {178, 13313}, {204, 1049}, {238, 1029}, {222, 1054}};
    for (auto [charset, locale] : cases) EXPECT_EQ(CharsetToLocale(static_cast<std::uint8_t>(charset)), locale);
}

TEST(CodePagesTest, ByteTablesOfTheCyrillicCodePages) {
    struct Case {
        std::uint8_t charset;
        std::uint32_t codePage;
        std::string bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {1, 0, "\xC0\xFF\xA8\xB8\xB9", u"АяЁё№"},                    // 1251 through the default set
        {204, 0, "\x88", u"\u20AC"},                                  // 1251 by the Russian set
        {255, 0, "\x80\xAF\xE0\xEF\xF0\xF1\xFC\xB0", u"АпряЁё№\u2591"},  // OEM 866
        {77, 0, "\x80\x9F\xE0\xFE\xDD\xDE\xFF", u"АЯаюЁё\u00A4"},     // Macintosh Cyrillic
        {0, 1252, "\x80\xE9\x9F", u"\u20AC\u00E9\u0178"},
        {0, CP_UTF8, "\xD0\x96", u"Ж"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnsiToUnicode(c.bytes, c.charset, c.codePage), c.text) << int(c.charset) << " " << c.codePage;
        EXPECT_EQ(UnicodeToAnsi(c.text, c.charset, c.codePage), c.bytes) << int(c.charset) << " " << c.codePage;
    }
}

TEST(CodePagesTest, EveryByteOfEachTableRoundTrips) {
    for (std::uint32_t codePage : {1251u, 1252u, 866u, 10007u}) {
        std::string all;
        for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
        std::u16string wide = AnsiToUnicode(all, 0, codePage);
        ASSERT_EQ(wide.size(), all.size()) << codePage;
        EXPECT_EQ(UnicodeToAnsi(wide, 0, codePage), all) << codePage;
    }
}

TEST(CodePagesTest, FailedConversionsGiveEmptyText) {
    EXPECT_EQ(UnicodeToAnsi(u"Ж", 0, 1252), "");       // no place for it
    EXPECT_EQ(AnsiToUnicode("abc", 0, 932), u"");       // no table
    EXPECT_EQ(AnsiToUnicode("", 1, 0), u"");
    EXPECT_EQ(UnicodeToAnsi(u"Жук", 1, 0), "\xC6\xF3\xEA");
}

TEST(Utf16TextTest, SurrogatePairsAndLoneSurrogates) {
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x9A\x80"), u"\U0001F680");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F680"), "\xF0\x9F\x9A\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToUtf16("\xFF"), u"\uFFFD");
}

}  // namespace
