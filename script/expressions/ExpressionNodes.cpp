#include "script/expressions/ExpressionNodes.h"

#include "script/designators/Designator.h"
#include "script/members/MethodHelper.h"
#include "ui/core/TextCase.h"
#include "ui/core/TypeInfo.h"

#include <cstdint>
#include <functional>

namespace {

TscVarType TypeOfConstant(const Variant& value) {
    switch (value.VarType()) {
    case varBoolean: return fvtBool;
    case varSingle: case varDouble: case varCurrency: return fvtFloat;
    case varOleStr: case varString: return fvtString;
    default: return fvtInt;
    }
}

struct OperatorEntry {
    const char* text;
    TscOperatorCode code;
    int priority;
    std::function<std::unique_ptr<TscOperatorNode>()> make;
};

template <class Node>
std::unique_ptr<TscOperatorNode> Make(TscOperatorCode code) {
    return std::make_unique<Node>(code);
}

const OperatorEntry kOperators[] = {
    {" ", opNone, 7, [] { return Make<TNoneNode>(opNone); }},
    {">", opGreat, 4, [] { return Make<TGreatNode>(opGreat); }},
    {"<", opLess, 4, [] { return Make<TLessNode>(opLess); }},
    {"<=", opLessEq, 4, [] { return Make<TLessEqNode>(opLessEq); }},
    {">=", opGreatEq, 4, [] { return Make<TGreatEqNode>(opGreatEq); }},
    {"<>", opNonEq, 4, [] { return Make<TNonEqNode>(opNonEq); }},
    {"=", opEq, 4, [] { return Make<TEqNode>(opEq); }},
    {"+", opPlus, 3, [] { return Make<TPlusNode>(opPlus); }},
    {"STRCAT", opPlus, 3, [] { return Make<TStrCatNode>(opPlus); }},
    {"-", opMinus, 3, [] { return Make<TMinusNode>(opMinus); }},
    {"OR", opOr, 3, [] { return Make<TOrNode>(opOr); }},
    {"XOR", opXor, 3, [] { return Make<TXorNode>(opXor); }},
    {"*", opMul, 2, [] { return Make<TMulNode>(opMul); }},
    {"/", opDivFloat, 2, [] { return Make<TDivFloatNode>(opDivFloat); }},
    {"DIV", opDivInt, 2, [] { return Make<TDivIntNode>(opDivInt); }},
    {"MOD", opMod, 2, [] { return Make<TModNode>(opMod); }},
    {"AND", opAnd, 2, [] { return Make<TAndNode>(opAnd); }},
    {"SHL", opShl, 2, [] { return Make<TShlNode>(opShl); }},
    {"SHR", opShr, 2, [] { return Make<TShrNode>(opShr); }},
    {"(", opLeftBracket, 6, [] { return Make<TLeftBracketNode>(opLeftBracket); }},
    {")", opRightBracket, 5, [] { return Make<TRightBracketNode>(opRightBracket); }},
    {"NOT", opNot, 1, [] { return Make<TNotNode>(opNot); }},
    {"UNMINUS", opUnMinus, 1, [] { return Make<TUnMinusNode>(opUnMinus); }},
    {"IN", opIn, 4, [] { return Make<TInNode>(opIn); }},
    {"IS", opIs, 4, [] { return Make<TIsNode>(opIs); }},
};

}  // namespace

void TscExpressionNode::AdoptChild(std::unique_ptr<TscExpressionNode> child) {
    child->Parent = this;
    (Left ? Right : Left) = std::move(child);
}

std::unique_ptr<TscExpressionNode> TscExpressionNode::ReplaceChild(TscExpressionNode* child,
                                                                   std::unique_ptr<TscExpressionNode> replacement) {
    std::unique_ptr<TscExpressionNode>& slot = Left.get() == child ? Left : Right;
    std::unique_ptr<TscExpressionNode> taken = std::move(slot);
    if (replacement) replacement->Parent = this;
    slot = std::move(replacement);
    if (taken) taken->Parent = nullptr;
    return taken;
}

TscOperandNode::TscOperandNode(const Variant& value) {
    StoredValue = value;
    Type = TypeOfConstant(value);
}

