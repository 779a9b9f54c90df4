#include "ProgramParts.h"

#include "script/core/ScriptErrors.h"
#include "script/members/CustomHelper.h"

using namespace program_parts;

namespace {

// A host function answering a number, counting its calls, told whether its result is wanted.
class Counter : public TscCustomVariable {
public:
    Counter() : TscCustomVariable("Next", "", fvtInt) {}
    Variant GetValue() override {
        ++Calls;
        LastNeedResult = NeedResult;
        return Variant(Calls * 100);
    }
    int Calls = 0;
    bool LastNeedResult = true;
};

// A property of the instance before it in the chain: the instance times ten.
class TenfoldMember : public TscCustomHelper {
public:
    TenfoldMember() : TscCustomHelper("Tenfold", "", fvtInt) {}
    Variant GetValue() override {
        SeenParent = ParentRef;
        return ParentValue * Variant(10);
    }
    TscCustomVariable* SeenParent = nullptr;
};

// An array variable as the builder declares it, with its element member.
TscVariable& DeclareArray(TscScript& script, const std::string& name, const std::vector<int>& bounds) {
    TscVariable& array = Declare(script, name, fvtArray);
    array.SetValue(VarArrayCreate(bounds, varVariant));
    auto helper = std::make_unique<TscArrayHelper>("__" + name, "", fvtVariant, static_cast<int>(bounds.size() / 2));
    array.RefItem = helper.get();
    script.Add("", std::move(helper));
    return array;
}

}  // namespace

TEST(DesignatorTest, CharacterOfAStringVariable) {
    TscScript script(nullptr);
    TscVariable& text = Declare(script, "s", fvtString);
    TscStringHelper helper;
    text.SetValue(Variant("abc"));
    auto at = [&](int index) {
        std::vector<Step> steps;
        steps.push_back(Step{&text, {}});
        steps.push_back(Step{&helper, ArgList(Expr(script, C(index)))});
        return Designate(script, std::move(steps));
    };
    auto second = at(2);
    ASSERT_NE(dynamic_cast<TscStringDesignator*>(second.get()), nullptr);
    EXPECT_EQ(second->GetValue().AsString(), "b");
    second->SetValue(Variant("X"));
    EXPECT_EQ(text.GetValue().AsString(), "aXc");

    struct Case {
        int index;
        bool inside;
    };
    for (const Case& c : {Case{0, false}, Case{1, true}, Case{3, true}, Case{4, false}, Case{-1, false}}) {
        SCOPED_TRACE(c.index);
        auto designator = at(c.index);
        if (c.inside) {
            EXPECT_NO_THROW(designator->GetValue());
        } else {
            EXPECT_THROW(designator->GetValue(), EScriptRangeError);
            EXPECT_THROW(designator->SetValue(Variant("Z")), EScriptRangeError);
        }
    }
    EXPECT_EQ(text.GetValue().AsString(), "aXc") << "a refused write changes nothing";

    text.SetValue(Variant("абв"));
    EXPECT_EQ(at(2)->GetValue().AsString(), "б") << "characters, not bytes";
    at(3)->SetValue(Variant("Жук"));
    EXPECT_EQ(text.GetValue().AsString(), "абЖ");
    EXPECT_THROW(at(4)->GetValue(), EScriptRangeError);

    // The general member path takes the same care.
    std::vector<Step> steps;
    steps.push_back(Step{&text, {}});
    steps.push_back(Step{&helper, ArgList(Expr(script, C(1)))});
    auto designator = std::make_unique<TscDesignator>(script);
    for (Step& step : steps) {
        TscDesignatorItem& item = designator->AddStep(*step.entry);
        for (auto& argument : step.arguments) item.AddArgument(std::move(argument));
    }
    EXPECT_EQ(designator->GetValue().AsString(), "а");
    designator->SetValue(Variant("Я"));
    EXPECT_EQ(text.GetValue().AsString(), "ЯбЖ");
}

