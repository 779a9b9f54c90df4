#include "report/data/DataSetList.h"

#include "report/data/DataSet.h"
#include "report/objects/Report.h"
#include "ui/core/TextCase.h"

#include <algorithm>
#include <mutex>

namespace {

struct GlobalList {
    std::mutex lock;
    std::vector<TrpDataSet*> items;
};

GlobalList& List() {
    static GlobalList list;
    return list;
}

}  // namespace

namespace rp_data_sets {

void Add(TrpDataSet* dataSet) {
    std::lock_guard guard(List().lock);
    List().items.push_back(dataSet);
}

void Remove(TrpDataSet* dataSet) {
    std::lock_guard guard(List().lock);
    auto& items = List().items;
    items.erase(std::remove(items.begin(), items.end(), dataSet), items.end());
}

std::vector<TrpDataSet*> Snapshot() {
    std::lock_guard guard(List().lock);
    return List().items;
}

}  // namespace rp_data_sets

TrpDataSet* LookUpGlobalDataSet(TrpDataSet* current, std::string_view name, TComponent* owner) {
    if (name.empty()) return nullptr;
    if (!owner) return current;
    const bool ownerIsReport = dynamic_cast<TrpReport*>(owner) != nullptr;
    std::lock_guard guard(List().lock);
    for (TrpDataSet* dataSet : List().items) {
        if (!AnsiSameText(dataSet->UserName(), name)) continue;
        TComponent* dataOwner = dataSet->Owner();
        if (ownerIsReport && dataOwner != owner && dynamic_cast<TrpReport*>(dataOwner)) continue;
        return dataSet;
    }
    return current;
}

TrpDataSet* LookUpDataSet(const TrpComponent& object, TrpDataSet* current, std::string_view name) {
    TrpReport* report = object.Report();
    if (!report || report->EngineOptions().UseSharedDataSets) return LookUpGlobalDataSet(current, name, report);
    for (TrpDataSet* dataSet : rp_data_sets::Snapshot())
        if (dataSet->Owner() == report && dataSet->Enabled() && AnsiSameText(dataSet->UserName(), name))
            return dataSet;
    return nullptr;
}
