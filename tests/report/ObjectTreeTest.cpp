#include "report/objects/LineView.h"
#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/objects/ShapeView.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

struct Tree {
    TrpReport report{nullptr};
    TrpReportPage* page1 = new TrpReportPage(&report);
    TrpReportPage* page2 = new TrpReportPage(&report);
    TrpMemoView* memo1 = new TrpMemoView(page1);
    TrpMemoView* memo3 = new TrpMemoView(page2);
    TrpShapeView* shape = new TrpShapeView(page1);

    Tree() {
        page1->SetName("Page1");
        page2->SetName("Page2");
        memo1->SetName("Memo1");
        memo3->SetName("Memo3");
        shape->SetName("Shape1");
    }
};

TEST(ObjectTreeTest, ObjectsAreOwnedByTheReportAndChildrenOfTheirParent) {
    Tree t;
    EXPECT_EQ(t.memo1->Owner(), &t.report);
    EXPECT_EQ(t.memo1->Parent(), t.page1);
    EXPECT_EQ(t.memo1->Report(), &t.report);
    EXPECT_EQ(t.memo1->Page(), t.page1);
    EXPECT_EQ(t.page1->Objects(), (std::vector<TrpComponent*>{t.memo1, t.shape}));
    EXPECT_EQ(t.report.AllObjects(),
              (std::vector<TrpComponent*>{t.page1, t.memo1, t.shape, t.page2, t.memo3}));
    t.shape->SetParent(t.page2);
    EXPECT_EQ(t.page1->Objects().size(), 1u);
    EXPECT_EQ(t.page2->Objects().back(), t.shape);
    delete t.memo3;
    EXPECT_EQ(t.page2->Objects(), (std::vector<TrpComponent*>{t.shape}));
    EXPECT_EQ(t.report.FindComponent("Memo3"), nullptr);
}

TEST(ObjectTreeTest, FindObjectIgnoresCaseAndSearchesBelowOnly) {
    Tree t;
    EXPECT_EQ(t.report.FindObject("MEMO3"), t.memo3);
    EXPECT_EQ(t.page1->FindObject("Memo3"), nullptr);
    EXPECT_EQ(t.page1->FindObject("memo1"), t.memo1);
    EXPECT_EQ(t.report.FindObject(""), nullptr);
    auto* unnamed = new TrpLineView(t.page2);
    EXPECT_EQ(t.report.FindObject(""), unnamed);
}

TEST(ObjectTreeTest, RenamingKeepsNamesUniqueInTheReport) {
    Tree t;
    t.memo1->SetName("memo1");
    EXPECT_EQ(t.memo1->Name(), "Memo1");
    EXPECT_THROW(t.memo1->SetName("Memo3"), Exception);
    EXPECT_EQ(t.memo1->Name(), "Memo1");
    t.memo1->SetFromAncestor(true);
    try {
        t.memo1->SetName("Other");
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Could not rename Memo1, it was introduced in the ancestor report");
    }
}

TEST(ObjectTreeTest, UniqueNamesTakeTheFirstFreeNumber) {
    Tree t;
    auto* memo = new TrpMemoView(t.page1);
    memo->GiveUniqueName();
    EXPECT_EQ(memo->Name(), "Memo2");
    auto* line = new TrpLineView(t.page1);
    line->GiveUniqueName();
    EXPECT_EQ(line->Name(), "Line1");
    EXPECT_EQ(t.page1->BaseName(), "ReportPage");
}

TEST(ObjectTreeTest, FontChangesSpreadToChildrenThatFollowTheirParent) {
    Tree t;
    EXPECT_EQ(t.memo1->Font()->Name(), "Arial");
    EXPECT_EQ(t.memo1->Font()->Size(), 10);
    TFont own;
    own.SetName("Courier New");
    t.shape->SetFont(&own);
    EXPECT_FALSE(t.shape->ParentFont());
    t.page1->Font()->SetColor(255);
    EXPECT_FALSE(t.page1->ParentFont());
    EXPECT_EQ(t.memo1->Font()->Color(), 255);
    EXPECT_TRUE(t.memo1->ParentFont());
    EXPECT_NE(t.shape->Font()->Color(), 255);
    EXPECT_EQ(t.memo3->Font()->Color(), 0);
}

TEST(ObjectTreeTest, AbsolutePositionsAddTheParents) {
    Tree t;
    t.page1->SetTop(3);
    auto* inner = new TrpShapeView(t.shape);
    t.shape->SetBounds(10, 20, 100, 50);
    inner->SetBounds(1, 2, 5, 5);
    EXPECT_DOUBLE_EQ(inner->AbsTop(), 25);
    EXPECT_DOUBLE_EQ(inner->AbsLeft(), 11);
    auto bounds = inner->AbsoluteBounds();
    EXPECT_DOUBLE_EQ(bounds.right, 16);
    EXPECT_DOUBLE_EQ(bounds.bottom, 30);
}