TEST(DesignatorTest, ElementOfATwoDimensionalArrayVariable) {
    TscScript script(nullptr);
    TscVariable& grid = DeclareArray(script, "Grid", {0, 2, 1, 3});
    auto element = [&](int row, int column) {
        std::vector<Step> steps;
        steps.push_back(Step{&grid, {}});
        steps.push_back(Step{grid.RefItem, ArgList(Expr(script, C(row)), Expr(script, C(column)))});
        return Designate(script, std::move(steps));
    };
    auto cell = element(2, 3);
    ASSERT_NE(dynamic_cast<TscArrayDesignator*>(cell.get()), nullptr);
    cell->SetValue(Variant("seen"));
    EXPECT_EQ(grid.StoredValue.GetElement({2, 3}).AsString(), "seen");
    EXPECT_EQ(element(2, 3)->GetValue().AsString(), "seen");
    EXPECT_TRUE(element(0, 1)->GetValue().IsEmpty());
    EXPECT_THROW(element(3, 1)->GetValue(), EVariantBadIndexError);

    auto readCell = Expr(script, {D(element(2, 3)), Op("+"), C("!")});
    EXPECT_EQ(readCell->GetValue().AsString(), "seen!");
}

TEST(DesignatorTest, CallStatementDropsTheResultButRunsTheFunction) {
    TscScript script(nullptr);
    auto counter = std::make_unique<Counter>();
    Counter& next = *counter;
    script.Add("Next", std::move(counter));
    script.RootStatement().AddStatement(Call(script, Designate(script, next)));
    script.Execute();
    EXPECT_EQ(next.Calls, 1);
    EXPECT_FALSE(next.LastNeedResult);

    auto used = Expr(script, V(next));
    EXPECT_EQ(used->GetValue().AsInteger(), 200);
    EXPECT_TRUE(next.LastNeedResult);
}

TEST(DesignatorTest, ChainHandsEachValueToTheNextMemberAsItsInstance) {
    TscScript script(nullptr);
    auto counter = std::make_unique<Counter>();
    Counter& next = *counter;
    script.Add("Next", std::move(counter));
    TenfoldMember tenfold;
    std::vector<Step> steps;
    steps.push_back(Step{&next, {}});
    steps.push_back(Step{&tenfold, {}});
    auto chain = Designate(script, std::move(steps));
    EXPECT_EQ(chain->Kind(), TscDesignatorKind::General);
    EXPECT_EQ(chain->GetValue().AsInteger(), 1000);
    EXPECT_EQ(tenfold.SeenParent, &next);
    EXPECT_EQ(chain->Type, fvtInt);
}

TEST(DesignatorTest, ConstructorStepGivesTheClassType) {
    TscScript script(nullptr);
    TscTypeVariable classEntry("TStringList", "TStringList", fvtClass);
    TscCustomVariable create("Create", "", fvtConstructor);
    std::vector<Step> steps;
    steps.push_back(Step{&classEntry, {}});
    steps.push_back(Step{&create, {}});
    auto designator = Designate(script, std::move(steps));
    EXPECT_EQ(designator->Type, fvtClass);
    EXPECT_EQ(designator->TypeName, "TStringList");
}

TEST(DesignatorTest, KindsOfShortPaths) {
    TscScript script(nullptr);
    TscVariable& plain = Declare(script, "Plain", fvtInt);
    TscVariable& constant = Declare(script, "Limit", fvtInt);
    constant.IsReadOnly = true;
    auto variable = Designate(script, plain);
    EXPECT_EQ(variable->Kind(), TscDesignatorKind::Variable);
    EXPECT_NE(dynamic_cast<TscVariableDesignator*>(variable.get()), nullptr);
    variable->SetValue(Variant("7"));
    EXPECT_EQ(plain.GetValue().VarType(), varInteger);
    EXPECT_EQ(variable->GetValue().AsInteger(), 7);
    EXPECT_TRUE(Designate(script, constant)->IsReadOnly);
    Counter routine;
    EXPECT_EQ(Designate(script, routine)->Kind(), TscDesignatorKind::General);
}
