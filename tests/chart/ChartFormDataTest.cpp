#include "chart/panel/Chart.h"

#include "ui/core/Filer.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/Writer.h"
#include "ui/graphics/Colors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string FormData(TChart& chart) {
    TMemoryStream stream;
    stream.WriteComponent(&chart);
    return std::string(stream.Bytes());
}

// Chart data of an older kind, with the plot's colour on the chart itself.
class OlderChart : public TChart {
public:
    explicit OlderChart(bool asIdent) : asIdent_(asIdent) {}
    void DefineProperties(TFiler& filer) override {
        filer.DefineProperty(
            "BackColor", nullptr,
            [this](TWriter& w) {
                if (asIdent_)
                    w.WriteIdent("clAqua");
                else
                    w.WriteInteger(0x123456);
            },
            true);
    }

private:
    bool asIdent_;
};

}  // namespace

TEST(ChartFormData, ADefaultChartWritesNoneOfItsSettings) {
    TChart chart;
    const std::string data = FormData(chart);
    for (const char* name :
         {"Title.Text", "Title.Transparent", "Title.Alignment", "Title.AdjustFrame", "Title.VertMargin",
          "Title.CustomPosition", "Title.Left", "Foot.Text", "BackWall.Color", "BackWall.Transparent",
          "BackWall.Shadow", "LeftWall.Color", "BottomWall.Color", "RightWall.Color", "Wall.Visible", "Wall.Size",
          "Wall.Dark3D", "Wall.EndPosition", "Pages", "ScrollMouseButton", "Frame", "AxisBehind", "Chart3DPercent",
          "View3DWalls", "ClipPoints", "SeriesGroups"})
        EXPECT_EQ(data.find(name), std::string::npos) << name << " in " << [&] {
            std::string shown;
            for (char c : data) shown += (c >= 32 && c < 127) ? c : ' ';
            return shown;
        }();
}

TEST(ChartFormData, ChangedPartsGoThereAndBack) {
    TChart written;
    written.Title().SetText({"Flight", "3"});
    written.Title().SetAlignment(TAlignment::taLeftJustify);
    written.Foot().SetVertMargin(9);
    written.SubTitle().SetLeft(40);  // a custom position, and the edge with it
    written.BackWall().SetTransparent(false);
    written.BackWall().SetColor(clWhite);
    written.LeftWall().SetSize(6);
    written.LeftWall().SetTransparency(30);
    written.RightWall().SetVisible(true);
    written.Frame().SetColor(clGreen);
    written.Pages().SetMaxPointsPerPage(20);
    written.SetScrollMouseButton(TMouseButton::mbMiddle);
    written.SetChart3DPercent(40);
    written.BottomAxis()->SetInverted(true);
    const std::string data = FormData(written);
    EXPECT_EQ(data.find("Frame"), std::string::npos);  // written as the back wall's pen

    TMemoryStream stream;
    stream.WriteComponent(&written);
    stream.SetPosition(0);
    TChart read;
    stream.ReadComponent(&read);
    ASSERT_EQ(read.Title().Text().Count(), 2);
    EXPECT_EQ(read.Title().Text().Strings(1), "3");
    EXPECT_EQ(read.Title().Alignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(read.Foot().VertMargin(), 9);
    EXPECT_TRUE(read.SubTitle().CustomPosition());
    EXPECT_EQ(read.SubTitle().Left(), 40);
    EXPECT_FALSE(read.BackWall().Transparent());
    EXPECT_EQ(read.BackWall().Color(), clWhite);
    EXPECT_EQ(read.LeftWall().Size(), 6);
    EXPECT_EQ(read.LeftWall().Transparency(), 30);
    EXPECT_TRUE(read.RightWall().Visible());
    EXPECT_EQ(read.Frame().Color(), clGreen);
    EXPECT_EQ(read.Pages().MaxPointsPerPage(), 20);
    EXPECT_EQ(read.ScrollMouseButton(), TMouseButton::mbMiddle);
    EXPECT_EQ(read.Chart3DPercent(), 40);
    EXPECT_TRUE(read.BottomAxis()->Inverted());
    // the foot keeps its own red italic letters, unwritten
    EXPECT_EQ(read.Foot().Font().Color(), clRed);
    EXPECT_TRUE(read.Foot().Font().Style().Contains(TFontStyle::fsItalic));
}

TEST(ChartFormData, OlderBackgroundColourIsReadNeverWritten) {
    for (const bool asIdent : {true, false}) {
        OlderChart older(asIdent);
        TMemoryStream stream;
        stream.WriteComponent(&older);
        stream.SetPosition(0);
        TChart chart;
        stream.ReadComponent(&chart);
        EXPECT_EQ(chart.BackWall().Color(), asIdent ? clAqua : TColor(0x123456));
        EXPECT_EQ(FormData(chart).find("BackColor"), std::string::npos);
    }
}

TEST(ChartFormData, CustomAxesAreACollectionWrittenOnlyWithItems) {
    TChart plain;
    EXPECT_EQ(FormData(plain).find("CustomAxes"), std::string::npos);

    TChart written;
    for (int i = 0; i < 2; ++i) {
        TChartAxis* axis = written.CustomAxes().Add();
        axis->SetHorizontal(false);
        axis->SetPositionUnits(muPixels);
        axis->SetPositionPercent(40 * (i + 1));
        axis->Title().SetAngle(90);
        axis->SetAutomatic(false);
    }
    EXPECT_EQ(written.Axes().size(), 8u) << "six standard axes and the two of the collection";
    EXPECT_TRUE(written.CustomAxes().GetAxis(1)->IsCustom());
    EXPECT_FALSE(written.LeftAxis()->IsCustom());

    TMemoryStream stream;
    stream.WriteComponent(&written);
    stream.SetPosition(0);
    TChart read;
    stream.ReadComponent(&read);
    ASSERT_EQ(read.CustomAxes().Count(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const TChartAxis* axis = read.CustomAxes().GetAxis(i);
        EXPECT_FALSE(axis->Horizontal());
        EXPECT_EQ(axis->PositionUnits(), muPixels);
        EXPECT_EQ(axis->PositionPercent(), 40 * (i + 1));
        EXPECT_EQ(axis->Title().Angle(), 90);
        EXPECT_FALSE(axis->Automatic());
    }
    EXPECT_EQ(read.Axes().size(), 8u);
}

TEST(ChartFormData, AFreedCustomAxisLeavesItsCollectionAndItsFollowers) {
    TChart chart;
    TChartAxis* master = chart.CustomAxes().Add();
    TChartAxis* follower = chart.CustomAxes().Add();
    chart.CustomAxes().SetMaster(follower, master);
    delete master;
    ASSERT_EQ(chart.CustomAxes().Count(), 1);
    EXPECT_EQ(chart.CustomAxes().GetAxis(0), follower);
    EXPECT_EQ(chart.CustomAxes().Master(follower), nullptr);
    EXPECT_EQ(chart.Axes().size(), 7u);
    TChartAxis* next = chart.CustomAxes().Add();
    EXPECT_EQ(chart.CustomAxes().Master(next), nullptr) << "a new axis follows nothing";
}
