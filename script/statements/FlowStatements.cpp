#include "script/statements/Statements.h"

#include "script/component/Script.h"
#include "ui/core/ScopeGuards.h"

TscTryStmt::TscTryStmt(TscScript& program, std::string sourcePos, std::string unitName, bool isExcept)
    : TscStatement(program, std::move(sourcePos), std::move(unitName)), isExcept_(isExcept), exceptPart_(MakeList()) {}

void TscTryStmt::Execute() {
    if (!Notify()) return;
    TscScript& program = Program();
    if (isExcept_) {
        try {
            TscStatement::Execute();
        } catch (const Exception& error) {
            program.AssignVariable("ExceptionClassName", Variant(std::string(error.ClassName())));
            program.AssignVariable("ExceptionMessage", Variant(error.Message()));
            exceptPart_->Execute();
        }
        return;
    }
    ScopeExit finally([&] {
        const bool exitFlag = program.ExitFlag;
        program.ExitFlag = false;
        exceptPart_->Execute();
        program.ExitFlag = exitFlag;
    });
    TscStatement::Execute();
}

void TscBreakStmt::Execute() { Program().BreakFlag = true; }

void TscContinueStmt::Execute() { Program().ContinueFlag = true; }

void TscExitStmt::Execute() {
    if (!Notify()) return;
    Program().ExitFlag = true;
}
