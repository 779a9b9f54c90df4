#include "script/builder/ProgramBuilder.h"

#include "script/component/Script.h"
#include "script/core/Declarations.h"
#include "script/core/ProcVariable.h"
#include "script/designators/Designator.h"
#include "script/expressions/Expression.h"
#include "script/members/ClassVariable.h"
#include "script/members/CustomHelper.h"
#include "script/messages/ScriptMessages.h"
#include "script/parser/ILParser.h"
#include "script/xml/XMLItem.h"
#include "ui/core/Component.h"
#include "ui/core/Exceptions.h"
#include "ui/core/TextCase.h"

#include <charconv>

namespace {

constexpr std::string_view kIndexText = "[";

// "line:column" into both numbers; false for anything else.
bool LineAndColumn(const std::string& position, int& line, int& column) {
    const std::size_t colon = position.find(':');
    if (colon == std::string::npos) return false;
    const char* text = position.data();
    const auto lineRead = std::from_chars(text, text + colon, line);
    const auto columnRead = std::from_chars(text + colon + 1, text + position.size(), column);
    return lineRead.ec == std::errc() && columnRead.ec == std::errc();
}

}  // namespace

TscCustomVariable& TscProgramBuilder::SystemEntry(const std::string& name, TscScript& scope) const {
    TscCustomVariable* entry = scope.Find(name);
    if (!entry) Fail(SIdUndeclared + "'" + name + "'");
    return *entry;
}

TscCustomVariable& TscProgramBuilder::FindName(const std::string& name, TscScript& scope) {
    if (TscCustomVariable* entry = scope.Find(name)) return *entry;
    if (parser_.DeclareVars()) Fail(SIdUndeclared + "'" + name + "'");
    auto variable = std::make_unique<TscVariable>(name, "Variant", fvtVariant);
    variable->SetValue(Variant::Null());
    variable->OnGetValue = program_.OnGetVarValue;
    TscCustomVariable& added = *variable;
    program_.Add(name, std::move(variable));
    return added;
}

std::unique_ptr<TscDesignator> TscProgramBuilder::BuildDeferredDesignator(const TscXMLItem& source, TscScript& scope) {
    TscScript* top = &scope;
    while (top->Parent) top = top->Parent;
    TscILParser parser(top->CompileTarget());
    parser.SelectLanguage(top->SyntaxType);
    TscProgramBuilder builder(*top, parser);
    builder.mayDefer_ = false;
    return builder.BuildDesignator(source, scope, TscDesignatorPurpose::Plain);
}

