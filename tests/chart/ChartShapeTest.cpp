// Framed text boxes: what a box draws for its settings (a recording canvas)
// and how it looks on pixels.

#include "ChartTestPanel.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/core/ChartCustomShape.h"
#include "chart/core/ChartCustomShapePosition.h"
#include "chart/core/ChartShape.h"
#include "chart/effects/FlipFilter.h"
#include "ui/core/Filer.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Writer.h"

#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

namespace {

class TBoxPanel : public TCustomChartPanelExtended {
public:
    using TCustomChartPanelExtended::TCustomChartPanelExtended;
    int repaints = 0;
    void Invalidate() override {
        ++repaints;
        TCustomChartPanelExtended::Invalidate();
    }
};

}  // namespace

TEST(ChartShape, WhatABoxDrawsForItsSettings) {
    const struct {
        const char* what;
        void (*set)(TChartShape&);
        int rectangles;  // the outline and the shadow bands, as the recording canvas sees them
    } cases[] = {
        {"solid shadow: two bands, then the box", [](TChartShape& s) { s.Shadow().SetSmooth(false); }, 3},
        {"no shadow: the outline", [](TChartShape& s) { s.SetShadow(nullptr); }, 1},
        {"transparent: nothing at all", [](TChartShape& s) { s.SetTransparent(true); }, 0},
        {"clear brush: no shadow",
         [](TChartShape& s) {
             s.Shadow().SetSmooth(false);
             s.Brush().SetStyle(TBrushStyle::bsClear);
         },
         1},
    };
    for (const auto& c : cases) {
        ChartTestPanel panel;
        TChartShape shape(&panel);
        c.set(shape);
        shape.ShapeRect = TRect{10, 10, 60, 30};
        panel.canvas.SuspendRotation();  // titles and legends are drawn flat
        shape.DrawShape();
        panel.canvas.ResumeRotation();
        EXPECT_EQ(static_cast<int>(panel.canvas.rectangles.size()), c.rectangles) << c.what;
    }
}

TEST(ChartShape, SizesCountBothEdges) {
    TChartShape shape;
    shape.ShapeRect = TRect{10, 10, 20, 20};
    EXPECT_EQ(shape.ShapeWidth(), 11);
    EXPECT_EQ(shape.ShapeHeight(), 11);
    shape.SetShapeHeight(5);
    EXPECT_EQ(shape.ShapeRect.Bottom, 14);
    EXPECT_EQ(shape.Shadow().HorizSize(), 3);  // a box casts a black shadow of 3 by default
    EXPECT_EQ(shape.Shadow().Color(), clBlack);
    EXPECT_FALSE(shape.Shadow().SizeStored());
}

TEST(ChartShape, ARotatedBoxIsAPolygonWithoutBevel) {
    const std::vector<TPoint> corners = RotatedCorners(TRect{0, 0, 20, 10}, 90);
    // turned a quarter counter-clockwise about (10, 5)
    EXPECT_EQ(corners[0], (TPoint{5, 15}));
    EXPECT_EQ(corners[1], (TPoint{5, -5}));
    EXPECT_EQ(corners[2], (TPoint{15, -5}));
    EXPECT_EQ(corners[3], (TPoint{15, 15}));
}

TEST(ChartShape, SettersRepaintOnlyOnChange) {
    TBoxPanel panel;
    TChartShape shape(&panel);
    panel.repaints = 0;
    shape.SetColor(clWhite);
    shape.SetRoundSize(16);
    shape.SetVisible(true);
    EXPECT_EQ(panel.repaints, 0);
    shape.SetColor(clRed);
    shape.SetRoundSize(4);
    shape.Pen().SetWidth(3);
    shape.Font().SetSize(14);
    EXPECT_EQ(panel.repaints, 4);
    TChartShape copy;
    copy.Assign(shape);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.RoundSize(), 4);
    EXPECT_EQ(copy.Pen().Width(), 3);
    EXPECT_EQ(copy.Font().Size(), 14);
}

