#pragma once
// Everything a script can name: the common base with its value, type and
// parameters, and the plain value-holding entries.

#include "script/core/ItemList.h"
#include "script/core/VarType.h"
#include "ui/variant/Variant.h"

#include <cstdint>
#include <functional>
#include <string>

class TscParamItem;
class TscScript;

// Asks the host for a variable's value; Null leaves the stored value in force.
using TscGetVariableValueEvent =
    std::function<Variant(const std::string& name, TscVarType type, const Variant& oldValue)>;

// Who added an entry to a script: none, kRTTIOwner for the binding
// modules' entries, or the address of the registering object.
using TscOwnerMarker = std::uintptr_t;
constexpr TscOwnerMarker kNoOwner = 0;
constexpr TscOwnerMarker kRTTIOwner = 1;

class TscCustomVariable : public TscItemList {
public:
    TscCustomVariable(std::string name, std::string typeName, TscVarType type);

    // Stores the value unless the entry is read-only.
    virtual void SetValue(const Variant& value);
    // The stored value.
    virtual Variant GetValue();

    TscParamItem* GetParam(int index) const;
    int ParamCount() const { return Count(); }
    // Parameters without the optional flag.
    int RequiredParamCount() const;
    // "Integer", "Boolean", "Extended", "Char", "String", the type name of
    // classes and enumerations, "Array", otherwise "Variant".
    std::string TypeText() const;
    const std::string& Name() const { return name_; }
    const std::string& UpperName() const { return upperName_; }

    TscOwnerMarker OwnerMarker = kNoOwner;
    bool IsMacro = false;
    bool IsReadOnly = false;
    bool NeedResult = true;
    // A function's Result, an array variable's element member, a variable
    // designator's variable.
    TscCustomVariable* RefItem = nullptr;
    std::string SourcePos;
    std::string SourceUnit;
    TscVarType Type;
    std::string TypeName;
    Variant StoredValue = Variant::Null();
    TscGetVariableValueEvent OnGetValue;

private:
    std::string name_;
    std::string upperName_;
};

// A declared variable, a constant (read-only) or an enumeration entry.
class TscVariable : public TscCustomVariable {
public:
    using TscCustomVariable::TscCustomVariable;
    // Nothing when read-only; otherwise converted by the type (32-bit
    // integer, boolean, double, string) and stored.
    void SetValue(const Variant& value) override;
    Variant GetValue() override;
};

// Variables and constants of type char or string: the text itself.
class TscStringVariable : public TscVariable {
public:
    using TscVariable::TscVariable;
    // Stores the value's text, read-only or not.
    void SetValue(const Variant& value) override;
    Variant GetValue() override;
    std::string& Text() { return text_; }

private:
    std::string text_;
};

// A named type.
class TscTypeVariable : public TscCustomVariable {
public:
    using TscCustomVariable::TscCustomVariable;
};

class TscParamItem : public TscCustomVariable {
public:
    TscParamItem(std::string name, TscVarType type, std::string typeName, bool optional, bool isVar);

    Variant DefaultValue = Variant::Null();
    bool IsOptional;
    bool IsVarParam;
};

// The base of expressions.
class TscCustomExpression : public TscCustomVariable {
public:
    using TscCustomVariable::TscCustomVariable;

    // The script text the expression was built from; macro routines receive it.
    std::string SourceText;
};

// The elements of a set constructor or of a case label list: expressions,
// and none between two of them for a range.
class TscSetExpression : public TscCustomVariable {
public:
    TscSetExpression();
    void AddElement(std::unique_ptr<TscCustomExpression> element);
    void AddRangeMarker();
    // One element per item, Null for a range marker.
    Variant GetValue() override;
    bool Contains(const Variant& value);
};

// Whether a value of the source type may go where the target type is
// wanted; an object of a class registered in the program goes where the
// class or one of its registered ancestors is wanted.
bool TypesCompatible(TscVarType target, const std::string& targetTypeName, TscVarType source,
                     const std::string& sourceTypeName, const TscScript& program);
