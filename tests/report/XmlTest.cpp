#include "report/xml/XmlDocument.h"
#include "report/xml/XmlText.h"
#include "tests/support/TempFolder.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Saved(TrpXMLDocument& doc) {
    TStringStream out;
    doc.SaveToStream(out);
    return out.DataString();
}

void Load(TrpXMLDocument& doc, const std::string& text) {
    TStringStream in(text);
    doc.LoadFromStream(in);
}

TEST(XmlTextTest, EscapingTable) {
    const std::pair<std::string, std::string> cases[] = {
        {"a&b", "a&#38;b"},
        {"<x>", "&#60;x&#62;"},
        {"say \"hi\"", "say &#34;hi&#34;"},
        {"1\r\n2", "1&#13;&#10;2"},
        {"&quot;", "&#34;"},
        {"plain Текст", "plain Текст"},
        {"", ""},
    };
    for (const auto& [raw, escaped] : cases) EXPECT_EQ(EscapeAttrText(raw), escaped) << raw;
}

TEST(XmlTextTest, EscapedValuesReadBackWhateverTheirLength) {
    for (int length : {1, 31, 32, 300, 5000}) {
        std::string value;
        for (int i = 0; i < length; ++i) value += "&<>\"\r\nx"[i % 7];
        EXPECT_EQ(UnescapeAttrText(EscapeAttrText(value)), value) << length;
    }
    EXPECT_EQ(UnescapeAttrText(EscapeAttrText("a&quot;b")), "a\"b");
}

TEST(XmlTextTest, UnescapingTable) {
    const std::pair<std::string, std::string> cases[] = {
        {"&quot;&amp;&lt;&gt;", "\"&<>"},
        {"&#65;&#321;", "AA"},   // codes modulo 256
        {"&nbsp; & x", "&nbsp; & x"},
        {"tail &#", "tail &#"},
        {"never closed &#12", "never closed &#12"},
        {"&#38;#34;", "&#34;"},  // one level at a time
    };
    for (const auto& [escaped, raw] : cases) EXPECT_EQ(UnescapeAttrText(escaped), raw) << escaped;
    EXPECT_THROW(UnescapeAttrText("&#x;"), EConvertError);
}

TEST(XmlTextTest, ValuesAsAttributeText) {
    EXPECT_EQ(VariantAttrText(true), "1");
    EXPECT_EQ(VariantAttrText(false), "0");
    EXPECT_EQ(VariantAttrText(std::int64_t{-12}), "-12");
    EXPECT_EQ(VariantAttrText(2.5), "2,5");
    EXPECT_EQ(VariantAttrText(std::string("a<b")), "a&#60;b");
    EXPECT_EQ(VariantAttrText(TrpValue()), "");
}

TEST(XmlItemTest, PropReadsAndReplacesAttributesInPlace) {
    TrpXMLItem item;
    item.Text = "Name=\"Memo1\" Visible=\"False\"";
    EXPECT_EQ(item.Prop("name"), "Memo1");
    EXPECT_EQ(item.Prop("VISIBLE"), "False");
    EXPECT_EQ(item.Prop("Missing"), "");
    item.SetProp("Name", "A&B");
    EXPECT_EQ(item.Text, "Name=\"A&#38;B\" Visible=\"False\"");
    item.SetProp("Left", "10");
    EXPECT_EQ(item.Text, "Name=\"A&#38;B\" Visible=\"False\" Left=\"10\"");
    EXPECT_EQ(item.Prop("Name"), "A&B");
    TrpXMLItem empty;
    empty.SetProp("Top", "1");
    EXPECT_EQ(empty.Text, "Top=\"1\"");
}

TEST(XmlItemTest, ChildrenMoveBetweenParentsAndLeaveWhenFreed) {
    TrpXMLItem a, b;
    TrpXMLItem* x = a.Add();
    x->Name = "x";
    a.Add()->Name = "y";
    b.InsertItem(0, x);
    EXPECT_EQ(a.Count(), 1);
    EXPECT_EQ(b.Items(0), x);
    EXPECT_EQ(x->Parent(), &b);
    EXPECT_EQ(a.Find("Y"), 0);
    EXPECT_EQ(a.FindItem("z")->Name, "z");
    EXPECT_EQ(a.Count(), 2);
    delete x;
    EXPECT_EQ(b.Count(), 0);
}

TEST(XmlDocumentTest, WritesTheIndentedFormAndReadsItBack) {
    TrpXMLDocument doc;
    doc.AutoIndent = true;
    doc.Root().Name = "TrpReport";
    doc.Root().Text = "Version=\"1.0.0\"";
    TrpXMLItem* page = doc.Root().Add();
    page->Name = "TrpReportPage";
    page->Text = "Name=\"Page1\"";
    page->Add()->Name = "TrpMemoView";
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
        "<TrpReport Version=\"1.0.0\">\r\n"
        "  <TrpReportPage Name=\"Page1\">\r\n"
        "    <TrpMemoView/>\r\n"
        "  </TrpReportPage>\r\n"
        "</TrpReport>\r\n";
    EXPECT_EQ(Saved(doc), expected);

    TrpXMLDocument back;
    Load(back, expected);
    EXPECT_TRUE(back.LegacyHeader);
    back.AutoIndent = true;
    EXPECT_EQ(Saved(back), expected);
}

