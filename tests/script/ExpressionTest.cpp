#include "ProgramParts.h"

#include "script/core/ScriptErrors.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/StringList.h"
#include "ui/core/TypeInfo.h"

using namespace program_parts;

namespace {

std::string Shown(const Variant& value) {
    if (value.IsNull()) return "Null";
    return VarTypeName(value.VarType()) + ":" + value.AsString();
}

// A host routine that counts how often it runs and answers a fixed value.
class CountingRoutine : public TscCustomVariable {
public:
    CountingRoutine(const Variant& answer, TscVarType type) : TscCustomVariable("Probe", "", type), answer_(answer) {}
    Variant GetValue() override {
        ++Calls;
        return answer_;
    }
    int Calls = 0;

private:
    Variant answer_;
};

}  // namespace

TEST(ExpressionTest, PrioritiesTypesAndValues) {
    TscScript script(nullptr);
    struct Case {
        const char* source;
        std::vector<Piece> pieces;
        TscVarType type;
        const char* expected;
    };
    std::vector<Case> cases;
    cases.push_back({"2 + 3 * 4", {C(2), Op("+"), C(3), Op("*"), C(4)}, fvtInt, "Integer:14"});
    cases.push_back({"(2 + 3) * 4", {Op("("), C(2), Op("+"), C(3), Op(")"), Op("*"), C(4)}, fvtInt, "Integer:20"});
    cases.push_back({"2 * (3 + 4) - 1", {C(2), Op("*"), Op("("), C(3), Op("+"), C(4), Op(")"), Op("-"), C(1)}, fvtInt, "Integer:13"});
    cases.push_back({"2 - 3 - 4", {C(2), Op("-"), C(3), Op("-"), C(4)}, fvtInt, "Integer:-5"});
    cases.push_back({"7 / 2", {C(7), Op("/"), C(2)}, fvtFloat, "Double:3,5"});
    cases.push_back({"7 div 2", {C(7), Op("div"), C(2)}, fvtInt, "Integer:3"});
    cases.push_back({"7 mod 2 * 3", {C(7), Op("MOD"), C(2), Op("*"), C(3)}, fvtInt, "Integer:3"});
    cases.push_back({"6 and 3", {C(6), Op("and"), C(3)}, fvtInt, "Integer:2"});
    cases.push_back({"1 shl 2 + 1", {C(1), Op("shl"), C(2), Op("+"), C(1)}, fvtInt, "Integer:5"});
    cases.push_back({"-2 * 3", {Op("unminus"), C(2), Op("*"), C(3)}, fvtInt, "Integer:-6"});
    cases.push_back({"2 * -3 + 1", {C(2), Op("*"), Op("unminus"), C(3), Op("+"), C(1)}, fvtInt, "Integer:-5"});
    cases.push_back({"not true and false", {Op("not"), C(true), Op("and"), C(false)}, fvtBool, "Boolean:False"});
    cases.push_back({"not (true and false)", {Op("not"), Op("("), C(true), Op("and"), C(false), Op(")")}, fvtBool, "Boolean:True"});
    cases.push_back({"1 = 1 = true", {C(1), Op("="), C(1), Op("="), C(true)}, fvtBool, "Boolean:True"});
    cases.push_back({"1 + 2 < 4", {C(1), Op("+"), C(2), Op("<"), C(4)}, fvtBool, "Boolean:True"});
    cases.push_back({"1 + 0.5", {C(1), Op("+"), C(0.5)}, fvtFloat, "Double:1,5"});
    cases.push_back({"'a' + 'b'", {C("a"), Op("+"), C("b")}, fvtString, "String:ab"});
    cases.push_back({"'a' strcat 'b'", {C("a"), Op("strcat"), C("b")}, fvtString, "String:ab"});
    cases.push_back({"'abc' < 'abd'", {C("abc"), Op("<"), C("abd")}, fvtBool, "Boolean:True"});
    cases.push_back({"true xor true", {C(true), Op("xor"), C(true)}, fvtBool, "Boolean:False"});
    for (Case& c : cases) {
        SCOPED_TRACE(c.source);
        auto expression = Expr(script, std::move(c.pieces));
        EXPECT_EQ(expression->Type, c.type);
        EXPECT_EQ(Shown(expression->GetValue()), c.expected);
    }
}

