#include "script/expressions/Expression.h"

#include "script/core/ScriptErrors.h"
#include "script/designators/Designator.h"
#include "ui/core/TextCase.h"

namespace {

constexpr int kBracketPriority = 6;
constexpr int kClimbLimitOfCloseBracket = 5;

struct NodeType {
    TscVarType type;
    std::string typeName;
};

bool IsComparison(TscOperatorCode code) {
    return code == opGreat || code == opLess || code == opLessEq || code == opGreatEq || code == opNonEq || code == opEq;
}

bool OperatorSuits(TscOperatorCode code, TscVarType left) {
    switch (left) {
    case fvtBool:
        return code == opNonEq || code == opEq || code == opOr || code == opXor || code == opAnd || code == opNot;
    case fvtChar: case fvtString: return IsComparison(code) || code == opPlus || code == opIn;
    case fvtClass: case fvtArray: return code == opNonEq || code == opEq;
    default: return true;
    }
}

NodeType TypeNode(TscExpressionNode* node, const TscScript& program, std::string& errorPos) {
    if (!node) return {fvtVariant, std::string()};
    auto* op = dynamic_cast<TscOperatorNode*>(node);
    if (!op) return {node->Type, node->TypeName};
    const NodeType l = TypeNode(op->Left.get(), program, errorPos);
    const NodeType r = TypeNode(op->Right.get(), program, errorPos);
    op->ShortCircuit = l.type == fvtBool && r.type == fvtBool;
    bool accepted = op->Code == opIs && l.type == fvtClass && r.type == fvtClass;
    if (!accepted) accepted = TypesCompatible(l.type, l.typeName, r.type, r.typeName, program) && OperatorSuits(op->Code, l.type);
    NodeType result = l;
    if (accepted) {
        if ((l.type == fvtInt && r.type == fvtFloat) || (l.type == fvtFloat && r.type == fvtInt)) result.type = fvtFloat;
        if (l.type == fvtInt && r.type == fvtInt && op->Code == opDivFloat) result.type = fvtFloat;
        if (IsComparison(op->Code) || op->Code == opIn || op->Code == opIs) result.type = fvtBool;
    } else if (errorPos.empty()) {
        errorPos = op->SourcePos;
    }
    op->Type = result.type;
    op->TypeName = result.typeName;
    return result;
}

const TscVariableDesignator* VariableDesignatorOf(const TscExpressionNode* node) {
    const auto* operand = dynamic_cast<const TscDesignatorNode*>(node);
    return operand ? dynamic_cast<const TscVariableDesignator*>(&operand->Designator()) : nullptr;
}

}  // namespace

TscExpression::TscExpression(TscScript& program)
    : TscCustomExpression("", "", fvtVariant), program_(&program), root_(MakeOperatorNode(" ")), current_(root_.get()) {}

TscExpression::~TscExpression() = default;

void TscExpression::AddOperand(std::unique_ptr<TscExpressionNode> node) {
    TscExpressionNode* added = node.get();
    current_->AdoptChild(std::move(node));
    current_ = added;
}

void TscExpression::AddConst(const Variant& value) {
    auto node = std::make_unique<TscOperandNode>(value);
    node->SourcePos = SourcePos;
    AddOperand(std::move(node));
}

void TscExpression::AddDesignator(std::unique_ptr<TscDesignator> designator) {
    auto node = std::make_unique<TscDesignatorNode>(std::move(designator));
    node->SourcePos = SourcePos;
    AddOperand(std::move(node));
}

void TscExpression::AddSet(std::unique_ptr<TscSetExpression> set) {
    auto node = std::make_unique<TscSetNode>(std::move(set));
    node->SourcePos = SourcePos;
    AddOperand(std::move(node));
}

