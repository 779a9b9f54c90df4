#include "ProgramParts.h"

#include "ui/variant/VariantErrors.h"

using namespace program_parts;

namespace {

// Records each value it is given, as a host routine would: Log(value).
class Recorder : public TscCustomVariable {
public:
    Recorder() : TscCustomVariable("Log", "", fvtVariant) {
        Add(std::make_unique<TscParamItem>("Value", fvtVariant, "", false, false));
    }
    Variant GetValue() override {
        Seen.push_back(GetParam(0)->GetValue().AsString());
        return Variant::Null();
    }
    std::vector<std::string> Seen;
};

// A host routine that raises the library's exception with its argument as message.
class Raiser : public TscCustomVariable {
public:
    Raiser() : TscCustomVariable("RaiseException", "", fvtVariant) {
        Add(std::make_unique<TscParamItem>("Param", fvtString, "", false, false));
    }
    Variant GetValue() override { throw Exception(GetParam(0)->GetValue().AsString()); }
};

struct ScriptWithLog {
    TscScript script{nullptr};
    Recorder* log;
    ScriptWithLog() {
        auto recorder = std::make_unique<Recorder>();
        log = recorder.get();
        script.Add("Log", std::move(recorder));
    }
    // Log(<expression>) as a call statement of the given program.
    std::unique_ptr<TscCallStmt> LogOf(TscScript& program, std::unique_ptr<TscCustomExpression> value) {
        return Call(program, CallOf(program, *log, ArgList(std::move(value))));
    }
    std::string Seen() const {
        std::string text;
        for (const std::string& value : log->Seen) text += (text.empty() ? "" : " ") + value;
        return text;
    }
};

}  // namespace

TEST(StatementTest, CountingLoops) {
    struct Case {
        const char* source;
        int first;
        int last;
        bool down;
        const char* seen;
        int variableAfter;
    };
    const Case cases[] = {
        {"for i := 5 to 1", 5, 1, false, "", 77},
        {"for i := 1 downto 1", 1, 1, true, "1", 1},
        {"for i := 1 to 4", 1, 4, false, "1 2 3 4", 4},
        {"for i := 3 downto 1", 3, 1, true, "3 2 1", 1},
        {"for i := 2147483646 to 2147483647", 2147483646, 2147483647, false, "2147483646 2147483647", 2147483647},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        ScriptWithLog s;
        TscVariable& i = Declare(s.script, "i", fvtInt);
        i.SetValue(Variant(77));
        auto loop = std::make_unique<TscForStmt>(s.script, "1:1", "", i, Expr(s.script, C(c.first)),
                                                 Expr(s.script, C(c.last)), c.down);
        loop->AddStatement(s.LogOf(s.script, Expr(s.script, V(i))));
        s.script.RootStatement().AddStatement(std::move(loop));
        s.script.Execute();
        EXPECT_EQ(s.Seen(), c.seen);
        EXPECT_EQ(i.GetValue().AsInteger(), c.variableAfter);
    }
}

TEST(StatementTest, ForLoopCounterIsHeldByTheStatement) {
    ScriptWithLog s;
    TscVariable& i = Declare(s.script, "i", fvtInt);
    auto loop = std::make_unique<TscForStmt>(s.script, "1:1", "", i, Expr(s.script, C(1)), Expr(s.script, C(3)), false);
    loop->AddStatement(Assign(s.script, i, Expr(s.script, C(100))));
    loop->AddStatement(s.LogOf(s.script, Expr(s.script, V(i))));
    s.script.RootStatement().AddStatement(std::move(loop));
    s.script.Execute();
    EXPECT_EQ(s.Seen(), "100 100 100");
}

TEST(StatementTest, BasicStyleLoopWithAFractionalStep) {
    ScriptWithLog s;
    TscVariable& x = Declare(s.script, "x", fvtVariant);
    auto loop = std::make_unique<TscVbForStmt>(s.script, "1:1", "", x, Expr(s.script, C(2)), Expr(s.script, C(0)),
                                               Expr(s.script, C(-0.5)));
    loop->AddStatement(s.LogOf(s.script, Expr(s.script, V(x))));
    s.script.RootStatement().AddStatement(std::move(loop));
    s.script.Execute();
    EXPECT_EQ(s.Seen(), "2 1,5 1 0,5 0");
}

