#include "script/statements/Statements.h"

#include "script/component/Script.h"

TscIfStmt::TscIfStmt(TscScript& program, std::string sourcePos, std::string unitName,
                     std::unique_ptr<TscCustomExpression> condition)
    : TscStatement(program, std::move(sourcePos), std::move(unitName)), condition_(std::move(condition)),
      elsePart_(MakeList()) {}

void TscIfStmt::Execute() {
    if (!Notify()) return;
    if (condition_->GetValue().AsBoolean()) TscStatement::Execute();
    else elsePart_->Execute();
}

TscCaseSelector::TscCaseSelector(TscScript& program, std::string sourcePos, std::string unitName,
                                 std::unique_ptr<TscSetExpression> labels)
    : TscStatement(program, std::move(sourcePos), std::move(unitName)), labels_(std::move(labels)) {}

TscCaseStmt::TscCaseStmt(TscScript& program, std::string sourcePos, std::string unitName,
                         std::unique_ptr<TscCustomExpression> selector)
    : TscStatement(program, std::move(sourcePos), std::move(unitName)), selector_(std::move(selector)),
      elsePart_(MakeList()) {}

void TscCaseStmt::Execute() {
    const Variant value = selector_->GetValue();
    if (!Notify()) return;
    for (int i = 0; i < Count(); ++i) {
        auto* branch = static_cast<TscCaseSelector*>(Child(i));
        if (!branch->Labels().Contains(value)) continue;
        branch->Execute();
        return;
    }
    elsePart_->Execute();
}
