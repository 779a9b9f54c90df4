// Host objects reached from whole programs: string lists made and freed by
// scripts, components found by name, published properties, and what a
// reference to a freed object gives.
#include "HostedScript.h"
#include "script/component/Script.h"
#include "script/core/ScriptErrors.h"
#include "script/members/ClassVariable.h"
#include "ui/core/Component.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(HostClassesTest, StringListsMadeAndFreedByScripts) {
    HostedScript hosted;
    ASSERT_TRUE(hosted.Compile(
        "var l: TStringList; i: Integer; s: TStrings;\n"
        "begin\n"
        "  l := TStringList.Create;\n"
        "  try\n"
        "    l.Add('pear'); l.Add('apple'); l.Add('plum');\n"
        "    Print(l.Count); Print(l[1]); l[1] := 'fig'; Print(l.Strings[1]);\n"
        "    l.Sorted := True; Print(l.CommaText); Print(l.Sorted);\n"
        "    if l.Find('pear', i) then Print(i);\n"
        "    l.Values['k'] := 'v'; Print(l.Values['k']);\n"
        "    s := TStrings(l); Print(s.Count); Print(l.ClassName);\n"
        "    l.Clear; Print(l.Count);\n"
        "    Print(l.Strings[5]);\n"
        "  except\n"
        "    Print(ExceptionClassName);\n"
        "  end;\n"
        "  l.Free;\n"
        "end."))
        << hosted.script.ErrorMessage() << " at " << hosted.script.ErrorPosition();
    hosted.script.Execute();
    EXPECT_EQ(hosted.output, "3\napple\nfig\nfig,pear,plum\nTrue\n1\nv\n4\nTStringList\n0\nEStringListError\n");
}

TEST(HostClassesTest, ComponentsFoundByName) {
    HostedScript hosted;
    TComponent root(nullptr);
    root.SetName("Root");
    auto* child = new TComponent(&root);
    child->SetName("Child");
    child->SetTag(7);
    hosted.script.AddObject("Root", &root);
    ASSERT_TRUE(hosted.Compile("begin\n"
                               "  Print(Root.Child.Tag); Root.Child.Tag := 9; Print(Root.Child.Name);\n"
                               "  Print(Root.ComponentCount); Print(Root.Components[0].Name);\n"
                               "  Print(TComponent(Root.FindComponent('Child')).Tag);\n"
                               "end."))
        << hosted.script.ErrorMessage() << " at " << hosted.script.ErrorPosition();
    hosted.script.Execute();
    EXPECT_EQ(hosted.output, "7\nChild\n1\nChild\n9\n");
    EXPECT_EQ(child->Tag(), 9);
}

TEST(HostClassesTest, ComponentsFreedByTheHostAreNotReached) {
    HostedScript hosted;
    auto owner = std::make_unique<TComponent>(nullptr);
    owner->SetName("Owner");
    auto* child = new TComponent(owner.get());
    child->SetName("Child");
    hosted.script.AddObject("Owner", owner.get());
    hosted.script.AddVariable("Kept", "TComponent", ObjectToVariant(child));
    ASSERT_TRUE(hosted.Compile("begin Print(Kept.Name) end.")) << hosted.script.ErrorMessage();
    hosted.script.Execute();
    EXPECT_EQ(hosted.output, "Child\n");
    delete child;
    EXPECT_THROW(hosted.script.Execute(), EScriptError);
    owner.reset();
    EXPECT_THROW(hosted.script.Execute(), EScriptError);
}

TEST(HostClassesTest, ScriptFreedObjectsAreNotReachedAgain) {
    HostedScript hosted;
    ASSERT_TRUE(hosted.Compile("var l: TStringList;\n"
                               "begin l := TStringList.Create; l.Free; Print(l.Count) end."))
        << hosted.script.ErrorMessage();
    EXPECT_THROW(hosted.script.Execute(), EScriptError);
    hosted.script.ClearItems(kNoOwner);
}

