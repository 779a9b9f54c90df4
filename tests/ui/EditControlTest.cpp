#include "ControlFixture.h"

#include "ui/controls/CustomEdit.h"
#include "ui/core/Exceptions.h"

namespace {

class TestClipboard : public TClipboardText {
public:
    std::string GetText() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    std::string text;
};

using EditControl = ControlFixture;

TEST_F(EditControl, TypingAndEditingKeysChangeTheTextAndTellOnChange) {
    auto* edit = Add<TEdit>(10, 10, 150);
    std::vector<std::string> seen;
    edit->OnChange = [&](TObject*) { seen.push_back(edit->Text()); };
    ShowForm();
    Focus(edit);
    Type("Ракета");
    EXPECT_EQ(edit->Text(), "Ракета");
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen.back(), "Ракета");
    EXPECT_EQ(edit->SelStart(), 6);

    Key(platform::VK_BACK);
    EXPECT_EQ(edit->Text(), "Ракет");
    Key(platform::VK_HOME);
    KeyWith(platform::VK_SHIFT, platform::VK_RIGHT);
    EXPECT_EQ(edit->SelText(), "Р");
    Type("р");
    EXPECT_EQ(edit->Text(), "ракет");
    EXPECT_TRUE(edit->Modified);

    edit->SetText("из кода");  // a write from code tells too
    EXPECT_EQ(seen.back(), "из кода");
}

TEST_F(EditControl, OnKeyPressMayReplaceOrDropTheKey) {
    auto* edit = Add<TEdit>(10, 10);
    edit->OnKeyPress = [](TObject*, char32_t& key) {
        if (key == U'x') key = 0;
        if (key == U'7') key = U'5';
    };
    ShowForm();
    Focus(edit);
    Type("1x7");
    EXPECT_EQ(edit->Text(), "15");
}

TEST_F(EditControl, ReadOnlyMaxLengthAndClipboardKeys) {
    auto* edit = Add<TEdit>(10, 10);
    TestClipboard clipboard;
    edit->SetClipboard(&clipboard);
    edit->SetMaxLength(4);
    ShowForm();
    Focus(edit);
    Type("123456");
    EXPECT_EQ(edit->Text(), "1234");
    KeyWith(platform::VK_CONTROL, 'A');
    KeyWith(platform::VK_CONTROL, 'C');
    EXPECT_EQ(clipboard.text, "1234");
    Key(platform::VK_END);
    clipboard.text = "xyz";
    KeyWith(platform::VK_CONTROL, 'V');
    EXPECT_EQ(edit->Text(), "1234");  // no room
    edit->SetReadOnly(true);
    Key(platform::VK_BACK);
    Type("9");
    EXPECT_EQ(edit->Text(), "1234");
}

TEST_F(EditControl, AClickPlacesTheCaretBetweenCharacters) {
    auto* edit = Add<TEdit>(10, 10, 200);
    edit->SetText("WWWWWWWW");
    ShowForm();
    ClickAt(edit, 3, 10);  // before the first character
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelStart(), 0);
    ClickAt(edit, 190, 10);  // beyond the text: at its end
    EXPECT_EQ(edit->SelStart(), 8);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(EditControl, MemoTakesEnterAndItsLinesAreAStringList) {
    auto* memo = Add<TMemo>(10, 10, 200, 100);
    ShowForm();
    Focus(memo);
    Type("один");
    Key(platform::VK_RETURN);
    Type("два");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Strings(1), "два");
    EXPECT_EQ(memo->Text(), "один\r\nдва");

    memo->Lines()->Clear();
    for (int i = 0; i < 50; ++i) memo->Lines()->Add("строка " + std::to_string(i));
    EXPECT_EQ(memo->Lines()->Count(), 50);
    memo->Lines()->Insert(1, "вставка");
    memo->Lines()->Delete(0);
    EXPECT_EQ(memo->Lines()->Strings(0), "вставка");
    EXPECT_EQ(memo->Lines()->Count(), 50);
    EXPECT_THROW(memo->Lines()->Strings(50), EStringListError);

    Key(platform::VK_END);  // keys move within the text; Ctrl+End scrolls to the last line
    KeyWith(platform::VK_CONTROL, platform::VK_END);
    EXPECT_GT(memo->TopLine(), 0);
}

TEST_F(EditControl, TabLeavesAMemoUnlessItAsksForTabs) {
    struct Case {
        bool wantReturns, wantTabs;
        bool tabStays;  // a tab typed in the memo, else the next edit focused
    } cases[] = {{true, false, false}, {false, false, false}, {true, true, true}, {false, true, true}};
    for (const Case& c : cases) {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        auto* memo = Add<TMemo>(10, 10, 200, 100);
        auto* next = Add<TEdit>(10, 120);
        memo->WantReturns = c.wantReturns;
        memo->WantTabs = c.wantTabs;
        ShowForm();
        Focus(memo);
        Type("а");
        Key(platform::VK_TAB);
        EXPECT_EQ(memo->Focused(), c.tabStays) << c.wantReturns << c.wantTabs;
        EXPECT_EQ(next->Focused(), !c.tabStays) << c.wantReturns << c.wantTabs;
        EXPECT_EQ(memo->Text(), c.tabStays ? "а\t" : "а") << c.wantReturns << c.wantTabs;
        // Enter stays in a memo that wants it.
        Focus(memo);
        Key(platform::VK_RETURN);
        Type("б");
        EXPECT_EQ(memo->Lines()->Count(), c.wantReturns ? 2 : 1) << c.wantReturns << c.wantTabs;
    }
}

}  // namespace

#include "ui/controls/Label.h"

namespace {

TEST_F(EditControl, ALabelsAcceleratorFocusesItsControlAndAutoSizeFitsTheText) {
    auto* label = Add<TLabel>(10, 10);
    label->SetCaption("&Time:");
    int narrow = label->Width();
    label->SetCaption("&Time of the flight:");
    EXPECT_GT(label->Width(), narrow);
    auto* other = Add<TEdit>(10, 60);
    auto* edit = Add<TEdit>(100, 10);
    label->FocusControl = edit;
    ShowForm();
    Focus(other);
    KeyWith(platform::VK_MENU, 'T');
    EXPECT_TRUE(edit->Focused());
    Focus(other);
    KeyWith(platform::VK_MENU, 'X');  // no such accelerator
    EXPECT_TRUE(other->Focused());
}

}  // namespace
