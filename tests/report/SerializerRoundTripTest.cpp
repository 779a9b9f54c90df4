#include "report/objects/LineView.h"
#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/objects/ReportClasses.h"
#include "report/objects/ShapeView.h"
#include "report/storage/XmlSerializer.h"
#include "report/xml/XmlDocument.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

namespace {

// A page with a memo, a shape and a line, as a report is built in code.
struct SmallReport {
    TrpReport report{nullptr};
    TrpReportPage* page;
    TrpMemoView* memo;
    TrpShapeView* shape;
    TrpLineView* line;

    SmallReport() {
        RegisterReportClasses();
        page = new TrpReportPage(&report);
        page->SetName("Page1");
        memo = new TrpMemoView(page);
        memo->SetName("Memo1");
        memo->SetBounds(10, 20.5, 150, 18);
        memo->SetAlign(TrpAlign::baCenter);
        memo->Memo()->SetText(u"Активный участок подъема\r\n\"Высота\" & <м>\r\n");
        TFont bold;
        bold.SetName("Arial");
        bold.SetSize(12);
        bold.SetColor(255);
        bold.SetStyle({TFontStyle::fsBold});
        memo->SetFont(&bold);
        shape = new TrpShapeView(page);
        shape->SetName("Shape1");
        shape->SetBounds(0, 0, 700, 40);
        shape->SetShape(TrpShapeKind::skRoundRectangle);
        shape->SetColor(0x00FF00);
        shape->SetVisible(false);
        line = new TrpLineView(page);
        line->SetName("Line1");
        line->SetBounds(0, 45, 700, 0);
        line->SetArrowEnd(true);
        line->SetRestrictions({TrpRestriction::rfDontMove, TrpRestriction::rfDontSize});
        report.EnsureDataPage();
    }
};

const char* const kExpectedXml =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<TrpReport Version=\"1.0.0\" DotMatrixReport=\"False\" IniFile=\"\\Software\\Deda Vozodiv\""
    " ScriptLanguage=\"PascalScript\" ScriptText.Text=\"begin&#13;&#10;&#13;&#10;end.\">\r\n"
    "  <TrpDataPage Name=\"Data\" Height=\"1000\" Left=\"0\" Top=\"0\" Width=\"1000\"/>\r\n"
    "  <TrpReportPage Name=\"Page1\">\r\n"
    "    <TrpMemoView Name=\"Memo1\" Align=\"baCenter\" Left=\"10\" Top=\"20,5\" Width=\"150\" Height=\"18\""
    " Font.Color=\"255\" Font.Height=\"-16\" Font.Name=\"Arial\" Font.Style=\"1\""
    " ParentFont=\"False\""
    " Text=\"Активный участок подъема&#13;&#10;&#34;Высота&#34; &#38; &#60;м&#62;\"/>\r\n"
    "    <TrpShapeView Name=\"Shape1\" Left=\"0\" Top=\"0\" Width=\"700\" Height=\"40\" Visible=\"False\""
    " Color=\"65280\" Shape=\"skRoundRectangle\"/>\r\n"
    "    <TrpLineView Name=\"Line1\" Left=\"0\" Top=\"45\" Width=\"700\" Height=\"0\" Restrictions=\"6\""
    " ArrowEnd=\"True\"/>\r\n"
    "  </TrpReportPage>\r\n"
    "</TrpReport>\r\n";

std::string Saved(TrpComponent& object) {
    TMemoryStream stream;
    object.SaveToStream(stream);
    return std::string(stream.Bytes());
}

TEST(SerializerRoundTripTest, SmallReportIsWrittenInTheReportXmlForm) {
    SmallReport r;
    EXPECT_EQ(Saved(r.report), kExpectedXml);
}

TEST(SerializerRoundTripTest, ExpectedXmlReadsIntoTheSameTree) {
    RegisterReportClasses();
    TrpReport report(nullptr);
    TStringStream in(kExpectedXml);
    report.LoadFromStream(in);
    EXPECT_EQ(report.Errors().Count(), 0) << report.Errors().Text();
    ASSERT_EQ(report.Objects().size(), 2u);
    auto* memo = dynamic_cast<TrpMemoView*>(report.FindObject("memo1"));
    auto* shape = dynamic_cast<TrpShapeView*>(report.FindObject("Shape1"));
    auto* line = dynamic_cast<TrpLineView*>(report.FindObject("Line1"));
    ASSERT_TRUE(memo && shape && line);
    EXPECT_EQ(memo->Parent(), report.FindObject("Page1"));
    EXPECT_EQ(memo->Memo()->Text(), u"Активный участок подъема\r\n\"Высота\" & <м>\r\n");
    EXPECT_DOUBLE_EQ(memo->Top(), 20.5);
    EXPECT_EQ(memo->Align(), TrpAlign::baCenter);
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_EQ(memo->Font()->Color(), 255);
    EXPECT_TRUE(memo->Font()->Style().Contains(TFontStyle::fsBold));
    EXPECT_EQ(shape->Shape(), TrpShapeKind::skRoundRectangle);
    EXPECT_FALSE(shape->Visible());
    EXPECT_TRUE(line->ArrowEnd());
    EXPECT_TRUE(line->Restrictions().Contains(TrpRestriction::rfDontSize));
    EXPECT_EQ(Saved(report), kExpectedXml);
}

TEST(SerializerRoundTripTest, FloatsReadWithEitherSeparator) {
    RegisterReportClasses();
    for (const char* top : {"20,5", "20.5"}) {
        TrpReport report(nullptr);
        TStringStream in(std::string("<?xml version=\"1.0\"?><TrpReport><TrpReportPage Name=\"P\">"
                                     "<TrpMemoView Name=\"M\" Top=\"") + top + "\"/></TrpReportPage></TrpReport>");
        report.LoadFromStream(in);
        ASSERT_NE(report.FindObject("M"), nullptr);
        EXPECT_DOUBLE_EQ(report.FindObject("M")->Top(), 20.5) << top;
    }
}

TEST(SerializerRoundTripTest, AttributeOrderFollowsDeclarationsSoEqualObjectsGiveEqualText) {
    SmallReport a, b;
    EXPECT_EQ(Saved(a.report), Saved(b.report));
    TrpXMLSerializer serializer(nullptr);
    EXPECT_EQ(serializer.ClassNameAndXML(*a.line), serializer.ClassNameAndXML(*b.line));
}

TEST(SerializerRoundTripTest, AncestorDecidesWhatIsWritten) {
    SmallReport r;
    TrpXMLSerializer serializer(nullptr);
    TrpLineView same(nullptr);
    same.SetBounds(0, 45.0000001, 700, 0);
    same.SetArrowEnd(true);
    same.SetRestrictions(r.line->Restrictions());
    EXPECT_EQ(serializer.PropertiesText(*r.line, "", &same), "");
    TrpMemoView memoAncestor(nullptr);
    memoAncestor.Memo()->Assign(r.memo->Memo());
    std::string text = serializer.PropertiesText(*r.memo, "", &memoAncestor);
    EXPECT_EQ(text.find(" Text="), std::string::npos) << text;
    EXPECT_NE(text.find(" Left=\"10\""), std::string::npos) << text;
}

TEST(SerializerRoundTripTest, MemoTextEndingInABreakIsWrittenWithoutIt) {
    RegisterReportClasses();
    TrpXMLSerializer writer(nullptr);
    TrpMemoView memo(nullptr);
    memo.Memo()->SetText(u"one\r\n");
    std::string text = writer.PropertiesText(memo, "", nullptr);
    EXPECT_NE(text.find(" Text=\"one\""), std::string::npos) << text;
    TrpMemoView back(nullptr);
    TrpXMLSerializer reader(nullptr);
    reader.ApplyPropertiesText(text, back);
    EXPECT_EQ(back.Memo()->Count(), 1);
    EXPECT_EQ(back.Memo()->Get(0), u"one");
}

TEST(SerializerRoundTripTest, MemoLinesKeepTheirEmptyLastLine) {
    struct Case {
        std::u16string text;
        int lines;
    };
    const Case cases[] = {{u"a\r\n\r\n", 2}, {u"a\r\n\r\n\r\n", 3}, {u"", 0}, {u"a\r\nb", 2}};
    for (const auto& c : cases) {
        TrpMemoView memo(nullptr);
        memo.Memo()->SetText(c.text);
        ASSERT_EQ(memo.Memo()->Count(), c.lines);
        TrpXMLSerializer serializer(nullptr);
        TrpMemoView back(nullptr);
        serializer.ApplyPropertiesText(serializer.PropertiesText(memo, "", nullptr), back);
        EXPECT_EQ(back.Memo()->Text(), memo.Memo()->Text()) << c.lines;
    }
}

TEST(SerializerRoundTripTest, CompactPreparedFormSetsGeometryAndText) {
    TrpMemoView memo(nullptr);
    TrpXMLSerializer serializer(nullptr);
    serializer.ApplyPropertiesText(" l=\"1,5\" t=\"2.5\" w=\"3\" h=\"4\" u=\"Вверх&#13;&#10;x\"", memo);
    EXPECT_DOUBLE_EQ(memo.Left(), 1.5);
    EXPECT_DOUBLE_EQ(memo.Top(), 2.5);
    EXPECT_DOUBLE_EQ(memo.Width(), 3);
    EXPECT_DOUBLE_EQ(memo.Height(), 4);
    EXPECT_EQ(memo.Memo()->Text(), u"Вверх\r\nx\r\n");
}

TEST(SerializerRoundTripTest, BadAttributesAreCollectedAndTheRestStillApplies) {
    TrpShapeView shape(nullptr);
    TrpXMLSerializer serializer(nullptr);
    serializer.ApplyPropertiesText(
        " Left=\"abc\" Shape=\"skNoSuchShape\" Curve=\"12x\" Top=\"7\" Nothing.Here=\"1\" Color=\"5\"", shape);
    EXPECT_EQ(serializer.Errors.Count(), 3) << serializer.Errors.Text();
    EXPECT_DOUBLE_EQ(shape.Top(), 7);
    EXPECT_EQ(shape.Color(), 5);
    EXPECT_EQ(shape.Shape(), TrpShapeKind::skRectangle);
}

struct DamagedReport {
    const char* what;
    std::string text;
    int errors;        // collected, the rest loads
    bool raises;       // the text itself is damaged
};

TEST(SerializerRoundTripTest, DamagedReportsTable) {
    RegisterReportClasses();
    const std::string head = "<?xml version=\"1.0\"?><TrpReport><TrpReportPage Name=\"P\">";
    const DamagedReport cases[] = {
        {"unknown class, the rest loads", head + "<TFooView Name=\"X\"><TrpMemoView Name=\"Inner\"/></TFooView>"
                                                  "<TrpMemoView Name=\"M\"/></TrpReportPage></TrpReport>", 1, false},
        {"inherited without an object", head + "<inherited Name=\"Gone\"/><TrpMemoView Name=\"M\"/>", 0, false},
        {"duplicate names", head + "<TrpMemoView Name=\"M\"/><TrpShapeView Name=\"m\"/>", 0, false},
        {"invalid name", head + "<TrpMemoView Name=\"M\"/><TrpShapeView Name=\"1 2\"/>", 1, false},
        {"truncated PropData", head + "<TrpMemoView Name=\"M\" PropData=\"0455544638\"/>", 0, false},
        {"odd PropData digits", head + "<TrpMemoView Name=\"M\" PropData=\"ZZ1\"/>", 1, false},
        {"cut in a tag", head + "<TrpMemoView Name=\"M\" Left=\"1", 0, true},
        {"no header", "<TrpReport/>", 0, true},
        {"class that is no report object", head + "<TStringList Name=\"S\"/><TrpMemoView Name=\"M\"/>", 1, false},
    };
    for (const auto& c : cases) {
        TrpReport report(nullptr);
        TStringStream in(c.text);
        report.EngineOptions().SetSilentMode(true);
        if (c.raises) {
            // The report lists the damage with its place and keeps nothing of the text.
            EXPECT_NO_THROW(report.LoadFromStream(in)) << c.what;
            ASSERT_EQ(report.Errors().Count(), 1) << c.what;
            EXPECT_EQ(report.Errors().Strings(0).rfind("Invalid file format (byte ", 0), 0u) << c.what;
            EXPECT_EQ(report.FindObject("M"), nullptr) << c.what;
            // The object reader itself raises.
            TrpReportPage page(nullptr);
            TStringStream again(c.text);
            EXPECT_THROW(page.LoadFromStream(again), TrpInvalidXMLException) << c.what;
            continue;
        }
        EXPECT_NO_THROW(report.LoadFromStream(in)) << c.what;
        EXPECT_EQ(report.Errors().Count(), c.errors) << c.what << ": " << report.Errors().Text();
        EXPECT_NE(report.FindObject("M"), nullptr) << c.what;
        EXPECT_EQ(report.FindObject("Inner"), nullptr) << c.what;
    }
}

TEST(SerializerRoundTripTest, UnknownClassErrorNamesTheElement) {
    RegisterReportClasses();
    TrpReport report(nullptr);
    TStringStream in("<?xml version=\"1.0\"?><TrpReport><TFooView/></TrpReport>");
    report.LoadFromStream(in);
    ASSERT_EQ(report.Errors().Count(), 1);
    EXPECT_EQ(report.Errors().Strings(0), "Cannot find class TFooView");
}

TEST(SerializerRoundTripTest, ComponentStringsMakeObjects) {
    RegisterReportClasses();
    TrpReport report(nullptr);
    TrpXMLSerializer serializer(nullptr);
    EXPECT_EQ(serializer.ReadComponentStr(&report, "   ", false), nullptr);
    TrpComponent* made = serializer.ReadComponentStr(&report, " TrpShapeView Name=\"S1\" Curve=\"3\" ", false);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Owner(), &report);
    EXPECT_EQ(dynamic_cast<TrpShapeView*>(made)->Curve(), 3);
    TMemoryStream stream;
    TrpXMLSerializer writer(&stream);
    writer.WriteComponent(*made);
    EXPECT_EQ(std::string(stream.Bytes()), "<TrpShapeView Left=\"0\" Top=\"0\" Width=\"0\" Height=\"0\" Curve=\"3\"/>");
}

TEST(SerializerRoundTripTest, AssignCopiesThroughTheXmlForm) {
    SmallReport r;
    TrpShapeView copy(nullptr);
    copy.Assign(r.shape);
    EXPECT_EQ(copy.Shape(), TrpShapeKind::skRoundRectangle);
    EXPECT_DOUBLE_EQ(copy.Width(), 700);
    EXPECT_EQ(copy.Color(), 0x00FF00);
}

}  // namespace
