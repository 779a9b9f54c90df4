#include "report/bands/DataBand.h"
#include "report/data/UserDataSet.h"
#include "report/engine/Aggregates.h"
#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TrpAggregateItem ItemOf(TrpAggregateKind kind, std::initializer_list<Variant> values) {
    TrpAggregateItem item;
    item.Kind = kind;
    for (const Variant& v : values) item.Add(v, 0);
    return item;
}

TEST(AggregatesTest, EachFunctionCombinesItsRecords) {
    struct Case {
        TrpAggregateKind kind;
        std::initializer_list<Variant> values;
        Variant expected;
    };
    const Case cases[] = {
        {TrpAggregateKind::Sum, {1, 2, Variant()}, Variant(3)},
        {TrpAggregateKind::Avg, {1, 2, Variant()}, Variant(1.5)},
        {TrpAggregateKind::Count, {1, 2, Variant()}, Variant(3)},
        {TrpAggregateKind::Min, {5, 2, 7}, Variant(2)},
        {TrpAggregateKind::Max, {5, 2, 7}, Variant(7)},
        {TrpAggregateKind::Sum, {true, false, true}, Variant(2)},
        {TrpAggregateKind::Min, {}, Variant(0)},
        {TrpAggregateKind::Avg, {}, Variant(0)},
    };
    for (const Case& c : cases) {
        TrpAggregateItem item = ItemOf(c.kind, c.values);
        EXPECT_EQ(item.Value(0), c.expected) << static_cast<int>(c.kind) << " over " << c.values.size();
    }
}

TEST(AggregatesTest, ARunningTotalKeepsGrowingOverResets) {
    TrpAggregateItem plain = ItemOf(TrpAggregateKind::Sum, {4, 5});
    TrpAggregateItem running = ItemOf(TrpAggregateKind::Sum, {});
    running.RunningTotal = true;
    running.Add(4, 0);
    running.Add(5, 0);
    plain.Reset();
    running.Reset();
    plain.Add(1, 0);
    running.Add(1, 0);
    EXPECT_EQ(plain.Value(0), Variant(1));
    EXPECT_EQ(running.Value(0), Variant(10));
    running.Reset(true);
    EXPECT_EQ(running.Value(0), Variant(0)) << "between passes everything restarts";
}

TEST(AggregatesTest, KeptValuesJoinWhenTheBlockEnds) {
    TrpAggregateItem item = ItemOf(TrpAggregateKind::Sum, {10});
    item.StartKeep();
    item.Add(5, 0);
    EXPECT_EQ(item.Value(0), Variant(10)) << "kept values wait";
    item.EndKeep();
    EXPECT_EQ(item.Value(0), Variant(15));
    item.Add(1, 0);
    item.Restore();
    EXPECT_EQ(item.Value(0), Variant(15)) << "one step back";
}

TEST(AggregatesTest, VerticalColumnsAreKeptApartAndBounded) {
    TrpAggregateItem item;
    item.Kind = TrpAggregateKind::Sum;
    item.Add(3, 1);
    item.Add(4, 2);
    item.Add(5, 2);
    item.Add(6, TrpAggregateItem::kMaxColumn);
    EXPECT_EQ(item.Value(1), Variant(3));
    EXPECT_EQ(item.Value(2), Variant(9));
    EXPECT_EQ(item.Value(TrpAggregateItem::kMaxColumn), Variant(6));
    EXPECT_THROW(item.Add(1, TrpAggregateItem::kMaxColumn + 1), Exception);
}

TEST(AggregatesTest, CallsAreFoundInExpressions) {
    struct Case {
        const char* expression;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"SUM([Log.\"Alt\"], MasterData1, 2)", {"SUM([Log.\"Alt\"], MasterData1, 2)"}},
        {"'Итого: ' + FormatFloat('0.0', avg(Speed))", {"avg(Speed)"}},
        {"SUM (Speed)", {}},
        {"\"SUM(Speed)\" + 'COUNT(x)'", {}},
        {"MAX(Speed) - MIN(Speed)", {"MAX(Speed)", "MIN(Speed)"}},
        {"COUNT(MasterData1)", {"COUNT(MasterData1)"}},
        {"SUMMARY(Speed)", {}},
        {"SUM(a, b, 1, 2)", {}},
        {"<COUNT(Band1)>", {"COUNT(Band1)"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> found;
        for (const TrpAggregateCall& call : FindAggregateCalls(c.expression)) found.push_back(call.text);
        EXPECT_EQ(found, c.calls) << c.expression;
    }
    auto calls = FindAggregateCalls("SUM(Price * (1 + Tax), Band1, 3)");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].arguments, (std::vector<std::string>{"Price * (1 + Tax)", "Band1", "3"}));
}

TEST(AggregatesTest, AFooterSumFollowsItsDataBandAndRestartsAfterTheFooter) {
    TrpReport report(nullptr);
    auto* page = new TrpReportPage(&report);
    auto* master = new TrpMasterData(page);
    master->SetName("MasterData1");
    auto* footer = new TrpFooter(page);
    master->FooterBand = footer;
    master->SetRowCount(3);
    master->SetDataSet(&master->BuiltInDataSet());
    auto* memo = new TrpMemoView(footer);
    memo->SetName("Total");
    memo->Memo()->SetText(u"Сумма [SUM(Value)], записей [COUNT(MasterData1)], всего [SUM(Value, MasterData1, 2)]");
    int record = 0;
    report.OnGetValue = [&](const std::string& name, Variant& value) {
        if (name == "Value") value = Variant(record);
    };

    TrpAggregateList totals(&report);
    totals.CollectPage(*page);
    ASSERT_EQ(totals.Items().size(), 3u);
    for (record = 1; record <= 3; ++record) totals.AddValue(master, 0);
    EXPECT_EQ(totals.GetValue(footer, 0, 0, nullptr, "Value", "SUM"), Variant(6));
    EXPECT_EQ(totals.GetValue(footer, 0, 0, master, "", "COUNT"), Variant(3));
    EXPECT_EQ(totals.GetValue(footer, 0, 2, master, " value ", "sum"), Variant(6));
    EXPECT_TRUE(totals.GetValue(footer, 0, 0, nullptr, "Other", "SUM").IsEmpty());
    totals.ResetFor(footer);
    totals.AddValue(master, 0);
    EXPECT_EQ(totals.GetValue(footer, 0, 0, nullptr, "Value", "SUM"), Variant(4));
    EXPECT_EQ(totals.GetValue(footer, 0, 2, master, "Value", "SUM"), Variant(10));
    master->SetVisible(false);
    totals.AddValue(master, 0);
    EXPECT_EQ(totals.GetValue(footer, 0, 0, master, "", "COUNT"), Variant(1)) << "invisible records are not counted";
}

}  // namespace