TEST(HostClassesTest, MembersComeFromAncestorsAndTheirChecks) {
    HostedScript hosted;
    TscClassVariable* list = hosted.script.FindClass("TStringList");
    ASSERT_NE(list, nullptr);
    // Clear is registered on TStrings and found through the ancestor.
    auto* clear = dynamic_cast<TscMethodHelper*>(list->FindMember("clear"));
    ASSERT_NE(clear, nullptr);
    EXPECT_EQ(clear->ClassRef, &TStrings::StaticClass());
    EXPECT_EQ(list->DefaultProperty, hosted.script.FindClass("TStrings")->DefaultProperty);
    EXPECT_FALSE(hosted.Compile("var l: TStringList; begin l := TStringList.Create; l.Add('a', 'b') end."));
    EXPECT_EQ(hosted.script.ErrorMessage(), "Too many actual parameters");
}

TEST(HostClassesTest, WithStatementsReachMembers) {
    HostedScript hosted;
    ASSERT_TRUE(hosted.Compile("var l, m: TStringList;\n"
                               "begin\n"
                               "  l := TStringList.Create; m := TStringList.Create;\n"
                               "  with l, m do begin Add('a'); Add('b'); Print(Count) end;\n"
                               "  with l do Print(Count);\n"
                               "  l.Free; m.Free;\n"
                               "end."))
        << hosted.script.ErrorMessage() << " at " << hosted.script.ErrorPosition();
    // Two objects of one with statement: hidden variables 0 and 1.
    EXPECT_NE(hosted.script.FindLocal("_WithList_0"), nullptr);
    EXPECT_NE(hosted.script.FindLocal("_WithList_1"), nullptr);
    hosted.script.Execute();
    // The innermost object (m) takes the calls.
    EXPECT_EQ(hosted.output, "2\n0\n");
}

TEST(HostClassesTest, ObjectsGoWhereTheirClassOrAnAncestorIsWanted) {
    struct Case {
        const char* body;
        const char* error;  // empty: compiles
    };
    const Case cases[] = {
        {"s := l", ""},
        {"o := l", ""},
        {"Take(l)", ""},
        {"if o = l then Print(1)", ""},
        {"l := s", "Incompatible types: 'TStringList', 'TStrings'"},
        {"c := l", "Incompatible types: 'TComponent', 'TStringList'"},
        {"l := c", "Incompatible types: 'TStringList', 'TComponent'"},
        {"Take(c)", "Incompatible types: 'TStrings', 'TComponent'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        HostedScript hosted;
        const bool compiled = hosted.Compile(std::string("var l: TStringList; s: TStrings; o: TObject; c: TComponent;\n"
                                                         "procedure Take(x: TStrings); begin end;\n"
                                                         "begin ") + c.body + " end.");
        EXPECT_EQ(compiled, *c.error == 0);
        EXPECT_EQ(hosted.script.ErrorMessage(), c.error);
    }
}

namespace {

// A class library's data module as far as scripts know it: by its class name.
class TTestDataModule : public TComponent {
    DECLARE_CLASS_INFO
public:
    using TComponent::TComponent;
};

const TClassInfo& TTestDataModule::StaticClass() {
    static const TClassInfo info("TDataModule", &TComponent::StaticClass());
    return info;
}

class TOrdersModule : public TTestDataModule {
    DECLARE_CLASS_INFO
public:
    using TTestDataModule::TTestDataModule;
};

const TClassInfo& TOrdersModule::StaticClass() {
    static const TClassInfo info("TOrdersModule", &TTestDataModule::StaticClass());
    return info;
}

}  // namespace

TEST(HostClassesTest, DataModulesAreAddedLikeFormsAndPlainComponentsAreNot) {
    HostedScript hosted;
    TOrdersModule module(nullptr);
    module.SetName("Orders");
    auto* list = new TComponent(&module);
    list->SetName("Table1");
    list->SetTag(12);
    TComponent plain(nullptr);
    plain.SetName("Plain");
    hosted.script.AddForm(module);
    hosted.script.AddForm(plain);
    TscClassVariable* entry = hosted.script.FindClass("TOrdersModule");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->AncestorName(), "TDataModule");
    EXPECT_EQ(hosted.script.Find("Plain"), nullptr);
    ASSERT_TRUE(hosted.Compile("begin Print(Orders.Table1.Tag) end.")) << hosted.script.ErrorMessage();
    hosted.script.Execute();
    EXPECT_EQ(hosted.output, "12\n");
}

