#include "chart/effects/FilterItems.h"

#include "chart/filters/FilterClasses.h"

#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TypeInfo.h"
#include "ui/core/Writer.h"

#include <algorithm>

namespace {

constexpr const char* kItemClass = "ItemClass";

std::vector<const TClassInfo*>& ClassList() {
    static std::vector<const TClassInfo*> list;
    return list;
}

}  // namespace

void RegisterFilterClass(const TClassInfo& filterClass) {
    auto& list = ClassList();
    if (std::find(list.begin(), list.end(), &filterClass) != list.end()) return;
    list.push_back(&filterClass);
    if (!GetClass(filterClass.Name())) RegisterClass(filterClass);
}

const std::vector<const TClassInfo*>& FilterClassList() { return ClassList(); }

const TClassInfo& TFilterItems::StaticClass() {
    static const TClassInfo info = TPublished<TFilterItems>("TFilterItems", TCollection::StaticClass()).Build();
    return info;
}

TFilterItems::TFilterItems(TPersistent* owner) : TCollection(TChartFilter::StaticClass(), owner) {}

TChartFilter* TFilterItems::Add(const TClassInfo& filterClass) {
    std::unique_ptr<TPersistent> made(filterClass.Create(this));
    auto* filter = dynamic_cast<TChartFilter*>(made.get());
    if (!filter) throw EReadError("Class " + filterClass.Name() + " is not a filter");
    made.release();
    return filter;
}

void TFilterItems::ApplyToBitmap(TBitmap& bitmap) {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Enabled()) Items(i)->ApplyToBitmap(bitmap);
}

void TFilterItems::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TFilterItems*>(source);
    if (!other) {
        TCollection::Assign(source);
        return;
    }
    if (other == this) return;
    Clear();
    UpdateScope update(*this);
    for (int i = 0; i < other->Count(); ++i) Add(other->Items(i)->ClassType())->Assign(other->Items(i));
}

void TFilterItems::WriteData(TWriter& writer) const {
    writer.WriteCollection(*this, [](TWriter& w, const TCollectionItem& item) {
        w.DefineProperty(kItemClass, nullptr, [&item](TWriter& v) { v.WriteString(item.ClassName()); }, true);
    });
}

void TFilterItems::ReadData(TReader& reader) {
    RegisterChartFilters();
    reader.ReadCollection(*this, [this](TReader& r) -> TCollectionItem* {
        const std::string name = r.ReadPropName();
        if (name != kItemClass) throw EReadError("Property " + name + " found where ItemClass belongs");
        return Add(FindClass(r.ReadString()));
    });
}