TEST(ObjectTreeTest, PositionsOnADialogPageStartAtItsWindow) {
    Tree t;
    auto* dialog = new TrpDialogPage(&t.report);
    dialog->SetBounds(200, 150, 300, 200);
    auto* shape = new TrpShapeView(dialog);
    shape->SetBounds(10, 20, 30, 40);
    auto* inner = new TrpShapeView(shape);
    inner->SetBounds(1, 2, 5, 5);
    EXPECT_DOUBLE_EQ(shape->AbsLeft(), 10);
    EXPECT_DOUBLE_EQ(shape->AbsTop(), 20);
    EXPECT_DOUBLE_EQ(inner->AbsLeft(), 11);
    EXPECT_DOUBLE_EQ(inner->AbsTop(), 22);
}

TEST(ObjectTreeTest, RestrictionsHoldOnlyForDesignedObjects) {
    TrpShapeView shape(nullptr);
    shape.SetRestrictions({TrpRestriction::rfDontMove});
    shape.SetLeft(5);
    EXPECT_DOUBLE_EQ(shape.Left(), 5);
    shape.SetDesigning(true);
    shape.SetLeft(9);
    shape.SetWidth(9);
    EXPECT_DOUBLE_EQ(shape.Left(), 5);
    EXPECT_DOUBLE_EQ(shape.Width(), 9);
}

TEST(ObjectTreeTest, PrintEndGivesBackTheBounds) {
    TrpMemoView memo(nullptr);
    memo.SetBounds(1, 2, 3, 4);
    memo.PrintStart();
    memo.SetBounds(9, 9, 9, 9);
    memo.PrintEnd();
    EXPECT_DOUBLE_EQ(memo.Left(), 1);
    EXPECT_DOUBLE_EQ(memo.Height(), 4);
}

TEST(ObjectTreeTest, ClearFreesChildrenButKeepsThoseOfAnAncestor) {
    Tree t;
    t.shape->SetComponentStateItem(TComponentStateItem::csAncestor, true);
    auto* inner = new TrpShapeView(t.shape);
    (void)inner;
    t.page1->Clear();
    EXPECT_EQ(t.page1->Objects(), (std::vector<TrpComponent*>{t.shape}));
    EXPECT_TRUE(t.shape->Objects().empty());
}

TEST(ObjectTreeTest, ArrangeLinesUpViewsByTheirAlign) {
    TrpReportPage page(nullptr);
    page.SetWidth(200);
    page.SetHeight(100);
    auto make = [&](double left, double top, double width, double height, TrpAlign align) {
        auto* v = new TrpShapeView(&page);
        v->SetBounds(left, top, width, height);
        v->SetAlign(align);
        return v;
    };
    auto* b = make(50, 0, 20, 10, TrpAlign::baLeft);
    auto* a = make(30, 0, 10, 10, TrpAlign::baLeft);
    auto* below = make(80, 30, 10, 10, TrpAlign::baLeft);
    auto* right = make(100, 0, 15, 10, TrpAlign::baRight);
    auto* width = make(120, 50, 10, 10, TrpAlign::baWidth);
    auto* center = make(0, 70, 40, 10, TrpAlign::baCenter);
    auto* bottom = make(0, 60, 10, 10, TrpAlign::baBottom);
    page.ArrangeChildren();
    EXPECT_DOUBLE_EQ(a->Left(), 0);
    EXPECT_DOUBLE_EQ(b->Left(), 10);
    EXPECT_DOUBLE_EQ(below->Left(), 0);
    EXPECT_DOUBLE_EQ(right->Left(), 185);
    EXPECT_DOUBLE_EQ(width->Left(), 0);
    EXPECT_DOUBLE_EQ(width->Width(), 200);
    EXPECT_DOUBLE_EQ(center->Left(), 80);
    EXPECT_DOUBLE_EQ(bottom->Top(), 90);
}

TEST(ObjectTreeTest, DifferenceTextListsWhatChangedFromTheTemplate) {
    TrpMemoView source(nullptr), copy(nullptr);
    source.SetBounds(1, 2, 3, 4);
    copy.SetBounds(1, 2.00001, 3, 4);
    EXPECT_EQ(copy.DifferenceText(source), " u=\"\"");  // a memo always gives its text
    copy.SetBounds(5, 2, 3, 4.5);
    copy.SetVisible(false);
    copy.SetTag(7);
    EXPECT_EQ(copy.DifferenceText(source), " l=\"5\" h=\"4,5\" Visible=\"0\" Tag=\"7\" u=\"\"");
    TFont font;
    font.SetName("A&B");
    font.SetSize(10);
    font.SetColor(0);
    font.SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
    copy.SetFont(&font);
    EXPECT_EQ(copy.DifferenceText(source),
              " l=\"5\" h=\"4,5\" Visible=\"0\" Font.Name=\"A&#38;B\" Font.Style=\"3\" ParentFont=\"0\" Tag=\"7\" u=\"\"");
}

TEST(ObjectTreeTest, FullTextIsTheStoredPropertiesPlusTheDifferences) {
    TrpShapeView source(nullptr), copy(nullptr);
    copy.SetCurve(2);
    copy.SetLeft(4);
    EXPECT_EQ(copy.FullText(nullptr), " Left=\"4\" Top=\"0\" Width=\"0\" Height=\"0\" Curve=\"2\"");
    EXPECT_EQ(copy.FullText(&source), " Left=\"4\" Top=\"0\" Width=\"0\" Height=\"0\" Curve=\"2\"  l=\"4\"");
}

}  // namespace
