#include "script/builder/ProgramBuilder.h"

#include "script/component/Script.h"
#include "script/core/Declarations.h"
#include "script/core/ProcVariable.h"
#include "script/designators/Designator.h"
#include "script/expressions/Expression.h"
#include "script/messages/ScriptMessages.h"
#include "script/parser/ILParser.h"
#include "script/statements/Statements.h"
#include "script/xml/XMLItem.h"
#include "ui/core/Exceptions.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"

#include <algorithm>
#include <cstdlib>

TscProgramBuilder::TscProgramBuilder(TscScript& program, TscILParser& parser) : program_(program), parser_(parser) {}

void TscProgramBuilder::At(const TscXMLItem& element) {
    std::string pos = element.Prop("pos");
    if (pos.empty()) return;
    // A name's element stands just after the name; errors point at its start.
    const std::string name = AnsiLowerCase(element.Name());
    const std::size_t colon = pos.find(':');
    if ((name == "node" || name == "ident" || name == "name" || name == "type") && colon != std::string::npos) {
        const int column = std::atoi(pos.c_str() + colon + 1) - static_cast<int>(element.Prop("text").size());
        if (column >= 1) pos = pos.substr(0, colon + 1) + std::to_string(column);
    }
    errorPos_ = pos;
}

void TscProgramBuilder::Fail(const std::string& message) const { throw Exception(message); }

bool TscProgramBuilder::BuildProgram() {
    withList_.clear();
    unitName_.clear();
    text_ = program_.Lines().Text();
    TscCompileTarget& target = program_.CompileTarget();
    target.ErrorUnit.clear();
    try {
        BuildBlock(*parser_.ILDocument().Root(), program_);
    } catch (const Exception& error) {
        target.ErrorMessage = error.Message();
        target.ErrorPosition = errorPos_;
        target.ErrorUnit = unitName_;
        return false;
    }
    target.ErrorPosition.clear();
    return true;
}

void TscProgramBuilder::BuildBlock(const TscXMLItem& element, TscScript& scope) {
    const TscXMLItem* savedRoot = programRoot_;
    programRoot_ = &element;
    ScopeExit restore([&] { programRoot_ = savedRoot; });
    DeclareRoutines(element, scope);
    BuildChildren(element, scope, scope.RootStatement());
}

void TscProgramBuilder::DeclareRoutines(const TscXMLItem& element, TscScript& scope) {
    for (int i = 0; i < element.Count(); ++i) {
        const TscXMLItem& child = *element.Items(i);
        const std::string name = AnsiLowerCase(child.Name());
        if (name == "procedure" || name == "function") DeclareRoutine(child, scope);
        else if (name == "compoundstmt") DeclareRoutines(child, scope);
    }
}

void TscProgramBuilder::BuildChildren(const TscXMLItem& element, TscScript& scope, TscStatement& list, int first, int end) {
    if (end < 0) end = element.Count();
    for (int i = first; i < end; ++i) BuildStatement(*element.Items(i), scope, list);
}

void TscProgramBuilder::Append(TscStatement& list, std::unique_ptr<TscStatement> statement) {
    program_.MarkLine(statement->UnitName(), statement->SourcePos());
    list.AddStatement(std::move(statement));
}

