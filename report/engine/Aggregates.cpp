#include "report/engine/Aggregates.h"

#include "report/bands/DataBand.h"
#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/text/Utf16Text.h"
#include "ui/core/Exceptions.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/TextCase.h"

namespace {

constexpr int kCountInvisibleFlag = 1;
constexpr int kRunningTotalFlag = 2;

Variant Empty() { return Variant(); }

bool IsEmptyValue(const Variant& v) { return v.IsEmpty() || v.IsNull(); }

}  // namespace

void TrpAggregateItem::Combine(Variant& into, const Variant& value) const {
    if (IsEmptyValue(value)) return;
    if (IsEmptyValue(into)) {
        into = value;
        return;
    }
    switch (Kind) {
    case TrpAggregateKind::Sum:
    case TrpAggregateKind::Avg: into = into + value; break;
    case TrpAggregateKind::Min: if (value < into) into = value; break;
    case TrpAggregateKind::Max: if (value > into) into = value; break;
    case TrpAggregateKind::Count: break;
    }
}

void TrpAggregateItem::Grow(int& count, Variant& into, const Variant& value) const {
    if (!(Kind == TrpAggregateKind::Avg && IsEmptyValue(value))) ++count;
    Combine(into, value);
}

void TrpAggregateItem::Add(const Variant& given, int column) {
    Variant value = given.VarType() == varBoolean ? Variant(given.AsBoolean() ? 1 : 0) : given;
    if (column >= 1) {
        if (column > kMaxColumn)
            throw Exception("Слишком много вертикальных колонок для итога \"" + Text + "\": " + std::to_string(column) +
                            " (не больше " + std::to_string(kMaxColumn) + ")");
        if (columnValues_.empty()) {
            columnValues_.assign(kMaxColumn + 1, Empty());
            columnCounts_.assign(kMaxColumn + 1, 0);
        }
        Grow(columnCounts_[static_cast<std::size_t>(column)], columnValues_[static_cast<std::size_t>(column)], value);
    } else if (keeping_) {
        Grow(keepCount_, keepValue_, value);
    } else {
        savedCount_ = count_;
        savedValue_ = value_;
        Grow(count_, value_, value);
    }
}

Variant TrpAggregateItem::Value(int column) const {
    const bool byColumn = !columnValues_.empty() && column >= 1 && column <= kMaxColumn;
    const Variant& value = byColumn ? columnValues_[static_cast<std::size_t>(column)] : value_;
    const int count = byColumn ? columnCounts_[static_cast<std::size_t>(column)] : count_;
    Variant result;
    switch (Kind) {
    case TrpAggregateKind::Avg: result = count && !IsEmptyValue(value) ? value / Variant(count) : Empty(); break;
    case TrpAggregateKind::Count: result = Variant(count); break;
    default: result = value;
    }
    return IsEmptyValue(result) ? Variant(0) : result;
}

void TrpAggregateItem::Reset(bool ignoreRunningTotal) {
    if (RunningTotal && count_ > 0 && !ignoreRunningTotal) return;
    count_ = 0;
    value_ = Empty();
    columnValues_.clear();
    columnCounts_.clear();
}

void TrpAggregateItem::Restore() {
    count_ = savedCount_;
    value_ = savedValue_;
}

void TrpAggregateItem::StartKeep() {
    if (keeping_) return;
    keeping_ = true;
    keepCount_ = 0;
    keepValue_ = Empty();
}

void TrpAggregateItem::EndKeep() {
    if (!keeping_) return;
    keeping_ = false;
    count_ += keepCount_;
    if (IsEmptyValue(keepValue_)) return;
    if (IsEmptyValue(value_)) value_ = keepValue_;
    else if (Kind == TrpAggregateKind::Count) value_ = value_ + keepValue_;
    else Combine(value_, keepValue_);
}

void TrpAggregateList::CollectMemo(TrpMemoView& memo, TrpBand* dataBand) {
    if (!memo.AllowExpressions) return;
    const std::string& delimiters = memo.ExpressionDelimiters;
    const std::size_t comma = delimiters.find(',');
    const std::string open = delimiters.substr(0, comma);
    const std::string close = comma == std::string::npos ? open : delimiters.substr(comma + 1);
    if (open.empty() || close.empty()) return;
    const std::string text = Utf16ToUtf8(memo.Memo()->Text());
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
        const std::size_t end = text.find(close, at + open.size());
        if (end == std::string::npos) break;
        for (TrpAggregateCall& call : FindAggregateCalls(std::string_view(text).substr(at + open.size(), end - at - open.size()))) {
            auto item = std::make_unique<TrpAggregateItem>();
            item->Kind = call.kind;
            item->Text = call.text;
            item->MemoName = memo.Name();
            item->MemoBand = dynamic_cast<TrpBand*>(memo.Parent());
            item->InPageFooter = dynamic_cast<TrpPageFooter*>(memo.Parent()) != nullptr;
            const std::size_t bandArgument = call.kind == TrpAggregateKind::Count ? 0 : 1;
            if (call.kind != TrpAggregateKind::Count) item->Expression = call.arguments[0];
            item->DataBand = dataBand;
            if (call.arguments.size() > bandArgument && report_)
                if (auto* named = dynamic_cast<TrpBand*>(report_->FindObject(call.arguments[bandArgument])))
                    item->DataBand = named;
            const int flags = call.arguments.size() > bandArgument + 1 ? StrToInt(call.arguments[bandArgument + 1]) : 0;
            item->CountInvisible = flags & kCountInvisibleFlag;
            item->RunningTotal = flags & kRunningTotalFlag;
            items_.push_back(std::move(item));
        }
        at = end + close.size();
    }
}

