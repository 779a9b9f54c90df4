#include "script/builder/ProgramBuilder.h"

#include "script/component/Script.h"
#include "script/core/ProcVariable.h"
#include "script/designators/Designator.h"
#include "script/expressions/Expression.h"
#include "script/members/ClassVariable.h"
#include "script/members/CustomHelper.h"
#include "script/messages/ScriptMessages.h"
#include "script/parser/ILParser.h"
#include "script/statements/Statements.h"
#include "script/xml/XMLDocument.h"
#include "script/xml/XMLItem.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"

namespace {

constexpr std::string_view kDefaultTypeName = "Variant";

// The first child of that name, nullptr when there is none.
const TscXMLItem* ChildNamed(const TscXMLItem& element, std::string_view name) {
    const int found = element.Find(name);
    return found < 0 ? nullptr : element.Items(found);
}

Variant InitialValue(TscVarType type) {
    switch (type) {
    case fvtBool: return Variant(false);
    case fvtChar: case fvtString: return Variant(std::string());
    case fvtInt: case fvtFloat: case fvtClass: return Variant(0);
    default: return Variant::Null();
    }
}

}  // namespace

void TscProgramBuilder::CheckNotDeclared(const std::string& name, const TscScript& scope) const {
    if (scope.FindLocal(name)) Fail(SIdRedeclared + "'" + name + "'");
}

TscVarType TscProgramBuilder::ResolveTypeName(std::string& typeName) {
    const TscXMLItem* grammarRoot = parser_.GrammarRoot();
    for (const TscXMLItem* root : {programRoot_, grammarRoot}) {
        const TscXMLItem* types = root ? ChildNamed(*root, "types") : nullptr;
        const TscXMLItem* alias = types ? ChildNamed(*types, typeName) : nullptr;
        if (alias) {
            typeName = alias->Prop("type");
            break;
        }
    }
    const TscVarType type = program_.TypeCodeOf(typeName);
    if (type == fvtClass && !program_.FindClass(typeName)) Fail(SUnknownType + "'" + typeName + "'");
    return type;
}

std::unique_ptr<TscCustomVariable> TscProgramBuilder::MakeVariable(const TscXMLItem& element, int identIndex, TscScript& scope,
                                                                   bool param, bool byReference) {
    const TscXMLItem& ident = *element.Items(identIndex);
    const std::string name = ident.Prop("text");
    const int typeIndex = element.Find("type");
    std::string typeName = typeIndex >= 0 ? element.Items(typeIndex)->Prop("text") : std::string(kDefaultTypeName);
    At(typeIndex >= 0 ? *element.Items(typeIndex) : ident);
    TscVarType type = ResolveTypeName(typeName);
    // C-like declarations give each name its own array and initializer.
    const int end = [&] {
        if (typeIndex != 0) return element.Count();
        for (int i = identIndex + 1; i < element.Count(); ++i)
            if (AnsiSameText(element.Items(i)->Name(), "ident")) return i;
        return element.Count();
    }();
    const TscXMLItem* array = nullptr;
    const TscXMLItem* init = nullptr;
    for (int i = typeIndex == 0 ? identIndex + 1 : 0; i < end; ++i) {
        const TscXMLItem& part = *element.Items(i);
        if (AnsiSameText(part.Name(), "array")) array = &part;
        else if (AnsiSameText(part.Name(), "init")) init = &part;
    }
    std::unique_ptr<TscCustomVariable> variable;
    if (param) variable = std::make_unique<TscParamItem>(name, type, typeName, init != nullptr, byReference);
    else if (type == fvtChar || type == fvtString) variable = std::make_unique<TscStringVariable>(name, typeName, type);
    else variable = std::make_unique<TscVariable>(name, typeName, type);
    variable->SetValue(InitialValue(type));
    variable->SourcePos = ident.Prop("pos");
    variable->SourceUnit = unitName_;
    variable->OnGetValue = program_.OnGetVarValue;
    if (array) MakeArray(*array, scope, *variable);
    // A parameter's initializer is its default, worked out now; a variable's
    // runs as a statement where the declaration stands (BuildVariables).
    if (param && init && init->Count() > 0) {
        At(*init);
        std::unique_ptr<TscExpression> value = BuildExpression(*init->Items(0), scope);
        CheckAssignable(*variable, *value);
        static_cast<TscParamItem&>(*variable).DefaultValue = value->GetValue();
        variable->StoredValue = value->GetValue();
    }
    return variable;
}

