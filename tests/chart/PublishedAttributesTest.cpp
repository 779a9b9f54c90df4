// What form data holds of the chart's drawing attributes: only what differs
// from the defaults each object keeps for itself, read back as written.

#include "ChartTestPanel.h"

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartFont.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/panel/ChartZoom.h"
#include "chart/panel/CustomChartPanelExtended.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/PublishedProperties.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A component that carries one attribute of each kind.
class AttributeHolder : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit AttributeHolder(TComponent* owner = nullptr) : TComponent(owner) {}
    TChartPen pen;
    TChartHiddenPen hidden;
    TDottedGrayPen dotted;
    TWhitePen white;
    TChartBrush brush;
    TChartZoomBrush zoomBrush;
    TChartFont font;
    TView3DOptions view;
    TChartZoom zoom;
};

template <class T>
auto Field(T AttributeHolder::*field) {
    return [field](AttributeHolder& h) { return &(h.*field); };
}

const TClassInfo& AttributeHolder::StaticClass() {
    using H = AttributeHolder;
    static const TClassInfo info = TPublished<H>("AttributeHolder", TComponent::StaticClass())
        .Object("Pen", &TChartPen::StaticClass, Field(&H::pen), nullptr)
        .Object("Hidden", &TChartPen::StaticClass, Field(&H::hidden), nullptr)
        .Object("Dotted", &TChartPen::StaticClass, Field(&H::dotted), nullptr)
        .Object("White", &TChartPen::StaticClass, Field(&H::white), nullptr)
        .Object("Brush", &TChartBrush::StaticClass, Field(&H::brush), nullptr)
        .Object("ZoomBrush", &TChartBrush::StaticClass, Field(&H::zoomBrush), nullptr)
        .Object("Font", &TChartFont::StaticClass, Field(&H::font), nullptr)
        .Object("View", &TView3DOptions::StaticClass, Field(&H::view), nullptr)
        .Object("Zoom", &TChartZoom::StaticClass, Field(&H::zoom), nullptr)
        .Build();
    return info;
}

std::string Write(TComponent& component) {
    TMemoryStream stream;
    stream.WriteComponent(&component);
    return std::string(stream.Bytes());
}

void Read(const std::string& data, TComponent& into) {
    TMemoryStream stream;
    stream.Write(data.data(), static_cast<std::int64_t>(data.size()));
    stream.SetPosition(0);
    stream.ReadComponent(&into);
}

// Property names are written as short strings: their length, then the name.
bool Written(const std::string& data, const std::string& name) {
    return data.find(static_cast<char>(name.size()) + name) != std::string::npos;
}

}  // namespace

TEST(PublishedAttributes, FreshAttributesWriteNothingOfTheirOwn) {
    AttributeHolder holder;
    const std::string data = Write(holder);
    for (const char* name :
         {"Pen.Visible", "Pen.Color", "Pen.Style", "Pen.Width", "Pen.EndStyle", "Pen.SmallDots", "Pen.SmallSpace",
          "Hidden.Visible", "Dotted.Color", "Dotted.Style", "Brush.Color", "Brush.BackColor", "Brush.Style",
          "ZoomBrush.Color", "ZoomBrush.Style", "Font.Color", "Font.Height", "Font.Name", "Font.Style",
          "Font.InterCharSize", "Font.OutLine.Visible", "View.Elevation", "View.Zoom", "View.Orthogonal",
          "Zoom.Allow", "Zoom.MinimumPixels", "Zoom.Pen.Color", "Zoom.Brush.Style", "Zoom.Direction"})
        EXPECT_FALSE(Written(data, name)) << name;
    // a white pen always says whether it shows
    EXPECT_TRUE(Written(data, "White.Visible"));
}

TEST(PublishedAttributes, ChangedAttributesAreWrittenAndReadBack) {
    AttributeHolder holder;
    holder.pen.Hide();
    holder.pen.SetEndStyle(esSquare);
    holder.pen.SetSmallSpace(2);
    holder.pen.SetWidth(3);
    holder.hidden.Show();
    holder.dotted.SetStyle(TPenStyle::psSolid);
    holder.brush.SetBackColor(clRed);
    holder.brush.SetStyle(TBrushStyle::bsCross);
    holder.zoomBrush.SetStyle(TBrushStyle::bsSolid);
    holder.font.SetColor(clBlue);
    holder.font.SetSize(12);
    holder.font.SetInterCharSize(2);
    holder.font.OutLine().Show();
    holder.view.SetElevation(300);
    holder.view.SetOrthogonal(false);
    holder.zoom.Allow = false;
    holder.zoom.Direction = tzdHorizontal;
    holder.zoom.KeyShift = TShiftState{TShiftStateItem::ssCtrl};
    holder.zoom.Pen().SetColor(clBlack);
    const std::string data = Write(holder);
    for (const char* name : {"Pen.Visible", "Pen.EndStyle", "Pen.SmallSpace", "Pen.Width", "Hidden.Visible",
                             "Dotted.Style", "Brush.BackColor", "Brush.Style", "ZoomBrush.Style", "Font.Color",
                             "Font.Height", "Font.InterCharSize", "Font.OutLine.Visible", "View.Elevation",
                             "View.Orthogonal", "Zoom.Allow", "Zoom.Direction", "Zoom.KeyShift", "Zoom.Pen.Color"})
        EXPECT_TRUE(Written(data, name)) << name;
    EXPECT_FALSE(Written(data, "Dotted.Color")) << "still its own grey";

    AttributeHolder back;
    Read(data, back);
    EXPECT_FALSE(back.pen.Visible());
    EXPECT_EQ(back.pen.EndStyle(), esSquare);
    EXPECT_EQ(back.pen.SmallSpace(), 2);
    EXPECT_EQ(back.pen.Width(), 3);
    EXPECT_TRUE(back.hidden.Visible());
    EXPECT_EQ(back.dotted.Style(), TPenStyle::psSolid);
    EXPECT_EQ(back.dotted.Color(), clGray);
    EXPECT_EQ(back.brush.BackColor(), clRed);
    EXPECT_EQ(back.brush.Style(), TBrushStyle::bsCross);
    EXPECT_EQ(back.zoomBrush.Style(), TBrushStyle::bsSolid);
    EXPECT_EQ(back.font.Color(), clBlue);
    EXPECT_EQ(back.font.Size(), 12);
    EXPECT_EQ(back.font.InterCharSize(), 2);
    EXPECT_TRUE(back.font.OutLine().Visible());
    EXPECT_EQ(back.view.Elevation(), 300);
    EXPECT_FALSE(back.view.Orthogonal());
    EXPECT_FALSE(back.zoom.Allow);
    EXPECT_EQ(back.zoom.Direction, tzdHorizontal);
    EXPECT_EQ(back.zoom.KeyShift, TShiftState{TShiftStateItem::ssCtrl});
    EXPECT_EQ(back.zoom.Pen().Color(), clBlack);
}

