// The script XML tree: items, attributes and their escaping, reading and
// writing, and what a broken or hostile text gets.
#include "script/xml/XMLDocument.h"
#include "script/xml/XMLReader.h"
#include "script/xml/XMLText.h"
#include "tests/support/TempFolder.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

namespace {

void Load(TscXMLDocument& document, const std::string& text) {
    TStringStream stream(text);
    document.LoadFromStream(stream);
}

std::string Save(const TscXMLDocument& document) {
    TStringStream stream;
    document.SaveToStream(stream);
    return stream.DataString();
}

std::string ExceptionText(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(nothing raised)";
}

}  // namespace

TEST(ScriptXMLText, EscapesOnlyWhatBreaksATag) {
    struct Case {
        std::string value;
        std::string escaped;
    };
    const Case cases[] = {
        {"a<b", "a&#60;b"},
        {"x > 1", "x &#62; 1"},
        {"say \"hi\"", "say &#34;hi&#34;"},
        {"two\r\nlines", "two&#13;&#10;lines"},
        {"a & b &amp; &lt;", "a & b &amp; &lt;"},
        {"Привет", "Привет"},
        // What would read back as an entity keeps its ampersand.
        {"&quot;", "&#38;quot;"},
        {"'&#60;' &#x &#", "'&#38;#60;' &#38;#x &#38;#"},
        {"&", "&"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeXMLText(c.value), c.escaped) << c.value;
        EXPECT_EQ(DecodeXMLText(c.escaped), c.value) << c.escaped;
    }
}

TEST(ScriptXMLText, DecodesNumberedAndQuotEntitiesOnly) {
    EXPECT_EQ(DecodeXMLText("&#60;&#62;&quot;&lt;&amp;"), "<>\"&lt;&amp;");
    EXPECT_EQ(DecodeXMLText("&#1025;"), "Ё");
    // The last character never starts a sequence, nor does "&#" at the end.
    EXPECT_EQ(DecodeXMLText("a&"), "a&");
    EXPECT_EQ(DecodeXMLText("a&#"), "a&#");
}

TEST(ScriptXMLText, BrokenCharacterReferenceIsAnErrorWithItsPlace) {
    // Each would have sent the scan for ";" past the text, or made a wrong character.
    for (const char* text : {"ab&#60", "&#6x;", "&#;", "x&#99999999999;"}) {
        const std::string message = ExceptionText([&] { DecodeXMLText(text); });
        EXPECT_NE(message.find("позиция"), std::string::npos) << text << ": " << message;
    }
    EXPECT_NE(ExceptionText([] { DecodeXMLText("ab&#60"); }).find("позиция 3"), std::string::npos);
}

TEST(ScriptXMLItem, PropReadsWritesAndReplacesAttributes) {
    TscXMLItem item;
    item.SetProp("text", "a<b");
    item.SetProp("pos", "1:2");
    EXPECT_EQ(item.Text(), "text=\"a&#60;b\" pos=\"1:2\"");
    item.SetProp("TEXT", "c");
    EXPECT_EQ(item.Text(), "TEXT=\"c\" pos=\"1:2\"");
    EXPECT_EQ(item.Prop("Text"), "c");
    EXPECT_EQ(item.Prop("pos"), "1:2");
    // Only whole names at an attribute's start.
    EXPECT_EQ(item.Prop("os"), "");
    EXPECT_EQ(item.Prop("missing"), "");
}

TEST(ScriptXMLItem, ChildrenMoveBetweenParentsAndFreeThemselves) {
    TscXMLItem a, b;
    TscXMLItem* first = a.Add();
    first->SetName("first");
    TscXMLItem* second = a.Add();
    second->SetName("second");
    b.AddItem(first);
    EXPECT_EQ(a.Count(), 1);
    EXPECT_EQ(first->Parent(), &b);
    a.InsertItem(0, first);
    EXPECT_EQ(a.Items(0), first);
    EXPECT_EQ(b.Count(), 0);
    EXPECT_EQ(a.Find("SECOND"), 1);
    EXPECT_EQ(a.Find("third"), -1);
    EXPECT_EQ(first->Root(), &a);
    delete second;
    EXPECT_EQ(a.Count(), 1);
    EXPECT_THROW(a.Items(1), EListError);
}

