#pragma once
// The script component: a program's table of named entries, its parent
// scripts, its root statement and the flags that break, continue, exit and
// terminate use. The same class serves as the main program, as a
// procedure's local scope and as a one-expression program.

#include "script/core/CustomVariable.h"
#include "script/members/MethodHelper.h"
#include "script/parser/CompileTarget.h"
#include "ui/core/Component.h"
#include "ui/core/StringList.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class TscStatement;
class TscProcVariable;
class TscClassVariable;

class TscScript : public TComponent {
public:
    using TRunLineEvent = std::function<void(TscScript& sender, const std::string& unitName, const std::string& position)>;

    explicit TscScript(TComponent* owner);
    ~TscScript() override;

    // The item table: sorted by name without regard to case; a new entry
    // goes before the older ones of its name and hides them.
    void Add(const std::string& name, std::unique_ptr<TObject> entry);
    // Lists an entry that something else owns (a routine's parameters in its local program).
    void AddUnowned(const std::string& name, TObject& entry);
    int Count() const { return static_cast<int>(items_.size()); }
    TObject* Items(int index) const { return items_[static_cast<std::size_t>(index)].entry; }
    const std::string& ItemName(int index) const { return items_[static_cast<std::size_t>(index)].name; }
    // Takes that very entry out without freeing it; the entry goes to the
    // caller when the table owned it.
    std::unique_ptr<TObject> Remove(const TObject* entry);
    // The newest script entry of the name here; nullptr when absent or not a variable entry.
    TscCustomVariable* FindLocal(const std::string& name) const;
    // FindLocal here, then in each parent in turn.
    TscCustomVariable* Find(const std::string& name) const;
    // Find, kept only when the entry is a host class.
    TscClassVariable* FindClass(const std::string& name) const;
    // The type of the entry of that name, fvtClass when there is none.
    TscVarType TypeCodeOf(const std::string& typeName) const;

    // Registration; each of AddConst, AddVariable and AddType adds nothing
    // when Find already knows the name (here or in a parent).
    void AddConst(const std::string& name, const std::string& typeName, const Variant& value);
    // Names separated by commas; values 0, 1, 2... (AddEnumSet: 1, 2, 4...).
    void AddEnum(const std::string& typeName, const std::string& names);
    void AddEnumSet(const std::string& typeName, const std::string& names);
    void AddObject(const std::string& name, TObject* object);
    void AddVariable(const std::string& name, const std::string& typeName, const Variant& value);
    void AddType(const std::string& typeName, TscVarType type);
    // A host class under its name, taking over the ancestor's default
    // property; nullptr (nothing added) when the name is known already.
    TscClassVariable* AddClass(const TClassInfo& classRef, const std::string& ancestorName);
    // A host routine from its declaration, served by the handler; raises
    // EScriptError for a text that declares no routine.
    TscMethodHelper& AddMethod(const std::string& declaration, TscMethodCall handler, const std::string& category = "",
                               const std::string& description = "");
    TscMethodHelper& AddMethodWithParamArray(const std::string& declaration, TscMethodCallWithParams handler,
                                             const std::string& category = "", const std::string& description = "");
    // A form's class with its components as members, and the form itself as
    // an object; nothing for a component that is no form.
    void AddForm(TComponent& form);
    void AddComponent(TComponent& component) { AddForm(component); }
    // Once: one instance of every binding module, its entries marked as theirs.
    void AddRTTI();
    // Sets a found entry, or adds a Variant variable.
    void AssignVariable(const std::string& name, const Variant& value);

    // Frees every entry except those of the binding modules, clears the
    // program, the unit lines and the error texts.
    void Clear();
    // Frees the entries of one owner (the last first) and clears the program
    // and the unit lines; the error texts stay.
    void ClearItems(TscOwnerMarker owner);
    // Frees the binding modules' entries.
    void DetachRTTI();

    // Parses Lines in the SyntaxType grammar and builds the program into this
    // script; false with ErrorMessage, ErrorPosition and ErrorUnit set.
    // Adds to what is there: callers clear first.
    bool Compile();
    // Runs the root statement. Exceptions pass on; the flags are reset
    // afterwards either way.
    void Execute();
    // Stops this program and every procedure's at their next statement.
    void Terminate();
    // Runs a procedure of this very script with the array's elements as its
    // parameters; Null when there is no such procedure.
    Variant CallFunction(const std::string& name, const Variant& params);
    // As CallFunction; afterwards every element receives its parameter's value.
    Variant CallFunctionVar(const std::string& name, Variant& params);
    // Tells the nearest OnRunLine handler up the parent chain.
    void NotifyLine(const std::string& unitName, const std::string& position);
    // Records the line of a position (the text before ':') as executable.
    void MarkLine(const std::string& unitName, const std::string& position);
    const std::map<std::string, std::set<std::string>>& UnitLines() const { return unitLines_; }

    TscStatement& RootStatement() { return *root_; }
    TscScript* Parent = nullptr;
    // The nearest script with the main-program flag up the parent chain; this one when none has it.
    TscScript& MainProgram();

    TStringList& Lines() { return lines_; }
    void SetLines(const TStrings& lines) { lines_.Assign(&lines); }
    std::string SyntaxType = "PascalScript";
    TscCompileTarget& CompileTarget() { return compileTarget_; }
    const TscCompileTarget& CompileTarget() const { return compileTarget_; }
    const std::string& ErrorMessage() const { return compileTarget_.ErrorMessage; }
    const std::string& ErrorPosition() const { return compileTarget_.ErrorPosition; }
    const std::string& ErrorUnit() const { return compileTarget_.ErrorUnit; }

    TRunLineEvent OnRunLine;
    TscGetVariableValueEvent OnGetVarValue;

    TscOwnerMarker OwnerMarker = kNoOwner;
    bool BreakFlag = false;
    bool ContinueFlag = false;
    bool ExitFlag = false;
    bool Terminated = false;
    bool Running = false;
    bool IsMainProgram = false;
    bool LateBinding = false;
    bool RTTIAttached = false;
    // The local program of the procedure that runs now (main programs only).
    TscScript* RunningProcProgram = nullptr;
    // Routine calls active under this script, when it tops its parent chain.
    int CallDepth = 0;

private:
    struct Item {
        std::string key;
        std::string name;
        TObject* entry;
        std::unique_ptr<TObject> owned;
    };

    std::vector<Item> items_;
    TStringList lines_;
    TscCompileTarget compileTarget_;
    std::unique_ptr<TscStatement> root_;
    std::map<std::string, std::set<std::string>> unitLines_;

    void ClearProgram();
    void AddEnumeration(const std::string& typeName, const std::string& names, bool asSet);
    void FreeWhere(const std::function<bool(const TObject&)>& condition);
    void Insert(const std::string& name, TObject* entry, std::unique_ptr<TObject> owned);
    std::vector<Item>::const_iterator FirstOf(const std::string& key) const;
};