void TrpAggregateList::CollectBandMemos(TrpBand* band, TrpBand* dataBand) {
    for (TrpBand* b = band; b; b = b->Child())
        for (TrpComponent* object : b->Objects())
            if (auto* memo = dynamic_cast<TrpMemoView*>(object)) CollectMemo(*memo, dataBand);
}

void TrpAggregateList::CollectPage(TrpReportPage& page) {
    std::vector<TrpDataBand*> pending;
    bool anyHorizontal = false;
    for (TrpComponent* object : page.Objects())
        if (auto* band = dynamic_cast<TrpMasterData*>(object); band && band->DataSet()) {
            pending.push_back(band);
            anyHorizontal = anyHorizontal || !band->Vertical();
        }
    while (!pending.empty()) {
        TrpDataBand* band = pending.back();
        pending.pop_back();
        CollectBandMemos(band->FooterBand, band);
        if (band->GroupBand)
            for (TrpGroupHeader* header : band->GroupBand->GroupChain) CollectBandMemos(header->FooterBand, band);
        if (band->Vertical())
            for (TrpComponent* object : band->Objects())
                if (auto* memo = dynamic_cast<TrpMemoView*>(object)) CollectMemo(*memo, band);
        pending.insert(pending.end(), band->DetailBands.begin(), band->DetailBands.end());
    }
    if (!anyHorizontal) return;
    for (TrpComponent* object : page.Objects())
        if (dynamic_cast<TrpPageFooter*>(object) || dynamic_cast<TrpColumnFooter*>(object) ||
            dynamic_cast<TrpReportSummary*>(object))
            CollectBandMemos(static_cast<TrpBand*>(object), nullptr);
}

void TrpAggregateList::AddValue(TrpBand* band, int column) {
    for (auto& item : items_) {
        if (item->DataBand != band) continue;
        if (!band->Visible() && !item->CountInvisible) continue;
        Variant value;
        if (item->Kind != TrpAggregateKind::Count && report_) value = report_->Calc(item->Expression);
        item->Add(value, column);
    }
}

void TrpAggregateList::ResetFor(TrpBand* band) {
    for (auto& item : items_)
        if (item->MemoBand == band) item->Reset();
}

void TrpAggregateList::RestoreValuesOf(TrpBand* band) {
    for (auto& item : items_)
        if (item->DataBand == band) item->Restore();
}

void TrpAggregateList::StartKeep() {
    for (auto& item : items_)
        if (item->InPageFooter) item->StartKeep();
}

void TrpAggregateList::EndKeep() {
    for (auto& item : items_)
        if (item->InPageFooter) item->EndKeep();
}

void TrpAggregateList::ClearValues() {
    for (auto& item : items_) item->Reset(true);
}

Variant TrpAggregateList::GetValue(TrpBand* memoBand, int column, int flags, TrpBand* dataBand,
                                   const std::string& expression, const std::string& function) const {
    const std::string upper = AnsiUpperCase(function);
    const TrpAggregateKind kind = upper == "SUM"   ? TrpAggregateKind::Sum
                                  : upper == "AVG" ? TrpAggregateKind::Avg
                                  : upper == "MIN" ? TrpAggregateKind::Min
                                  : upper == "MAX" ? TrpAggregateKind::Max
                                                   : TrpAggregateKind::Count;
    std::string wanted = expression;
    wanted.erase(0, wanted.find_first_not_of(" \t"));
    wanted.erase(wanted.find_last_not_of(" \t") + 1);
    for (const auto& item : items_) {
        if (item->MemoBand != memoBand || item->Kind != kind || !AnsiSameText(item->Expression, wanted)) continue;
        if (dataBand && item->DataBand != dataBand) continue;
        if (item->CountInvisible != bool(flags & kCountInvisibleFlag) || item->RunningTotal != bool(flags & kRunningTotalFlag))
            continue;
        return item->Value(column);
    }
    return Variant();
}