TEST(PublishedAttributes, AFontIsStoredAgainstItsOwnersDefaults) {
    AttributeHolder holder;
    holder.font.ColorDefault = clBlue;
    holder.font.SetColor(clBlue);
    EXPECT_FALSE(Written(Write(holder), "Font.Color"));
    holder.font.SetColor(clBlack);
    EXPECT_TRUE(Written(Write(holder), "Font.Color"));
}

TEST(PublishedAttributes, PanelSettingsAreWrittenOnlyWhenChanged) {
    ChartTestPanel chart;
    chart.SetView3D(true);
    const std::string fresh = Write(chart);
    for (const char* name : {"MarginLeft", "MarginTop", "MarginUnits", "BorderRound", "View3D", "Monochrome",
                             "Border.Visible", "Border.EndStyle", "View3DOptions.Zoom", "AllowPanning",
                             "BackImageMode", "Zoom.Allow", "BevelOuter", "PrintProportional"})
        EXPECT_FALSE(Written(fresh, name)) << name;

    chart.SetMarginLeft(7);
    chart.SetMarginUnits(muPixels);
    chart.Border().Show();
    chart.SetView3D(false);
    chart.View3DOptions().SetZoom(150);
    chart.AllowPanning = pmHorizontal;
    chart.SetBackImageMode(pbmTile);
    chart.Zoom().MinimumPixels = 30;
    const std::string changed = Write(chart);
    for (const char* name : {"MarginLeft", "MarginUnits", "Border.Visible", "View3D", "View3DOptions.Zoom",
                             "AllowPanning", "BackImageMode", "BackImage.Mode", "Zoom.MinimumPixels"})
        EXPECT_TRUE(Written(changed, name)) << name;

    ChartTestPanel back;
    back.SetView3D(true);
    Read(changed, back);
    EXPECT_EQ(back.MarginLeft(), 7);
    EXPECT_EQ(back.MarginUnits(), muPixels);
    EXPECT_TRUE(back.Border().Visible());
    EXPECT_EQ(back.Border().EndStyle(), esFlat);
    EXPECT_FALSE(back.View3D());
    EXPECT_EQ(back.View3DOptions().Zoom(), 150);
    EXPECT_EQ(back.AllowPanning, pmHorizontal);
    EXPECT_EQ(back.BackImageMode(), pbmTile);
    EXPECT_EQ(back.Zoom().MinimumPixels, 30);
}

TEST(PublishedAttributes, ShadowsAndGradientsOfFontsAndPanelsTravelWithThem) {
    AttributeHolder holder;
    EXPECT_FALSE(Written(Write(holder), "Font.Shadow.HorizSize"));
    holder.font.Shadow().SetHorizSize(2);
    holder.font.Gradient().SetVisible(true);
    const std::string data = Write(holder);
    EXPECT_TRUE(Written(data, "Font.Shadow.HorizSize"));
    EXPECT_TRUE(Written(data, "Font.Gradient.Visible"));
    AttributeHolder back;
    Read(data, back);
    EXPECT_EQ(back.font.Shadow().HorizSize(), 2);
    EXPECT_TRUE(back.font.Gradient().Visible());

    ChartTestPanel chart;
    chart.Shadow().SetHorizSize(4);
    chart.Gradient().SetVisible(true);
    const std::string panel = Write(chart);
    EXPECT_TRUE(Written(panel, "Shadow.HorizSize"));
    EXPECT_TRUE(Written(panel, "Gradient.Visible"));
    ChartTestPanel panelBack;
    Read(panel, panelBack);
    EXPECT_EQ(panelBack.Shadow().HorizSize(), 4);
    EXPECT_TRUE(panelBack.HasGradient() && panelBack.Gradient().Visible());
}
