#pragma once
// Host classes as scripts see them: one entry per registered class with
// its members (published properties first, then what the binding adds),
// and the member kinds that reach host objects: properties and components.

#include "script/events/CustomEvent.h"
#include "script/members/MethodHelper.h"

#include <memory>
#include <string>

class TComponent;
class TscEventHelper;

using TscPropertyGet = std::function<Variant(TObject* instance, const TClassInfo* classRef, const std::string& name)>;
using TscPropertySet =
    std::function<void(TObject* instance, const TClassInfo* classRef, const std::string& name, const Variant& value)>;

// A published property (read and written through the class description of
// the instance's own class) or a property served by the binding's handlers.
class TscPropertyHelper : public TscCustomHelper {
public:
    TscPropertyHelper(const std::string& name, const std::string& typeName, TscVarType type, const TClassInfo& classRef);

    Variant GetValue() override;
    void SetValue(const Variant& value) override;

    const TClassInfo* ClassRef;
    bool IsPublished = false;
    TscPropertyGet OnGet;
    TscPropertySet OnSet;
};

// A component owned by a registered form: its reference.
class TscComponentHelper : public TscCustomHelper {
public:
    explicit TscComponentHelper(TComponent& component);
    Variant GetValue() override;

private:
    TComponent* component_;
};

class TscClassVariable : public TscCustomVariable {
public:
    // Members start with the class's published properties in alphabetical order.
    TscClassVariable(const TClassInfo& classRef, std::string ancestorName, TscScript& program);

    // A type cast when called with an argument (the value, unchanged);
    // otherwise the class reference, which constructors receive.
    Variant GetValue() override;

    TscMethodHelper& AddConstructor(const std::string& declaration, TscMethodCall handler);
    TscMethodHelper& AddMethod(const std::string& declaration, TscMethodCall handler);
    TscPropertyHelper& AddProperty(const std::string& name, const std::string& typeName, TscPropertyGet get,
                                   TscPropertySet set = nullptr);
    // "Integer, Integer" gives the parameters p0 and p1 of those types.
    TscMethodHelper& AddIndexProperty(const std::string& name, const std::string& paramTypes,
                                      const std::string& resultType, TscMethodCall handler, bool readOnly = false);
    TscMethodHelper& AddDefaultProperty(const std::string& name, const std::string& paramTypes,
                                        const std::string& resultType, TscMethodCall handler, bool readOnly = false);
    TscComponentHelper& AddComponent(TComponent& component);
    // The class's event property of that name, hooked through adapters of the class given.
    TscEventHelper& AddEvent(const std::string& name, TscEventClass adapterClass);
    // Here, then in the ancestors' entries; nullptr when none has it.
    TscCustomVariable* FindMember(const std::string& name) const;

    const TClassInfo& ClassRef() const { return *classRef_; }
    const std::string& AncestorName() const { return ancestorName_; }
    TscMethodHelper* DefaultProperty = nullptr;

private:
    template <class Member>
    Member& Append(std::unique_ptr<Member> member);

    const TClassInfo* classRef_;
    std::string ancestorName_;
    TscScript* program_;
    TscItemList members_;
};

// A class reference as the class entry gives it, and back; nullptr for
// anything that is not the reference of a registered class entry.
Variant ClassToVariant(const TClassInfo& classRef);
