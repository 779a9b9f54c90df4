#pragma once
// The statement kinds. Each begins with the run-line notification (except
// the plain lists, break, continue and with) and does nothing more once the
// program is terminated; early exits work through the program's flags.

#include "script/core/CustomVariable.h"
#include "script/statements/Statement.h"

#include <memory>
#include <string>

class TscDesignator;
class TscExpression;

class TscAssignmentStmt : public TscStatement {
public:
    using TscStatement::TscStatement;
    ~TscAssignmentStmt() override;
    void Execute() override;
    // Takes both and resolves what to read and write: a variable designator's
    // variable directly, a one-operand expression's operand directly.
    void Prepare(std::unique_ptr<TscDesignator> target, std::unique_ptr<TscCustomExpression> source);

protected:
    TscCustomVariable& Target() const { return *targetToUse_; }
    TscCustomVariable& Source() const { return *sourceToUse_; }
    // The source can be read before the target without changing either.
    bool SourceIsPlain() const { return sourceIsPlain_; }

private:
    std::unique_ptr<TscDesignator> target_;
    std::unique_ptr<TscCustomExpression> source_;
    TscCustomVariable* targetToUse_ = nullptr;
    TscCustomVariable* sourceToUse_ = nullptr;
    bool sourceIsPlain_ = false;
};

// target := target op source, with the variant operator.
class TscAssignPlusStmt : public TscAssignmentStmt {
public:
    using TscAssignmentStmt::TscAssignmentStmt;
    // A text appended to a plain string variable grows it in place.
    void Execute() override;
};

class TscAssignMinusStmt : public TscAssignmentStmt {
public:
    using TscAssignmentStmt::TscAssignmentStmt;
    void Execute() override;
};

class TscAssignMulStmt : public TscAssignmentStmt {
public:
    using TscAssignmentStmt::TscAssignmentStmt;
    void Execute() override;
};

class TscAssignDivStmt : public TscAssignmentStmt {
public:
    using TscAssignmentStmt::TscAssignmentStmt;
    void Execute() override;
};

// A call whose result is dropped, or with the modifier "+" or "-" an
// increment or decrement through the designator.
class TscCallStmt : public TscStatement {
public:
    TscCallStmt(TscScript& program, std::string sourcePos, std::string unitName,
                std::unique_ptr<TscDesignator> designator, std::string modifier = std::string());
    ~TscCallStmt() override;
    void Execute() override;

private:
    std::unique_ptr<TscDesignator> designator_;
    std::string modifier_;
};

// The items are the then part.
class TscIfStmt : public TscStatement {
public:
    TscIfStmt(TscScript& program, std::string sourcePos, std::string unitName, std::unique_ptr<TscCustomExpression> condition);
    void Execute() override;
    TscStatement& ElsePart() { return *elsePart_; }

private:
    std::unique_ptr<TscCustomExpression> condition_;
    std::unique_ptr<TscStatement> elsePart_;
};

// A case branch: its labels; the items are the branch.
class TscCaseSelector : public TscStatement {
public:
    TscCaseSelector(TscScript& program, std::string sourcePos, std::string unitName, std::unique_ptr<TscSetExpression> labels);
    TscSetExpression& Labels() { return *labels_; }

private:
    std::unique_ptr<TscSetExpression> labels_;
};

// The items are the branches, tried in order.
class TscCaseStmt : public TscStatement {
public:
    TscCaseStmt(TscScript& program, std::string sourcePos, std::string unitName, std::unique_ptr<TscCustomExpression> selector);
    void Execute() override;
    TscStatement& ElsePart() { return *elsePart_; }

private:
    std::unique_ptr<TscCustomExpression> selector_;
    std::unique_ptr<TscStatement> elsePart_;
};

// Loops: the items are the body.
class TscLoopStmt : public TscStatement {
public:
    using TscStatement::TscStatement;

protected:
    // After a pass: false when break or exit ends the loop; clears continue.
    bool PassEnded();
    // When the loop ends: clears break.
    void LoopEnded();
};