std::unique_ptr<TscDesignator> TscProgramBuilder::BuildDesignator(const TscXMLItem& element, TscScript& scope,
                                                                  TscDesignatorPurpose purpose) {
    At(element);
    auto designator = std::make_unique<TscDesignator>(scope);
    designator->SourcePos = element.Prop("pos");
    designator->SourceUnit = unitName_;
    TscDesignatorItem* last = nullptr;
    // An index method takes the arguments of the "[" that follows it.
    bool indexPending = false;
    if (element.Count() > 0 && AnsiSameText(element.Items(0)->Name(), "addr")) {
        // @Proc: the routine's name as text, which an event takes as its handler.
        if (element.Count() != 2) Fail(SVarRequired);
        auto name = std::make_unique<TscStringVariable>("", "", fvtString);
        name->SetValue(Variant(element.Items(1)->Prop("text")));
        name->IsReadOnly = true;
        TscCustomVariable& text = *name;
        scope.Add("", std::move(name));
        designator->AddStep(text);
        designator->Finish();
        return TscDesignator::ShortPath(std::move(designator));
    }
    for (int i = 0; i < element.Count(); ++i) {
        const TscXMLItem& child = *element.Items(i);
        At(child);
        const std::string kind = AnsiLowerCase(child.Name());
        if (kind == "expr") {
            if (!last) Fail(SVarRequired);
            last->AddArgument(BuildExpression(child, scope));
            continue;
        }
        if (kind == "addr") Fail(SVarRequired);
        if (kind != "node") continue;
        const std::string text = child.Prop("text");
        if (!last) {
            // With statements: the name may be a member of a with-object.
            TscCustomVariable* entry = nullptr;
            for (auto with = withList_.rbegin(); with != withList_.rend() && !entry; ++with) {
                if (!scope.FindLocal(with->name)) continue;
                const TscClassVariable* classEntry = program_.FindClass(with->variable->TypeName);
                if (with->variable->Type != fvtClass || !classEntry || !classEntry->FindMember(text)) continue;
                designator->AddStep(*with->variable).SourcePos = errorPos_;
                entry = classEntry->FindMember(text);
            }
            if (!entry) entry = &FindName(text, scope);
            last = &designator->AddStep(*entry);
            last->SourcePos = errorPos_;
            if (purpose == TscDesignatorPurpose::Construction) {
                auto* classEntry = dynamic_cast<TscClassVariable*>(entry);
                if (!classEntry) Fail(SClassRequired);
                TscCustomVariable* create = classEntry->FindMember("Create");
                if (!create) Fail(SIdUndeclared + "'Create'");
                last = &designator->AddStep(*create);
            }
            continue;
        }
        TscCustomVariable& previous = *last->Ref;
        auto* previousMethod = dynamic_cast<TscMethodHelper*>(&previous);
        if (indexPending && previousMethod && previousMethod->IsIndexMethod) {
            indexPending = false;
            if (text != kIndexText) Fail(SIndexRequired);
            continue;
        }
        TscCustomVariable* entry = nullptr;
        TscVarType previousType = previous.Type;
        std::string className = previous.TypeName;
        if (previousType == fvtVariant) {
            const Variant value = previous.StoredValue;
            if (value.IsString()) {
                previousType = fvtString;
            } else if (text == kIndexText) {
                // An array held in a Variant (a Null one included) is indexed at run time.
                entry = &SystemEntry("__ArrayHelper", scope);
            } else if ((value.IsNull() || value.IsEmpty()) && purpose == TscDesignatorPurpose::Plain && mayDefer_) {
                // What the Variant will hold is known only when the program runs.
                auto deferred = std::make_unique<TscDesignator>(scope);
                deferred->SourcePos = designator->SourcePos;
                deferred->SourceUnit = designator->SourceUnit;
                deferred->Defer(element, &TscProgramBuilder::BuildDeferredDesignator);
                return deferred;
            } else {
                TObject* object = value.IsNull() || value.IsEmpty() ? nullptr : VariantToObject(value);
                if (!object) Fail(SClassRequired + ": '" + previous.Name() + "'");
                previousType = fvtClass;
                className = object->ClassName();
            }
        }
        if (!entry && previousType == fvtString) {
            if (text != kIndexText) Fail(SStringError);
            entry = &SystemEntry("__StringHelper", scope);
        } else if (!entry && (previousType == fvtClass || previousType == fvtConstructor)) {
            if (previousType == fvtConstructor && designator->Count() >= 2)
                className = designator->Step(designator->Count() - 2)->Ref->Name();
            TscClassVariable* classEntry = program_.FindClass(className);
            if (!classEntry) Fail(SUnknownType + "'" + className + "'");
            if (text == kIndexText) {
                if (!classEntry->DefaultProperty) Fail(ScriptMessageWith(SClassError, className));
                entry = classEntry->DefaultProperty;
            } else {
                entry = classEntry->FindMember(text);
                if (!entry) {
                    // A component its owner holds, found when the program is built.
                    auto* owner = dynamic_cast<TComponent*>(VariantToObject(previous.StoredValue));
                    TComponent* component = owner ? owner->FindComponent(text) : nullptr;
                    if (component) {
                        auto helper = std::make_unique<TscComponentHelper>(*component);
                        entry = helper.get();
                        scope.Add("", std::move(helper));
                    }
                }
                if (!entry) Fail(SIdUndeclared + "'" + text + "'");
                if (auto* method = dynamic_cast<TscMethodHelper*>(entry); method && method->IsIndexMethod) indexPending = true;
            }
        } else if (!entry && previousType == fvtArray) {
            if (!previous.RefItem) Fail(SArrayRequired);
            entry = previous.RefItem;
        } else if (!entry) {
            Fail(SArrayRequired);
        }
        last = &designator->AddStep(*entry);
        last->SourcePos = errorPos_;
    }
    if (designator->Count() == 0) Fail(SVarRequired);
    if (purpose == TscDesignatorPurpose::Destruction) {
        const TscCustomVariable& freed = *designator->Step(designator->Count() - 1)->Ref;
        if (freed.Type != fvtClass && freed.Type != fvtVariant) Fail(SClassRequired);
        TscClassVariable* root = program_.FindClass("TObject");
        TscCustomVariable* free = root ? root->FindMember("Free") : nullptr;
        if (!free) Fail(SIdUndeclared + "'Free'");
        designator->AddStep(*free);
    }
    designator->Finish();
    designator = TscDesignator::ShortPath(std::move(designator));
    CheckArguments(*designator, scope);
    return designator;
}

