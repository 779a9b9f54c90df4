// The message box from a script, answered by keys once its modal loop runs.
#include "../ui/ControlFixture.h"

#include "script/component/Script.h"
#include "script/core/Declarations.h"
#include "script/grammar/ScriptGrammars.h"
#include "ui/core/StringList.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Screen.h"
#include "ui/variant/VariantErrors.h"

#include "platform/window/MessageQueue.h"

namespace {

struct ScriptDialogs : ControlFixture {
    // Keys pressed once the modal loop runs: a posted message arrives there.
    void AnswerWith(platform::UINT key) {
        ShowForm();
        auto inner = form->WindowProc;
        form->WindowProc = [inner, key](TMessage& m) {
            if (m.Msg == platform::WM_APP + 2) {
                TCustomForm* dialog = Screen->ActiveForm();
                seenCaption = dialog ? dialog->Caption() : "";
                platform::testing::PressKey(key);
                platform::testing::ReleaseKey(key);
                return;
            }
            inner(m);
        };
        platform::PostMessage(form->Handle(), platform::WM_APP + 2, 0, 0);
    }

    std::string Run(const std::string& source) {
        RegisterScriptGrammars();
        TscScript script(nullptr);
        script.AddRTTI();
        std::string output;
        script.AddMethod("procedure Print(Value: Variant)",
                         [&output](TObject*, const TClassInfo*, const std::string&, TscMethodHelper& method) {
                             output += VarToStr(method.GetParam(0)) + "\n";
                             return Variant(0);
                         });
        TStringList lines;
        lines.SetText(source);
        script.SetLines(lines);
        if (!script.Compile()) return "error: " + script.ErrorMessage() + " at " + script.ErrorPosition();
        script.Execute();
        return output;
    }

    static inline std::string seenCaption;
};

TEST_F(ScriptDialogs, MessageDlgGivesTheModalResultOfTheKeyPressed) {
    const struct {
        platform::UINT key;
        const char* output;
    } cases[] = {
        {platform::VK_RETURN, "6\nTrue\n"},
        {platform::VK_ESCAPE, "7\nFalse\n"},
    };
    for (const auto& c : cases) {
        AnswerWith(c.key);
        EXPECT_EQ(Run("var r: Integer;\n"
                      "begin\n"
                      "  r := MessageDlg('Записать?', mtConfirmation, [mbYes, mbNo], 0);\n"
                      "  Print(r); Print(r = 6);\n"
                      "end."),
                  c.output);
        EXPECT_EQ(seenCaption, "Confirm");
    }
}

TEST_F(ScriptDialogs, DialogKindOutsideTheListIsAScriptError) {
    EXPECT_EQ(Run("begin\n"
                  "  try MessageDlg('x', 9, [mbOK], 0) except Print(ExceptionMessage) end;\n"
                  "  try MessageDlg('x', -1, [mbOK], 0) except Print(ExceptionMessage) end;\n"
                  "end."),
              "MessageDlg: нет вида окна 9\nMessageDlg: нет вида окна -1\n");
}

}  // namespace