void TscExpression::AddOperator(const std::string& text) {
    std::unique_ptr<TscOperatorNode> node = MakeOperatorNode(text);
    if (!node) return;
    node->SourcePos = SourcePos;
    const std::string lower = AnsiLowerCase(text);
    if (lower == "(" || lower == "unminus" || lower == "not") {
        AddOperand(std::move(node));
        return;
    }
    if (lower == ")") {
        TscExpressionNode* bracket = current_;
        while (bracket && bracket->Priority() <= kClimbLimitOfCloseBracket) bracket = bracket->Parent;
        if (!bracket || !dynamic_cast<TLeftBracketNode*>(bracket) || !bracket->Left)
            throw EScriptError("Непарная закрывающая скобка в выражении");
        TscExpressionNode* inner = bracket->Left.get();
        std::unique_ptr<TscExpressionNode> content = std::move(bracket->Left);
        // Freeing the bracket node frees it only: its content moved out first.
        bracket->Parent->ReplaceChild(bracket, std::move(content));
        current_ = inner;
        return;
    }
    TscOperatorNode* added = node.get();
    if (current_ == root_.get()) {
        current_->AdoptChild(std::move(node));
    } else {
        TscExpressionNode* below = current_;
        TscExpressionNode* at = current_->Parent;
        if (current_->Priority() == kBracketPriority) {
            below = nullptr;
            at = current_;
        }
        while (at->Priority() <= added->Priority()) {
            below = at;
            at = at->Parent;
        }
        if (below) {
            std::unique_ptr<TscExpressionNode> taken = at->ReplaceChild(below, std::move(node));
            added->AdoptChild(std::move(taken));
        } else {
            at->AdoptChild(std::move(node));
        }
    }
    current_ = added;
}

std::string TscExpression::Complete() {
    std::unique_ptr<TscExpressionNode> top = std::move(root_->Left);
    if (!top) top = std::make_unique<TscOperandNode>(Variant::Null());
    top->Parent = nullptr;
    root_ = std::move(top);
    current_ = root_.get();
    std::string errorPos;
    const NodeType type = TypeNode(root_.get(), *program_, errorPos);
    Type = type.type;
    TypeName = type.typeName;
    const auto* designatorNode = dynamic_cast<const TscDesignatorNode*>(root_.get());
    IsReadOnly = !designatorNode || designatorNode->Designator().IsReadOnly;
    return errorPos;
}

void TscExpression::SetValue(const Variant& value) {
    if (IsReadOnly) return;
    static_cast<TscDesignatorNode*>(root_.get())->Source().SetValue(value);
}

TscCustomVariable* TscExpression::SingleOperand() const {
    if (auto* designatorNode = dynamic_cast<TscDesignatorNode*>(root_.get())) return &designatorNode->Source();
    if (dynamic_cast<TscOperatorNode*>(root_.get())) return nullptr;
    return root_.get();
}

std::string TscExpression::FoldIntoAssignment(const TscDesignator& target) {
    auto* op = dynamic_cast<TscOperatorNode*>(root_.get());
    if (!op) return " ";
    const TscOperatorCode code = op->Code;
    if (code != opPlus && code != opMinus && code != opMul && code != opDivFloat) return " ";
    const TscCustomVariable* variable = target.RefItem;
    std::unique_ptr<TscExpressionNode> kept;
    const TscVariableDesignator* left = VariableDesignatorOf(op->Left.get());
    const TscVariableDesignator* right = VariableDesignatorOf(op->Right.get());
    if (left && left->RefItem == variable && op->Right) {
        kept = std::move(op->Right);
    } else if (right && right->RefItem == variable && (code == opPlus || code == opMul) && variable->Type != fvtString &&
               variable->Type != fvtVariant) {
        kept = std::move(op->Left);
    } else {
        return " ";
    }
    kept->Parent = nullptr;
    root_ = std::move(kept);  // frees the operator and the target's operand
    current_ = root_.get();
    switch (code) {
    case opPlus: return "+";
    case opMinus: return "-";
    case opMul: return "*";
    default: return "/";
    }
}
