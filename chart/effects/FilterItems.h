#pragma once
// The ordered list of filters a chart picture applies, and its form data:
// every item carries its class name so that lists of mixed filters read back.

#include "chart/effects/ChartFilter.h"

class TReader;
class TWriter;

class TFilterItems : public TCollection {
    DECLARE_CLASS_INFO
public:
    explicit TFilterItems(TPersistent* owner = nullptr);

    TChartFilter* Items(int index) const { return static_cast<TChartFilter*>(TCollection::Items(index)); }
    // A new filter of the class at the end of the list.
    TChartFilter* Add(const TClassInfo& filterClass);
    // Every enabled filter in order.
    void ApplyToBitmap(TBitmap& bitmap);
    // From another list: copies of its filters, each of its own class.
    void Assign(const TPersistent* source) override;

    // The "FilterItems" value of form data.
    void WriteData(TWriter& writer) const;
    // Raises EClassNotFound for a class nobody registered and EReadError for
    // a class that is not a filter.
    void ReadData(TReader& reader);
};

// Makes a filter class known by name for reading and adds it to the list of
// filter classes; a class already in the list is skipped.
void RegisterFilterClass(const TClassInfo& filterClass);
// The filter classes in the order they were registered.
const std::vector<const TClassInfo*>& FilterClassList();