TEST(HostClassesTest, VariantMembersAreResolvedWhenFirstReached) {
    HostedScript hosted;
    ASSERT_TRUE(hosted.Compile("var v: Variant; l: TStringList; i: Integer;\n"
                               "begin\n"
                               "  l := TStringList.Create; l.Add('a'); l.Add('b');\n"
                               "  v := l;\n"
                               "  for i := 1 to 2 do begin v.Add(IntToStr(i)); Print(v.Count) end;\n"
                               "  v.Sorted := True; Print(v.Strings[0] + v.CommaText);\n"
                               "  l.Free;\n"
                               "end."))
        << hosted.script.ErrorMessage() << " at " << hosted.script.ErrorPosition();
    hosted.script.Execute();
    EXPECT_EQ(hosted.output, "3\n4\n11,2,a,b\n");
}

TEST(HostClassesTest, VariantMemberOfNothingIsARunTimeError) {
    HostedScript hosted;
    ASSERT_TRUE(hosted.Compile("var v: Variant; begin Print(v.Count) end.")) << hosted.script.ErrorMessage();
    try {
        hosted.script.Execute();
        FAIL() << "a member of a Null variant was reached";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Class type required: 'v'");
    }
    // The program stays usable: the variant given an object, the same designator runs.
    TStringList list;
    list.Add("x");
    hosted.script.FindLocal("v")->SetValue(ObjectToVariant(&list));
    hosted.script.Execute();
    EXPECT_EQ(hosted.output, "1\n");
}

TEST(HostClassesTest, StreamsAndXMLItemsFromScripts) {
    HostedScript hosted;
    ASSERT_TRUE(hosted.Compile(
        "var m, c: TMemoryStream; s: String; n: Integer; l: TStringList; x, y: TscXMLItem; d: TscXMLDocument;\n"
        "begin\n"
        "  m := TMemoryStream.Create; c := TMemoryStream.Create; l := TStringList.Create;\n"
        "  try\n"
        "    m.Write('0123456789', 10); Print(m.Position); Print(m.Size);\n"
        "    m.Seek(-3, soFromEnd); n := m.Read(s, 100); Print(IntToStr(n) + ' ' + s);\n"
        "    m.Position := 2; Print(c.CopyFrom(m, 4)); c.Position := 0; l.LoadFromStream(c); Print(l.Text);\n"
        "    l.AddObject('obj', m); Print(l.IndexOfObject(m)); Print(l.Objects[l.Count - 1] = m);\n"
        "    d := TscXMLDocument.Create;\n"
        "    x := d.Root; x.Name := 'top'; y := x.Add; y.Name := 'child'; y.Prop['k'] := 'v<';\n"
        "    Print(x.Count); Print(x.Find('child')); Print(x[0].Prop['k']); Print(y.Parent.Name);\n"
        "    m.Clear; d.SaveToStream(m); m.Position := 0;\n"
        "    d.Root.Clear; Print(d.Root.Count); d.LoadFromStream(m); Print(d.Root.FindItem('child').Prop['k']);\n"
        "    m.Write('ab', 5);\n"
        "  except\n"
        "    Print(ExceptionClassName);\n"
        "  end;\n"
        "  d.Free; l.Free; c.Free; m.Free;\n"
        "end."))
        << hosted.script.ErrorMessage() << " at " << hosted.script.ErrorPosition();
    hosted.script.Execute();
    EXPECT_EQ(hosted.output, "10\n10\n3 789\n4\n2345\r\n\n1\nTrue\n1\n0\nv<\ntop\n0\nv<\nEScriptRangeError\n");
}

TEST(HostClassesTest, ListsHoldObjectReferences) {
    HostedScript hosted;
    ASSERT_TRUE(hosted.Compile(
        "var l: TList; a, b: TStringList;\n"
        "begin\n"
        "  l := TList.Create; a := TStringList.Create; b := TStringList.Create; a.Add('in a');\n"
        "  Print(l.Add(a)); l.Insert(0, b); Print(l.Count); Print(l.IndexOf(a)); Print(TStringList(l[1]).Text);\n"
        "  l[0] := a; Print(l.Remove(a)); Print(l.Count); Print(l.ClassName);\n"
        "  try l.Delete(5) except Print(ExceptionClassName) end;\n"
        "  l.Free; a.Free; b.Free;\n"
        "end."))
        << hosted.script.ErrorMessage() << " at " << hosted.script.ErrorPosition();
    hosted.script.Execute();
    EXPECT_EQ(hosted.output, "0\n2\n1\nin a\r\n\n0\n1\nTList\nEListError\n");
}