TEST(ExpressionTest, IncompatibleOperandsGiveThePositionOfTheOperator) {
    TscScript script(nullptr);
    struct Case {
        const char* source;
        std::vector<Piece> pieces;
        const char* errorPos;
    };
    std::vector<Case> cases;
    cases.push_back({"'a' = 1", {C("a"), Op("="), C(1)}, "1:2"});
    cases.push_back({"true + 1", {C(true), Op("+"), C(1)}, "1:2"});
    cases.push_back({"1 + 2 * 'x'", {C(1), Op("+"), C(2), Op("*"), C("x")}, "1:4"});
    cases.push_back({"'a' - 'b'", {C("a"), Op("-"), C("b")}, "1:2"});
    cases.push_back({"1 + 2", {C(1), Op("+"), C(2)}, ""});
    for (Case& c : cases) {
        SCOPED_TRACE(c.source);
        std::string errorPos = "unset";
        Expr(script, std::move(c.pieces), &errorPos);
        EXPECT_EQ(errorPos, c.errorPos);
    }
}

TEST(ExpressionTest, UnmatchedClosingBracketIsAnError) {
    TscScript script(nullptr);
    TscExpression expression(script);
    expression.AddConst(Variant(1));
    EXPECT_THROW(expression.AddOperator(")"), EScriptError);
}