TEST(ScriptXMLItem, FindItemAddsWhatIsMissing) {
    TscXMLItem item;
    TscXMLItem* errors = item.FindItem("errors");
    EXPECT_EQ(item.Count(), 1);
    EXPECT_EQ(errors->Name(), "errors");
    EXPECT_EQ(item.FindItem("ERRORS"), errors);
    EXPECT_EQ(item.Count(), 1);
}

TEST(ScriptXMLItem, CopyFromTakesADeepCopyAndNothingClears) {
    TscXMLItem source;
    source.SetName("a");
    source.SetText("x=\"1\"");
    source.SetData(7);
    source.Add()->Add()->SetName("grandchild");
    TscXMLItem copy;
    copy.Add();
    copy.Add();
    copy.CopyFrom(&source);
    EXPECT_EQ(copy.Name(), "a");
    EXPECT_EQ(copy.Prop("x"), "1");
    EXPECT_EQ(copy.Data(), 7);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_NE(copy.Items(0), source.Items(0));
    EXPECT_EQ(copy.Items(0)->Items(0)->Name(), "grandchild");
    copy.CopyFrom(nullptr);
    EXPECT_EQ(copy.Count(), 0);
}

TEST(ScriptXMLDocument, ChildlessElementsReadAlike) {
    for (const char* text : {"<?xml version=\"1.0\"?><a x=\"1\"/>", "<?xml version=\"1.0\"?><a x=\"1\" />",
                             "<?xml version=\"1.0\"?><a x=\"1\"></a>", "<?xml?><a x=\"1\">text</a>"}) {
        TscXMLDocument document;
        Load(document, text);
        EXPECT_EQ(document.Root()->Name(), "a") << text;
        EXPECT_EQ(document.Root()->Prop("X"), "1") << text;
        EXPECT_EQ(document.Root()->Count(), 0) << text;
    }
    TscXMLDocument bare;
    Load(bare, "<?xml?><a/>");
    EXPECT_EQ(bare.Root()->Name(), "a");
    EXPECT_EQ(bare.Root()->Prop("x"), "");
}

TEST(ScriptXMLDocument, CommentsAndCharacterDataLeaveNoTrace) {
    TscXMLDocument document;
    Load(document, "<?xml?>\r\n<!-- a <comment> -- with -x- -->text<r><!-- --->still -->"
                   "<c n=\"1\"/>between<c n=\"2\"/></r>");
    ASSERT_EQ(document.Root()->Count(), 2);
    EXPECT_EQ(document.Root()->Items(1)->Prop("n"), "2");
}

TEST(ScriptXMLDocument, UnclosedElementsAtTheEndAreClosed) {
    TscXMLDocument document;
    Load(document, "<?xml?><a><b><c/>");
    ASSERT_EQ(document.Root()->Count(), 1);
    EXPECT_EQ(document.Root()->Items(0)->Items(0)->Name(), "c");
}

TEST(ScriptXMLDocument, BrokenTextsAreInvalidAndKeepWhatWasRead) {
    const char* broken[] = {
        "<a/>",                         // no header
        "<?xml?><a><b x=\"<\"/></a>",   // "<" inside a tag
        "<?xml?><a><b x=\"1\"",         // the data ends inside a tag
        "<?xml?><a><b></c></a>",        // closing tag of another name
        "<?xml?><a><!-- never closed",  // the data ends inside a comment
    };
    for (const char* text : broken) {
        TscXMLDocument document;
        EXPECT_EQ(ExceptionText([&] { Load(document, text); }), "Invalid file format") << text;
    }
    TscXMLDocument partial;
    EXPECT_THROW(Load(partial, "<?xml?><a><b/><c></d></a>"), Exception);
    EXPECT_EQ(partial.Root()->Count(), 2);
}

