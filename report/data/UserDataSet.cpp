#include "report/data/UserDataSet.h"

#include "report/text/Utf16Text.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TrpUserDataSet::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpUserDataSet>("TrpUserDataSet", TrpDataSet::StaticClass())
            .Object("Fields", &TStrings::StaticClass, &TrpUserDataSet::Fields, &TrpUserDataSet::SetFields)
            .Build();
    return info;
}

TrpUserDataSet::TrpUserDataSet(TComponent* owner) : TrpDataSet(owner) {}

Variant TrpUserDataSet::Value(const std::string& field) {
    Variant value = Variant::Null();
    FireEvent(OnGetValue, field, value);
    FireEvent(OnNewGetValue, this, field, value);
    return value;
}

std::u16string TrpUserDataSet::DisplayText(const std::string& field) {
    std::u16string text;
    if (OnGetValue) {
        Variant value = Variant::Null();
        OnGetValue(field, value);
        text = Utf8ToUtf16(VarToStr(value));
    }
    if (OnNewGetValue) {
        Variant value = Variant::Null();
        OnNewGetValue(this, field, value);
        text = Utf8ToUtf16(VarToStr(value));
    }
    return text;
}

void TrpUserDataSet::GetFieldList(TStrings& list) { list.Assign(&fields_); }

const TClassInfo& TrpCustomDBDataSet::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpCustomDBDataSet>("TrpCustomDBDataSet", TrpDataSet::StaticClass())
            .Boolean("CloseDataSource", &TrpDataSet::CloseDataSource, &TrpDataSet::SetCloseDataSource, false)
            .Object("FieldAliases", &TStrings::StaticClass, &TrpCustomDBDataSet::FieldAliases,
                    &TrpCustomDBDataSet::SetFieldAliases)
            .Boolean("OpenDataSource", &TrpDataSet::OpenDataSource, &TrpDataSet::SetOpenDataSource, true)
            .Build();
    return info;
}

TrpCustomDBDataSet::TrpCustomDBDataSet(TComponent* owner) : TrpDataSet(owner) {}

int TrpCustomDBDataSet::FieldsCount() {
    TStringList names;
    names.SetSorted(true);
    names.SetDuplicates(TDuplicates::dupIgnore);
    TStringList given;
    GetFieldList(given);
    for (int i = 0; i < given.Count(); ++i) names.Add(given.Strings(i));
    return names.Count();
}