TEST(ExpressionTest, BooleanAndOrSkipTheRightSideWhenTheLeftDecides) {
    struct Case {
        const char* source;
        bool left;
        const char* op;
        int expectedCalls;
        bool expected;
    };
    const Case cases[] = {
        {"false and probe", false, "and", 0, false},
        {"true and probe", true, "and", 1, true},
        {"true or probe", true, "or", 0, true},
        {"false or probe", false, "or", 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        TscScript script(nullptr);
        auto* probe = new CountingRoutine(Variant(true), fvtBool);
        script.Add("Probe", std::unique_ptr<TObject>(probe));
        auto expression = Expr(script, {C(c.left), Op(c.op), V(*probe)});
        EXPECT_EQ(expression->GetValue().AsBoolean(), c.expected);
        EXPECT_EQ(probe->Calls, c.expectedCalls);
    }
}

TEST(ExpressionTest, MembershipInSetsAndInArraysWithRanges) {
    TscScript script(nullptr);
    auto set = [&] {
        auto labels = std::make_unique<TscSetExpression>();
        labels->AddElement(Expr(script, C(1)));
        labels->AddElement(Expr(script, C(3)));
        labels->AddRangeMarker();
        labels->AddElement(Expr(script, C(5)));
        return labels;
    };
    struct Case {
        int value;
        bool expected;
    };
    const Case cases[] = {{1, true}, {2, false}, {3, true}, {4, true}, {5, true}, {6, false}};
    TscVariable& list = Declare(script, "List", fvtVariant);
    list.SetValue(VarArrayOf({Variant(1), Variant::Null(), Variant(5), Variant(9)}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        auto expression = std::make_unique<TscExpression>(script);
        expression->AddConst(Variant(c.value));
        expression->AddOperator("in");
        expression->AddSet(set());
        EXPECT_EQ(expression->Complete(), "");
        EXPECT_EQ(expression->Type, fvtBool);
        EXPECT_EQ(expression->GetValue().AsBoolean(), c.expected);

        auto inArray = Expr(script, {C(c.value), Op("in"), V(list)});
        EXPECT_EQ(inArray->GetValue().AsBoolean(), c.value >= 1 && c.value <= 5) << "1, Null, 5 is a range";
    }
    auto nine = Expr(script, {C(9), Op("in"), V(list)});
    EXPECT_TRUE(nine->GetValue().AsBoolean());
}

TEST(ExpressionTest, OnlyASingleWritableVariableCanBeWrittenThrough) {
    TscScript script(nullptr);
    TscVariable& x = Declare(script, "X", fvtInt);
    TscVariable& limit = Declare(script, "Limit", fvtInt);
    limit.IsReadOnly = true;

    auto single = Expr(script, V(x));
    EXPECT_FALSE(single->IsReadOnly);
    EXPECT_EQ(single->SingleOperand(), &x);
    single->SetValue(Variant(42));
    EXPECT_EQ(x.GetValue().AsInteger(), 42);

    auto sum = Expr(script, {V(x), Op("+"), C(1)});
    EXPECT_TRUE(sum->IsReadOnly);
    EXPECT_EQ(sum->SingleOperand(), nullptr);
    sum->SetValue(Variant(7));
    EXPECT_EQ(x.GetValue().AsInteger(), 42);

    auto constant = Expr(script, V(limit));
    EXPECT_TRUE(constant->IsReadOnly);
    auto literal = Expr(script, C(5));
    ASSERT_NE(literal->SingleOperand(), nullptr);
    EXPECT_EQ(literal->SingleOperand()->GetValue().AsInteger(), 5);
}

TEST(ExpressionTest, FoldingIntoAnAssignment) {
    TscScript script(nullptr);
    TscVariable& x = Declare(script, "X", fvtInt);
    TscVariable& y = Declare(script, "Y", fvtInt);
    TscVariable& s = Declare(script, "S", fvtString);
    y.SetValue(Variant(10));
    s.SetValue(Variant("b"));
    struct Case {
        const char* source;
        TscVariable* target;
        std::vector<Piece> pieces;
        const char* operation;
        const char* keptValue;
    };
    std::vector<Case> cases;
    cases.push_back({"x := x + y", &x, {V(x), Op("+"), V(y)}, "+", "Integer:10"});
    cases.push_back({"x := x - 2 * y", &x, {V(x), Op("-"), C(2), Op("*"), V(y)}, "-", "Integer:20"});
    cases.push_back({"x := x / 4", &x, {V(x), Op("/"), C(4)}, "/", "Integer:4"});
    cases.push_back({"x := y * x", &x, {V(y), Op("*"), V(x)}, "*", "Integer:10"});
    cases.push_back({"x := 3 - x", &x, {C(3), Op("-"), V(x)}, " ", nullptr});
    cases.push_back({"x := y + 1", &x, {V(y), Op("+"), C(1)}, " ", nullptr});
    cases.push_back({"s := 'a' + s keeps the order of texts", &s, {C("a"), Op("+"), V(s)}, " ", nullptr});
    cases.push_back({"s := s + 'a'", &s, {V(s), Op("+"), C("a")}, "+", "String:a"});
    cases.push_back({"x := x div 2", &x, {V(x), Op("div"), C(2)}, " ", nullptr});
    for (Case& c : cases) {
        SCOPED_TRACE(c.source);
        auto expression = Expr(script, std::move(c.pieces));
        auto target = Designate(script, *c.target);
        const Variant before = expression->GetValue();
        EXPECT_EQ(expression->FoldIntoAssignment(*target), c.operation);
        const std::string expected = c.keptValue ? c.keptValue : Shown(before);
        EXPECT_EQ(Shown(expression->GetValue()), expected) << "what is kept, or the whole when nothing folds";
    }
}

TEST(ExpressionTest, IsTestsTheClassOfAnObjectReference) {
    RegisterClass(TComponent::StaticClass());
    ScopeExit unregister([] { UnRegisterClass(TComponent::StaticClass()); });
    TscScript script(nullptr);
    TComponent component(nullptr);
    TStringList list;
    script.AddObject("Part", &component);
    script.AddObject("Lines", &list);
    script.AddObject("Nothing", nullptr);
    auto& componentClass = Declare(script, "TComponent", fvtClass, "TComponent");
    auto& unknownClass = Declare(script, "TUnregistered", fvtClass, "TUnregistered");
    struct Case {
        const char* source;
        const char* object;
        TscCustomVariable* classEntry;
        bool expected;
    };
    const Case cases[] = {
        {"Part is TComponent", "Part", &componentClass, true},
        {"Lines is TComponent", "Lines", &componentClass, false},
        {"Nothing is TComponent", "Nothing", &componentClass, false},
        {"Part is TUnregistered", "Part", &unknownClass, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        auto expression = Expr(script, {V(*script.Find(c.object)), Op("is"), V(*c.classEntry)});
        EXPECT_EQ(expression->Type, fvtBool);
        EXPECT_EQ(expression->GetValue().AsBoolean(), c.expected);
    }
}
