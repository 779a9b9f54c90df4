#include "script/statements/Statement.h"

#include "script/component/Script.h"

TscStatement::TscStatement(TscScript& program, std::string sourcePos, std::string unitName)
    : program_(&program), sourcePos_(std::move(sourcePos)), unitName_(std::move(unitName)) {}

void TscStatement::Execute() {
    TscScript& program = Program();
    for (int i = 0; i < Count(); ++i) {
        if (program.Terminated) return;
        Child(i)->Execute();
        if (program.BreakFlag || program.ContinueFlag || program.ExitFlag) return;
    }
}

bool TscStatement::Notify() {
    program_->NotifyLine(unitName_, sourcePos_);
    return !program_->Terminated;
}

std::unique_ptr<TscStatement> TscStatement::MakeList() const {
    return std::make_unique<TscStatement>(*program_, sourcePos_, unitName_);
}