void TscProgramBuilder::BuildStatement(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    At(element);
    const std::string name = AnsiLowerCase(element.Name());
    const std::string pos = element.Prop("pos");
    if (name == "assignstmt") BuildAssignment(element, scope, list);
    else if (name == "callstmt") BuildCall(element, scope, list);
    else if (name == "ifstmt") BuildIf(element, scope, list);
    else if (name == "casestmt") BuildCase(element, scope, list);
    else if (name == "forstmt") BuildFor(element, scope, list);
    else if (name == "vbforstmt") BuildVbFor(element, scope, list);
    else if (name == "cppforstmt") BuildCppFor(element, scope, list);
    else if (name == "whilestmt") BuildWhile(element, scope, list);
    else if (name == "repeatstmt") BuildRepeat(element, scope, list);
    else if (name == "trystmt") BuildTry(element, scope, list);
    else if (name == "break") Append(list, std::make_unique<TscBreakStmt>(scope, pos, unitName_));
    else if (name == "continue") Append(list, std::make_unique<TscContinueStmt>(scope, pos, unitName_));
    else if (name == "exit") Append(list, std::make_unique<TscExitStmt>(scope, pos, unitName_));
    else if (name == "return") BuildReturn(element, scope, list);
    else if (name == "with") BuildWith(element, scope, list);
    else if (name == "delete") BuildDelete(element, scope, list);
    else if (name == "compoundstmt") BuildChildren(element, scope, list);
    else if (name == "uses") BuildUses(element, scope);
    else if (name == "var") BuildVariables(element, scope, list);
    else if (name == "const") BuildConst(element, scope);
    else if (name == "procedure" || name == "function") BuildRoutineBody(element, scope);
}

void TscProgramBuilder::CheckAssignable(const TscCustomVariable& target, const TscCustomVariable& source) const {
    if (!AssignCompatible(target, source, program_))
        Fail(SIncompatibleTypes + ": '" + target.TypeText() + "', '" + source.TypeText() + "'");
}

void TscProgramBuilder::BuildAssignment(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    const std::string pos = element.Prop("pos");
    if (element.Count() < 2) return;
    std::unique_ptr<TscDesignator> target = BuildDesignator(*element.Items(0), scope, TscDesignatorPurpose::Plain);
    std::string operation;
    int sourceIndex = 1;
    if (AnsiSameText(element.Items(1)->Name(), "modificator")) {
        operation = element.Items(1)->Prop("text");
        sourceIndex = 2;
    }
    if (sourceIndex >= element.Count()) return;
    At(*element.Items(0));
    if (target->IsReadOnly) Fail(SLeftCantAssigned);
    std::unique_ptr<TscExpression> source = BuildExpression(*element.Items(sourceIndex), scope);
    At(element);
    CheckAssignable(*target, *source);
    if (operation.empty()) {
        const std::string folded = source->FoldIntoAssignment(*target);
        if (folded != " ") operation = folded;
    }
    std::unique_ptr<TscAssignmentStmt> statement;
    if (operation == "+") statement = std::make_unique<TscAssignPlusStmt>(scope, pos, unitName_);
    else if (operation == "-") statement = std::make_unique<TscAssignMinusStmt>(scope, pos, unitName_);
    else if (operation == "*") statement = std::make_unique<TscAssignMulStmt>(scope, pos, unitName_);
    else if (operation == "/") statement = std::make_unique<TscAssignDivStmt>(scope, pos, unitName_);
    else statement = std::make_unique<TscAssignmentStmt>(scope, pos, unitName_);
    statement->Prepare(std::move(target), std::move(source));
    Append(list, std::move(statement));
}

void TscProgramBuilder::BuildCall(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    if (element.Count() == 0) return;
    std::unique_ptr<TscDesignator> designator = BuildDesignator(*element.Items(0), scope, TscDesignatorPurpose::Plain);
    std::string modifier;
    if (element.Count() > 1 && AnsiSameText(element.Items(1)->Name(), "modificator")) {
        modifier = element.Items(1)->Prop("text");
        if (designator->IsReadOnly) Fail(SLeftCantAssigned);
    }
    designator->NeedResult = !modifier.empty();
    Append(list, std::make_unique<TscCallStmt>(scope, element.Prop("pos"), unitName_, std::move(designator), modifier));
}

void TscProgramBuilder::BuildIf(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    if (element.Count() == 0) return;
    auto statement = std::make_unique<TscIfStmt>(scope, element.Prop("pos"), unitName_, BuildExpression(*element.Items(0), scope));
    for (int i = 1; i < element.Count(); ++i) {
        const TscXMLItem& part = *element.Items(i);
        if (AnsiSameText(part.Name(), "thenstmt")) BuildChildren(part, scope, *statement);
        else if (AnsiSameText(part.Name(), "elsestmt")) BuildChildren(part, scope, statement->ElsePart());
    }
    Append(list, std::move(statement));
}