void TscProgramBuilder::MakeArray(const TscXMLItem& array, TscScript& scope, TscCustomVariable& variable) {
    std::vector<int> bounds;
    for (int i = 0; i < array.Count(); ++i) {
        const TscXMLItem& dim = *array.Items(i);
        if (!AnsiSameText(dim.Name(), "dim")) continue;
        At(dim);
        std::vector<int> pair;
        for (int e = 0; e < dim.Count() && pair.size() < 2; ++e) pair.push_back(BuildExpression(*dim.Items(e), scope)->GetValue().AsInteger());
        if (pair.size() == 1) pair = {0, pair[0] - 1};
        if (pair.empty()) pair = {0, 0};
        bounds.insert(bounds.end(), pair.begin(), pair.end());
    }
    if (bounds.empty()) bounds = {0, 0};
    const int dimCount = static_cast<int>(bounds.size() / 2);
    auto helper = std::make_unique<TscArrayHelper>("", variable.TypeName, variable.Type, dimCount);
    variable.RefItem = helper.get();
    scope.Add("", std::move(helper));
    variable.Type = fvtArray;
    variable.StoredValue = VarArrayCreate(bounds, varVariant);
}

void TscProgramBuilder::BuildVariables(const TscXMLItem& element, TscScript& scope, TscStatement& list) {
    for (int i = 0; i < element.Count(); ++i) {
        const TscXMLItem& ident = *element.Items(i);
        if (!AnsiSameText(ident.Name(), "ident")) continue;
        At(ident);
        const std::string name = ident.Prop("text");
        CheckNotDeclared(name, scope);
        std::unique_ptr<TscCustomVariable> variable = MakeVariable(element, i, scope, false, false);
        TscCustomVariable& added = *variable;
        scope.Add(name, std::move(variable));
        // The initializer runs where the declaration stands.
        const int typeIndex = element.Find("type");
        const int end = [&] {
            if (typeIndex != 0) return element.Count();
            for (int k = i + 1; k < element.Count(); ++k)
                if (AnsiSameText(element.Items(k)->Name(), "ident")) return k;
            return element.Count();
        }();
        for (int k = typeIndex == 0 ? i + 1 : 0; k < end; ++k) {
            const TscXMLItem& init = *element.Items(k);
            if (!AnsiSameText(init.Name(), "init") || init.Count() == 0) continue;
            At(init);
            std::unique_ptr<TscExpression> value = BuildExpression(*init.Items(0), scope);
            CheckAssignable(added, *value);
            auto target = std::make_unique<TscDesignator>(scope);
            target->AddStep(added);
            target->Finish();
            auto statement = std::make_unique<TscAssignmentStmt>(scope, init.Prop("pos"), unitName_);
            statement->Prepare(TscDesignator::ShortPath(std::move(target)), std::move(value));
            Append(list, std::move(statement));
        }
    }
}

void TscProgramBuilder::BuildConst(const TscXMLItem& element, TscScript& scope) {
    if (element.Count() < 2) return;
    const std::string name = element.Items(0)->Prop("text");
    At(*element.Items(0));
    CheckNotDeclared(name, scope);
    std::unique_ptr<TscExpression> value = BuildExpression(*element.Items(1), scope);
    std::unique_ptr<TscVariable> constant;
    if (value->Type == fvtChar || value->Type == fvtString) constant = std::make_unique<TscStringVariable>(name, value->TypeName, value->Type);
    else constant = std::make_unique<TscVariable>(name, value->TypeName, value->Type);
    constant->SetValue(value->GetValue());
    constant->IsReadOnly = true;
    constant->SourcePos = element.Prop("pos");
    constant->SourceUnit = unitName_;
    scope.Add(name, std::move(constant));
}

