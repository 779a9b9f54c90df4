#pragma once
// The nodes of an expression tree: operands (constants, designators, sets)
// and one class per operator. A node owns its children; the smaller its
// priority, the tighter it binds.

#include "script/core/CustomVariable.h"

#include <cstdint>
#include <memory>

class TscDesignator;

class TscExpressionNode : public TscCustomVariable {
public:
    TscExpressionNode() : TscCustomVariable("", "", fvtVariant) {}
    virtual int Priority() const = 0;

    // Puts the child in the left slot when it is free, else in the right.
    void AdoptChild(std::unique_ptr<TscExpressionNode> child);
    // Takes the child out of its slot and puts the replacement there.
    std::unique_ptr<TscExpressionNode> ReplaceChild(TscExpressionNode* child, std::unique_ptr<TscExpressionNode> replacement);

    std::unique_ptr<TscExpressionNode> Left;
    std::unique_ptr<TscExpressionNode> Right;
    TscExpressionNode* Parent = nullptr;
};

class TscOperandNode : public TscExpressionNode {
public:
    // A constant; its type follows the value's kind.
    explicit TscOperandNode(const Variant& value);
    int Priority() const override { return 0; }
    Variant GetValue() override { return StoredValue; }

protected:
    TscOperandNode() = default;
};

class TscDesignatorNode : public TscOperandNode {
public:
    explicit TscDesignatorNode(std::unique_ptr<TscDesignator> designator);
    ~TscDesignatorNode() override;
    Variant GetValue() override { return source_->GetValue(); }
    TscDesignator& Designator() const { return *designator_; }
    // The variable of a variable designator, else the designator.
    TscCustomVariable& Source() const { return *source_; }

private:
    std::unique_ptr<TscDesignator> designator_;
    TscCustomVariable* source_;
};

class TscSetNode : public TscOperandNode {
public:
    explicit TscSetNode(std::unique_ptr<TscSetExpression> set);
    Variant GetValue() override { return set_->GetValue(); }
    TscSetExpression& Set() const { return *set_; }

private:
    std::unique_ptr<TscSetExpression> set_;
};

// Operator codes as the intermediate form's operator texts map to them.
enum TscOperatorCode : std::uint8_t {
    opNone, opGreat, opLess, opLessEq, opGreatEq, opNonEq, opEq, opPlus, opMinus, opOr, opXor, opMul, opDivFloat,
    opDivInt, opMod, opAnd, opShl, opShr, opLeftBracket, opRightBracket, opNot, opUnMinus, opIn, opIs
};

class TscOperatorNode : public TscExpressionNode {
public:
    explicit TscOperatorNode(TscOperatorCode code) : Code(code) {}
    int Priority() const override;

    TscOperatorCode Code;
    bool ShortCircuit = false;

protected:
    Variant LeftValue() const { return Left->GetValue(); }
    Variant RightValue() const { return Right->GetValue(); }
};

// The node of an operator text compared after upper-casing; nullptr for an unknown text.
std::unique_ptr<TscOperatorNode> MakeOperatorNode(const std::string& text);

#define VELZAR_OPERATOR_NODE(Name)                          \
    class Name : public TscOperatorNode {                   \
    public:                                                 \
        using TscOperatorNode::TscOperatorNode;             \
        Variant GetValue() override;                        \
    }

VELZAR_OPERATOR_NODE(TNoneNode);
VELZAR_OPERATOR_NODE(TGreatNode);
VELZAR_OPERATOR_NODE(TLessNode);
VELZAR_OPERATOR_NODE(TLessEqNode);
VELZAR_OPERATOR_NODE(TGreatEqNode);
VELZAR_OPERATOR_NODE(TNonEqNode);
VELZAR_OPERATOR_NODE(TEqNode);
VELZAR_OPERATOR_NODE(TPlusNode);
VELZAR_OPERATOR_NODE(TStrCatNode);
VELZAR_OPERATOR_NODE(TMinusNode);
VELZAR_OPERATOR_NODE(TOrNode);
VELZAR_OPERATOR_NODE(TXorNode);
VELZAR_OPERATOR_NODE(TMulNode);
VELZAR_OPERATOR_NODE(TDivFloatNode);
VELZAR_OPERATOR_NODE(TDivIntNode);
VELZAR_OPERATOR_NODE(TModNode);
VELZAR_OPERATOR_NODE(TAndNode);
VELZAR_OPERATOR_NODE(TShlNode);
VELZAR_OPERATOR_NODE(TShrNode);
VELZAR_OPERATOR_NODE(TNotNode);
VELZAR_OPERATOR_NODE(TUnMinusNode);
VELZAR_OPERATOR_NODE(TInNode);
// Whether the left value, an object reference, is of the class the right
// side names or of a descendant; nil gives false.
VELZAR_OPERATOR_NODE(TIsNode);
// Bracket markers exist only while the tree is built.
VELZAR_OPERATOR_NODE(TLeftBracketNode);
VELZAR_OPERATOR_NODE(TRightBracketNode);

#undef VELZAR_OPERATOR_NODE
