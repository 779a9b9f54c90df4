#include "script/designators/Designator.h"

#include "script/component/Script.h"
#include "script/core/ProcVariable.h"
#include "script/members/CustomHelper.h"
#include "script/xml/XMLItem.h"
#include "ui/core/ScopeGuards.h"

TscDesignatorItem::TscDesignatorItem(TscCustomVariable& ref)
    : Ref(&ref), SubDesignator(dynamic_cast<TscDesignator*>(&ref)), Proc(dynamic_cast<TscProcVariable*>(&ref)),
      Helper(dynamic_cast<TscCustomHelper*>(&ref)) {}

TscDesignator::TscDesignator(TscScript& program)
    : TscCustomVariable("", "", fvtVariant), mainProgram_(&program.MainProgram()), program_(&program) {
    program.LateBinding = mainProgram_->LateBinding;
}

TscDesignatorItem& TscDesignator::AddStep(TscCustomVariable& entry) {
    auto step = std::make_unique<TscDesignatorItem>(entry);
    TscDesignatorItem& added = *step;
    Add(std::move(step));
    return added;
}

void TscDesignator::Finish() {
    if (Count() == 0) return;
    const TscCustomVariable& last = *Step(Count() - 1)->Ref;
    Type = last.Type;
    TypeName = last.TypeName;
    if (Type == fvtConstructor) {
        Type = fvtClass;
        if (Count() > 1) {
            const TscCustomVariable& classEntry = *Step(Count() - 2)->Ref;
            TypeName = classEntry.TypeName.empty() ? classEntry.Name() : classEntry.TypeName;
        }
    }
    IsReadOnly = last.IsReadOnly;
    kind_ = TscDesignatorKind::General;
    TscCustomVariable* first = Step(0)->Ref;
    auto* variable = dynamic_cast<TscVariable*>(first);
    if (Count() == 1 && variable) {
        kind_ = TscDesignatorKind::Variable;
    } else if (Count() == 2 && dynamic_cast<TscStringVariable*>(first) && Step(1)->Count() == 1) {
        kind_ = TscDesignatorKind::StringChar;
        ref1_ = Step(1)->Argument(0);
    } else if (Count() == 2 && variable && variable->Type == fvtArray && dynamic_cast<TscArrayHelper*>(variable->RefItem)) {
        kind_ = TscDesignatorKind::ArrayElement;
        ref1_ = variable->RefItem;
        ref2_ = Step(1);
    }
    if (kind_ != TscDesignatorKind::General) RefItem = first;
}

void TscDesignator::Borrow(TscDesignator& other) {
    SwapItems(other);
    Type = other.Type;
    TypeName = other.TypeName;
    IsReadOnly = other.IsReadOnly;
    NeedResult = other.NeedResult;
    RefItem = other.RefItem;
    SourcePos = other.SourcePos;
    SourceUnit = other.SourceUnit;
    kind_ = other.kind_;
    ref1_ = other.ref1_;
    ref2_ = other.ref2_;
}

std::unique_ptr<TscDesignator> TscDesignator::ShortPath(std::unique_ptr<TscDesignator> designator) {
    std::unique_ptr<TscDesignator> shortPath;
    switch (designator->Kind()) {
    case TscDesignatorKind::Variable: shortPath = std::make_unique<TscVariableDesignator>(designator->Program()); break;
    case TscDesignatorKind::StringChar: shortPath = std::make_unique<TscStringDesignator>(designator->Program()); break;
    case TscDesignatorKind::ArrayElement: shortPath = std::make_unique<TscArrayDesignator>(designator->Program()); break;
    default: return designator;
    }
    shortPath->Borrow(*designator);
    return shortPath;
}

TscDesignator::~TscDesignator() = default;

void TscDesignator::Defer(const TscXMLItem& source, TscDeferredBuild build) {
    deferredSource_ = std::make_unique<TscXMLItem>();
    deferredSource_->CopyFrom(&source);
    deferredBuild_ = std::move(build);
    Type = fvtVariant;
    TypeName.clear();
}

void TscDesignator::BuildDeferred() {
    if (!deferredSource_) return;
    std::unique_ptr<TscDesignator> built = deferredBuild_(*deferredSource_, *program_);
    const bool needResult = NeedResult;
    Borrow(*built);
    NeedResult = needResult;
    deferredSource_.reset();
    deferredBuild_ = nullptr;
}

Variant TscDesignator::GetValue() {
    BuildDeferred();
    return Evaluate(false, Variant());
}

void TscDesignator::SetValue(const Variant& value) {
    BuildDeferred();
    Evaluate(true, value);
}

Variant TscDesignator::Evaluate(bool write, const Variant& value) {
    Variant current = Variant::Null();
    TscCustomVariable* previous = nullptr;
    for (int i = 0; i < Count(); ++i) {
        TscDesignatorItem& step = *Step(i);
        TscCustomVariable& entry = *step.Ref;
        const bool last = i == Count() - 1;
        if (TscDesignator* sub = step.SubDesignator) {
            current = sub->GetValue();
            previous = sub;
            continue;
        }
        // A routine calling itself keeps the caller's locals aside.
        TscProcVariable* proc = step.Proc;
        const bool recursive = proc && proc->Executing;
        std::vector<Variant> saved;
        if (recursive) saved = SaveProcLocals(*proc);
        ScopeExit restore([&] {
            if (recursive) RestoreProcLocals(*proc, saved);
        });
        const int passed = std::min(entry.ParamCount(), step.Count());
        if (passed > 0) {
            // Every argument before any parameter, so arguments see the old values.
            std::vector<Variant> arguments;
            arguments.reserve(static_cast<std::size_t>(passed));
            for (int a = 0; a < passed; ++a)
                arguments.push_back(entry.IsMacro ? Variant(step.Argument(a)->SourceText) : step.Argument(a)->GetValue());
            for (int a = 0; a < passed; ++a) entry.GetParam(a)->SetValue(arguments[static_cast<std::size_t>(a)]);
        }
        if (TscCustomHelper* helper = step.Helper) {
            helper->ParentRef = previous;
            helper->ParentValue = current;
            helper->Program = program_;
        }
        previous = &entry;
        if (last && write) {
            entry.SetValue(value);
        } else {
            entry.NeedResult = !(last && !NeedResult);
            current = entry.GetValue();
        }
        for (int a = 0; a < passed; ++a)
            if (entry.GetParam(a)->IsVarParam) step.Argument(a)->SetValue(entry.GetParam(a)->GetValue());
    }
    return current;
}

Variant TscVariableDesignator::GetValue() { return RefItem->GetValue(); }

void TscVariableDesignator::SetValue(const Variant& value) { RefItem->SetValue(value); }

std::string& TscStringDesignator::Text() const { return static_cast<TscStringVariable*>(RefItem)->Text(); }

Variant TscStringDesignator::GetValue() { return Variant(CharacterAt(Text(), ref1_->GetValue())); }

void TscStringDesignator::SetValue(const Variant& value) {
    const Variant index = ref1_->GetValue();
    ReplaceCharacterAt(Text(), index, value.AsString());
}

TscArrayHelper& TscArrayDesignator::Prepared() {
    auto& helper = static_cast<TscArrayHelper&>(*ref1_);
    helper.ParentRef = RefItem;
    for (int i = 0; i < ref2_->Count() && i < helper.ParamCount(); ++i)
        helper.GetParam(i)->SetValue(ref2_->Argument(i)->GetValue());
    return helper;
}

Variant TscArrayDesignator::GetValue() { return Prepared().GetValue(); }

void TscArrayDesignator::SetValue(const Variant& value) { Prepared().SetValue(value); }
