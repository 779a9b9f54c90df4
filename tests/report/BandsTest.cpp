#include "report/bands/DataBand.h"
#include "report/bands/Subreport.h"
#include "report/data/UserDataSet.h"
#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/objects/ReportClasses.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

template <class T>
std::unique_ptr<TrpBand> Make() {
    return std::make_unique<T>(nullptr);
}

// A data band that belongs to none of the numbered kinds.
class PlainDataBand : public TrpDataBand {
public:
    using TrpDataBand::TrpDataBand;
};

// A child band of a child band is still a child band.
class SpecialChild : public TrpChild {
public:
    using TrpChild::TrpChild;
};

TEST(BandsTest, EveryKindHasItsNumber) {
    struct Case {
        std::unique_ptr<TrpBand> band;
        int number;
    };
    Case cases[] = {{Make<TrpReportTitle>(), 0},  {Make<TrpReportSummary>(), 1}, {Make<TrpPageHeader>(), 2},
                    {Make<TrpPageFooter>(), 3},   {Make<TrpHeader>(), 4},        {Make<TrpFooter>(), 5},
                    {Make<TrpMasterData>(), 6},   {Make<TrpDetailData>(), 7},    {Make<TrpSubdetailData>(), 8},
                    {Make<TrpDataBand4>(), 9},    {Make<TrpDataBand5>(), 10},    {Make<TrpDataBand6>(), 11},
                    {Make<TrpGroupHeader>(), 12}, {Make<TrpGroupFooter>(), 13},  {Make<TrpChild>(), 14},
                    {Make<TrpColumnHeader>(), 15}, {Make<TrpColumnFooter>(), 16}, {Make<TrpOverlay>(), 17},
                    {Make<PlainDataBand>(), 0},   {Make<TrpNullBand>(), 0},      {Make<SpecialChild>(), 14}};
    for (const Case& c : cases) EXPECT_EQ(c.band->BandNumber(), c.number) << c.band->ClassName();
}

TEST(BandsTest, AChildChainLeadingBackIsRefusedAndLeavesTheChildAlone) {
    TrpReport report(nullptr);
    auto* page = new TrpReportPage(&report);
    auto* first = new TrpChild(page);
    auto* second = new TrpChild(page);
    auto* third = new TrpChild(page);
    first->SetChild(second);
    second->SetChild(third);
    try {
        third->SetChild(first);
        FAIL() << "a circular chain was taken";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Circular child reference is not allowed");
    }
    EXPECT_EQ(third->Child(), nullptr);
    EXPECT_THROW(first->SetChild(first), Exception);
    EXPECT_EQ(first->Child(), second);
}

TEST(BandsTest, AFreedChildOrDataSetLeavesNoReferenceBehind) {
    TrpReport report(nullptr);
    auto* page = new TrpReportPage(&report);
    auto* master = new TrpMasterData(page);
    auto* child = new TrpChild(page);
    auto* dataSet = new TrpUserDataSet(&report);
    master->SetChild(child);
    master->SetDataSet(dataSet);
    delete child;
    delete dataSet;
    EXPECT_EQ(master->Child(), nullptr);
    EXPECT_EQ(master->DataSet(), nullptr);
}

TEST(BandsTest, ColumnIndexPlacesTheBandInItsColumn) {
    TrpMasterData band(nullptr);
    band.SetColumns(3);
    band.SetColumnWidth(100);
    band.SetColumnGap(10);
    band.SetColumnIndex(2);
    EXPECT_DOUBLE_EQ(band.Left(), 110);
    band.RowBottom = 55;
    band.SetColumnIndex(3);
    EXPECT_DOUBLE_EQ(band.Left(), 220);
    EXPECT_DOUBLE_EQ(band.RowBottom, 55);
    band.SetColumnIndex(4);
    EXPECT_EQ(band.ColumnIndex(), 1);
    EXPECT_DOUBLE_EQ(band.Left(), 0);
    EXPECT_DOUBLE_EQ(band.RowBottom, 0);
}

TEST(BandsTest, RowCountLimitsTheBuiltInDataSet) {
    TrpMasterData band(nullptr);
    band.SetRowCount(5);
    TrpDataSet& counter = band.BuiltInDataSet();
    int records = 0;
    for (counter.First(); !counter.Eof(); counter.Next()) ++records;
    EXPECT_EQ(records, 5);
}

TEST(BandsTest, ADataBandFindsItsDataSetByNameAndNamesItByItsUserName) {
    TrpReport report(nullptr);
    auto* page = new TrpReportPage(&report);
    auto* band = new TrpMasterData(page);
    auto* dataSet = new TrpUserDataSet(&report);
    dataSet->SetName("Records");
    dataSet->SetUserName("Записи");
    band->SetDataSetName("записи");
    EXPECT_EQ(band->DataSet(), dataSet);
    EXPECT_EQ(band->DataSetName(), "Записи");
    band->SetDataSetName("Missing");
    EXPECT_EQ(band->DataSet(), dataSet) << "an unknown name keeps the data set";
}

