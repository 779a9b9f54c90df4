#pragma once
// Aggregate functions over data bands: SUM, AVG, MIN, MAX and COUNT calls
// found in the memos of footers and summaries, one accumulator per call,
// fed when its data band prints a record, reset after the band that shows
// it has printed, and held around blocks kept together.

#include "ui/variant/Variant.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TrpBand;
class TrpComponent;
class TrpMemoView;
class TrpReport;
class TrpReportPage;

enum class TrpAggregateKind { Sum, Avg, Min, Max, Count };

// One call as written: its function, arguments and whole text.
struct TrpAggregateCall {
    TrpAggregateKind kind;
    std::vector<std::string> arguments;
    std::string text;
};

// The aggregate calls in one expression: quoted strings are skipped, parts
// in parentheses and angle brackets searched too; a name directly followed
// by "(" is a call. Calls with more than three arguments are not calls.
std::vector<TrpAggregateCall> FindAggregateCalls(std::string_view expression);

class TrpAggregateItem {
public:
    // The vertical columns an item keeps apart: 1 to kMaxColumn.
    static constexpr int kMaxColumn = 1000;

    TrpAggregateKind Kind = TrpAggregateKind::Sum;
    TrpBand* DataBand = nullptr;
    bool CountInvisible = false;
    bool RunningTotal = false;
    std::string Expression;
    bool InPageFooter = false;
    std::string MemoName;
    std::string Text;
    TrpBand* MemoBand = nullptr;

    // Feeds one record's value; column 0 is the whole band. A column past
    // kMaxColumn raises Exception.
    void Add(const Variant& value, int column);
    // SUM/MIN/MAX: the value, AVG: value / count, COUNT: the count; empty reads 0.
    Variant Value(int column) const;
    // Unless a running total has counted something.
    void Reset(bool ignoreRunningTotal = false);
    void Restore();
    void StartKeep();
    void EndKeep();
    bool Keeping() const { return keeping_; }

private:
    void Combine(Variant& into, const Variant& value) const;
    void Grow(int& count, Variant& into, const Variant& value) const;

    Variant value_;
    int count_ = 0;
    Variant savedValue_;
    int savedCount_ = 0;
    Variant keepValue_;
    int keepCount_ = 0;
    bool keeping_ = false;
    std::vector<Variant> columnValues_;
    std::vector<int> columnCounts_;
};

class TrpAggregateList {
public:
    explicit TrpAggregateList(TrpReport* report) : report_(report) {}

    // Finds the calls in the memos of the page's footers, group footers,
    // page and column footers and summary (the band tree must be built).
    void CollectPage(TrpReportPage& page);
    // Scans one memo's expressions with the data band it counts over.
    void CollectMemo(TrpMemoView& memo, TrpBand* dataBand);
    void Clear() { items_.clear(); }
    // Calculates every item of the data band for one record.
    void AddValue(TrpBand* band, int column);
    void ResetFor(TrpBand* band);
    void RestoreValuesOf(TrpBand* band);
    void StartKeep();
    void EndKeep();
    void ClearValues();
    // Empty when no item matches.
    Variant GetValue(TrpBand* memoBand, int column, int flags, TrpBand* dataBand, const std::string& expression,
                     const std::string& function) const;
    const std::vector<std::unique_ptr<TrpAggregateItem>>& Items() const { return items_; }

private:
    void CollectBandMemos(TrpBand* band, TrpBand* dataBand);

    TrpReport* report_;
    std::vector<std::unique_ptr<TrpAggregateItem>> items_;
};
