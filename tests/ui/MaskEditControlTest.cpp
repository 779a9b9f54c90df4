#include "ControlFixture.h"

#include "ui/controls/MaskEdit.h"

namespace {

using MaskEditControl = ControlFixture;

TEST_F(MaskEditControl, TimeEditOverwritesSkipsLiteralsAndRefusesBadKeys) {
    auto* edit = Add<TMaskEdit>(10, 10);
    edit->SetEditMask("##:##,##;1;_");
    edit->SetText("00:00,00");
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    Focus(edit);
    EXPECT_EQ(edit->SelStart(), 0);
    Type("0145");
    EXPECT_EQ(edit->Text(), "01:45,00");
    EXPECT_EQ(edit->SelStart(), 6);
    EXPECT_EQ(changes, 3);  // the first 0 changed nothing

    Type("x");
    EXPECT_EQ(edit->Text(), "01:45,00");
    EXPECT_EQ(edit->SelStart(), 6);
    EXPECT_EQ(changes, 3);

    Key(platform::VK_BACK);  // back over the comma onto the seconds
    EXPECT_EQ(edit->EditText(), "01:4_,00");
    EXPECT_EQ(edit->Text(), "01:4 ,00");
    Key(platform::VK_HOME);
    Key(platform::VK_DELETE);
    EXPECT_EQ(edit->EditText(), "_1:4_,00");
}

TEST_F(MaskEditControl, KeyPressHandlerSeesTheCaretAndMayReplaceTheKey) {
    // The seconds' tens digit cannot exceed 5.
    auto* edit = Add<TMaskEdit>(10, 10);
    edit->SetEditMask("##:##,##");
    edit->SetText("00:00,00");
    edit->OnKeyPress = [edit](TObject*, char32_t& key) {
        if (edit->SelStart() == 3 && key > U'5') key = U'5';
    };
    ShowForm();
    Focus(edit);
    Type("129");
    EXPECT_EQ(edit->Text(), "12:50,00");
    Type("9");  // the units digit takes a 9
    EXPECT_EQ(edit->Text(), "12:59,00");
}

TEST_F(MaskEditControl, LeavingAnIncompleteRequiredEntryRaisesAndKeepsTheFocus) {
    auto* date = Add<TMaskEdit>(10, 10);
    date->SetEditMask("00.00;1;_");
    auto* other = Add<TMaskEdit>(10, 40);
    ShowForm();
    Focus(date);
    Type("12");
    other->SetFocus();
    Pump();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Invalid input value.  Use escape key to abandon changes.");
    messages.clear();
    EXPECT_TRUE(date->Focused());
    EXPECT_EQ(date->SelStart(), 3);
    Type("34");
    other->SetFocus();
    Pump();
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(date->Text(), "12.34");
}

TEST_F(MaskEditControl, WithoutAMaskItIsAPlainEdit) {
    auto* edit = Add<TMaskEdit>(10, 10);
    ShowForm();
    Focus(edit);
    Type("abc");
    EXPECT_EQ(edit->Text(), "abc");
    edit->SetEditMask("###");
    EXPECT_EQ(edit->EditText(), "___");  // letters do not fit digits
}

}  // namespace
