// The single-stage parameter rules as pure logic: raising, refused down
// steps, typed and hover minima, dependency marks and the full check.

#include "settings/rules/EasyRules.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using E = TEasyRuleEdit;

// The window's start values: only the brake parachute is on.
TEasyRuleState StartState() {
    TEasyRuleState s;
    s.T5 = 3.0;
    s.T14 = 10;
    s.T22 = 100;
    s.E15 = 1.5;
    s.E16 = 0.1;
    s.E17 = 0.1;
    s.E18 = 0.1;
    s.E19 = 2.5;
    s.Brake = true;
    return s;
}

const auto kAllInRange = [](int) { return true; };

TEST(EasyRulesTest, CeilRoundsUpOnlyPastAFractionOfFiveHundredths) {
    const struct { double x, expected; } cases[] = {{6.0, 6}, {6.1, 7}, {6.05, 6}, {6.06, 7}, {3.0 + 3.1, 7}, {0.0, 0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RuleCeil(c.x), c.expected) << c.x;
}

TEST(EasyRulesTest, UpArrowRaisesTimersThatWouldRunOutTooEarly) {
    const struct {
        E edit;
        bool engine, apogee;
        double t5, t14, t22;
        std::optional<double> raised;
    } cases[] = {
        {E::T14, true, true, 3.0, 6, 100, 6},          // at T5 + 3: ceil(6)
        {E::T14, true, true, 3.4, 5, 100, 7},          // ceil(6,4)
        {E::T14, true, true, 3.0, 6.5, 100, {}},       // above T5 + 3
        {E::T14, false, true, 3.0, 6, 100, {}},        // burnout timer off
        {E::T22, false, true, 3.0, 10, 151, {}},       // only apogee on, well after
        {E::T22, true, true, 3.0, 25, 31, 36},         // 31 is not above T14 + 10
        {E::T22, false, true, 3.0, 25, 35, 36},        // only apogee on, at T14 + 10
        {E::T22, true, false, 3.0, 25, 31, {}},        // only burnout on: no raising
        {E::T5, true, true, 3.0, 5, 10, {}},
    };
    for (const auto& c : cases) {
        TEasyRuleState s;
        s.EngineTimer = c.engine, s.ApogeeTimer = c.apogee, s.T5 = c.t5, s.T14 = c.t14, s.T22 = c.t22;
        EXPECT_EQ(RaisedAfterUp(c.edit, s), c.raised) << int(c.edit) << " " << c.t14 << " " << c.t22;
    }
}

TEST(EasyRulesTest, DownArrowHoldsAtTheDependentMinimum) {
    const struct {
        E edit;
        bool engine, apogee, brake, main;
        double t14, t22, e17, e19;
        bool holds;
    } cases[] = {
        {E::T14, true, false, false, false, 6.0, 100, 3, 3, true},   // T5 + 3 with the burnout timer alone
        {E::T14, true, false, false, false, 6.2, 100, 3, 3, false},
        {E::T14, false, true, false, false, 6.0, 100, 3, 3, false},
        {E::T22, false, true, false, false, 10, 20, 3, 3, true},     // T14 + 10
        {E::T22, false, false, false, false, 10, 13, 3, 3, true},    // T5 + 10, no timer on
        {E::T22, false, false, false, false, 10, 13.5, 3, 3, false},
        {E::E17, false, false, true, true, 10, 100, 1.6, 3, true},   // E16 + E15 = 1,6
        {E::E17, false, false, true, false, 10, 100, 1.6, 3, false}, // main off
        {E::E19, false, false, true, true, 10, 100, 3, 1.6, true},   // E15 + E18 = 1,6
        {E::E19, false, false, true, true, 10, 100, 3, 1.7, false},
        {E::E19, false, false, false, true, 10, 100, 3, 1.6, false}, // brake off
        {E::E15, true, true, true, true, 10, 100, 3, 1.6, false},
    };
    for (const auto& c : cases) {
        TEasyRuleState s = StartState();
        s.EngineTimer = c.engine, s.ApogeeTimer = c.apogee, s.Brake = c.brake, s.Main = c.main;
        s.T14 = c.t14, s.T22 = c.t22, s.E17 = c.e17, s.E19 = c.e19;
        EXPECT_EQ(HoldsDownStep(c.edit, s), c.holds) << int(c.edit) << " " << c.t22 << " " << c.e17 << " " << c.e19;
    }
}

TEST(EasyRulesTest, TypedTimerBelowItsDependentMinimumNamesTheMinimum) {
    const struct {
        E edit;
        bool engine, apogee;
        double t5, t14, t22;
        std::optional<std::string> minimum;
    } cases[] = {
        {E::T14, true, true, 3.0, 5, 100, "7"},       // below 6,1: ceil
        {E::T14, true, true, 3.0, 6.1, 100, {}},
        {E::T14, false, true, 3.0, 5, 100, {}},       // needs both timers
        {E::T22, false, true, 3.0, 25, 35, "36"},     // below T14 + 11
        {E::T22, true, false, 3.5, 25, 14, "14"},     // T5 + 11 = 14,5 rounds to the even 14
        {E::T22, true, false, 3.5, 25, 14.5, {}},
        {E::T22, false, false, 3.0, 25, 5, {}},       // no timer on: only the range
    };
    for (const auto& c : cases) {
        TEasyRuleState s;
        s.EngineTimer = c.engine, s.ApogeeTimer = c.apogee, s.T5 = c.t5, s.T14 = c.t14, s.T22 = c.t22;
        EXPECT_EQ(BrokenTypedMinimum(c.edit, s), c.minimum) << int(c.edit) << " " << c.t14 << " " << c.t22;
    }
}

TEST(EasyRulesTest, HoverHintsNameDependentMinima) {
    const TMinMax apogeeHint = ParseMinMaxHint("5/99");
    const TMinMax descentHint = ParseMinMaxHint("30/999");
    const TMinMax anyHint = ParseMinMaxHint("1,0/20,0");
    const struct {
        E edit;
        bool engine, apogee, brake, main;
        double t5, t14;
        TMinMax hint;
        std::optional<std::string> text;
    } cases[] = {
        {E::E19, false, false, true, true, 3, 10, anyHint, "1,7"},
        {E::E17, false, false, true, true, 3, 10, anyHint, "1,7"},   // E15 1,5 + E16 0,1 + 0,1
        {E::E17, false, false, true, false, 3, 10, anyHint, {}},
        {E::T14, true, false, false, false, 3, 10, apogeeHint, "7"},  // ceil(6,1)
        {E::T14, true, false, false, false, 0.5, 10, apogeeHint, "5"}, // the hint's minimum is larger
        {E::T14, false, true, false, false, 3, 10, apogeeHint, {}},
        {E::T22, false, true, false, false, 3, 40, descentHint, "51"},
        {E::T22, true, false, false, false, 3, 40, descentHint, "30"},  // 14 is below the hint's 30
        {E::T22, false, false, false, false, 3, 40, descentHint, {}},
    };
    for (const auto& c : cases) {
        TEasyRuleState s = StartState();
        s.EngineTimer = c.engine, s.ApogeeTimer = c.apogee, s.Brake = c.brake, s.Main = c.main, s.T5 = c.t5, s.T14 = c.t14;
        EXPECT_EQ(HoverMinimumText(c.edit, s, c.hint), c.text) << int(c.edit) << " " << c.t5;
    }
}

TEST(EasyRulesTest, DependencyMarksFollowTheOptions) {
    using M = TEasyMark;
    const struct {
        bool engine, apogee, brake, main;
        double t14, t22, e17, e19;
        TEasyMarks marks;
    } cases[] = {
        {false, false, true, false, 10, 100, 0.1, 2.5, {}},                                 // start: nothing
        {false, false, true, true, 10, 100, 0.1, 2.5, {M::Range, M::Leave, M::Leave, M::Leave}},
        {false, false, true, true, 10, 100, 1.7, 1.6, {M::Leave, M::Range, M::Leave, M::Leave}},
        {true, true, false, false, 6, 16, 3, 3, {M::Leave, M::Leave, M::Conflict, M::Conflict}},
        {true, true, false, false, 7, 17.5, 3, 3, {M::Leave, M::Leave, M::ClearConflict, M::ClearConflict}},
        {true, false, false, false, 5, 13, 3, 3, {M::Leave, M::Leave, M::Leave, M::Conflict}},  // against T5 + 10
        {true, false, false, false, 5, 14, 3, 3, {M::Leave, M::Leave, M::Leave, M::ClearConflict}},
        {false, true, false, false, 5, 15, 3, 3, {M::Leave, M::Leave, M::ClearConflict, M::Conflict}},
    };
    for (const auto& c : cases) {
        TEasyRuleState s = StartState();
        s.EngineTimer = c.engine, s.ApogeeTimer = c.apogee, s.Brake = c.brake, s.Main = c.main;
        s.T14 = c.t14, s.T22 = c.t22, s.E17 = c.e17, s.E19 = c.e19;
        const TEasyMarks m = DependencyMarks(s);
        EXPECT_EQ(m.E17, c.marks.E17) << c.t14 << " " << c.t22 << " " << c.e17;
        EXPECT_EQ(m.E19, c.marks.E19) << c.e19;
        EXPECT_EQ(m.T14, c.marks.T14) << c.t14;
        EXPECT_EQ(m.T22, c.marks.T22) << c.t22;
    }
}

TEST(EasyRulesTest, FullCheckOfTheStartValuesFindsNothing) {
    EXPECT_EQ(FullCheckLines(kAllInRange, StartState()),
              (std::vector<std::string>{"-------------------", "Ошибок нет!!!"}));
}

TEST(EasyRulesTest, FullCheckListsRangesInItsOrderThenTheRules) {
    TEasyRuleState s = StartState();
    s.Main = true;  // E17 0,1 is below E16 + E15 + 0,1 = 1,7
    s.EngineTimer = s.ApogeeTimer = true;
    s.T14 = 6;  // not above T5 + 3
    s.T22 = 16; // not above T14 + 10
    const std::set<int> outside = {26, 12, 19};
    const auto inRange = [&outside](int edit) { return !outside.count(edit); };
    const std::string d = "-------------------";
    EXPECT_EQ(FullCheckLines(inRange, s),
              (std::vector<std::string>{
                  d, "Недопустимое значение параметра \"Ускорение\" (Определение старта по ускорению)",
                  d, "Недопустимое значение параметра \"Таймаут блокировки барометра\" (Выброс основного парашюта)",
                  d, "Недопустимое значение параметра \"Время определения приземления\" (Определение приземления по барометру)",
                  d, "Недопустимое значение параметра \"Задержка выброса основного парашюта\" (Определение внештатного старта)",
                  d, "Недопустимое значение параметра \"Таймер имитации апогея\" (Определение старта по ускорению)",
                  d, "Недопустимое значение параметра \"Таймер имитации конца спуска ракеты\" (Определение старта по ускорению)",
              }));
}

TEST(EasyRulesTest, FullCheckVisitsEveryEditOnce) {
    const std::vector<int> edits = FullCheckEdits();
    EXPECT_EQ(edits.size(), 26u);
    EXPECT_EQ(std::set<int>(edits.begin(), edits.end()).size(), edits.size());
    for (int edit : edits) {
        const auto only = [edit](int e) { return e != edit; };
        const std::vector<std::string> lines = FullCheckLines(only, StartState());
        ASSERT_EQ(lines.size(), 2u) << edit;
        EXPECT_EQ(lines[1].rfind("Недопустимое значение параметра \"", 0), 0u) << edit;
    }
}

}  // namespace
