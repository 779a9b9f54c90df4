#include "ProgramParts.h"

#include "script/core/ScriptErrors.h"

using namespace program_parts;

TEST(ScriptComponentTest, NewestEntryOfANameHidesTheOlderUntilRemoved) {
    TscScript script(nullptr);
    auto older = std::make_unique<TscVariable>("Speed", "", fvtInt);
    auto newer = std::make_unique<TscVariable>("SPEED", "", fvtInt);
    TscVariable* olderEntry = older.get();
    TscVariable* newerEntry = newer.get();
    script.Add("Speed", std::move(older));
    script.Add("Alpha", std::make_unique<TscVariable>("Alpha", "", fvtInt));
    script.Add("SPEED", std::move(newer));
    script.Add("Zeta", std::make_unique<TscVariable>("Zeta", "", fvtInt));
    EXPECT_EQ(script.Find("speed"), newerEntry);
    EXPECT_EQ(script.FindLocal("sPeEd"), newerEntry);
    std::unique_ptr<TObject> taken = script.Remove(newerEntry);
    EXPECT_EQ(taken.get(), newerEntry);
    EXPECT_EQ(script.Find("Speed"), olderEntry);
    EXPECT_EQ(script.Count(), 3);
    for (int i = 1; i < script.Count(); ++i) EXPECT_LE(script.ItemName(i - 1), script.ItemName(i)) << "kept sorted";
    EXPECT_EQ(script.Find("Missing"), nullptr);
}

TEST(ScriptComponentTest, NamesMatchWithoutRegardToCaseInCyrillicToo) {
    TscScript script(nullptr);
    script.AddVariable("Высота", "Integer", Variant(5));
    ASSERT_NE(script.Find("ВЫСОТА"), nullptr);
    EXPECT_EQ(script.Find("высота")->GetValue().AsInteger(), 5);
}

TEST(ScriptComponentTest, RegistrationRefusesNamesThatAParentHolds) {
    TscScript parent(nullptr);
    parent.AddType("Integer", fvtInt);
    parent.AddVariable("Count", "Integer", Variant("3"));
    TscScript child(nullptr);
    child.Parent = &parent;
    child.AddVariable("Count", "Integer", Variant(9));
    child.AddConst("Count", "Integer", Variant(9));
    EXPECT_EQ(child.Count(), 0);
    EXPECT_EQ(child.Find("Count")->GetValue().VarType(), varInteger) << "converted by the declared type";
    EXPECT_EQ(child.Find("Count")->GetValue().AsInteger(), 3);

    child.AddConst("Limit", "Integer", Variant("12"));
    TscCustomVariable* limit = child.FindLocal("Limit");
    ASSERT_NE(limit, nullptr);
    EXPECT_TRUE(limit->IsReadOnly);
    EXPECT_EQ(limit->GetValue().AsInteger(), 12);
    EXPECT_EQ(child.TypeCodeOf("Integer"), fvtInt);
    EXPECT_EQ(child.TypeCodeOf("TUnknown"), fvtClass);
}

TEST(ScriptComponentTest, EnumerationsAndSets) {
    TscScript script(nullptr);
    script.AddEnumSet("TFontStyles", "fsBold, fsItalic,fsUnderline ,  fsStrikeout");
    script.AddEnum("TDuplicates", "dupIgnore, dupAccept, dupError");
    struct Case {
        const char* name;
        int value;
        const char* typeName;
    };
    const Case cases[] = {{"fsBold", 1, "TFontStyles"},      {"fsItalic", 2, "TFontStyles"}, {"fsUnderline", 4, "TFontStyles"},
                          {"fsStrikeout", 8, "TFontStyles"}, {"dupIgnore", 0, "TDuplicates"}, {"dupError", 2, "TDuplicates"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TscCustomVariable* entry = script.Find(c.name);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->Type, fvtEnum);
        EXPECT_EQ(entry->TypeName, c.typeName);
        EXPECT_TRUE(entry->IsReadOnly);
        EXPECT_EQ(entry->GetValue().AsInteger(), c.value);
    }
    ASSERT_NE(script.Find("TFontStyles"), nullptr);
    EXPECT_EQ(script.Find("TFontStyles")->Type, fvtEnum);

    std::string many;
    for (int i = 0; i < 40; ++i) many += "m" + std::to_string(i) + ",";
    script.AddEnumSet("TMany", many);
    EXPECT_EQ(script.Find("m35")->GetValue().AsInt64(), std::int64_t{1} << 35) << "no name is dropped";
    std::string tooMany;
    for (int i = 0; i < 64; ++i) tooMany += "t" + std::to_string(i) + ",";
    EXPECT_THROW(script.AddEnumSet("TTooMany", tooMany), EScriptError);
    EXPECT_EQ(script.Find("t0"), nullptr);
    EXPECT_EQ(script.Find("TTooMany"), nullptr);
}

