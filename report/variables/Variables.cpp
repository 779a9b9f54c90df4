#include "report/variables/Variables.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/TextCase.h"
#include "ui/variant/Variant.h"

const TClassInfo& TrpVariable::StaticClass() {
    static const TClassInfo info = TPublished<TrpVariable>("TrpVariable", TCollectionItem::StaticClass())
                                       .String("Name", &TrpVariable::Name, &TrpVariable::SetName)
                                       .Variant(
                                           "Value", [](const TrpVariable& v) { return ValueToVariant(v.Value()); },
                                           [](TrpVariable& v, const Variant& x) { v.SetValue(VariantToValue(x)); })
                                       .Build();
    return info;
}

void TrpVariable::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TrpVariable*>(source)) {
        name_ = other->name_;
        value_ = other->value_;
        return;
    }
    TCollectionItem::Assign(source);
}

int TrpVariableList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i)
        if (AnsiSameText(Items(i)->Name(), name)) return i;
    return -1;
}

TrpValue TrpVariableList::Read(std::string_view name) const {
    int index = IndexOfName(name);
    return index < 0 ? TrpValue() : Items(index)->Value();
}

void TrpVariableList::Write(std::string_view name, const TrpValue& value) {
    int index = IndexOfName(name);
    TrpVariable* item = index < 0 ? Add() : Items(index);
    if (index < 0) item->SetName(std::string(name));
    item->SetValue(value);
}

TrpVariables& rpGlobalVariables() {
    static TrpVariables variables;
    return variables;
}
