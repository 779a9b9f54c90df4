#include "script/component/Script.h"

#include "script/core/ProcVariable.h"
#include "script/statements/Statement.h"
#include "ui/core/ScopeGuards.h"

void TscScript::Execute() {
    ExitFlag = false;
    Terminated = false;
    Running = true;
    IsMainProgram = true;
    ScopeExit reset([this] {
        ExitFlag = false;
        Terminated = false;
        Running = false;
        BreakFlag = false;
        ContinueFlag = false;
    });
    root_->Execute();
}

void TscScript::Terminate() {
    ExitFlag = true;
    Terminated = true;
    for (const Item& item : items_)
        if (auto* proc = dynamic_cast<TscProcVariable*>(item.entry)) proc->LocalProgram().Terminate();
}

namespace {

TscProcVariable* LocalProc(const TscScript& script, const std::string& name) {
    return dynamic_cast<TscProcVariable*>(script.FindLocal(name));
}

// The array's elements into the parameters, no more than there are.
void PassParams(TscProcVariable& proc, const Variant& params) {
    if (!params.IsArray() || params.ArrayDimCount() != 1) return;
    const int low = params.ArrayLowBound(1);
    const int high = params.ArrayHighBound(1);
    for (int i = 0; i <= high - low && i < proc.ParamCount(); ++i) proc.GetParam(i)->SetValue(params.GetElement({low + i}));
}

}  // namespace

Variant TscScript::CallFunction(const std::string& name, const Variant& params) {
    TscProcVariable* proc = LocalProc(*this, name);
    if (!proc) return Variant::Null();
    PassParams(*proc, params);
    return proc->GetValue();
}

Variant TscScript::CallFunctionVar(const std::string& name, Variant& params) {
    TscProcVariable* proc = LocalProc(*this, name);
    if (!proc) return Variant::Null();
    PassParams(*proc, params);
    Variant result = proc->GetValue();
    if (params.IsArray() && params.ArrayDimCount() == 1) {
        const int low = params.ArrayLowBound(1);
        const int high = params.ArrayHighBound(1);
        for (int i = 0; i <= high - low && i < proc->ParamCount(); ++i)
            params.PutElement({low + i}, proc->GetParam(i)->GetValue());
    }
    return result;
}

void TscScript::NotifyLine(const std::string& unitName, const std::string& position) {
    for (TscScript* script = this; script; script = script->Parent) {
        if (!script->OnRunLine) continue;
        script->OnRunLine(*this, unitName, position);
        return;
    }
}

void TscScript::MarkLine(const std::string& unitName, const std::string& position) {
    const std::size_t colon = position.find(':');
    const std::string line = colon == std::string::npos ? std::string() : position.substr(0, colon);
    unitLines_[unitName].insert(line);
}
