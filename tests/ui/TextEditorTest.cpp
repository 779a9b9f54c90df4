#include "ui/controls/TextEditor.h"

#include <gtest/gtest.h>

namespace {

class TestClipboard : public TClipboardText {
public:
    std::string GetText() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    std::string text;
};

struct EditorFixture : ::testing::Test {
    EditorFixture() {
        editor.SetClipboard(&clipboard);
        editor.OnChange = [this] { ++changes; };
    }
    void Type(std::u32string_view keys) {
        for (char32_t c : keys) editor.TypeChar(c);
    }
    TTextEditor editor;
    TestClipboard clipboard;
    int changes = 0;
};

TEST_F(EditorFixture, TypingInsertsAtTheCaretAndReplacesTheSelection) {
    Type(U"Привет");
    EXPECT_EQ(editor.Text(), "Привет");
    EXPECT_EQ(editor.CaretPos(), 6);
    EXPECT_EQ(changes, 6);
    editor.SetSel(0, 3);
    EXPECT_EQ(editor.SelText(), "При");
    Type(U"О");
    EXPECT_EQ(editor.Text(), "Овет");
    EXPECT_EQ(editor.SelLength(), 0);
    EXPECT_EQ(editor.CaretPos(), 1);
}

TEST_F(EditorFixture, RefusalsChangeNothingAndReportNothing) {
    editor.SetText("12");
    changes = 0;
    editor.SetReadOnly(true);
    EXPECT_FALSE(editor.TypeChar(U'3'));
    EXPECT_FALSE(editor.Backspace());
    EXPECT_FALSE(editor.Paste());
    editor.SetReadOnly(false);

    editor.SetMaxLength(3);
    editor.Move(TCaretMove::TextEnd, false);
    EXPECT_TRUE(editor.TypeChar(U'3'));
    EXPECT_FALSE(editor.TypeChar(U'4'));
    editor.SetSel(0, 1);  // over a selection the limit leaves room
    EXPECT_TRUE(editor.TypeChar(U'9'));
    EXPECT_EQ(editor.Text(), "923");

    editor.SetMaxLength(0);
    editor.SetNumbersOnly(true);
    EXPECT_FALSE(editor.TypeChar(U'x'));
    EXPECT_FALSE(editor.TypeChar(U'\r'));  // a single line takes no break
    EXPECT_EQ(editor.Text(), "923");
    EXPECT_EQ(changes, 2);
}

TEST_F(EditorFixture, BackspaceDeleteAndWordVariants) {
    editor.SetText("one two  three");
    editor.Move(TCaretMove::TextEnd, false);
    editor.Backspace(true);
    EXPECT_EQ(editor.Text(), "one two  ");
    editor.Backspace();
    EXPECT_EQ(editor.Text(), "one two ");
    editor.Move(TCaretMove::TextStart, false);
    editor.Delete(true);
    EXPECT_EQ(editor.Text(), "two ");
    editor.Delete();
    EXPECT_EQ(editor.Text(), "wo ");
    editor.Move(TCaretMove::TextEnd, false);
    EXPECT_FALSE(editor.Delete());
}

TEST_F(EditorFixture, ClipboardAndUndo) {
    editor.SetText("abcdef");
    editor.SetSel(1, 2);
    EXPECT_TRUE(editor.Cut());
    EXPECT_EQ(clipboard.text, "bc");
    EXPECT_EQ(editor.Text(), "adef");
    editor.Move(TCaretMove::TextEnd, false);
    EXPECT_TRUE(editor.Paste());
    EXPECT_EQ(editor.Text(), "adefbc");
    EXPECT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Text(), "adef");
    EXPECT_TRUE(editor.Undo());  // one level: undo again redoes
    EXPECT_EQ(editor.Text(), "adefbc");

    clipboard.text = "x\r\ny";  // a single line keeps the first line of a paste
    editor.SelectAll();
    editor.Paste();
    EXPECT_EQ(editor.Text(), "x");

    editor.SetPasswordChar(U'*');
    editor.SelectAll();
    clipboard.text = "kept";
    EXPECT_FALSE(editor.Copy());
    EXPECT_EQ(clipboard.text, "kept");
    EXPECT_EQ(editor.DisplayText(), U"*");
}

TEST_F(EditorFixture, MaxLengthCutsAPaste) {
    editor.SetMaxLength(5);
    editor.SetText("abc");
    editor.Move(TCaretMove::TextEnd, false);
    clipboard.text = "12345";
    EXPECT_TRUE(editor.Paste());
    EXPECT_EQ(editor.Text(), "abc12");
}

TEST_F(EditorFixture, CaretMovesAndSelectionExtension) {
    editor.SetMultiline(true);
    editor.SetText("first line\r\nab\r\nthird");
    EXPECT_EQ(editor.LineCount(), 3);
    editor.SetSel(8, 0);
    editor.Move(TCaretMove::LineDown, false);  // column kept but clipped to the short line
    EXPECT_EQ(editor.CaretPos(), editor.LineStart(1) + 2);
    editor.Move(TCaretMove::LineDown, true);
    EXPECT_EQ(editor.CaretPos(), editor.LineStart(2) + 2);
    EXPECT_EQ(editor.SelText(), "\r\nth");
    editor.Move(TCaretMove::CharLeft, false);  // collapses to the selection's start
    EXPECT_EQ(editor.CaretPos(), editor.LineStart(1) + 2);
    editor.Move(TCaretMove::LineStart, true);
    EXPECT_EQ(editor.SelText(), "ab");
    editor.Move(TCaretMove::LineEnd, false);
    editor.Move(TCaretMove::WordLeft, false);
    EXPECT_EQ(editor.CaretPos(), editor.LineStart(1));
    editor.Move(TCaretMove::LineUp, false);
    EXPECT_EQ(editor.CaretPos(), 0);
    editor.Move(TCaretMove::WordRight, false);
    EXPECT_EQ(editor.CaretPos(), 6);
}

TEST_F(EditorFixture, MemoLinesAndAppending) {
    editor.SetMultiline(true);
    EXPECT_EQ(editor.LineCount(), 0);
    editor.AppendLine("Подключение...");
    editor.AppendLine("готово");
    EXPECT_EQ(editor.Text(), "Подключение...\r\nготово\r\n");
    EXPECT_EQ(editor.LineCount(), 2);
    EXPECT_EQ(editor.Line(1), "готово");
    EXPECT_EQ(editor.LineFromChar(editor.LineStart(1)), 1);
    EXPECT_EQ(changes, 2);

    Type(U"x");  // the caret stayed where it was
    EXPECT_EQ(editor.Line(0), "xПодключение...");

    TTextEditor log;
    log.SetMultiline(true);
    for (int i = 0; i < 20000; ++i) log.AppendLine("строка " + std::to_string(i));
    EXPECT_EQ(log.LineCount(), 20000);
    EXPECT_EQ(log.Line(19999), "строка 19999");
    EXPECT_EQ(log.LineFromChar(log.Length()), 20000);  // the empty place after the last break
}

TEST_F(EditorFixture, EnterBreaksLinesOnlyInAMemo) {
    editor.SetMultiline(true);
    Type(U"a\rb");
    EXPECT_EQ(editor.Text(), "a\r\nb");
    EXPECT_EQ(editor.LineCount(), 2);
}

}  // namespace
