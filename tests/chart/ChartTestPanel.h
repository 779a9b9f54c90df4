#pragma once
// A chart panel for tests: counts repaints, records series events, measures
// text with a fixed-pitch font (7 pixels a character, 13 a line).

#include "chart/canvas/Canvas3D.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// Records every line it is asked to draw, with the pen it was drawn with.
class FixedPitchCanvas : public TCanvas3D {
public:
    struct Segment {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        TColor color = 0;
        int width = 0;
        bool operator==(const Segment& o) const {
            return x0 == o.x0 && y0 == o.y0 && x1 == o.x1 && y1 == o.y1;
        }
    };
    void MoveTo(int x, int y) override {
        x_ = x;
        y_ = y;
    }
    void LineTo(int x, int y) override {
        if (Pen().Style() != TPenStyle::psClear) segments.push_back({x_, y_, x, y, Pen().Color(), Pen().Width()});
        MoveTo(x, y);
    }
    void TextOut(int x, int y, const std::string& text) override { texts.push_back({x, y, text, 0, TextAlign()}); }
    void TextOutRotated(int x, int y, const std::string& text, int angle) override {
        texts.push_back({x, y, text, angle, TextAlign()});
    }
    TPoint ChartToScreen(int x, int y, int) override { return {x, y}; }
    void FillRect(const TRect& r) override { fills.push_back(r); }
    void Rectangle(int left, int top, int right, int bottom) override {
        rectangles.push_back({TRect{left, top, right, bottom}, Pen().Style() == TPenStyle::psClear ? clNone : Pen().Color(),
                              Brush().Style() == TBrushStyle::bsClear ? clNone : Brush().Color()});
    }
    struct Rect {
        TRect r;
        TColor pen, brush;  // clNone: clear
    };
    std::vector<Rect> rectangles;
    void Polygon(const TPoint* points, int count) override {
        polygons.push_back({std::vector<TPoint>(points, points + count), Brush().Style() == TBrushStyle::bsClear ? clNone : Brush().Color()});
    }
    struct Poly {
        std::vector<TPoint> points;
        TColor brush;  // clNone: clear
    };
    std::vector<Poly> polygons;
    void ClipToRect(const TRect& r) override { clips.push_back(r); }
    void ClipToBox(const TRect& r, int, int) override { clips.push_back(r); }
    void RemoveClip() override { clips.push_back(TRect{-1, -1, -1, -1}); }
    std::vector<TRect> fills;
    std::vector<TRect> clips;  // (-1, -1, -1, -1) marks a removal
    void RoundRect(int left, int top, int right, int bottom, int, int) override {
        rectangles.push_back({TRect{left, top, right, bottom}, Pen().Color(), Brush().Color()});
    }
    void Polyline(const std::vector<TPoint>& points) override {
        for (std::size_t i = 1; i < points.size(); ++i)
            segments.push_back({points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y, Pen().Color(), Pen().Width()});
    }
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void Pie(int, int, int, int, int, int, int, int) override {}
    void Draw(int, int, TGraphic*) override {}
    void StretchDraw(const TRect&, TGraphic*) override {}
    TColor GetPixel(int, int) override { return clWhite; }
    void SetPixel(int, int, TColor) override {}
    TColor QueryBackColor() override { return backColor; }
    void AssignBackColor(TColor c) override { backColor = c; }
    int QueryBackMode() override { return backMode; }
    void AssignBackMode(int mode) override { backMode = mode; }
    void FillGradient(const TRect& r, TColor, TColor, TGradientDirection, int, int, int) override { fills.push_back(r); }
    void ClipToRoundRect(const TRect& r, int) override { clips.push_back(r); }
    void ClipToEllipse(const TRect& r, bool) override { clips.push_back(r); }
    void ClipToPolygon(const TPoint*, int, bool) override { clips.push_back(TRect{}); }
    TColor backColor = clWhite;
    int backMode = TRANSPARENT_MODE;
    int TextWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return 13; }

    struct Text {
        int x, y;
        std::string text;
        int angle;
        unsigned align;
    };
    std::vector<Segment> segments;
    std::vector<Text> texts;

private:
    int x_ = 0;
    int y_ = 0;
};

class ChartTestPanel : public TCustomAxisPanel, private ITChartEventListener {
public:
    ChartTestPanel() {
        SetView3D(false);  // flat, as the program shows its charts
        SetCanvas(&canvas);
        EventListeners().push_back(this);
    }
    // The series events and page changes, in order.
    void ChartEvent(TChartEvent& event) override {
        if (auto* e = dynamic_cast<TChartSeriesEvent*>(&event)) events.emplace_back(e->Series, e->Event);
        if (dynamic_cast<TChartChangePage*>(&event)) ++pageChanges;
    }
    bool SeriesColorIsFree(TColor color, bool, TChartSeries* except) override {
        for (int i = 0; i < SeriesCount(); ++i)
            if (SeriesAt(i) != except && SeriesAt(i)->SeriesColor() == color) return false;
        return true;
    }
    int GetAxisWallSize(const TChartAxis*) override { return 0; }
    void Invalidate() override { ++repaints; }
    void DrawPanelBackground(const TRect&) override { steps.push_back("background"); }
    void DrawTitlesPass(bool before) override { steps.push_back(before ? "titles before" : "titles after"); }
    void ComputePlotRect3D() override { steps.push_back("3D"); }
    void DrawAllWalls() override { steps.push_back("walls"); }
    void Render(const TRect& r) { RenderTo(ControlCanvas(), r); }
    void SetLoading(bool value) { loading_ = value; }
    void SetReading(bool value) { reading_ = value; }
    // Lays out both axes of the series over the chart rectangle.
    void Layout(const TRect& rect) {
        SetPlotRect(rect);
        for (TChartAxis* axis : Axes()) {
            axis->ComputePixelSpan();
            axis->ComputeEffectiveRange();
        }
    }
    int EventCount(std::uint8_t kind) const {
        return static_cast<int>(std::count_if(events.begin(), events.end(), [kind](auto& e) { return e.second == kind; }));
    }

    FixedPitchCanvas canvas;
    int repaints = 0;
    int pageChanges = 0;
    std::vector<std::string> steps;
    std::vector<std::pair<TCustomChartSeries*, std::uint8_t>> events;
};
