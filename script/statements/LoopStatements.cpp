#include "script/statements/Statements.h"

#include "script/component/Script.h"

bool TscLoopStmt::PassEnded() {
    TscScript& program = Program();
    if (program.BreakFlag || program.ExitFlag) return false;
    program.ContinueFlag = false;
    return true;
}

void TscLoopStmt::LoopEnded() { Program().BreakFlag = false; }

TscRepeatStmt::TscRepeatStmt(TscScript& program, std::string sourcePos, std::string unitName,
                             std::unique_ptr<TscCustomExpression> condition, bool inverse)
    : TscLoopStmt(program, std::move(sourcePos), std::move(unitName)), condition_(std::move(condition)), inverse_(inverse) {}

void TscRepeatStmt::Execute() {
    if (!Notify()) return;
    while (true) {
        TscStatement::Execute();
        if (!PassEnded()) break;
        if (condition_->GetValue().AsBoolean() == !inverse_) break;
    }
    LoopEnded();
}

TscWhileStmt::TscWhileStmt(TscScript& program, std::string sourcePos, std::string unitName,
                           std::unique_ptr<TscCustomExpression> condition)
    : TscLoopStmt(program, std::move(sourcePos), std::move(unitName)), condition_(std::move(condition)) {}

void TscWhileStmt::Execute() {
    if (!Notify()) return;
    while (condition_->GetValue().AsBoolean()) {
        TscStatement::Execute();
        if (!PassEnded()) break;
    }
    LoopEnded();
}

TscForStmt::TscForStmt(TscScript& program, std::string sourcePos, std::string unitName, TscCustomVariable& variable,
                       std::unique_ptr<TscCustomExpression> begin, std::unique_ptr<TscCustomExpression> end, bool down)
    : TscLoopStmt(program, std::move(sourcePos), std::move(unitName)), variable_(&variable), begin_(std::move(begin)),
      end_(std::move(end)), down_(down) {}

void TscForStmt::Execute() {
    const std::int32_t first = begin_->GetValue().AsInteger();
    const std::int32_t last = end_->GetValue().AsInteger();
    if (!Notify()) return;
    // 64-bit counter: a loop up to the largest integer still ends.
    const std::int64_t step = down_ ? -1 : 1;
    for (std::int64_t i = first; down_ ? i >= last : i <= last; i += step) {
        variable_->StoredValue = Variant(static_cast<std::int32_t>(i));
        TscStatement::Execute();
        if (!PassEnded()) break;
    }
    LoopEnded();
}

TscVbForStmt::TscVbForStmt(TscScript& program, std::string sourcePos, std::string unitName, TscCustomVariable& variable,
                           std::unique_ptr<TscCustomExpression> begin, std::unique_ptr<TscCustomExpression> end,
                           std::unique_ptr<TscCustomExpression> step)
    : TscLoopStmt(program, std::move(sourcePos), std::move(unitName)), variable_(&variable), begin_(std::move(begin)),
      end_(std::move(end)), step_(std::move(step)) {}

void TscVbForStmt::Execute() {
    Variant counter = begin_->GetValue();
    const Variant last = end_->GetValue();
    const Variant step = step_ ? step_->GetValue() : Variant(1);
    if (!Notify()) return;
    const bool down = step < Variant(0);
    while (down ? counter >= last : counter <= last) {
        variable_->StoredValue = counter;
        TscStatement::Execute();
        if (!PassEnded()) break;
        counter = counter + step;
    }
    LoopEnded();
}

TscCppForStmt::TscCppForStmt(TscScript& program, std::string sourcePos, std::string unitName,
                             std::unique_ptr<TscCustomExpression> condition)
    : TscLoopStmt(program, std::move(sourcePos), std::move(unitName)), first_(MakeList()),
      condition_(std::move(condition)), second_(MakeList()) {}

void TscCppForStmt::Execute() {
    if (!Notify()) return;
    first_->Execute();
    if (Program().Terminated) return;
    while (condition_->GetValue().AsBoolean()) {
        TscStatement::Execute();
        if (!PassEnded()) break;
        second_->Execute();
    }
    LoopEnded();
}
