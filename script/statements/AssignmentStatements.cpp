#include "script/statements/Statements.h"

#include "script/component/Script.h"
#include "script/designators/Designator.h"
#include "script/expressions/Expression.h"

namespace {

// Reading it runs nothing and changes nothing: a constant or a variable.
bool IsPlain(const TscCustomVariable* source) {
    return dynamic_cast<const TscOperandNode*>(source) != nullptr || dynamic_cast<const TscVariable*>(source) != nullptr;
}

template <class Combine>
void CombineInto(TscCustomVariable& target, TscCustomVariable& source, Combine combine) {
    const Variant current = target.GetValue();
    target.SetValue(combine(current, source.GetValue()));
}

}  // namespace

TscAssignmentStmt::~TscAssignmentStmt() = default;

void TscAssignmentStmt::Prepare(std::unique_ptr<TscDesignator> target, std::unique_ptr<TscCustomExpression> source) {
    target_ = std::move(target);
    source_ = std::move(source);
    targetToUse_ = dynamic_cast<TscVariableDesignator*>(target_.get()) ? target_->RefItem : target_.get();
    sourceToUse_ = source_.get();
    if (auto* expression = dynamic_cast<TscExpression*>(source_.get()))
        if (TscCustomVariable* single = expression->SingleOperand()) sourceToUse_ = single;
    sourceIsPlain_ = IsPlain(sourceToUse_);
}

void TscAssignmentStmt::Execute() {
    if (!Notify()) return;
    targetToUse_->SetValue(sourceToUse_->GetValue());
}

void TscAssignPlusStmt::Execute() {
    if (!Notify()) return;
    TscCustomVariable& target = Target();
    if (SourceIsPlain() && !target.OnGetValue && !target.IsReadOnly) {
        const Variant added = Source().GetValue();
        if (added.IsString()) {
            if (auto* text = dynamic_cast<TscStringVariable*>(&target)) {
                text->Text() += added.StringRef();
                return;
            }
            if (target.StoredValue.IsString() && (target.Type == fvtString || target.Type == fvtVariant) &&
                dynamic_cast<TscVariable*>(&target)) {
                target.StoredValue.AppendString(added.StringRef());
                return;
            }
        }
        target.SetValue(target.GetValue() + added);
        return;
    }
    CombineInto(target, Source(), [](const Variant& l, const Variant& r) { return l + r; });
}

void TscAssignMinusStmt::Execute() {
    if (!Notify()) return;
    CombineInto(Target(), Source(), [](const Variant& l, const Variant& r) { return l - r; });
}

void TscAssignMulStmt::Execute() {
    if (!Notify()) return;
    CombineInto(Target(), Source(), [](const Variant& l, const Variant& r) { return l * r; });
}

void TscAssignDivStmt::Execute() {
    if (!Notify()) return;
    CombineInto(Target(), Source(), [](const Variant& l, const Variant& r) { return l / r; });
}

TscCallStmt::TscCallStmt(TscScript& program, std::string sourcePos, std::string unitName,
                         std::unique_ptr<TscDesignator> designator, std::string modifier)
    : TscStatement(program, std::move(sourcePos), std::move(unitName)), designator_(std::move(designator)),
      modifier_(std::move(modifier)) {}

TscCallStmt::~TscCallStmt() = default;

void TscCallStmt::Execute() {
    if (!Notify()) return;
    if (modifier_.empty()) {
        designator_->NeedResult = false;
        designator_->GetValue();
        return;
    }
    const Variant one(1);
    const Variant current = designator_->GetValue();
    designator_->SetValue(modifier_ == "+" ? current + one : current - one);
}

TscWithStmt::TscWithStmt(TscScript& program, std::string sourcePos, std::string unitName,
                         std::unique_ptr<TscDesignator> designator, TscCustomVariable& withVariable)
    : TscStatement(program, std::move(sourcePos), std::move(unitName)), designator_(std::move(designator)),
      withVariable_(&withVariable) {}

TscWithStmt::~TscWithStmt() = default;

void TscWithStmt::Execute() {
    TscStatement::Execute();
    withVariable_->SetValue(designator_->GetValue());
}
