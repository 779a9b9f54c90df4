#pragma once
// Data sets whose values come from the host's events; the data bands'
// built-in record counter is one. Also the bases of database data sets and
// connections, which this program has no concrete kinds of.

#include "report/data/DataSet.h"
#include "ui/core/StringList.h"

using TrpGetValueEvent = std::function<void(const std::string& name, Variant& value)>;
using TrpNewGetValueEvent = std::function<void(TObject* Sender, const std::string& name, Variant& value)>;

class TrpUserDataSet : public TrpDataSet {
    DECLARE_CLASS_INFO
public:
    explicit TrpUserDataSet(TComponent* owner);

    TStrings* Fields() { return &fields_; }
    void SetFields(TStrings* value) { fields_.Assign(value); }

    // Null, then OnGetValue and OnNewGetValue in this order (the second sees the first's result).
    Variant Value(const std::string& field) override;
    // The text of each event's value; the second event's text wins.
    std::u16string DisplayText(const std::string& field) override;
    int FieldsCount() override { return fields_.Count(); }
    void GetFieldList(TStrings& list) override;

    TrpGetValueEvent OnGetValue;
    TrpNewGetValueEvent OnNewGetValue;

private:
    TStringList fields_;
};

class TrpCustomDBDataSet : public TrpDataSet {
    DECLARE_CLASS_INFO
public:
    explicit TrpCustomDBDataSet(TComponent* owner);

    TStrings* FieldAliases() { return &fieldAliases_; }
    void SetFieldAliases(TStrings* value) { fieldAliases_.Assign(value); }
    // The number of names GetFieldList gives, duplicates counted once.
    int FieldsCount() override;

private:
    TStringList fieldAliases_;
};
