#pragma once
// Designators: a chain of steps, each naming an entry with its arguments,
// evaluated by threading each step's value into the next as its instance.
// Three short-path kinds serve a plain variable, a character of a string
// variable and an element of an array variable.

#include "script/core/CustomVariable.h"

#include <functional>
#include <memory>

class TscScript;
class TscStringVariable;
class TscArrayHelper;
class TscProcVariable;
class TscCustomHelper;
class TscDesignator;
class TscXMLItem;

// Builds a designator from its intermediate-form item in a program; the
// program builder supplies it for deferred designators.
using TscDeferredBuild = std::function<std::unique_ptr<TscDesignator>(const TscXMLItem& source, TscScript& program)>;

// One step: the referenced entry and its argument expressions (the items),
// one per parameter of the entry.
class TscDesignatorItem : public TscItemList {
public:
    explicit TscDesignatorItem(TscCustomVariable& ref);
    TscCustomExpression* Argument(int index) const { return static_cast<TscCustomExpression*>(Item(index)); }
    void AddArgument(std::unique_ptr<TscCustomExpression> argument) { Add(std::move(argument)); }

    TscCustomVariable* Ref;
    std::string SourcePos;
    // What the entry is, found once: evaluation runs without type tests.
    TscDesignator* SubDesignator;
    TscProcVariable* Proc;
    TscCustomHelper* Helper;
};

enum class TscDesignatorKind { General, Variable, StringChar, ArrayElement };

class TscDesignator : public TscCustomVariable {
public:
    explicit TscDesignator(TscScript& program);
    ~TscDesignator() override;

    // Left unbuilt: the steps are built from a copy of the item on the
    // first get or set, when the values they depend on are known.
    void Defer(const TscXMLItem& source, TscDeferredBuild build);
    bool IsDeferred() const { return deferredSource_ != nullptr; }

    TscDesignatorItem& AddStep(TscCustomVariable& entry);
    TscDesignatorItem* Step(int index) const { return static_cast<TscDesignatorItem*>(Item(index)); }

    // Once the steps are known: type, type name, read-only flag and kind.
    void Finish();
    // Takes over the other's steps and fields (the step lists are exchanged).
    void Borrow(TscDesignator& other);
    // This designator, or one of the short-path class for its kind, which
    // borrows the steps; call after Finish.
    static std::unique_ptr<TscDesignator> ShortPath(std::unique_ptr<TscDesignator> designator);

    Variant GetValue() override;
    void SetValue(const Variant& value) override;

    TscDesignatorKind Kind() const { return kind_; }
    TscScript& Program() const { return *program_; }
    TscScript& MainProgram() const { return *mainProgram_; }

protected:
    TscDesignatorKind kind_ = TscDesignatorKind::General;
    TscScript* mainProgram_;
    TscScript* program_;
    TscCustomVariable* ref1_ = nullptr;
    TscDesignatorItem* ref2_ = nullptr;

private:
    Variant Evaluate(bool write, const Variant& value);
    void BuildDeferred();

    std::unique_ptr<TscXMLItem> deferredSource_;
    TscDeferredBuild deferredBuild_;
};

class TscVariableDesignator : public TscDesignator {
public:
    using TscDesignator::TscDesignator;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;
};

// Characters are code points of the UTF-8 text; an index outside the text
// raises EScriptRangeError.
class TscStringDesignator : public TscDesignator {
public:
    using TscDesignator::TscDesignator;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;

private:
    std::string& Text() const;
};

class TscArrayDesignator : public TscDesignator {
public:
    using TscDesignator::TscDesignator;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;

private:
    TscArrayHelper& Prepared();
};
