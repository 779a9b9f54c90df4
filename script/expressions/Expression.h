#pragma once
// One expression: a tree of nodes built in source order by operator
// precedence, typed once when completed, evaluated as often as needed.

#include "script/expressions/ExpressionNodes.h"

#include <memory>
#include <string>

class TscScript;
class TscDesignator;

class TscExpression : public TscCustomExpression {
public:
    explicit TscExpression(TscScript& program);
    ~TscExpression() override;

    // The node becomes a child of the current node and the current node.
    void AddOperand(std::unique_ptr<TscExpressionNode> node);
    void AddConst(const Variant& value);
    void AddDesignator(std::unique_ptr<TscDesignator> designator);
    void AddSet(std::unique_ptr<TscSetExpression> set);
    // An operator text of the intermediate form ("+", "div", "unminus", "(",
    // ")"...); an unknown text adds nothing. A ")" without its "(" raises
    // EScriptError.
    void AddOperator(const std::string& text);
    // Types the tree; the source position of the first type error, or "".
    std::string Complete();

    Variant GetValue() override { return root_->GetValue(); }
    // Writes through a single writable designator; nothing otherwise.
    void SetValue(const Variant& value) override;
    // The variable or designator of a root designator node, the node of a
    // root constant; nullptr otherwise.
    TscCustomVariable* SingleOperand() const;
    // For "x := x op e" with x the target variable: keeps only e and gives
    // the operation ("+", "-", "*", "/"); " " when the expression does not fold.
    std::string FoldIntoAssignment(const TscDesignator& target);

    TscExpressionNode* Root() const { return root_.get(); }

private:
    TscScript* program_;
    std::unique_ptr<TscExpressionNode> root_;
    TscExpressionNode* current_;

    void Retype();
};
