#include "report/objects/Frame.h"
#include "report/objects/ReportClasses.h"
#include "report/objects/ShapeView.h"
#include "report/storage/XmlSerializer.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(FrameTest, FrameValuesReachEverySideUntilASideIsGivenItsOwn) {
    TrpFrame frame;
    frame.SetColor(clRed);
    frame.SetWidth(2.5);
    frame.SetStyle(TrpFrameStyle::fsDot);
    for (const TrpFrameLine* line : {frame.LeftLine(), frame.TopLine(), frame.RightLine(), frame.BottomLine()}) {
        EXPECT_EQ(line->Color(), clRed);
        EXPECT_DOUBLE_EQ(line->Width(), 2.5);
        EXPECT_EQ(line->Style(), TrpFrameStyle::fsDot);
    }
    frame.LeftLine()->SetColor(clBlue);
    EXPECT_EQ(frame.LeftLine()->Color(), clBlue);
    EXPECT_EQ(frame.RightLine()->Color(), clRed);

    TrpFrame copy;
    copy.Assign(&frame);
    EXPECT_EQ(copy.LeftLine()->Color(), clBlue);
    EXPECT_EQ(copy.TopLine()->Style(), TrpFrameStyle::fsDot);
    EXPECT_DOUBLE_EQ(copy.Width(), 2.5);
}

TEST(FrameTest, ASideStoresOnlyWhatDiffersFromItsFrame) {
    TrpShapeView shape(nullptr);
    TrpXMLSerializer serializer(nullptr);
    EXPECT_EQ(serializer.PropertiesText(*shape.Frame(), "Frame.", nullptr), "");
    shape.Frame()->SetColor(clRed);
    shape.Frame()->LeftLine()->SetColor(clBlack);
    shape.Frame()->SetTyp({TrpFrameType::ftLeft, TrpFrameType::ftBottom});
    EXPECT_EQ(serializer.PropertiesText(*shape.Frame(), "Frame.", nullptr),
              " Frame.Color=\"255\" Frame.Typ=\"9\" Frame.LeftLine.Color=\"0\"");
}

TEST(FrameTest, FramesComeBackThroughTheReportXmlForm) {
    RegisterReportClasses();
    TrpShapeView shape(nullptr);
    TrpFrame& f = *shape.Frame();
    f.SetColor(clGreen);
    f.SetDropShadow(true);
    f.SetShadowColor(clGray);
    f.SetShadowWidth(2.5);
    f.SetStyle(TrpFrameStyle::fsDouble);
    f.SetTyp({TrpFrameType::ftTop, TrpFrameType::ftRight});
    f.SetWidth(1.5);
    f.BottomLine()->SetWidth(3);
    f.TopLine()->SetStyle(TrpFrameStyle::fsSquare);
    shape.SetBrushStyle(TBrushStyle::bsDiagCross);
    TMemoryStream stream;
    shape.SaveToStream(stream);
    stream.SetPosition(0);
    TrpShapeView back(nullptr);
    back.LoadFromStream(stream);
    const TrpFrame& g = *back.Frame();
    EXPECT_EQ(g.Color(), clGreen);
    EXPECT_TRUE(g.DropShadow());
    EXPECT_EQ(g.ShadowColor(), clGray);
    EXPECT_DOUBLE_EQ(g.ShadowWidth(), 2.5);
    EXPECT_EQ(g.Style(), TrpFrameStyle::fsDouble);
    EXPECT_EQ(g.Typ(), (TrpFrameTypes{TrpFrameType::ftTop, TrpFrameType::ftRight}));
    EXPECT_DOUBLE_EQ(g.Width(), 1.5);
    EXPECT_DOUBLE_EQ(g.BottomLine()->Width(), 3);
    EXPECT_DOUBLE_EQ(g.LeftLine()->Width(), 1.5);
    EXPECT_EQ(g.TopLine()->Style(), TrpFrameStyle::fsSquare);
    EXPECT_EQ(g.RightLine()->Style(), TrpFrameStyle::fsDouble);
    EXPECT_EQ(back.BrushStyle(), TBrushStyle::bsDiagCross);
}

TEST(FrameTest, DifferenceTextNamesWhatChangedAgainstTheTemplate) {
    const struct {
        const char* what;
        std::function<void(TrpFrame&)> change;
        std::string expected;
    } cases[] = {
        {"nothing", [](TrpFrame&) {}, ""},
        {"colour", [](TrpFrame& f) { f.SetColor(clRed); }, " Frame.Color=\"255\""},
        {"colour and one side back",
         [](TrpFrame& f) {
             f.SetColor(clRed);
             f.LeftLine()->SetColor(clBlack);
         },
         " Frame.Color=\"255\" Frame.LeftLine.Color=\"0\""},
        {"one side's width", [](TrpFrame& f) { f.TopLine()->SetWidth(3); }, " Frame.TopLine.Width=\"3\""},
        {"sides", [](TrpFrame& f) { f.SetTyp({TrpFrameType::ftLeft, TrpFrameType::ftBottom}); }, " Frame.Typ=\"9\""},
        {"shadow",
         [](TrpFrame& f) {
             f.SetDropShadow(true);
             f.SetShadowWidth(4.00001);  // within the tolerance
         },
         " Frame.DropShadow=\"1\""},
        {"style", [](TrpFrame& f) { f.SetStyle(TrpFrameStyle::fsDouble); }, " Frame.Style=\"5\""},
    };
    for (const auto& c : cases) {
        TrpFrame reference, copy;
        c.change(copy);
        EXPECT_EQ(copy.DifferenceText(reference), c.expected) << c.what;
    }
}

}  // namespace
