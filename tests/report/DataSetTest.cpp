#include "report/data/DataSetList.h"
#include "report/data/UserDataSet.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/resources/Resources.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TrpUserDataSet& Counted(TrpUserDataSet& dataSet, int count) {
    dataSet.SetRangeEnd(TrpRangeEnd::reCount);
    dataSet.SetRangeEndCount(count);
    return dataSet;
}

TEST(DataSetTest, CountedRangeEndsAfterItsRecordsWithTheLastRecordCurrent) {
    TrpUserDataSet dataSet(nullptr);
    Counted(dataSet, 3);
    int nextEvents = 0;
    dataSet.OnNext = [&](TObject*) { ++nextEvents; };
    dataSet.First();
    EXPECT_FALSE(dataSet.Eof());
    dataSet.Next();
    dataSet.Next();
    EXPECT_FALSE(dataSet.Eof());
    EXPECT_EQ(dataSet.RecNo(), 2);
    dataSet.Next();
    EXPECT_TRUE(dataSet.Eof());
    EXPECT_EQ(dataSet.RecNo(), 2);
    EXPECT_EQ(nextEvents, 2) << "stepping past the end fires no event";
    EXPECT_EQ(dataSet.RecordCount(), 3);
    dataSet.First();
    EXPECT_FALSE(dataSet.Eof()) << "First clears the end flag";
}

TEST(DataSetTest, RecordCountIsKnownOnlyForACountedRangeFromTheFirstRecord) {
    struct Case {
        TrpRangeBegin begin;
        TrpRangeEnd end;
        int expected;
    };
    for (const Case& c : {Case{TrpRangeBegin::rbFirst, TrpRangeEnd::reCount, 4},
                          Case{TrpRangeBegin::rbCurrent, TrpRangeEnd::reCount, 0},
                          Case{TrpRangeBegin::rbFirst, TrpRangeEnd::reLast, 0}}) {
        TrpUserDataSet dataSet(nullptr);
        dataSet.SetRangeBegin(c.begin);
        dataSet.SetRangeEnd(c.end);
        dataSet.SetRangeEndCount(4);
        EXPECT_EQ(dataSet.RecordCount(), c.expected);
    }
}

TEST(DataSetTest, AnOpenEndedRangeLeavesTheEndToTheHost) {
    TrpUserDataSet dataSet(nullptr);
    dataSet.First();
    for (int i = 0; i < 100; ++i) dataSet.Next();
    EXPECT_FALSE(dataSet.Eof());
    dataSet.OnCheckEOF = [&](TObject*, bool& eof) { eof = dataSet.RecNo() >= 5; };
    EXPECT_TRUE(dataSet.Eof());
    dataSet.First();
    EXPECT_FALSE(dataSet.Eof());
}

TEST(DataSetTest, ValuesComeFromBothEventsInOrder) {
    TrpUserDataSet dataSet(nullptr);
    EXPECT_TRUE(dataSet.Value("Any").IsNull());
    dataSet.OnGetValue = [](const std::string& name, Variant& value) {
        if (name == "Sum") value = 5;
    };
    EXPECT_EQ(dataSet.Value("Sum"), Variant(5));
    dataSet.OnNewGetValue = [](TObject*, const std::string&, Variant& value) {
        value = value.IsNull() ? Variant("none") : value * Variant(2);
    };
    EXPECT_EQ(dataSet.Value("Sum"), Variant(10)) << "the second event sees the first's result";
    EXPECT_EQ(dataSet.DisplayText("Sum"), u"none") << "each event starts from Null for the text";
}

TEST(DataSetTest, HasFieldIgnoresLetterCase) {
    TrpUserDataSet dataSet(nullptr);
    dataSet.Fields()->Add("Altitude");
    dataSet.Fields()->Add("Speed");
    EXPECT_EQ(dataSet.FieldsCount(), 2);
    EXPECT_TRUE(dataSet.HasField("ALTITUDE"));
    EXPECT_TRUE(dataSet.HasField("speed"));
    EXPECT_FALSE(dataSet.HasField("Time"));
    TrpDataSet plain(nullptr);
    EXPECT_FALSE(plain.HasField("Altitude"));
}

TEST(DataSetTest, NamingGivesTheUserNameAndBlankUserNamesAreRefused) {
    TrpUserDataSet dataSet(nullptr);
    dataSet.SetName("Flights");
    EXPECT_EQ(dataSet.UserName(), "Flights");
    dataSet.SetName("Flights2");
    EXPECT_EQ(dataSet.UserName(), "Flights") << "a user name once given stays through renames";
    dataSet.SetUserName("Полёты");
    dataSet.SetName("Flights3");
    EXPECT_EQ(dataSet.UserName(), "Полёты") << "a user name of its own stays";
    try {
        dataSet.SetUserName("  ");
        FAIL() << "a blank user name was taken";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), rpResourceManager().Get("prInvProp"));
    }
    EXPECT_EQ(dataSet.UserName(), "Полёты");
}

TEST(DataSetTest, TheGlobalListHoldsEveryLivingDataSet) {
    auto* dataSet = new TrpUserDataSet(nullptr);
    auto contains = [](TrpDataSet* d) {
        auto all = rp_data_sets::Snapshot();
        return std::find(all.begin(), all.end(), d) != all.end();
    };
    EXPECT_TRUE(contains(dataSet));
    delete dataSet;
    EXPECT_FALSE(contains(dataSet));
}

TEST(DataSetTest, ReportsFindTheirOwnDataSetOfASharedName) {
    TrpReport reportA(nullptr), reportB(nullptr);
    auto* a = new TrpUserDataSet(&reportA);
    auto* b = new TrpUserDataSet(&reportB);
    a->SetUserName("Log");
    b->SetUserName("Log");
    auto* onlyB = new TrpUserDataSet(&reportB);
    onlyB->SetUserName("OnlyB");
    auto* pageA = new TrpReportPage(&reportA);
    TrpUserDataSet passed(nullptr);

    EXPECT_EQ(LookUpDataSet(*pageA, nullptr, "log"), a);
    EXPECT_EQ(LookUpDataSet(reportB, nullptr, "LOG"), b);
    EXPECT_EQ(LookUpDataSet(*pageA, &passed, "OnlyB"), &passed) << "another report's data set is not taken";
    EXPECT_EQ(LookUpDataSet(*pageA, &passed, ""), nullptr);
    EXPECT_EQ(LookUpGlobalDataSet(&passed, "Log", nullptr), &passed);

    TrpUserDataSet free(nullptr);
    free.SetUserName("Shared");
    EXPECT_EQ(LookUpDataSet(*pageA, nullptr, "shared"), &free) << "a data set of no report serves every report";

    reportA.EngineOptions().UseSharedDataSets = false;
    EXPECT_EQ(LookUpDataSet(*pageA, &passed, "shared"), nullptr) << "without sharing only the report's own count";
    EXPECT_EQ(LookUpDataSet(*pageA, &passed, "Log"), a);
    a->SetEnabled(false);
    EXPECT_EQ(LookUpDataSet(*pageA, &passed, "Log"), nullptr);
}

}  // namespace