TEST(StatementTest, BreakEndsTheInnerLoopAndContinueSkipsToTheNextPass) {
    ScriptWithLog s;
    TscScript& p = s.script;
    TscVariable& i = Declare(p, "i", fvtInt);
    TscVariable& j = Declare(p, "j", fvtInt);
    // for i := 1 to 3 do begin
    //   for j := 1 to 3 do begin if j = 2 then continue; if j = 3 then break; Log(j) end;
    //   if i = 2 then continue; Log(i * 10)
    // end; Log(99)
    auto inner = std::make_unique<TscForStmt>(p, "2:1", "", j, Expr(p, C(1)), Expr(p, C(3)), false);
    auto skip = std::make_unique<TscIfStmt>(p, "3:1", "", Expr(p, {V(j), Op("="), C(2)}));
    skip->AddStatement(std::make_unique<TscContinueStmt>(p, "3:2", ""));
    auto stop = std::make_unique<TscIfStmt>(p, "4:1", "", Expr(p, {V(j), Op("="), C(3)}));
    stop->AddStatement(std::make_unique<TscBreakStmt>(p, "4:2", ""));
    inner->AddStatement(std::move(skip));
    inner->AddStatement(std::move(stop));
    inner->AddStatement(s.LogOf(p, Expr(p, V(j))));
    auto outer = std::make_unique<TscForStmt>(p, "1:1", "", i, Expr(p, C(1)), Expr(p, C(3)), false);
    outer->AddStatement(std::move(inner));
    auto skipOuter = std::make_unique<TscIfStmt>(p, "5:1", "", Expr(p, {V(i), Op("="), C(2)}));
    skipOuter->AddStatement(std::make_unique<TscContinueStmt>(p, "5:2", ""));
    outer->AddStatement(std::move(skipOuter));
    outer->AddStatement(s.LogOf(p, Expr(p, {V(i), Op("*"), C(10)})));
    p.RootStatement().AddStatement(std::move(outer));
    p.RootStatement().AddStatement(s.LogOf(p, Expr(p, C(99))));
    p.Execute();
    EXPECT_EQ(s.Seen(), "1 10 1 1 30 99");
}