TEST(XmlDocumentTest, ForgivingReadingOfTheEnginesOwnForm) {
    TrpXMLDocument doc;
    Load(doc,
         "<?xml version=\"1.1\" encoding=\"utf-8\"?>"
         "<Root a=\"1\">text is skipped<!-- a <comment> -- here --><One/><Two b=\"2\"/>"
         "<three></THREE><Four c=\"3\" /></root>");
    EXPECT_FALSE(doc.LegacyHeader);
    ASSERT_EQ(doc.Root().Count(), 4);
    EXPECT_EQ(doc.Root().Items(0)->Name, "One");
    EXPECT_EQ(doc.Root().Items(1)->Prop("b"), "2");
    EXPECT_EQ(doc.Root().Items(2)->Count(), 0);
    EXPECT_EQ(doc.Root().Items(3)->Prop("c"), "3");
    EXPECT_EQ(doc.Root().Items(3)->Count(), 0);
}

TEST(XmlDocumentTest, StandaloneDeclarationMeansUtf8Strings) {
    TrpXMLDocument doc;
    Load(doc, "<?xml version=\"1.0\" standalone=\"yes\"?><a/>");
    EXPECT_FALSE(doc.LegacyHeader);
}

TEST(XmlDocumentTest, TextCutBeforeItsLastEndTagsStillLoads) {
    TrpXMLDocument doc;
    Load(doc, "<?xml version=\"1.0\"?><a><b><c/>");
    ASSERT_EQ(doc.Root().Count(), 1);
    EXPECT_EQ(doc.Root().Items(0)->Items(0)->Name, "c");
}

struct DamagedCase {
    const char* what;
    std::string text;
    std::int64_t position;
};

TEST(XmlDocumentTest, DamagedTextsGiveTheErrorAndItsPosition) {
    const DamagedCase cases[] = {
        {"no header", "<a/>", 4},
        {"empty", "", 0},
        {"less-than inside a tag", "<?xml version=\"1.0\"?><a <b/>", 25},
        {"tag cut by the end", "<?xml version=\"1.0\"?><a x=\"1", 28},
        {"header cut by the end", "<?xml vers", 10},
        {"end tag of another element", "<?xml version=\"1.0\"?><a><b></c></a>", 31},
    };
    for (const auto& c : cases) {
        TrpXMLDocument doc;
        try {
            Load(doc, c.text);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const TrpInvalidXMLException& e) {
            EXPECT_EQ(e.Message(), "Invalid file format") << c.what;
            EXPECT_EQ(e.Position(), c.position) << c.what;
            EXPECT_NE(e.Described().find(std::to_string(c.position)), std::string::npos);
        }
    }
}

TEST(XmlDocumentTest, NestingBeyondTheLimitIsRefusedNotFollowed) {
    std::string text = "<?xml version=\"1.0\"?>";
    for (int i = 0; i < 100000; ++i) text += "<a>";
    TrpXMLDocument doc;
    EXPECT_THROW(Load(doc, text), TrpInvalidXMLException);
    std::string fine = "<?xml version=\"1.0\"?>";
    for (int i = 0; i < kMaxXmlDepth; ++i) fine += "<a>";
    EXPECT_NO_THROW(Load(doc, fine));
}

TEST(XmlDocumentTest, UnloadableElementsCarryTheMarkerAndLoadOnDemand) {
    TrpXMLDocument doc;
    doc.Root().Name = "pages";
    TrpXMLItem* page = doc.Root().Add();
    page->Name = "page";
    page->Text = "n=\"1\"";
    page->Unloadable = true;
    page->Add()->Name = "obj";
    TrpXMLItem* bare = doc.Root().Add();
    bare->Name = "page";
    bare->Unloadable = true;
    bare->Add()->Name = "other";
    std::string text = Saved(doc);
    EXPECT_NE(text.find("<page n=\"1\" ld=\"0\"><obj/></page>"), std::string::npos) << text;
    EXPECT_NE(text.find("<page ld=\"0\"><other/></page>"), std::string::npos) << text;

    TrpXMLDocument partial;
    partial.LoadPartially(std::make_unique<TStringStream>(text));
    TrpXMLItem& first = *partial.Root().Items(0);
    EXPECT_FALSE(first.Loaded);
    EXPECT_EQ(first.Count(), 0);
    EXPECT_EQ(first.Text, "n=\"1\"");
    EXPECT_FALSE(partial.Root().Items(1)->Loaded);
    partial.LoadItem(first);
    EXPECT_TRUE(first.Loaded);
    ASSERT_EQ(first.Count(), 1);
    EXPECT_EQ(first.Items(0)->Name, "obj");
    EXPECT_EQ(first.Text, "n=\"1\"");
    // Writing a partially loaded document reads the swapped parts back.
    EXPECT_EQ(Saved(partial), text);
}

TEST(XmlDocumentTest, SwapFileHoldsUnloadedElementsAndGoesAway) {
    TempFolder folder;
    std::string swapName;
    {
        TrpXMLDocument doc;
        doc.TempDir = folder.Path().string();
        doc.Root().Name = "pages";
        TrpXMLItem* page = doc.Root().Add();
        page->Name = "page";
        page->Unloadable = true;
        page->Add()->Text = "x=\"1\"";
        page->Items(0)->Name = "memo";
        std::string before = Saved(doc);
        doc.UnloadItem(*page);
        swapName = doc.TempFile();
        EXPECT_EQ(std::filesystem::path(swapName).parent_path(), folder.Path());
        EXPECT_TRUE(std::filesystem::path(swapName).filename().string().starts_with("fr"));
        EXPECT_FALSE(page->Loaded);
        EXPECT_EQ(page->Count(), 0);
        EXPECT_EQ(Saved(doc), before);
        EXPECT_EQ(page->Count(), 0);  // swapped out again after the write
        doc.LoadItem(*page);
        EXPECT_EQ(page->Items(0)->Prop("x"), "1");
    }
    EXPECT_FALSE(std::filesystem::exists(swapName));
}

}  // namespace
