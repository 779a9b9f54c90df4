#include "report/data/DataSet.h"

#include "report/data/DataSetList.h"
#include "report/resources/Resources.h"
#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/StringList.h"
#include "ui/core/TextCase.h"

namespace {

constexpr int kDefaultDisplayWidth = 10;

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

const TEnumInfo& TrpRangeBeginInfo() {
    static const TEnumInfo info("TrpRangeBegin", {"rbFirst", "rbCurrent"});
    return info;
}

const TEnumInfo& TrpRangeEndInfo() {
    static const TEnumInfo info("TrpRangeEnd", {"reLast", "reCurrent", "reCount"});
    return info;
}

const TClassInfo& TrpDataSet::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpDataSet>("TrpDataSet", TrpComponent::StaticClass())
            .Boolean("Enabled", &TrpDataSet::Enabled, &TrpDataSet::SetEnabled, true)
            .Enumeration("RangeBegin", TrpRangeBeginInfo(), &TrpDataSet::RangeBegin, &TrpDataSet::SetRangeBegin, 0)
            .Enumeration("RangeEnd", TrpRangeEndInfo(), &TrpDataSet::RangeEnd, &TrpDataSet::SetRangeEnd, 0)
            .Integer("RangeEndCount", &TrpDataSet::RangeEndCount, &TrpDataSet::SetRangeEndCount, 0)
            .String("UserName", &TrpDataSet::UserName, &TrpDataSet::SetUserName)
            .Build();
    return info;
}

TrpDataSet::TrpDataSet(TComponent* owner) : TrpComponent(owner) {
    // Not a printed object: nothing of it goes to prepared pages.
    RemoveStyleFlag(kStyleToPreparedPages);
    rp_data_sets::Add(this);
}

TrpDataSet::~TrpDataSet() { rp_data_sets::Remove(this); }

void TrpDataSet::SetUserName(const std::string& value) {
    if (IsBlank(value)) throw Exception(rpResourceManager().Get("prInvProp"));
    userName_ = value;
}

void TrpDataSet::SetName(const std::string& name) {
    TrpComponent::SetName(name);
    if (!name.empty() && (userName_.empty() || userName_ == name)) userName_ = name;
}

std::u16string TrpDataSet::DisplayText(const std::string&) { return {}; }
int TrpDataSet::DisplayWidth(const std::string&) { return kDefaultDisplayWidth; }
TrpFieldType TrpDataSet::FieldType(const std::string&) { return TrpFieldType::fftNumeric; }
Variant TrpDataSet::Value(const std::string&) { return Variant::Null(); }

void TrpDataSet::Open() { FireEvent(OnOpen, this); }
void TrpDataSet::Close() { FireEvent(OnClose, this); }

void TrpDataSet::First() {
    recNo_ = 0;
    atEnd_ = false;
    FireEvent(OnFirst, this);
}

void TrpDataSet::Next() {
    atEnd_ = false;
    ++recNo_;
    if (rangeEnd_ == TrpRangeEnd::reCount && recNo_ >= rangeEndCount_) {
        recNo_ = rangeEndCount_ - 1;
        atEnd_ = true;
        return;
    }
    FireEvent(OnNext, this);
}

void TrpDataSet::Prior() {
    --recNo_;
    FireEvent(OnPrior, this);
}

bool TrpDataSet::Eof() {
    bool eof = rangeEnd_ == TrpRangeEnd::reCount && (recNo_ >= rangeEndCount_ || atEnd_);
    FireEvent(OnCheckEOF, this, eof);
    return eof;
}

int TrpDataSet::RecordCount() {
    return rangeBegin_ == TrpRangeBegin::rbFirst && rangeEnd_ == TrpRangeEnd::reCount ? rangeEndCount_ : 0;
}

void TrpDataSet::GetFieldList(TStrings& list) { list.Clear(); }

bool TrpDataSet::HasField(std::string_view field) {
    TStringList names;
    GetFieldList(names);
    for (int i = 0; i < names.Count(); ++i)
        if (AnsiSameText(names.Strings(i), field)) return true;
    return false;
}
