#include "ui/core/StringList.h"

#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Joined(const TStrings& list) {
    std::string text;
    for (int i = 0; i < list.Count(); ++i) text += (i ? "|" : "") + list.Strings(i);
    return text;
}

}  // namespace

TEST(StringList, SortedListKeepsOrderAndAppliesTheDuplicateRule) {
    struct Case {
        TDuplicates rule;
        std::string result;
        bool raises;
    };
    for (const Case& c : {Case{TDuplicates::dupIgnore, "apple|Banana|cherry", false},
                          Case{TDuplicates::dupAccept, "apple|Banana|banana|cherry", false},
                          Case{TDuplicates::dupError, "apple|Banana|cherry", true}}) {
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(c.rule);
        list.Add("cherry");
        list.Add("Banana");
        list.Add("apple");
        if (c.raises) EXPECT_THROW(list.Add("banana"), EStringListError);
        else list.Add("banana");
        EXPECT_EQ(Joined(list), c.result);
        EXPECT_THROW(list.Insert(0, "x"), EStringListError);
    }
}

TEST(StringList, FindAndIndexOfFollowCaseSensitivity) {
    TStringList list;
    list.SetSorted(true);
    list.SetText("Ёж\r\nзебра\r\nАист\r\n");
    EXPECT_EQ(Joined(list), "Аист|Ёж|зебра");
    int index = -1;
    EXPECT_TRUE(list.Find("аист", index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(list.Find("Волк", index));
    EXPECT_EQ(index, 1);  // where it would go
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("аист"), -1);
    EXPECT_EQ(list.IndexOf("Аист"), 0);
}

TEST(StringList, NameValuePairs) {
    TStringList list;
    list.SetText("Color=255\nWidth=10\nplain line\nEmpty=\n");
    EXPECT_EQ(list.Values("color"), "255");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.ValueFromIndex(1), "10");
    EXPECT_EQ(list.IndexOfName("EMPTY"), 3);
    list.SetValue("Width", "20");
    list.SetValue("Height", "5");
    list.SetValue("Color", "");  // an empty value removes the pair
    EXPECT_EQ(Joined(list), "Width=20|plain line|Empty=|Height=5");
    EXPECT_EQ(list.Values("missing"), "");
}

TEST(StringList, TextSplitsAtEveryLineBreakKind) {
    TStringList list;
    list.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(Joined(list), "a|b|c|d");
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
    list.SetText("one\r\n\r\n");
    EXPECT_EQ(list.Count(), 2);  // an empty line, and no line after the last break
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, CommaTextQuotesWhatNeedsIt) {
    struct Case {
        std::vector<std::string> items;
        std::string text;
    };
    for (const Case& c : {Case{{"a", "b c", "d,e", "say \"hi\""}, "a,\"b c\",\"d,e\",\"say \"\"hi\"\"\""},
                          Case{{""}, "\"\""},
                          Case{{}, ""},
                          Case{{"x", ""}, "x,"}}) {
        TStringList list;
        for (const auto& item : c.items) list.Add(item);
        EXPECT_EQ(list.CommaText(), c.text);
        TStringList back;
        back.SetCommaText(c.text);
        EXPECT_EQ(Joined(back), Joined(list)) << c.text;
    }
    TStringList blanks;
    blanks.SetCommaText("one two, three");  // blanks separate too
    EXPECT_EQ(Joined(blanks), "one|two|three");
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
    TStringList list;
    TStringList a, b;
    list.AddObject("b", &b);
    list.AddObject("a", &a);
    list.SetSorted(true);
    EXPECT_EQ(list.Objects(0), &a);
    EXPECT_EQ(list.IndexOfObject(&b), 1);
    list.Delete(0);
    EXPECT_EQ(list.Objects(0), &b);
    EXPECT_THROW(list.Objects(1), EStringListError);

    int freed = 0;
    struct Counted : TObject {
        explicit Counted(int& n) : n(n) {}
        ~Counted() override { ++n; }
        int& n;
    };
    {
        TStringList owning;
        owning.SetOwnsObjects(true);
        owning.AddObject("x", new Counted(freed));
        owning.AddObject("y", new Counted(freed));
        owning.Delete(0);
        EXPECT_EQ(freed, 1);
    }
    EXPECT_EQ(freed, 2);
}

TEST(StringList, ChangeEventsFireOncePerUpdateBlock) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Add("a");
    EXPECT_EQ(changes, 1);
    list.BeginUpdate();
    list.Add("b");
    list.Add("c");
    EXPECT_EQ(changes, 1);
    list.EndUpdate();
    EXPECT_EQ(changes, 2);
}

TEST(StringList, ABulkChangeThatFailsHalfwayStillEndsItsUpdateAndRestoresTheSeparators) {
    TStringList twice;
    twice.Add("x");
    twice.Add("x");
    struct Case {
        const char* what;
        std::function<void(TStringList&)> change;
    };
    const Case cases[] = {
        {"SetText", [](TStringList& l) { l.SetText("x\nx"); }},
        {"SetDelimitedText", [](TStringList& l) { l.SetDelimitedText("x;x"); }},
        {"SetCommaText", [](TStringList& l) { l.SetCommaText("x,x"); }},
        {"AddStrings", [&](TStringList& l) { l.AddStrings(twice); }},
        {"Assign", [&](TStringList& l) { l.Assign(&twice); }},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(TDuplicates::dupError);
        list.Delimiter = ';';
        list.QuoteChar = '\'';
        int changes = 0;
        list.OnChange = [&](TObject*) { ++changes; };
        EXPECT_THROW(c.change(list), EStringListError) << c.what;
        EXPECT_EQ(list.UpdateCount(), 0) << c.what;
        EXPECT_EQ(list.Delimiter, ';') << c.what;
        EXPECT_EQ(list.QuoteChar, '\'') << c.what;
        changes = 0;
        list.Add("y");
        EXPECT_EQ(changes, 1) << c.what << ": changes are told again";
    }
}

TEST(StringList, AssignAndStreamRoundTrip) {
    TStringList source;
    source.SetText("первая\r\nsecond");
    TStringList copy;
    copy.Assign(&source);
    EXPECT_TRUE(copy.Equals(source));
    TMemoryStream stream;
    source.SaveToStream(stream);
    stream.SetPosition(0);
    TStringList loaded;
    loaded.LoadFromStream(stream);
    EXPECT_TRUE(loaded.Equals(source));
    EXPECT_THROW(copy.Assign(nullptr), EConvertError);
}