void TscProgramBuilder::BuildCase(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    if (element.Count() == 0) return;
    auto statement = std::make_unique<TscCaseStmt>(scope, element.Prop("pos"), unitName_, BuildExpression(*element.Items(0), scope));
    for (int i = 1; i < element.Count(); ++i) {
        const TscXMLItem& part = *element.Items(i);
        if (AnsiSameText(part.Name(), "caseselector")) {
            if (part.Count() == 0) continue;
            At(part);
            auto selector = std::make_unique<TscCaseSelector>(scope, part.Prop("pos"), unitName_, BuildSet(*part.Items(0), scope));
            BuildChildren(part, scope, *selector, 1);
            statement->AddStatement(std::move(selector));
        } else if (i == element.Count() - 1) {
            BuildStatement(part, scope, statement->ElsePart());
        }
    }
    Append(list, std::move(statement));
}

TscCustomVariable& TscProgramBuilder::LoopVariable(const TscXMLItem& ident, TscScript& scope) {
    At(ident);
    TscCustomVariable& variable = FindName(ident.Prop("text"), scope);
    const bool numeric = variable.Type == fvtInt || variable.Type == fvtFloat || variable.Type == fvtVariant;
    if (!dynamic_cast<TscVariable*>(&variable) || !numeric) Fail(SForError);
    return variable;
}

std::unique_ptr<TscCustomExpression> TscProgramBuilder::LoopBound(const TscXMLItem& element, TscScript& scope,
                                                                  const TscCustomVariable& variable) {
    std::unique_ptr<TscExpression> bound = BuildExpression(element, scope);
    At(element);
    CheckAssignable(variable, *bound);
    return bound;
}

void TscProgramBuilder::BuildFor(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    if (element.Count() < 3) return;
    TscCustomVariable& variable = LoopVariable(*element.Items(0), scope);
    std::unique_ptr<TscCustomExpression> begin = LoopBound(*element.Items(1), scope, variable);
    int next = 2;
    const bool down = AnsiSameText(element.Items(next)->Name(), "downto");
    if (down) ++next;
    if (next >= element.Count()) return;
    std::unique_ptr<TscCustomExpression> end = LoopBound(*element.Items(next++), scope, variable);
    auto statement = std::make_unique<TscForStmt>(scope, element.Prop("pos"), unitName_, variable, std::move(begin), std::move(end), down);
    if (next < element.Count()) BuildStatement(*element.Items(next), scope, *statement);
    Append(list, std::move(statement));
}

void TscProgramBuilder::BuildVbFor(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    if (element.Count() < 3) return;
    TscCustomVariable& variable = LoopVariable(*element.Items(0), scope);
    std::unique_ptr<TscCustomExpression> begin = LoopBound(*element.Items(1), scope, variable);
    std::unique_ptr<TscCustomExpression> end = LoopBound(*element.Items(2), scope, variable);
    std::unique_ptr<TscCustomExpression> step;
    int next = 3;
    if (next < element.Count() && AnsiSameText(element.Items(next)->Name(), "expr")) step = LoopBound(*element.Items(next++), scope, variable);
    auto statement = std::make_unique<TscVbForStmt>(scope, element.Prop("pos"), unitName_, variable, std::move(begin),
                                                    std::move(end), std::move(step));
    if (next < element.Count()) BuildStatement(*element.Items(next), scope, *statement);
    Append(list, std::move(statement));
}

void TscProgramBuilder::BuildCppFor(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    if (element.Count() < 3) return;
    auto statement = std::make_unique<TscCppForStmt>(scope, element.Prop("pos"), unitName_, BuildExpression(*element.Items(1), scope));
    BuildStatement(*element.Items(0), scope, statement->FirstPart());
    BuildStatement(*element.Items(2), scope, statement->SecondPart());
    if (element.Count() > 3) BuildStatement(*element.Items(3), scope, *statement);
    Append(list, std::move(statement));
}