TEST(ChartShape, BoxesOnPixels) {
    TBoxPanel panel;
    panel.SetBounds(0, 0, 120, 80);
    TBitmap bitmap(120, 80);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(TRect{0, 0, 120, 80});
    auto* gdi = dynamic_cast<TChartCanvas3D*>(panel.Canvas());
    gdi->SetBuffered(false);
    gdi->PrepareDrawing(bitmap.Canvas(), nullptr, clWhite, false, TRect{0, 0, 120, 80});
    TChartShape box(&panel);
    box.Shadow().SetSmooth(false);
    box.SetColor(clYellow);
    box.Pen().SetColor(clBlue);
    box.ShapeRect = TRect{10, 10, 50, 30};
    gdi->SuspendRotation();
    box.DrawShape();
    TChartShape half(&panel);
    half.SetShadow(nullptr);
    half.SetColor(clBlack);
    half.SetTransparency(50);
    half.ShapeRect = TRect{70, 10, 110, 30};
    half.DrawShape();
    gdi->ResumeRotation();
    TCanvas& c = *bitmap.Canvas();
    EXPECT_EQ(c.Pixels(30, 20), clYellow);
    EXPECT_EQ(c.Pixels(10, 20), clBlue);       // the outline
    EXPECT_EQ(c.Pixels(51, 20), clBlack);      // the shadow beside it
    EXPECT_EQ(c.Pixels(30, 31), clBlack);      // and below it
    EXPECT_EQ(c.Pixels(55, 20), clWhite);
    const TColor mixed = c.Pixels(90, 20);    // black over white, half transparent
    EXPECT_GE(mixed & 0xFF, 0x70u);
    EXPECT_LE(mixed & 0xFF, 0x90u);
}

TEST(ChartShape, FiltersWithoutAPictureWorkOnTheBackgroundSeenThrough) {
    TBoxPanel panel;
    panel.SetBounds(0, 0, 60, 40);
    TBitmap bitmap(60, 40);
    TCanvas& c = *bitmap.Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect(TRect{0, 0, 60, 40});
    c.Brush()->SetColor(clRed);
    c.FillRect(TRect{0, 0, 60, 20});
    auto* gdi = dynamic_cast<TChartCanvas3D*>(panel.Canvas());
    gdi->SetBuffered(false);
    gdi->PrepareDrawing(&c, nullptr, clWhite, false, TRect{0, 0, 60, 40});
    TChartShape box(&panel);
    box.SetShadow(nullptr);
    box.Pen().Hide();
    box.SetTransparency(100);  // only the background shows
    box.Picture().Filters().Add(TFlipFilter::StaticClass());
    box.ShapeRect = TRect{10, 10, 50, 30};
    box.DrawShape();
    EXPECT_EQ(c.Pixels(30, 12), clWhite) << "the box's top shows the bottom of what is behind it";
    EXPECT_EQ(c.Pixels(30, 27), clRed);
    EXPECT_EQ(c.Pixels(5, 5), clRed) << "outside the box nothing changes";
    EXPECT_EQ(c.Pixels(5, 35), clWhite);
}

namespace {

// Older form data that gives boxes their shadow under the old names.
class OlderBoxes : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit OlderBoxes(TComponent* owner = nullptr) : TComponent(owner) {}
    TChartCustomShapePosition named, numbered;
    bool older = false;
    void DefineProperties(TFiler& filer) override {
        TComponent::DefineProperties(filer);
        if (!older) return;
        filer.DefineProperty("Named.ShadowColor", nullptr, [](TWriter& w) { w.WriteIdent("clRed"); }, true);
        filer.DefineProperty("Named.ShadowSize", nullptr, [](TWriter& w) { w.WriteInteger(5); }, true);
        filer.DefineProperty("Numbered.ShadowColor", nullptr, [](TWriter& w) { w.WriteInteger(0x00FF00); }, true);
    }
};

const TClassInfo& OlderBoxes::StaticClass() {
    using O = OlderBoxes;
    static const TClassInfo info =
        TPublished<O>("OlderBoxes", TComponent::StaticClass())
            .Object("Named", &TChartCustomShapePosition::StaticClass, [](O& o) { return &o.named; }, nullptr)
            .Object("Numbered", &TChartCustomShapePosition::StaticClass, [](O& o) { return &o.numbered; },
                    nullptr)
            .Build();
    return info;
}

}  // namespace

TEST(ChartShape, OlderShadowSettingsAreReadAndNeverWritten) {
    OlderBoxes older;
    older.older = true;
    TMemoryStream stream;
    stream.WriteComponent(&older);
    stream.SetPosition(0);
    OlderBoxes boxes;
    stream.ReadComponent(&boxes);
    EXPECT_EQ(boxes.named.Shadow().Color(), clRed);
    EXPECT_EQ(boxes.named.Shadow().HorizSize(), 5);
    EXPECT_EQ(boxes.named.Shadow().VertSize(), 5);
    EXPECT_EQ(boxes.numbered.Shadow().Color(), static_cast<TColor>(0x00FF00));

    TMemoryStream written;
    written.WriteComponent(&boxes);
    const std::string bytes(written.Bytes());
    EXPECT_EQ(bytes.find("ShadowColor"), std::string::npos);
    EXPECT_EQ(bytes.find("ShadowSize"), std::string::npos);
}
