// Script procedures hooked to host events, and published variant
// properties reached from scripts.
#include "HostedScript.h"
#include "script/core/ProcVariable.h"
#include "script/core/ScriptErrors.h"
#include "script/events/CustomEvent.h"
#include "script/members/ClassVariable.h"
#include "script/members/EventHelper.h"
#include "ui/core/Events.h"
#include "ui/core/PublishedProperties.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TProbeButton : public TComponent {
    DECLARE_CLASS_INFO
public:
    using TComponent::TComponent;
    TNotifyEvent OnClick;
    Variant Value;
    void Click() {
        if (OnClick) OnClick(this);
    }
};

const TClassInfo& TProbeButton::StaticClass() {
    static const TClassInfo info = TPublished<TProbeButton>("TProbeButton", TComponent::StaticClass())
                                       .Event("OnClick", &TProbeButton::OnClick, &TProbeButton::OnClick)
                                       .Variant("Value", &TProbeButton::Value, &TProbeButton::Value)
                                       .Build();
    return info;
}

// A script with the button class (its event and a Click method) and one button, "Button".
struct ButtonScript : HostedScript {
    TProbeButton button{nullptr};

    ButtonScript() {
        button.SetName("Button");
        TscClassVariable* buttons = script.AddClass(TProbeButton::StaticClass(), "TComponent");
        buttons->AddEvent("OnClick", EventClassOf<TscNotifyEvent>());
        buttons->AddMethod("procedure Click", [](TObject* instance, const TClassInfo*, const std::string&, TscMethodHelper&) {
            static_cast<TProbeButton*>(instance)->Click();
            return Variant(0);
        });
        script.AddObject("Button", &button);
    }
};

const char* const kClickProgram =
    "var Clicks: Integer;\n"
    "procedure ButtonClick(Sender: TObject);\n"
    "begin\n"
    "  Clicks := Clicks + 1;\n"
    "  Print(TComponent(Sender).Name + ' ' + IntToStr(Clicks));\n"
    "  if Clicks = 1 then Button.Click;\n"  // fires while the handler runs: dropped
    "end;\n"
    "procedure Hook; begin Button.OnClick := 'ButtonClick' end;\n"
    "procedure HookByAddress; begin Button.OnClick := @ButtonClick end;\n"
    "procedure Unhook; begin Button.OnClick := nil end;\n"
    "procedure HookNothing; begin Button.OnClick := 'Clicks' end;\n"
    "begin end.";

}  // namespace

TEST(HostEventsTest, ScriptProcedureHandlesTheHostEventUntilUnhooked) {
    ButtonScript hosted;
    ASSERT_TRUE(hosted.Compile(kClickProgram)) << hosted.script.ErrorMessage() << " at " << hosted.script.ErrorPosition();
    hosted.script.Execute();
    // The adapter joins the item table of the program that hooked it.
    TscScript& hooking = static_cast<TscProcVariable*>(hosted.script.Find("Hook"))->LocalProgram();
    const int itemsBefore = hooking.Count();
    hosted.script.CallFunction("Hook", Variant::Null());
    EXPECT_EQ(hooking.Count(), itemsBefore + 1);
    ASSERT_TRUE(hosted.button.OnClick);
    hosted.button.Click();
    hosted.button.Click();
    // The click fired inside the first handler run was dropped.
    EXPECT_EQ(hosted.output, "Button 1\nButton 2\n");

    hosted.script.CallFunction("Unhook", Variant::Null());
    EXPECT_FALSE(hosted.button.OnClick);
    EXPECT_EQ(hooking.Count(), itemsBefore + 1);  // the adapter stays until the table is cleared
    hosted.script.CallFunction("HookByAddress", Variant::Null());
    hosted.button.Click();
    EXPECT_EQ(hosted.output, "Button 1\nButton 2\nButton 3\n");
}

TEST(HostEventsTest, NameThatIsNoProcedureIsRefused) {
    ButtonScript hosted;
    ASSERT_TRUE(hosted.Compile(kClickProgram)) << hosted.script.ErrorMessage();
    try {
        hosted.script.CallFunction("HookNothing", Variant::Null());
        FAIL() << "a variable was taken as a handler";
    } catch (const EScriptError& error) {
        EXPECT_STREQ(error.what(), "Event handler must be a procedure");
    }
    EXPECT_FALSE(hosted.button.OnClick);
}

TEST(HostEventsTest, HandlerOutlivingItsScriptDoesNothing) {
    auto hosted = std::make_unique<ButtonScript>();
    TProbeButton& kept = *new TProbeButton(nullptr);
    std::unique_ptr<TProbeButton> owner(&kept);
    ASSERT_TRUE(hosted->Compile(kClickProgram)) << hosted->script.ErrorMessage();
    hosted->script.CallFunction("Hook", Variant::Null());
    kept.OnClick = hosted->button.OnClick;  // the host copied the handler elsewhere
    hosted.reset();
    EXPECT_NO_THROW(kept.Click());  // the adapter is gone: the call is ignored, nothing freed is reached
}

TEST(HostEventsTest, PublishedVariantPropertyKeepsTheValueKind) {
    ButtonScript hosted;
    ASSERT_TRUE(hosted.Compile("begin\n"
                               "  Button.Value := 'текст'; Print(Button.Value + '!');\n"
                               "  Button.Value := 2; Print(Button.Value + 3);\n"
                               "  Button.Value := Null; Print(VarToStr(Button.Value) = '');\n"
                               "end."))
        << hosted.script.ErrorMessage() << " at " << hosted.script.ErrorPosition();
    hosted.script.Execute();
    EXPECT_EQ(hosted.output, "текст!\n5\nTrue\n");
    EXPECT_TRUE(hosted.button.Value.IsNull());
    // Events are not property members: they come through AddEvent.
    auto* onClick = hosted.script.FindClass("TProbeButton")->FindMember("OnClick");
    EXPECT_NE(dynamic_cast<TscEventHelper*>(onClick), nullptr);
}