TscDesignatorNode::TscDesignatorNode(std::unique_ptr<TscDesignator> designator) : designator_(std::move(designator)) {
    Type = designator_->Type;
    TypeName = designator_->TypeName;
    source_ = dynamic_cast<TscVariableDesignator*>(designator_.get()) ? designator_->RefItem : designator_.get();
}

TscDesignatorNode::~TscDesignatorNode() = default;

TscSetNode::TscSetNode(std::unique_ptr<TscSetExpression> set) : set_(std::move(set)) { Type = fvtVariant; }

int TscOperatorNode::Priority() const {
    for (const OperatorEntry& entry : kOperators)
        if (entry.code == Code) return entry.priority;
    return 0;
}

std::unique_ptr<TscOperatorNode> MakeOperatorNode(const std::string& text) {
    const std::string upper = AnsiUpperCase(text);
    for (const OperatorEntry& entry : kOperators)
        if (upper == entry.text) return entry.make();
    return nullptr;
}

Variant TNoneNode::GetValue() { return LeftValue(); }
Variant TGreatNode::GetValue() { return Variant(LeftValue() > RightValue()); }
Variant TLessNode::GetValue() { return Variant(LeftValue() < RightValue()); }
Variant TLessEqNode::GetValue() { return Variant(LeftValue() <= RightValue()); }
Variant TGreatEqNode::GetValue() { return Variant(LeftValue() >= RightValue()); }
Variant TNonEqNode::GetValue() { return Variant(LeftValue() != RightValue()); }
Variant TEqNode::GetValue() { return Variant(LeftValue() == RightValue()); }
Variant TPlusNode::GetValue() { return LeftValue() + RightValue(); }
Variant TMinusNode::GetValue() { return LeftValue() - RightValue(); }
Variant TMulNode::GetValue() { return LeftValue() * RightValue(); }
Variant TDivFloatNode::GetValue() { return LeftValue() / RightValue(); }
Variant TDivIntNode::GetValue() { return VarIntDiv(LeftValue(), RightValue()); }
Variant TModNode::GetValue() { return VarMod(LeftValue(), RightValue()); }
Variant TXorNode::GetValue() { return VarXor(LeftValue(), RightValue()); }
Variant TShlNode::GetValue() { return VarShl(LeftValue(), RightValue()); }
Variant TShrNode::GetValue() { return VarShr(LeftValue(), RightValue()); }
Variant TNotNode::GetValue() { return VarNot(LeftValue()); }
Variant TUnMinusNode::GetValue() { return VarNeg(LeftValue()); }
Variant TLeftBracketNode::GetValue() { return LeftValue(); }
Variant TRightBracketNode::GetValue() { return LeftValue(); }

Variant TStrCatNode::GetValue() {
    Variant left = LeftValue();
    if (!left.IsString()) return left + RightValue();
    left.AppendString(RightValue().AsString());
    return left;
}

Variant TAndNode::GetValue() {
    Variant left = LeftValue();
    if (!ShortCircuit) return VarAnd(left, RightValue());
    return left.AsBoolean() ? RightValue() : left;
}

Variant TOrNode::GetValue() {
    Variant left = LeftValue();
    if (!ShortCircuit) return VarOr(left, RightValue());
    return left.AsBoolean() ? left : RightValue();
}

Variant TInNode::GetValue() {
    const Variant value = LeftValue();
    if (auto* set = dynamic_cast<TscSetNode*>(Right.get())) return Variant(set->Set().Contains(value));
    const Variant array = RightValue();
    if (!array.IsArray() || array.ArrayDimCount() != 1) return Variant(false);
    const int low = array.ArrayLowBound(1);
    const int high = array.ArrayHighBound(1);
    for (int i = low; i <= high; ++i) {
        const Variant& element = array.GetElement({i});
        if (value == element) return Variant(true);
        if (i < high - 1 && array.GetElement({i + 1}).IsNull()) {
            if (value >= element && value <= array.GetElement({i + 2})) return Variant(true);
            i += 2;
        }
    }
    return Variant(false);
}

Variant TIsNode::GetValue() {
    const TObject* object = VariantToObject(LeftValue());
    if (!object) return Variant(false);
    const TClassInfo* wanted = GetClass(Right->TypeName);
    return Variant(wanted != nullptr && object->InheritsFrom(*wanted));
}
