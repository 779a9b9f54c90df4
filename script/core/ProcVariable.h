#pragma once
// A script procedure or function: its parameters, its local program (whose
// parent is the declaring script) and the call that runs it.

#include "script/core/CustomVariable.h"

#include <memory>
#include <vector>

class TscScript;

// Routine calls nested at most under one top script; a deeper call is an
// error long before the thread's stack would run out.
inline constexpr int kMaxCallDepth = 1000;

class TscProcVariable : public TscCustomVariable {
public:
    TscProcVariable(std::string name, TscVarType type, std::string typeName, TscScript& declaringScript, bool isFunc);
    ~TscProcVariable() override;

    // Runs the routine: a function's Result, Null for a procedure.
    Variant GetValue() override;

    // Appends a parameter and enters it into the local program under its name.
    TscParamItem& AddParam(std::unique_ptr<TscParamItem> param);

    TscScript& LocalProgram() { return *program_; }
    bool IsFunc() const { return isFunc_; }
    bool Executing = false;
    // The local program's variables and parameters, in item-table order.
    const std::vector<TscCustomVariable*>& LocalValues();

private:
    std::vector<TscCustomVariable*> localValues_;
    int localValuesOfCount_ = -1;
    bool isFunc_;
    std::unique_ptr<TscScript> program_;
};

// The values of the procedure's local variables and parameters, set aside
// around a recursive call.
std::vector<Variant> SaveProcLocals(TscProcVariable& proc);
void RestoreProcLocals(TscProcVariable& proc, const std::vector<Variant>& saved);
