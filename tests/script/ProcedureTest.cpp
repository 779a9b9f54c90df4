#include "ProgramParts.h"

#include "script/core/ScriptErrors.h"

using namespace program_parts;

namespace {

std::string Shown(const Variant& value) {
    if (value.IsNull()) return "Null";
    return VarTypeName(value.VarType()) + ":" + value.AsString();
}

// function Fact(n: Integer): Integer;
// begin if n <= 1 then Result := 1 else Result := n * Fact(n - 1) end
TscProcVariable& DeclareFactorial(TscScript& script) {
    TscProcVariable& fact = DeclareProc(script, "Fact", true, fvtInt, {{"n", fvtInt}}, "Integer");
    TscScript& local = fact.LocalProgram();
    TscParamItem& n = *fact.GetParam(0);
    auto check = std::make_unique<TscIfStmt>(local, "2:1", "", Expr(local, {V(n), Op("<="), C(1)}));
    check->AddStatement(Assign(local, *fact.RefItem, Expr(local, C(1))));
    auto inner = CallOf(local, fact, ArgList(Expr(local, {V(n), Op("-"), C(1)})));
    check->ElsePart().AddStatement(Assign(local, *fact.RefItem, Expr(local, {V(n), Op("*"), D(std::move(inner))})));
    local.RootStatement().AddStatement(std::move(check));
    return fact;
}

}  // namespace

TEST(ProcedureTest, VariablesConvertByTheirType) {
    struct Case {
        const char* name;
        TscVarType type;
        Variant value;
        const char* expected;
        bool fails;
    };
    const Case cases[] = {
        {"text to integer", fvtInt, Variant("12"), "Integer:12", false},
        {"real to integer rounds", fvtInt, Variant(2.5), "Integer:2", false},
        {"no number", fvtInt, Variant("abc"), "", true},
        {"beyond 32 bits", fvtInt, Variant(std::int64_t{1} << 40), "", true},
        {"text to real", fvtFloat, Variant("2,5"), "Double:2,5", false},
        {"number to boolean", fvtBool, Variant(1), "Boolean:True", false},
        {"number to text", fvtString, Variant(5), "String:5", false},
        {"variant keeps the kind", fvtVariant, Variant::FromCurrency(1.5), "Currency:1,5", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TscVariable variable("V", "", c.type);
        if (c.fails) {
            EXPECT_THROW(variable.SetValue(c.value), EVariantError);
            EXPECT_TRUE(variable.GetValue().IsNull()) << "a failed store keeps the old value";
        } else {
            variable.SetValue(c.value);
            EXPECT_EQ(Shown(variable.GetValue()), c.expected);
        }
    }
    TscVariable constant("C", "", fvtInt);
    constant.SetValue(Variant(3));
    constant.IsReadOnly = true;
    constant.SetValue(Variant(4));
    EXPECT_EQ(constant.GetValue().AsInteger(), 3);
}

TEST(ProcedureTest, ValueHookAnswersOrLeavesTheStoredValue) {
    TscVariable variable("Speed", "", fvtInt);
    variable.SetValue(Variant(1));
    Variant answer = Variant::Null();
    std::string askedName;
    variable.OnGetValue = [&](const std::string& name, TscVarType, const Variant& old) {
        askedName = name;
        EXPECT_EQ(old.AsInteger(), 1);
        return answer;
    };
    EXPECT_EQ(variable.GetValue().AsInteger(), 1);
    EXPECT_EQ(askedName, "Speed");
    answer = Variant(5);
    EXPECT_EQ(variable.GetValue().AsInteger(), 5);
    EXPECT_EQ(variable.StoredValue.AsInteger(), 1);
}

TEST(ProcedureTest, RecursiveFunctionKeepsEachActivationsLocals) {
    TscScript script(nullptr);
    TscProcVariable& fact = DeclareFactorial(script);
    struct Case {
        int n;
        int expected;
    };
    for (const Case& c : {Case{1, 1}, Case{5, 120}, Case{10, 3628800}}) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(script.CallFunction("Fact", VarArrayOf({Variant(c.n)})).AsInteger(), c.expected);
        EXPECT_FALSE(fact.Executing);
    }
    auto call = Expr(script, D(CallOf(script, fact, ArgList(Expr(script, C(6))))));
    EXPECT_EQ(call->GetValue().AsInteger(), 720);
}

