#include "script/core/ProcVariable.h"

#include "script/component/Script.h"
#include "script/core/ScriptErrors.h"
#include "script/statements/Statement.h"
#include "ui/core/ScopeGuards.h"

TscProcVariable::TscProcVariable(std::string name, TscVarType type, std::string typeName, TscScript& declaringScript,
                                 bool isFunc)
    : TscCustomVariable(std::move(name), std::move(typeName), type), isFunc_(isFunc),
      program_(std::make_unique<TscScript>(nullptr)) {
    IsReadOnly = true;
    program_->Parent = &declaringScript;
    program_->LateBinding = declaringScript.LateBinding;
    if (isFunc_) {
        auto result = std::make_unique<TscVariable>("Result", TypeName, Type);
        RefItem = result.get();
        program_->Add("Result", std::move(result));
    }
}

TscProcVariable::~TscProcVariable() {
    // The local program only lists the parameters; they go with the item list.
    program_.reset();
}

TscParamItem& TscProcVariable::AddParam(std::unique_ptr<TscParamItem> param) {
    TscParamItem& added = *param;
    Add(std::move(param));
    program_->AddUnowned(added.Name(), added);
    return added;
}

namespace {

// Calls are counted at the top of the parent chain, which every routine of
// a program shares, main-program flag or not.
TscScript& TopScript(TscScript& script) {
    TscScript* top = &script;
    while (top->Parent) top = top->Parent;
    return *top;
}

}  // namespace

Variant TscProcVariable::GetValue() {
    TscScript& main = program_->MainProgram();
    TscScript& top = TopScript(*program_);
    if (top.CallDepth >= kMaxCallDepth)
        throw EScriptRecursionError("Слишком глубокая рекурсия: вызов «" + Name() + "» вложен более " +
                                    std::to_string(kMaxCallDepth) + " раз");
    const bool wasExecuting = Executing;
    TscScript* const savedRunning = main.RunningProcProgram;
    ++top.CallDepth;
    Executing = true;
    main.RunningProcProgram = program_.get();
    ScopeExit restore([&] {
        program_->ExitFlag = false;
        program_->Terminated = false;
        program_->Running = false;
        main.RunningProcProgram = savedRunning;
        Executing = wasExecuting;
        --top.CallDepth;
    });
    if (isFunc_) RefItem->SetValue(Variant());
    program_->ExitFlag = false;
    program_->Terminated = false;
    program_->Running = true;
    program_->RootStatement().Execute();
    return isFunc_ ? RefItem->GetValue() : Variant::Null();
}

const std::vector<TscCustomVariable*>& TscProcVariable::LocalValues() {
    // The builder only adds to a local program, so its count tells when to look again.
    if (localValuesOfCount_ == program_->Count()) return localValues_;
    localValues_.clear();
    for (int i = 0; i < program_->Count(); ++i) {
        TObject* entry = program_->Items(i);
        if (dynamic_cast<TscVariable*>(entry) || dynamic_cast<TscParamItem*>(entry))
            localValues_.push_back(static_cast<TscCustomVariable*>(entry));
    }
    localValuesOfCount_ = program_->Count();
    return localValues_;
}

std::vector<Variant> SaveProcLocals(TscProcVariable& proc) {
    std::vector<Variant> saved;
    const std::vector<TscCustomVariable*>& locals = proc.LocalValues();
    saved.reserve(locals.size());
    for (TscCustomVariable* local : locals) saved.push_back(local->GetValue());
    return saved;
}

void RestoreProcLocals(TscProcVariable& proc, const std::vector<Variant>& saved) {
    const std::vector<TscCustomVariable*>& locals = proc.LocalValues();
    for (std::size_t i = 0; i < locals.size() && i < saved.size(); ++i) locals[i]->SetValue(saved[i]);
}
