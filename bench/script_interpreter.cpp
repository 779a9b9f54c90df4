// module: script
// The interpreter's speed on the two loads a script puts on it: routine
// calls (a recursive Fibonacci of 27) and a long loop of integer arithmetic
// and text appends. script_interpreter_reference.py runs the same two
// programs in python3 for comparison.
#include "script/component/Script.h"
#include "script/core/ProcVariable.h"
#include "script/designators/Designator.h"
#include "script/expressions/Expression.h"
#include "script/statements/Statements.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace {

constexpr int kFibonacciArgument = 27;
constexpr int kLoopPasses = 1000000;

std::unique_ptr<TscDesignator> Designate(TscScript& script, TscCustomVariable& entry,
                                         std::vector<std::unique_ptr<TscCustomExpression>> arguments = {}) {
    auto designator = std::make_unique<TscDesignator>(script);
    TscDesignatorItem& step = designator->AddStep(entry);
    for (auto& argument : arguments) step.AddArgument(std::move(argument));
    designator->Finish();
    return TscDesignator::ShortPath(std::move(designator));
}

// Operands and operator texts in source order; an entry stands for a designator over it.
using Piece = std::variant<Variant, TscCustomVariable*, std::string, std::unique_ptr<TscDesignator>*>;

std::unique_ptr<TscExpression> Expr(TscScript& script, std::vector<Piece> pieces) {
    auto expression = std::make_unique<TscExpression>(script);
    for (Piece& piece : pieces) {
        if (auto* value = std::get_if<Variant>(&piece)) expression->AddConst(*value);
        else if (auto* entry = std::get_if<TscCustomVariable*>(&piece)) expression->AddDesignator(Designate(script, **entry));
        else if (auto* text = std::get_if<std::string>(&piece)) expression->AddOperator(*text);
        else expression->AddDesignator(std::move(*std::get<std::unique_ptr<TscDesignator>*>(piece)));
    }
    expression->Complete();
    return expression;
}

std::unique_ptr<TscAssignmentStmt> Assign(TscScript& script, TscCustomVariable& target, std::unique_ptr<TscExpression> source) {
    auto designator = Designate(script, target);
    // The program builder folds "x := x + e" into a compound assignment.
    const std::string folded = source->FoldIntoAssignment(*designator);
    std::unique_ptr<TscAssignmentStmt> statement;
    if (folded == "+") statement = std::make_unique<TscAssignPlusStmt>(script, "1:1", "");
    else statement = std::make_unique<TscAssignmentStmt>(script, "1:1", "");
    statement->Prepare(std::move(designator), std::move(source));
    return statement;
}

// function Fib(n: Integer): Integer;
// begin if n < 2 then Result := n else Result := Fib(n - 1) + Fib(n - 2) end;
void DeclareFibonacci(TscScript& script) {
    auto fib = std::make_unique<TscProcVariable>("Fib", fvtInt, "Integer", script, true);
    TscProcVariable& proc = *fib;
    TscParamItem& n = proc.AddParam(std::make_unique<TscParamItem>("n", fvtInt, "Integer", false, false));
    script.Add("Fib", std::move(fib));
    TscScript& local = proc.LocalProgram();
    auto branch = std::make_unique<TscIfStmt>(local, "2:1", "", Expr(local, {&n, std::string("<"), Variant(2)}));
    branch->AddStatement(Assign(local, *proc.RefItem, Expr(local, {&n})));
    auto callOf = [&](int back) {
        std::vector<std::unique_ptr<TscCustomExpression>> arguments;
        arguments.push_back(Expr(local, {&n, std::string("-"), Variant(back)}));
        return Designate(local, proc, std::move(arguments));
    };
    auto first = callOf(1);
    auto second = callOf(2);
    branch->ElsePart().AddStatement(Assign(local, *proc.RefItem, Expr(local, {&first, std::string("+"), &second})));
    local.RootStatement().AddStatement(std::move(branch));
}

void BM_RecursiveFibonacci(benchmark::State& state) {
    TscScript script(nullptr);
    DeclareFibonacci(script);
    const Variant argument = VarArrayOf({Variant(kFibonacciArgument)});
    for (auto _ : state) benchmark::DoNotOptimize(script.CallFunction("Fib", argument));
    if (script.CallFunction("Fib", argument).AsInteger() != 196418) state.SkipWithError("wrong Fibonacci number");
}
BENCHMARK(BM_RecursiveFibonacci)->Unit(benchmark::kMillisecond);

// for i := 1 to 1000000 do begin a := (a + i * 7) mod 1000; s := s + 'x' end
void BM_ArithmeticAndAppendLoop(benchmark::State& state) {
    TscScript script(nullptr);
    auto add = [&](const char* name, TscVarType type) -> TscCustomVariable& {
        std::unique_ptr<TscVariable> variable;
        if (type == fvtString) variable = std::make_unique<TscStringVariable>(name, "String", type);
        else variable = std::make_unique<TscVariable>(name, "Integer", type);
        TscCustomVariable& added = *variable;
        script.Add(name, std::move(variable));
        return added;
    };
    TscCustomVariable& i = add("i", fvtInt);
    TscCustomVariable& a = add("a", fvtInt);
    TscCustomVariable& s = add("s", fvtString);
    auto loop = std::make_unique<TscForStmt>(script, "1:1", "", i, Expr(script, {Variant(1)}),
                                             Expr(script, {Variant(kLoopPasses)}), false);
    loop->AddStatement(Assign(script, a,
                              Expr(script, {std::string("("), &a, std::string("+"), &i, std::string("*"), Variant(7),
                                            std::string(")"), std::string("mod"), Variant(1000)})));
    loop->AddStatement(Assign(script, s, Expr(script, {&s, std::string("+"), Variant("x")})));
    script.RootStatement().AddStatement(std::move(loop));
    for (auto _ : state) {
        a.SetValue(Variant(0));
        s.SetValue(Variant(""));
        script.Execute();
    }
    if (s.GetValue().AsString().size() != static_cast<std::size_t>(kLoopPasses)) state.SkipWithError("wrong text length");
}
BENCHMARK(BM_ArithmeticAndAppendLoop)->Unit(benchmark::kMillisecond);

}  // namespace