// repeat-until; with the inverse flag do-while.
class TscRepeatStmt : public TscLoopStmt {
public:
    TscRepeatStmt(TscScript& program, std::string sourcePos, std::string unitName,
                  std::unique_ptr<TscCustomExpression> condition, bool inverse);
    void Execute() override;

private:
    std::unique_ptr<TscCustomExpression> condition_;
    bool inverse_;
};

class TscWhileStmt : public TscLoopStmt {
public:
    TscWhileStmt(TscScript& program, std::string sourcePos, std::string unitName, std::unique_ptr<TscCustomExpression> condition);
    void Execute() override;

private:
    std::unique_ptr<TscCustomExpression> condition_;
};

// Counts by one between two integers, writing the counter into the
// variable's stored value at each pass.
class TscForStmt : public TscLoopStmt {
public:
    TscForStmt(TscScript& program, std::string sourcePos, std::string unitName, TscCustomVariable& variable,
               std::unique_ptr<TscCustomExpression> begin, std::unique_ptr<TscCustomExpression> end, bool down);
    void Execute() override;

private:
    TscCustomVariable* variable_;
    std::unique_ptr<TscCustomExpression> begin_;
    std::unique_ptr<TscCustomExpression> end_;
    bool down_;
};

// Counts from begin to end by a step (1 without one), with variant values.
class TscVbForStmt : public TscLoopStmt {
public:
    TscVbForStmt(TscScript& program, std::string sourcePos, std::string unitName, TscCustomVariable& variable,
                 std::unique_ptr<TscCustomExpression> begin, std::unique_ptr<TscCustomExpression> end,
                 std::unique_ptr<TscCustomExpression> step);
    void Execute() override;

private:
    TscCustomVariable* variable_;
    std::unique_ptr<TscCustomExpression> begin_;
    std::unique_ptr<TscCustomExpression> end_;
    std::unique_ptr<TscCustomExpression> step_;
};

// first; while condition do begin body; second end.
class TscCppForStmt : public TscLoopStmt {
public:
    TscCppForStmt(TscScript& program, std::string sourcePos, std::string unitName, std::unique_ptr<TscCustomExpression> condition);
    void Execute() override;
    TscStatement& FirstPart() { return *first_; }
    TscStatement& SecondPart() { return *second_; }

private:
    std::unique_ptr<TscStatement> first_;
    std::unique_ptr<TscCustomExpression> condition_;
    std::unique_ptr<TscStatement> second_;
};

// try-except (catches the library's exceptions and fills ExceptionClassName
// and ExceptionMessage) or try-finally. The items are the guarded part.
class TscTryStmt : public TscStatement {
public:
    TscTryStmt(TscScript& program, std::string sourcePos, std::string unitName, bool isExcept);
    void Execute() override;
    // The except part or the finally part.
    TscStatement& ExceptPart() { return *exceptPart_; }

private:
    bool isExcept_;
    std::unique_ptr<TscStatement> exceptPart_;
};

class TscBreakStmt : public TscStatement {
public:
    using TscStatement::TscStatement;
    void Execute() override;
};

class TscContinueStmt : public TscStatement {
public:
    using TscStatement::TscStatement;
    void Execute() override;
};

class TscExitStmt : public TscStatement {
public:
    using TscStatement::TscStatement;
    void Execute() override;
};

// Stores its designator's value into its with-variable.
class TscWithStmt : public TscStatement {
public:
    TscWithStmt(TscScript& program, std::string sourcePos, std::string unitName, std::unique_ptr<TscDesignator> designator,
                TscCustomVariable& withVariable);
    ~TscWithStmt() override;
    void Execute() override;

private:
    std::unique_ptr<TscDesignator> designator_;
    TscCustomVariable* withVariable_;
};