TEST(StatementTest, WhileAndRepeatInBothSenses) {
    struct Case {
        const char* source;
        int kind;  // 0 while, 1 repeat-until, 2 do-while
        const char* seen;
    };
    const Case cases[] = {
        {"while n < 3 do n := n + 1", 0, "1 2 3"},
        {"repeat n := n + 1 until n >= 3", 1, "1 2 3"},
        {"do n := n + 1 while n < 3", 2, "1 2 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        ScriptWithLog s;
        TscScript& p = s.script;
        TscVariable& n = Declare(p, "n", fvtInt);
        n.SetValue(Variant(0));
        std::unique_ptr<TscStatement> loop;
        if (c.kind == 0) loop = std::make_unique<TscWhileStmt>(p, "1:1", "", Expr(p, {V(n), Op("<"), C(3)}));
        else if (c.kind == 1) loop = std::make_unique<TscRepeatStmt>(p, "1:1", "", Expr(p, {V(n), Op(">="), C(3)}), false);
        else loop = std::make_unique<TscRepeatStmt>(p, "1:1", "", Expr(p, {V(n), Op("<"), C(3)}), true);
        loop->AddStatement(Compound<TscAssignPlusStmt>(p, n, Expr(p, C(1))));
        loop->AddStatement(s.LogOf(p, Expr(p, V(n))));
        p.RootStatement().AddStatement(std::move(loop));
        p.Execute();
        EXPECT_EQ(s.Seen(), c.seen);
    }
}

TEST(StatementTest, CaseRunsOnlyTheFirstMatchingBranch) {
    struct Case {
        int selector;
        const char* seen;
    };
    for (const Case& c : {Case{2, "first"}, Case{4, "second"}, Case{7, "else"}}) {
        SCOPED_TRACE(c.selector);
        ScriptWithLog s;
        TscScript& p = s.script;
        auto statement = std::make_unique<TscCaseStmt>(p, "1:1", "", Expr(p, C(c.selector)));
        auto firstLabels = std::make_unique<TscSetExpression>();
        firstLabels->AddElement(Expr(p, C(1)));
        firstLabels->AddRangeMarker();
        firstLabels->AddElement(Expr(p, C(3)));
        auto first = std::make_unique<TscCaseSelector>(p, "2:1", "", std::move(firstLabels));
        first->AddStatement(s.LogOf(p, Expr(p, C("first"))));
        auto secondLabels = std::make_unique<TscSetExpression>();
        secondLabels->AddElement(Expr(p, C(2)));
        secondLabels->AddElement(Expr(p, C(4)));
        auto second = std::make_unique<TscCaseSelector>(p, "3:1", "", std::move(secondLabels));
        second->AddStatement(s.LogOf(p, Expr(p, C("second"))));
        statement->AddStatement(std::move(first));
        statement->AddStatement(std::move(second));
        statement->ElsePart().AddStatement(s.LogOf(p, Expr(p, C("else"))));
        p.RootStatement().AddStatement(std::move(statement));
        p.Execute();
        EXPECT_EQ(s.Seen(), c.seen);
    }
}

TEST(StatementTest, TryExceptCatchesDivisionByZeroByItsKind) {
    struct Case {
        const char* source;
        std::vector<Piece> pieces;
        const char* className;
    };
    std::vector<Case> cases;
    cases.push_back({"x := 1 div 0", {C(1), Op("div"), C(0)}, "EDivByZero"});
    cases.push_back({"x := 1 / 0", {C(1), Op("/"), C(0)}, "EZeroDivide"});
    cases.push_back({"x := 'a' * 2", {C("a"), Op("*"), C(2)}, "EVariantTypeCastError"});
    for (Case& c : cases) {
        SCOPED_TRACE(c.source);
        ScriptWithLog s;
        TscScript& p = s.script;
        p.AddVariable("ExceptionClassName", "String", Variant(""));
        p.AddVariable("ExceptionMessage", "String", Variant(""));
        TscVariable& x = Declare(p, "x", fvtInt);
        auto guarded = std::make_unique<TscTryStmt>(p, "1:1", "", true);
        auto failing = std::make_unique<TscAssignmentStmt>(p, "2:1", "");
        std::string errorPos;
        failing->Prepare(Designate(p, x), Expr(p, std::move(c.pieces), &errorPos));
        guarded->AddStatement(std::move(failing));
        guarded->AddStatement(s.LogOf(p, Expr(p, C("not reached"))));
        guarded->ExceptPart().AddStatement(s.LogOf(p, Expr(p, V(*p.Find("ExceptionClassName")))));
        p.RootStatement().AddStatement(std::move(guarded));
        p.RootStatement().AddStatement(s.LogOf(p, Expr(p, C("after"))));
        p.Execute();
        EXPECT_EQ(s.Seen(), std::string(c.className) + " after");
        EXPECT_FALSE(p.Find("ExceptionMessage")->GetValue().AsString().empty());
    }
}

TEST(StatementTest, RaisedErrorRunsFinallyAndLeavesTheScriptUsable) {
    ScriptWithLog s;
    TscScript& p = s.script;
    auto raiser = std::make_unique<Raiser>();
    Raiser& raise = *raiser;
    p.Add("RaiseException", std::move(raiser));
    auto guarded = std::make_unique<TscTryStmt>(p, "1:1", "", false);
    guarded->AddStatement(Call(p, CallOf(p, raise, ArgList(Expr(p, C("Нет данных"))))));
    guarded->ExceptPart().AddStatement(s.LogOf(p, Expr(p, C("finally"))));
    p.RootStatement().AddStatement(std::move(guarded));
    try {
        p.Execute();
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Нет данных");
    }
    EXPECT_EQ(s.Seen(), "finally");
    EXPECT_FALSE(p.Running);
    EXPECT_FALSE(p.ExitFlag);
    p.RootStatement().Clear();
    p.RootStatement().AddStatement(s.LogOf(p, Expr(p, C("again"))));
    p.Execute();
    EXPECT_EQ(s.Seen(), "finally again");
}

TEST(StatementTest, ExitInsideTryFinallyInAProcedureRunsFinallyThenLeavesTheProcedure) {
    ScriptWithLog s;
    TscScript& p = s.script;
    TscProcVariable& proc = DeclareProc(p, "Work", false, fvtVariant, {});
    TscScript& local = proc.LocalProgram();
    auto guarded = std::make_unique<TscTryStmt>(local, "1:1", "", false);
    guarded->AddStatement(std::make_unique<TscExitStmt>(local, "2:1", ""));
    guarded->AddStatement(s.LogOf(local, Expr(local, C("after exit"))));
    guarded->ExceptPart().AddStatement(s.LogOf(local, Expr(local, C("finally"))));
    local.RootStatement().AddStatement(std::move(guarded));
    local.RootStatement().AddStatement(s.LogOf(local, Expr(local, C("after try"))));
    p.RootStatement().AddStatement(Call(p, CallOf(p, proc, {})));
    p.RootStatement().AddStatement(s.LogOf(p, Expr(p, C("main goes on"))));
    p.Execute();
    EXPECT_EQ(s.Seen(), "finally main goes on");
}

TEST(StatementTest, TerminateFromTheRunLineHandlerStopsEveryLevel) {
    ScriptWithLog s;
    TscScript& p = s.script;
    TscVariable& i = Declare(p, "i", fvtInt);
    i.SetValue(Variant(0));
    TscProcVariable& proc = DeclareProc(p, "Work", false, fvtVariant, {});
    TscScript& local = proc.LocalProgram();
    // procedure Work; begin for i := 1 to 10 do begin Log(i); Log('second') end end
    auto loop = std::make_unique<TscForStmt>(local, "1:1", "", i, Expr(local, C(1)), Expr(local, C(10)), false);
    loop->AddStatement(s.LogOf(local, Expr(local, V(i))));
    loop->AddStatement(s.LogOf(local, Expr(local, C("second"))));
    local.RootStatement().AddStatement(std::move(loop));
    p.RootStatement().AddStatement(Call(p, CallOf(p, proc, {})));
    p.RootStatement().AddStatement(s.LogOf(p, Expr(p, C("main after"))));
    int notices = 0;
    p.OnRunLine = [&](TscScript& sender, const std::string&, const std::string&) {
        ++notices;
        // On the second pass's first statement: stop everything.
        if (i.GetValue().AsInteger() == 2 && &sender == &local) p.Terminate();
    };
    p.Execute();
    EXPECT_EQ(s.Seen(), "1 second");
    EXPECT_FALSE(p.Terminated);
    EXPECT_FALSE(local.Terminated);

    p.OnRunLine = nullptr;
    s.log->Seen.clear();
    p.Execute();
    EXPECT_EQ(s.log->Seen.size(), 21u) << "the next run starts from the beginning";
    EXPECT_GT(notices, 0);
}

TEST(StatementTest, CompoundAssignmentsIncrementsAndTextAppends) {
    ScriptWithLog s;
    TscScript& p = s.script;
    TscVariable& n = Declare(p, "n", fvtInt);
    TscVariable& f = Declare(p, "f", fvtFloat);
    TscVariable& text = Declare(p, "s", fvtString);
    TscVariable& any = Declare(p, "v", fvtVariant);
    n.SetValue(Variant(10));
    f.SetValue(Variant(1.0));
    text.SetValue(Variant("ab"));
    any.SetValue(Variant("x"));
    p.RootStatement().AddStatement(Compound<TscAssignMinusStmt>(p, n, Expr(p, C(3))));
    p.RootStatement().AddStatement(Compound<TscAssignMulStmt>(p, n, Expr(p, C(2))));
    p.RootStatement().AddStatement(Compound<TscAssignDivStmt>(p, f, Expr(p, C(4))));
    p.RootStatement().AddStatement(Compound<TscAssignPlusStmt>(p, text, Expr(p, C("cd"))));
    p.RootStatement().AddStatement(Compound<TscAssignPlusStmt>(p, any, Expr(p, C("y"))));
    p.RootStatement().AddStatement(Call(p, Designate(p, n), "+"));
    p.RootStatement().AddStatement(Call(p, Designate(p, n), "+"));
    p.RootStatement().AddStatement(Call(p, Designate(p, n), "-"));
    p.Execute();
    EXPECT_EQ(n.GetValue().AsInteger(), 15);
    EXPECT_EQ(f.GetValue().AsString(), "0,25");
    EXPECT_EQ(text.GetValue().AsString(), "abcd");
    EXPECT_EQ(any.GetValue().AsString(), "xy");

    p.Clear();
    TscVariable& k = Declare(p, "k", fvtVariant);
    k.SetValue(Variant("12"));
    p.RootStatement().AddStatement(Compound<TscAssignPlusStmt>(p, k, Expr(p, C(3))));
    p.Execute();
    EXPECT_EQ(k.GetValue().VarType(), varInteger) << "a number added to a text holding a number adds";
    EXPECT_EQ(k.GetValue().AsInteger(), 15);
}
