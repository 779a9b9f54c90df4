#pragma once
// One dimension of a series' points: a growable array of doubles with its
// order, date-time flag, name and lazily kept statistics.

#include "ui/core/Persistent.h"
#include "ui/core/TypeInfo.h"

#include <memory>
#include <string>
#include <vector>

class TChartSeries;

enum TChartListOrder { loNone, loAscending, loDescending };
const TEnumInfo& ChartListOrderInfo();

class TChartValueList : public TPersistent {
    DECLARE_CLASS_INFO
public:
    // Joins the owner's list of value lists when an owner is given.
    TChartValueList(TChartSeries* owner, const std::string& name);
    virtual ~TChartValueList();
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    // Copies the settings (order, date-time flag, value source), not the values or the name.
    virtual void Assign(const TChartValueList& source);
    // Another value list's settings; any other source as every persistent takes it.
    void Assign(const TPersistent* source) override;
    // Older data's "Multiplier": read, a value other than 1 reported, never written.
    void DefineProperties(TFiler& filer) override;

    virtual int AddValue(double value);
    int AddPendingValue();
    virtual void Clear();
    virtual void InsertValue(int index, double value);
    virtual void DeleteValue(int index);
    void DeleteRange(int firstIndex, int n);

    // Index arguments are not checked; callers keep them inside 0..Count-1.
    double GetValue(int index) const { return values_[index]; }
    double operator[](int index) const { return values_[index]; }
    double FirstValue() const { return values_[0]; }
    double LastValue() const { return values_[count_ - 1]; }

    double HighestValue();
    double LowestValue();
    double Total();
    double AbsoluteSum();
    double ValueRange();

    void SwapValues(int a, int b);
    void SetToIndexes();
    int CompareValues(int a, int b) const;
    void SortPoints();
    void Rotate();

    int Count() const { return count_; }
    int Capacity() const { return static_cast<int>(values_.size()); }
    const double* Data() const { return values_.data(); }

    TChartSeries* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder order) { order_ = order; }
    bool DateTime() const { return dateTime_; }
    void SetDateTime(bool value);
    // The form data holds DateTime only when it differs from the default (False).
    bool DateTimeStored() const { return dateTime_ != defaultDateTime_; }
    const std::string& ValueSource() const { return valueSource_; }
    void SetValueSource(const std::string& value);
    double PendingValue() const { return pendingValue_; }
    void SetPendingValue(double value) { pendingValue_ = value; }

private:
    void GrowWhenFull(int needed);
    void RecomputeStatistics();
    void Changed() { statisticsStale_ = true; }

    int count_ = 0;
    bool dateTime_ = false;
    double highest_ = 0;
    double lowest_ = 0;
    std::string name_;
    TChartListOrder order_ = loNone;
    TChartSeries* owner_ = nullptr;
    double pendingValue_ = 0;
    double sum_ = 0;
    double absoluteSum_ = 0;
    std::string valueSource_;
    bool defaultDateTime_ = false;
    bool statisticsStale_ = true;
    std::vector<double> values_;  // its size is the capacity
};

// Every value list of a series, in creation order; frees the lists it holds.
class TChartValueLists {
public:
    void Add(TChartValueList* list) { lists_.emplace_back(list); }
    int Count() const { return static_cast<int>(lists_.size()); }
    TChartValueList* operator[](int index) const { return lists_[index].get(); }

private:
    std::vector<std::unique_ptr<TChartValueList>> lists_;
};

// Chart-wide step by which value arrays grow.
constexpr int ValueListGrowth = 1000;
