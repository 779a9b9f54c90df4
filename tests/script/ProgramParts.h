#pragma once
// Small programs built directly from the engine's objects, the way the
// program builder assembles them, for the tests of entries, expressions,
// statements and designators.

#include "script/component/Script.h"
#include "script/core/ProcVariable.h"
#include "script/designators/Designator.h"
#include "script/expressions/Expression.h"
#include "script/statements/Statements.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace program_parts {

// A variable as the builder declares it: a string variable for text types.
inline TscVariable& Declare(TscScript& script, const std::string& name, TscVarType type, const std::string& typeName = "") {
    std::unique_ptr<TscVariable> variable;
    if (type == fvtString || type == fvtChar) variable = std::make_unique<TscStringVariable>(name, typeName, type);
    else variable = std::make_unique<TscVariable>(name, typeName, type);
    TscVariable& declared = *variable;
    script.Add(name, std::move(variable));
    return declared;
}

// A finished designator of the steps, replaced by its short-path class
// when it has one; each step's arguments are expressions.
struct Step {
    TscCustomVariable* entry;
    std::vector<std::unique_ptr<TscCustomExpression>> arguments;
};

inline std::unique_ptr<TscDesignator> Designate(TscScript& script, std::vector<Step> steps) {
    auto designator = std::make_unique<TscDesignator>(script);
    for (Step& step : steps) {
        TscDesignatorItem& item = designator->AddStep(*step.entry);
        for (auto& argument : step.arguments) item.AddArgument(std::move(argument));
    }
    designator->Finish();
    return TscDesignator::ShortPath(std::move(designator));
}

inline std::unique_ptr<TscDesignator> Designate(TscScript& script, TscCustomVariable& entry) {
    std::vector<Step> steps;
    steps.push_back(Step{&entry, {}});
    return Designate(script, std::move(steps));
}

// One piece of an expression in source order: a constant, a designator
// over an entry, or an operator text.
struct Piece {
    enum Kind { Constant, Entry, Operator, Designated };
    Kind kind;
    Variant value;
    TscCustomVariable* entry = nullptr;
    std::string text;
    std::shared_ptr<std::unique_ptr<TscDesignator>> designator;
};

inline Piece C(const Variant& value) { return Piece{Piece::Constant, value, nullptr, "", nullptr}; }
inline Piece V(TscCustomVariable& entry) { return Piece{Piece::Entry, Variant(), &entry, "", nullptr}; }
inline Piece Op(const std::string& text) { return Piece{Piece::Operator, Variant(), nullptr, text, nullptr}; }
inline Piece D(std::unique_ptr<TscDesignator> designator) {
    return Piece{Piece::Designated, Variant(), nullptr, "", std::make_shared<std::unique_ptr<TscDesignator>>(std::move(designator))};
}

// Built and completed; a type error fails the test unless `errorPos` is given to receive it.
inline std::unique_ptr<TscExpression> Expr(TscScript& script, std::vector<Piece> pieces, std::string* errorPos = nullptr) {
    auto expression = std::make_unique<TscExpression>(script);
    int column = 1;
    for (Piece& piece : pieces) {
        expression->SourcePos = "1:" + std::to_string(column++);
        switch (piece.kind) {
        case Piece::Constant: expression->AddConst(piece.value); break;
        case Piece::Entry: expression->AddDesignator(Designate(script, *piece.entry)); break;
        case Piece::Designated: expression->AddDesignator(std::move(*piece.designator)); break;
        case Piece::Operator: expression->AddOperator(piece.text); break;
        }
    }
    const std::string error = expression->Complete();
    if (errorPos) *errorPos = error;
    else EXPECT_EQ(error, "") << "type error in a test expression";
    return expression;
}

inline std::unique_ptr<TscExpression> Expr(TscScript& script, Piece single) {
    std::vector<Piece> pieces;
    pieces.push_back(std::move(single));
    return Expr(script, std::move(pieces));
}

inline std::unique_ptr<TscAssignmentStmt> Assign(TscScript& script, TscCustomVariable& target,
                                                 std::unique_ptr<TscCustomExpression> source) {
    auto statement = std::make_unique<TscAssignmentStmt>(script, "1:1", "");
    statement->Prepare(Designate(script, target), std::move(source));
    return statement;
}

template <class Statement>
std::unique_ptr<Statement> Compound(TscScript& script, TscCustomVariable& target, std::unique_ptr<TscCustomExpression> source) {
    auto statement = std::make_unique<Statement>(script, "1:1", "");
    statement->Prepare(Designate(script, target), std::move(source));
    return statement;
}

inline std::unique_ptr<TscCallStmt> Call(TscScript& script, std::unique_ptr<TscDesignator> designator,
                                         const std::string& modifier = "") {
    return std::make_unique<TscCallStmt>(script, "1:1", "", std::move(designator), modifier);
}

// A procedure or function declared in the script with parameters (name,
// type, var flag).
struct ParamSpec {
    std::string name;
    TscVarType type;
    bool isVar = false;
};

inline TscProcVariable& DeclareProc(TscScript& script, const std::string& name, bool isFunc, TscVarType resultType,
                                    const std::vector<ParamSpec>& params, const std::string& resultTypeName = "") {
    auto proc = std::make_unique<TscProcVariable>(name, resultType, resultTypeName, script, isFunc);
    TscProcVariable& declared = *proc;
    for (const ParamSpec& param : params)
        declared.AddParam(std::make_unique<TscParamItem>(param.name, param.type, "", false, param.isVar));
    script.Add(name, std::move(proc));
    return declared;
}

// A call step of a routine with argument expressions.
inline std::unique_ptr<TscDesignator> CallOf(TscScript& script, TscCustomVariable& routine,
                                             std::vector<std::unique_ptr<TscCustomExpression>> arguments) {
    std::vector<Step> steps;
    steps.push_back(Step{&routine, std::move(arguments)});
    return Designate(script, std::move(steps));
}

template <class... Expressions>
std::vector<std::unique_ptr<TscCustomExpression>> ArgList(Expressions&&... args) {
    std::vector<std::unique_ptr<TscCustomExpression>> list;
    (list.push_back(std::forward<Expressions>(args)), ...);
    return list;
}

}  // namespace program_parts