void TscProgramBuilder::BuildWhile(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    if (element.Count() == 0) return;
    auto statement = std::make_unique<TscWhileStmt>(scope, element.Prop("pos"), unitName_, BuildExpression(*element.Items(0), scope));
    if (element.Count() > 1) BuildStatement(*element.Items(1), scope, *statement);
    Append(list, std::move(statement));
}

void TscProgramBuilder::BuildRepeat(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    if (element.Count() == 0) return;
    int condition = element.Count() - 1;
    const bool inverse = AnsiSameText(element.Items(condition)->Name(), "inverse");
    if (inverse) --condition;
    if (condition < 0) return;
    auto statement = std::make_unique<TscRepeatStmt>(scope, element.Prop("pos"), unitName_,
                                                     BuildExpression(*element.Items(condition), scope), inverse);
    BuildChildren(element, scope, *statement, 0, condition);
    Append(list, std::move(statement));
}

void TscProgramBuilder::BuildTry(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    bool isExcept = false;
    for (int i = 0; i < element.Count(); ++i)
        if (AnsiSameText(element.Items(i)->Name(), "exceptstmt")) isExcept = true;
    auto statement = std::make_unique<TscTryStmt>(scope, element.Prop("pos"), unitName_, isExcept);
    for (int i = 0; i < element.Count(); ++i) {
        const TscXMLItem& part = *element.Items(i);
        const bool handler = AnsiSameText(part.Name(), "exceptstmt") || AnsiSameText(part.Name(), "finallystmt");
        if (handler) BuildChildren(part, scope, statement->ExceptPart());
        else BuildStatement(part, scope, *statement);
    }
    Append(list, std::move(statement));
}

void TscProgramBuilder::BuildReturn(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    if (element.Count() == 1) {
        // "return e" is "Result := e" and an exit.
        TscXMLItem assignment;
        assignment.SetName("assignstmt");
        assignment.SetProp("pos", element.Prop("pos"));
        TscXMLItem* designator = assignment.Add();
        designator->SetName("dsgn");
        designator->SetProp("pos", element.Items(0)->Prop("pos"));
        TscXMLItem* node = designator->Add();
        node->SetName("node");
        node->SetProp("text", "Result");
        node->SetProp("pos", element.Items(0)->Prop("pos"));
        assignment.Add()->CopyFrom(element.Items(0));
        BuildAssignment(assignment, scope, list);
    }
    Append(list, std::make_unique<TscExitStmt>(scope, element.Prop("pos"), unitName_));
}

void TscProgramBuilder::BuildDelete(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    if (element.Count() == 0) return;
    std::unique_ptr<TscDesignator> designator = BuildDesignator(*element.Items(0), scope, TscDesignatorPurpose::Destruction);
    designator->NeedResult = false;
    Append(list, std::make_unique<TscCallStmt>(scope, element.Prop("pos"), unitName_, std::move(designator)));
}

void TscProgramBuilder::BuildWith(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    const std::size_t withCount = withList_.size();
    ScopeExit restore([&] { withList_.resize(withCount); });
    for (int i = 0; i + 1 < element.Count(); ++i) {
        const TscXMLItem& child = *element.Items(i);
        At(child);
        std::unique_ptr<TscDesignator> designator = BuildDesignator(child, scope, TscDesignatorPurpose::Plain);
        if (designator->Type != fvtClass && designator->Type != fvtVariant) Fail(SClassRequired);
        std::string name;
        for (int n = 0;; ++n) {
            name = "_WithList_" + std::to_string(n);
            const bool taken = scope.FindLocal(name) ||
                               std::any_of(withList_.begin(), withList_.end(), [&](const WithEntry& e) { return AnsiSameText(e.name, name); });
            if (!taken) break;
        }
        auto hidden = std::make_unique<TscVariable>(name, designator->TypeName, designator->Type);
        TscCustomVariable& variable = *hidden;
        scope.Add(name, std::move(hidden));
        Append(list, std::make_unique<TscWithStmt>(scope, child.Prop("pos"), unitName_, std::move(designator), variable));
        withList_.push_back(WithEntry{name, &variable});
    }
    if (element.Count() > 0) BuildStatement(*element.Items(element.Count() - 1), scope, list);
}
