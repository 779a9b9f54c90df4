#pragma once
// A statement list and the base of every statement: its program (whose
// flags it reads and sets) and its source position for the run-line
// notification.

#include "script/core/ItemList.h"

#include <memory>
#include <string>

class TscScript;

class TscStatement : public TscItemList {
public:
    TscStatement(TscScript& program, std::string sourcePos, std::string unitName);

    // The list: runs the children in order, stops before one when the
    // program is terminated and after one when break, continue or exit is set.
    virtual void Execute();

    void AddStatement(std::unique_ptr<TscStatement> statement) { Add(std::move(statement)); }
    TscStatement* Child(int index) const { return static_cast<TscStatement*>(Item(index)); }

    TscScript& Program() const { return *program_; }
    const std::string& SourcePos() const { return sourcePos_; }
    const std::string& UnitName() const { return unitName_; }

protected:
    // The run-line notification; false when the program is terminated after it.
    bool Notify();
    // A new empty list bound to this statement's program and position.
    std::unique_ptr<TscStatement> MakeList() const;

private:
    TscScript* program_;
    std::string sourcePos_;
    std::string unitName_;
};