TEST(ProcedureTest, EndlessRecursionStopsWithAClearErrorAndLeavesTheScriptUsable) {
    TscScript script(nullptr);
    // procedure Dive(n: Integer); begin Dive(n + 1) end
    TscProcVariable& dive = DeclareProc(script, "Dive", false, fvtVariant, {{"n", fvtInt}});
    TscScript& local = dive.LocalProgram();
    local.RootStatement().AddStatement(
        Call(local, CallOf(local, dive, ArgList(Expr(local, {V(*dive.GetParam(0)), Op("+"), C(1)})))));
    script.RootStatement().AddStatement(Call(script, CallOf(script, dive, ArgList(Expr(script, C(0))))));
    try {
        script.Execute();
        FAIL() << "no error";
    } catch (const EScriptRecursionError& error) {
        EXPECT_NE(error.Message().find("Dive"), std::string::npos) << error.Message();
    }
    EXPECT_EQ(script.CallDepth, 0);
    EXPECT_FALSE(dive.Executing);
    EXPECT_EQ(script.RunningProcProgram, nullptr);
    EXPECT_EQ(dive.GetParam(0)->GetValue().AsInteger(), 0) << "the outermost call's parameter is restored";

    TscProcVariable& fact = DeclareFactorial(script);
    EXPECT_EQ(script.CallFunction("Fact", VarArrayOf({Variant(4)})).AsInteger(), 24);
    EXPECT_FALSE(fact.Executing);
}

TEST(ProcedureTest, VarParameterWritesBackIntoTheArgument) {
    TscScript script(nullptr);
    TscVariable& total = Declare(script, "Total", fvtInt);
    total.SetValue(Variant(5));
    // procedure AddTen(var x: Integer); begin x := x + 10 end
    TscProcVariable& addTen = DeclareProc(script, "AddTen", false, fvtVariant, {{"x", fvtInt, true}});
    TscScript& local = addTen.LocalProgram();
    TscParamItem& x = *addTen.GetParam(0);
    local.RootStatement().AddStatement(Assign(local, x, Expr(local, {V(x), Op("+"), C(10)})));
    script.RootStatement().AddStatement(Call(script, CallOf(script, addTen, ArgList(Expr(script, V(total))))));
    script.Execute();
    EXPECT_EQ(total.GetValue().AsInteger(), 15);
}

TEST(ProcedureTest, ResultsOfFunctionsThatNeverAssignThemAndOfProcedures) {
    TscScript script(nullptr);
    DeclareProc(script, "IntFunc", true, fvtInt, {}, "Integer");
    DeclareProc(script, "VarFunc", true, fvtVariant, {}, "Variant");
    DeclareProc(script, "Proc", false, fvtVariant, {});
    EXPECT_EQ(Shown(script.CallFunction("IntFunc", Variant())), "Integer:0");
    EXPECT_TRUE(script.CallFunction("VarFunc", Variant()).IsEmpty());
    EXPECT_TRUE(script.CallFunction("Proc", Variant()).IsNull());
    EXPECT_TRUE(script.CallFunction("Missing", Variant()).IsNull());
}

TEST(ProcedureTest, SetMembershipWithRanges) {
    TscScript script(nullptr);
    TscSetExpression labels;
    labels.AddElement(Expr(script, C(1)));
    labels.AddElement(Expr(script, C(3)));
    labels.AddRangeMarker();
    labels.AddElement(Expr(script, C(5)));
    labels.AddElement(Expr(script, C(9)));
    for (int value = 0; value <= 10; ++value) {
        SCOPED_TRACE(value);
        const bool expected = value == 1 || (value >= 3 && value <= 5) || value == 9;
        EXPECT_EQ(labels.Contains(Variant(value)), expected);
    }
    const Variant elements = labels.GetValue();
    EXPECT_EQ(elements.ArrayHighBound(1), 4);
    EXPECT_TRUE(elements.GetElement({2}).IsNull());
    EXPECT_EQ(elements.GetElement({3}).AsInteger(), 5);
}
