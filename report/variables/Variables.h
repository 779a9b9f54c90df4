#pragma once
// Named values that a report's expressions and script read: TrpVariables
// keyed by name, TrpArray keyed by the text form of any value. Names match
// without regard to case; the first of two equal names wins, and a write to
// a missing name appends, so the order is that of first appearance.

#include "report/variables/ReportValue.h"
#include "ui/core/Collection.h"

#include <string>
#include <string_view>

class TrpVariable : public TCollectionItem {
    DECLARE_CLASS_INFO
public:
    explicit TrpVariable(TCollection* collection) : TCollectionItem(collection) {}

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    const TrpValue& Value() const { return value_; }
    void SetValue(const TrpValue& value) { value_ = value; }

    void Assign(const TPersistent* source) override;

private:
    std::string name_;
    TrpValue value_;
};

// The common look-up of both lists.
class TrpVariableList : public TCollection {
public:
    TrpVariableList() : TCollection(TrpVariable::StaticClass()) {}

    TrpVariable* Add() { return static_cast<TrpVariable*>(TCollection::Add()); }
    TrpVariable* Items(int index) const { return static_cast<TrpVariable*>(TCollection::Items(index)); }

protected:
    int IndexOfName(std::string_view name) const;
    // Null when there is no such item.
    TrpValue Read(std::string_view name) const;
    // The first item of the name gets the value, or a new item is appended.
    void Write(std::string_view name, const TrpValue& value);
};

class TrpVariables : public TrpVariableList {
public:
    int IndexOf(std::string_view name) const { return IndexOfName(name); }
    TrpValue Variables(std::string_view name) const { return Read(name); }
    void SetVariables(std::string_view name, const TrpValue& value) { Write(name, value); }
};

class TrpArray : public TrpVariableList {
public:
    int IndexOf(const TrpValue& key) const { return IndexOfName(ValueText(key)); }
    TrpValue Variables(const TrpValue& key) const { return Read(ValueText(key)); }
    void SetVariables(const TrpValue& key, const TrpValue& value) { Write(ValueText(key), value); }
};

// The list every report shares, made when the report library starts.
TrpVariables& rpGlobalVariables();