TEST(ScriptComponentTest, ClearingByOwnerMarker) {
    TscScript script(nullptr);
    int reportObject = 0;
    const auto report = reinterpret_cast<TscOwnerMarker>(&reportObject);
    script.OwnerMarker = kRTTIOwner;
    script.RTTIAttached = true;
    script.AddVariable("HostConst", "Variant", Variant(1));
    script.OwnerMarker = report;
    script.AddVariable("ReportVar", "Variant", Variant(2));
    script.OwnerMarker = kNoOwner;
    script.AddVariable("Plain", "Variant", Variant(3));
    script.CompileTarget().ErrorMessage = "old error";

    script.ClearItems(report);
    EXPECT_EQ(script.Find("ReportVar"), nullptr);
    EXPECT_NE(script.Find("Plain"), nullptr);
    EXPECT_EQ(script.ErrorMessage(), "old error");

    script.Clear();
    EXPECT_EQ(script.Find("Plain"), nullptr);
    EXPECT_NE(script.Find("HostConst"), nullptr) << "the binding modules' entries stay";
    EXPECT_EQ(script.ErrorMessage(), "");

    script.DetachRTTI();
    EXPECT_EQ(script.Find("HostConst"), nullptr);
    EXPECT_EQ(script.Count(), 0);
}

TEST(ScriptComponentTest, CallFunctionPassesAndReturnsParameters) {
    TscScript script(nullptr);
    // function Sum(a, b: Integer): Integer; begin Result := a + b; b := 0 end
    TscProcVariable& sum = DeclareProc(script, "Sum", true, fvtInt, {{"a", fvtInt}, {"b", fvtInt}}, "Integer");
    TscScript& local = sum.LocalProgram();
    local.RootStatement().AddStatement(
        Assign(local, *sum.RefItem, Expr(local, {V(*sum.GetParam(0)), Op("+"), V(*sum.GetParam(1))})));
    local.RootStatement().AddStatement(Assign(local, *sum.GetParam(1), Expr(local, C(0))));

    EXPECT_EQ(script.CallFunction("sum", VarArrayOf({Variant(2), Variant(3)})).AsInteger(), 5);
    sum.GetParam(1)->SetValue(Variant(4));
    EXPECT_EQ(script.CallFunction("Sum", Variant(7)).AsInteger(), 6) << "a non-array runs with the parameters as they were";

    Variant params = VarArrayOf({Variant(1), Variant(8)});
    EXPECT_EQ(script.CallFunctionVar("Sum", params).AsInteger(), 9);
    EXPECT_EQ(params.GetElement({0}).AsInteger(), 1);
    EXPECT_EQ(params.GetElement({1}).AsInteger(), 0) << "every parameter's final value comes back";

    TscScript child(nullptr);
    child.Parent = &script;
    EXPECT_TRUE(child.CallFunction("Sum", VarArrayOf({Variant(1), Variant(1)})).IsNull()) << "only the script's own routines";
}

TEST(ScriptComponentTest, RunLineNoticesGoToTheNearestHandlerAndLinesAreMarked) {
    TscScript parent(nullptr);
    TscScript child(nullptr);
    child.Parent = &parent;
    std::vector<std::string> heard;
    parent.OnRunLine = [&](TscScript& sender, const std::string& unit, const std::string& position) {
        heard.push_back((&sender == &child ? "child " : "parent ") + unit + "@" + position);
    };
    child.NotifyLine("Unit1", "12:3");
    parent.NotifyLine("", "1:1");
    EXPECT_EQ(heard, (std::vector<std::string>{"child Unit1@12:3", "parent @1:1"}));

    child.MarkLine("", "12:3");
    child.MarkLine("", "12:9");
    child.MarkLine("", "4:1");
    child.MarkLine("Unit1", "7");
    EXPECT_EQ(child.UnitLines().at(""), (std::set<std::string>{"12", "4"}));
    EXPECT_EQ(child.UnitLines().at("Unit1"), (std::set<std::string>{""}));
}