TEST(ScriptXMLDocument, RoundTripsWithEscapingAndIndent) {
    TscXMLDocument document;
    TscXMLItem* root = document.Root();
    root->SetName("language");
    root->SetProp("text", "Pascal \"Script\"");
    TscXMLItem* errors = root->Add();
    errors->SetName("errors");
    TscXMLItem* err = errors->Add();
    err->SetName("err20");
    err->SetProp("text", "'>' expected\r\n<\">");
    root->Add()->SetName("types");

    EXPECT_EQ(Save(document),
              "<?xml version=\"1.0\"?><language text=\"Pascal &#34;Script&#34;\"><errors>"
              "<err20 text=\"'&#62;' expected&#13;&#10;&#60;&#34;&#62;\"/></errors><types/></language>");
    document.SetAutoIndent(true);
    const std::string indented = Save(document);
    EXPECT_EQ(indented,
              "<?xml version=\"1.0\"?>\r\n<language text=\"Pascal &#34;Script&#34;\">\r\n  <errors>\r\n"
              "    <err20 text=\"'&#62;' expected&#13;&#10;&#60;&#34;&#62;\"/>\r\n  </errors>\r\n  <types/>\r\n"
              "</language>\r\n");

    TscXMLDocument back;
    Load(back, indented);
    EXPECT_EQ(back.Root()->Prop("text"), "Pascal \"Script\"");
    EXPECT_EQ(back.Root()->Items(0)->Items(0)->Prop("TEXT"), "'>' expected\r\n<\">");
    EXPECT_EQ(back.Root()->Items(1)->Name(), "types");
}

TEST(ScriptXMLDocument, LargeTreesPassTheWriteBuffer) {
    TscXMLDocument document;
    document.Root()->SetName("program");
    for (int i = 0; i < 2000; ++i) {
        TscXMLItem* item = document.Root()->Add();
        item->SetName("node");
        item->SetProp("n", std::to_string(i));
    }
    TscXMLDocument back;
    Load(back, Save(document));
    ASSERT_EQ(back.Root()->Count(), 2000);
    EXPECT_EQ(back.Root()->Items(1999)->Prop("n"), "1999");
}

TEST(ScriptXMLDocument, ReaderLeavesTheStreamAfterWhatItRead) {
    TStringStream stream("<?xml?><a><b/></a>TAIL");
    TscXMLDocument document;
    document.LoadFromStream(stream);
    EXPECT_EQ(stream.ReadString(4), "TAIL");
}

TEST(ScriptXMLDocument, DeepNestingIsRefusedNotOverflowed) {
    std::string text = "<?xml?>";
    for (int i = 0; i < 100000; ++i) text += "<a>";
    TscXMLDocument document;
    const std::string message = ExceptionText([&] { Load(document, text); });
    EXPECT_NE(message.find("вложенность"), std::string::npos) << message;

    std::string allowed = "<?xml?>";
    for (int i = 0; i < kMaxXMLDepth; ++i) allowed += "<a>";
    TscXMLDocument deep;
    EXPECT_NO_THROW(Load(deep, allowed));
}

TEST(ScriptXMLDocument, FilesRoundTripAndUnreadableOnesSayWhy) {
    TempFolder folder;
    TscXMLDocument document;
    document.Root()->SetName("program");
    TscXMLItem* item = document.Root()->Add();
    item->SetName("string");
    item->SetProp("text", "<x>");
    const std::string name = (folder.Path() / "il.xml").string();
    document.SaveToFile(name);
    TscXMLDocument back;
    back.LoadFromFile(name);
    EXPECT_EQ(back.Root()->Items(0)->Prop("text"), "<x>");

    const std::string missing = ExceptionText([&] { back.LoadFromFile((folder.Path() / "none.xml").string()); });
    EXPECT_NE(missing.find("Не удалось прочитать файл"), std::string::npos) << missing;
    EXPECT_NE(missing.find("none.xml"), std::string::npos) << missing;
    const std::string isFolder = ExceptionText([&] { back.LoadFromFile(folder.Path().string()); });
    EXPECT_NE(isFolder.find("Не удалось прочитать файл"), std::string::npos) << isFolder;
}