void TscProgramBuilder::CheckArguments(TscDesignator& designator, TscScript& scope) {
    for (int s = 0; s < designator.Count(); ++s) {
        TscDesignatorItem& step = *designator.Step(s);
        if (step.SubDesignator) continue;
        TscCustomVariable& entry = *step.Ref;
        if (!step.SourcePos.empty()) errorPos_ = step.SourcePos;
        if (step.Count() < entry.RequiredParamCount()) Fail(SNotEnoughParams);
        if (step.Count() > entry.ParamCount()) Fail(STooManyParams);
        for (int a = 0; a < step.Count(); ++a) {
            TscParamItem& param = *entry.GetParam(a);
            const TscCustomExpression& argument = *step.Argument(a);
            if (param.IsVarParam && argument.IsReadOnly) Fail(SVarRequired);
            CheckAssignable(param, argument);
        }
        for (int a = step.Count(); a < entry.ParamCount(); ++a) {
            auto constant = std::make_unique<TscExpression>(scope);
            constant->AddConst(entry.GetParam(a)->DefaultValue);
            constant->Complete();
            step.AddArgument(std::move(constant));
        }
    }
}

std::string TscProgramBuilder::SourceText(const std::string& from, const std::string& to) const {
    int line = 0, column = 0, endLine = 0, endColumn = 0;
    if (!LineAndColumn(from, line, column) || !LineAndColumn(to, endLine, endColumn)) return {};
    TscParser& parser = parser_.Parser();
    const int start = parser.LineColumnToPosition(column, line);
    const int end = parser.LineColumnToPosition(endColumn, endLine);
    if (start < 1 || end < start) return {};
    const auto offset = static_cast<std::size_t>(start - 1);
    if (offset >= text_.size()) return {};
    return text_.substr(offset, static_cast<std::size_t>(end - start));
}

void TscProgramBuilder::AddExpressionParts(const TscXMLItem& element, TscScript& scope, TscExpression& expression) {
    for (int i = 0; i < element.Count(); ++i) {
        const TscXMLItem& child = *element.Items(i);
        At(child);
        expression.SourcePos = child.Prop("pos");
        const std::string kind = AnsiLowerCase(child.Name());
        if (kind == "op") {
            const std::string text = AnsiLowerCase(child.Prop("text"));
            if (text != ")" && i == element.Count() - 1) continue;
            expression.AddOperator(text);
        } else if (kind == "number" || kind == "string") {
            expression.AddConst(ConvertLiteral(child.Prop("text")));
        } else if (kind == "dsgn") {
            expression.AddDesignator(BuildDesignator(child, scope, TscDesignatorPurpose::Plain));
        } else if (kind == "new") {
            if (child.Count() > 0) expression.AddDesignator(BuildDesignator(*child.Items(0), scope, TscDesignatorPurpose::Construction));
        } else if (kind == "set") {
            expression.AddSet(BuildSet(child, scope));
        } else if (kind == "expr") {
            AddExpressionParts(child, scope, expression);
        }
    }
}

std::unique_ptr<TscExpression> TscProgramBuilder::BuildExpression(const TscXMLItem& element, TscScript& scope) {
    At(element);
    auto expression = std::make_unique<TscExpression>(scope);
    AddExpressionParts(element, scope, *expression);
    expression->SourceText = SourceText(element.Prop("pos"), element.Prop("pos1"));
    const std::string typeError = expression->Complete();
    if (!typeError.empty()) {
        errorPos_ = typeError;
        Fail(SIncompatibleTypes);
    }
    return expression;
}

std::unique_ptr<TscSetExpression> TscProgramBuilder::BuildSet(const TscXMLItem& element, TscScript& scope) {
    auto set = std::make_unique<TscSetExpression>();
    for (int i = 0; i < element.Count(); ++i) {
        const TscXMLItem& child = *element.Items(i);
        if (AnsiSameText(child.Name(), "expr")) set->AddElement(BuildExpression(child, scope));
        else if (AnsiSameText(child.Name(), "range")) set->AddRangeMarker();
    }
    return set;
}