TEST(BandsTest, NewFootersAndHeadersPrintOnFirstAndLastPages) {
    TrpPageHeader header(nullptr);
    TrpPageFooter footer(nullptr);
    EXPECT_TRUE(header.PrintOnFirstPage());
    EXPECT_TRUE(footer.PrintOnFirstPage());
    EXPECT_TRUE(footer.PrintOnLastPage());
    EXPECT_TRUE(header.Visible());
    EXPECT_TRUE(header.ParentFont());
}

TEST(BandsTest, ASubreportIsAFramedGreyViewThatStaysOffPreparedPages) {
    TrpReport report(nullptr);
    auto* page = new TrpReportPage(&report);
    auto* inner = new TrpReportPage(&report);
    auto* subreport = new TrpSubreport(page);
    EXPECT_EQ(subreport->ObjectStyleFlags() & kStyleToPreparedPages, 0);
    EXPECT_EQ(subreport->Color(), 0xC0C0C0);
    EXPECT_EQ(subreport->Frame()->Typ().Mask(), 0xFu);
    EXPECT_EQ(subreport->Font()->Name(), "Tahoma");
    EXPECT_EQ(subreport->Font()->Size(), 8);
    subreport->SetSubreportPage(inner);
    EXPECT_EQ(SubreportOfPage(*inner), subreport);
    EXPECT_EQ(SubreportOfPage(*page), nullptr);
    delete subreport;
    EXPECT_EQ(SubreportOfPage(*inner), nullptr);
}

TEST(BandsTest, BandsWithTheirReferencesSurviveTheReportXmlForm) {
    RegisterReportClasses();
    TrpReport report(nullptr);
    auto* page = new TrpReportPage(&report);
    page->SetName("Page1");
    auto* group = new TrpGroupHeader(page);
    group->SetName("GroupHeader1");
    group->SetCondition("[Records.\"Stage\"]");
    group->KeepTogether = true;
    auto* master = new TrpMasterData(page);
    master->SetName("MasterData1");
    master->SetBounds(0, 80, 700, 20);
    master->SetColumns(2);
    master->SetRowCount(7);
    master->SetAllowSplit(true);
    auto* child = new TrpChild(page);
    child->SetName("Child1");
    master->SetChild(child);
    auto* memo = new TrpMemoView(master);
    memo->SetName("Memo1");
    auto* footer = new TrpPageFooter(page);
    footer->SetName("PageFooter1");
    footer->SetPrintOnLastPage(false);
    auto* inner = new TrpReportPage(&report);
    inner->SetName("Page2");
    auto* subreport = new TrpSubreport(master);
    subreport->SetName("Subreport1");
    subreport->SetSubreportPage(inner);
    // A loaded report always has its data page; the template gets it first
    // so both forms can be compared whole.
    report.EnsureDataPage();

    TMemoryStream stream;
    report.SaveToStream(stream);
    const std::string saved(stream.Bytes());
    TrpReport loaded(nullptr);
    TStringStream in(saved);
    loaded.LoadFromStream(in);
    ASSERT_EQ(loaded.Errors().Count(), 0) << loaded.Errors().Text();

    auto* master2 = dynamic_cast<TrpMasterData*>(loaded.FindObject("MasterData1"));
    auto* group2 = dynamic_cast<TrpGroupHeader*>(loaded.FindObject("GroupHeader1"));
    auto* footer2 = dynamic_cast<TrpPageFooter*>(loaded.FindObject("PageFooter1"));
    auto* subreport2 = dynamic_cast<TrpSubreport*>(loaded.FindObject("Subreport1"));
    ASSERT_TRUE(master2 && group2 && footer2 && subreport2);
    EXPECT_EQ(master2->Child(), loaded.FindObject("Child1"));
    EXPECT_EQ(master2->Columns(), 2);
    EXPECT_EQ(master2->RowCount(), 7);
    EXPECT_TRUE(master2->AllowSplit());
    EXPECT_DOUBLE_EQ(master2->Top(), 80);
    EXPECT_EQ(loaded.FindObject("Memo1")->Parent(), master2);
    EXPECT_EQ(group2->Condition(), "[Records.\"Stage\"]");
    EXPECT_TRUE(group2->KeepTogether);
    EXPECT_FALSE(footer2->PrintOnLastPage());
    EXPECT_EQ(subreport2->SubreportPage(), loaded.FindObject("Page2"));

    TMemoryStream again;
    loaded.SaveToStream(again);
    EXPECT_EQ(std::string(again.Bytes()), saved);
}

TEST(BandsTest, ADrillDownHeaderWritesItsDrillName) {
    TrpGroupHeader header(nullptr), reference(nullptr);
    header.DrillName = "MasterData1.3.GroupHeader1.2";
    EXPECT_EQ(header.DifferenceText(reference).find("DrillName"), std::string::npos);
    header.DrillDown = true;
    EXPECT_NE(header.DifferenceText(reference).find(" DrillName=\"MasterData1.3.GroupHeader1.2\""), std::string::npos);
}

}  // namespace
