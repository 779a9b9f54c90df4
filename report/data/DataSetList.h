#pragma once
// The process-wide list of every existing data set, and how report objects
// find a data set by its user name.

#include <string_view>
#include <vector>

class TComponent;
class TrpComponent;
class TrpDataSet;

namespace rp_data_sets {
// Under the list's lock.
void Add(TrpDataSet* dataSet);
void Remove(TrpDataSet* dataSet);
std::vector<TrpDataSet*> Snapshot();
}  // namespace rp_data_sets

// An empty name gives none, no owner gives `current` unchanged; otherwise
// the first data set of the list with that user name (without regard to
// case), skipping one that another report owns when `owner` is a report;
// `current` unchanged when none matches.
TrpDataSet* LookUpGlobalDataSet(TrpDataSet* current, std::string_view name, TComponent* owner);
// The data set a report object means by a name: from the global list when
// the object has no report or the report shares data sets; otherwise one of
// the report's own enabled data sets with that name, or none.
TrpDataSet* LookUpDataSet(const TrpComponent& object, TrpDataSet* current, std::string_view name);