void TscProgramBuilder::DeclareRoutine(const TscXMLItem& element, TscScript& scope) {
    At(element);
    const bool isFunction = AnsiSameText(element.Name(), "function");
    const TscXMLItem* nameItem = ChildNamed(element, "name");
    const std::string name = nameItem ? nameItem->Prop("text") : std::string();
    CheckNotDeclared(name, scope);
    std::string typeName;
    TscVarType type = fvtVariant;
    bool returnsValue = false;
    if (isFunction) {
        if (const TscXMLItem* typeItem = ChildNamed(element, "type")) {
            typeName = typeItem->Prop("text");
            At(*typeItem);
            if (!AnsiSameText(typeName, "void")) type = ResolveTypeName(typeName);
        }
        returnsValue = !AnsiSameText(typeName, "void");
    }
    auto routine = std::make_unique<TscProcVariable>(name, type, typeName, scope, returnsValue);
    routine->SourcePos = element.Prop("pos");
    routine->SourceUnit = unitName_;
    TscProcVariable& declared = *routine;
    scope.Add(name, std::move(routine));
    if (const TscXMLItem* parameters = ChildNamed(element, "parameters")) DeclareParameters(*parameters, declared);
}

void TscProgramBuilder::DeclareParameters(const TscXMLItem& parameters, TscProcVariable& routine) {
    TscScript& local = routine.LocalProgram();
    bool nextGroupByReference = false;
    for (int g = 0; g < parameters.Count(); ++g) {
        const TscXMLItem& group = *parameters.Items(g);
        if (AnsiSameText(group.Name(), "varparams")) {
            nextGroupByReference = true;
            continue;
        }
        if (!AnsiSameText(group.Name(), "var")) continue;
        bool nextByReference = false;
        for (int i = 0; i < group.Count(); ++i) {
            const TscXMLItem& ident = *group.Items(i);
            if (AnsiSameText(ident.Name(), "varparam")) {
                nextByReference = true;
                continue;
            }
            if (!AnsiSameText(ident.Name(), "ident")) continue;
            At(ident);
            CheckNotDeclared(ident.Prop("text"), local);
            std::unique_ptr<TscCustomVariable> made = MakeVariable(group, i, local, true, nextGroupByReference || nextByReference);
            nextByReference = false;
            routine.AddParam(std::unique_ptr<TscParamItem>(static_cast<TscParamItem*>(made.release())));
        }
        nextGroupByReference = false;
    }
}

void TscProgramBuilder::BuildRoutineBody(const TscXMLItem& element, TscScript& scope) {
    const TscXMLItem* nameItem = ChildNamed(element, "name");
    if (!nameItem) return;
    auto* routine = dynamic_cast<TscProcVariable*>(&FindName(nameItem->Prop("text"), scope));
    if (!routine) return;
    BuildBlock(element, routine->LocalProgram());
}

void TscProgramBuilder::BuildUses(const TscXMLItem& element, TscScript& scope) {
    const std::string savedUnit = unitName_;
    unitName_ = element.Prop("unit");
    ScopeExit restore([&] { unitName_ = savedUnit; });
    std::string unitIL;
    if (const auto& getIL = program_.CompileTarget().OnGetILUnit) getIL(unitName_, unitIL);
    if (!unitIL.empty()) {
        TscXMLDocument document;
        TStringStream text(unitIL);
        document.LoadFromStream(text);
        BuildBlock(*document.Root(), scope);
        return;
    }
    for (int i = 0; i < element.Count(); ++i) BuildBlock(*element.Items(i), scope);
}
