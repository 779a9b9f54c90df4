#pragma once
// The chart component: an axis panel with walls that turns the mouse input
// of its window into zooming, scrolling and clicks on its parts.

#include "chart/legend/ChartLegend.h"
#include "chart/panel/ChartTitle.h"
#include "chart/panel/ChartWall.h"
#include "chart/panel/ChartWalls.h"
#include "chart/panel/ChartZoom.h"
#include "chart/panel/CustomAxisPanel.h"

#include <functional>
#include <vector>

class TCustomChart;

enum TChartClickedPartKind {
    cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpChartRect, cpSeriesMarks, cpSubTitle, cpSubFoot,
    cpAxisTitle
};

struct TChartClickedPart {
    TChartClickedPartKind Part = cpNone;
    int PointIndex = -1;
    TChartSeries* ASeries = nullptr;
    TChartAxis* AAxis = nullptr;
};

using TChartAllowScrollEvent = std::function<void(TChartAxis*, double& minimum, double& maximum, bool& allow)>;
using TChartClickSeries =
    std::function<void(TCustomChart*, TChartSeries*, int valueIndex, TMouseButton, TShiftState, int x, int y)>;
using TChartClickAxis = std::function<void(TCustomChart*, TChartAxis*, TMouseButton, TShiftState, int x, int y)>;
using TChartClick = std::function<void(TCustomChart*, TMouseButton, TShiftState, int x, int y)>;
using TChartClickTitle = std::function<void(TCustomChart*, TChartTitle*, TMouseButton, TShiftState, int x, int y)>;
using TOnGetLegendPos = std::function<void(TCustomChart*, int index, int& x, int& y, int& xColor)>;
using TOnGetLegendRect = std::function<void(TCustomChart*, TRect&)>;
using TOnGetLegendText = std::function<void(TCustomAxisPanel*, TLegendStyle, int index, std::string& text)>;

// Scrolling by dragging needs these keys held (none: any state will do).
extern TShiftState ChartScrollShift;
// The wheel scrolls the vertical axes.
extern bool ChartWheelScrolls;

class TCustomChart : public TCustomAxisPanel {
public:
    explicit TCustomChart(TComponent* owner = nullptr);
    ~TCustomChart() override;
    // From another chart its scroll button and walls, then the axis panel's settings.
    void Assign(const TPersistent* source) override;
    // The series, then the tools.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

    // ---- scroll settings (the zoom settings are the panel's) ----
    TMouseButton ScrollMouseButton() const { return scrollMouseButton_; }
    void SetScrollMouseButton(TMouseButton value) { scrollMouseButton_ = value; }

    // ---- zooming ----
    void ZoomToRectangle();
    void ZoomToValues(double topMin, double topMax, double bottomMin, double bottomMax, double leftMin, double leftMax,
                      double rightMin, double rightMax);
    // Puts the axes back as the first zoom or scroll found them, then the panel's undo.
    void UndoZoom() override;
    void SaveAxisScales();
    void RestoreAxisScales();
    bool HasAxisSeries() const;

    // ---- clicks ----
    TChartClickedPart FindClickedPart(TPoint p, bool onlyClickable);
    // Every active tool hears the mouse in turn until one cancels it.
    void DispatchToolMouse(TChartToolMouseKind kind, TMouseButton button, TShiftState shift, int x, int y);
    void DispatchToolWheel(TChartToolWheelKind kind, int delta, int x, int y);

    bool SeriesColorIsFree(TColor color, bool checkBackground, TChartSeries* series) override;
    // The chart's colour behind a transparent back wall, else the wall's.
    TColor BackgroundColor() override;
    void SetBackgroundColor(TColor color);

    // ---- titles ----
    TChartTitle& Title() { return title_; }
    TChartTitle& SubTitle() { return subTitle_; }
    TChartTitle& Foot() { return foot_; }
    TChartTitle& SubFoot() { return subFoot_; }

    // ---- legend ----
    TChartLegend& Legend() { return legend_; }
    void SetLegend(const TChartLegend& legend) { legend_.Assign(legend); }
    // The row's text, as the legend's event may change it.
    std::string GetLegendText(TCustomChartLegend* legend, int index);
    // A point's text in the legend's text style, on one line.
    std::string LegendValueText(TChartSeries* series, int index) override;
    void DrawLegendSymbolRect(const TRect& rect) override;

    // ---- colour palette (the palettes are in ChartRegistries) ----
    int ColorPaletteIndex() const { return colorPaletteIndex_; }
    // A different index applies that palette.
    void SetColorPaletteIndex(int value);
    // The index of the palette just applied.
    void StoreColorPaletteIndex(int value) { colorPaletteIndex_ = value; }
    // "ColorPaletteIndex", written when a palette is chosen, and the
    // background colour of older chart data, read and never written.
    void DefineProperties(TFiler& filer) override;
    void DefineBackColor(TFiler& filer);

    // ---- walls ----
    TChartWalls& Walls() { return walls_; }
    TChartWall& BackWall() { return walls_.Back; }
    TChartWall& LeftWall() { return walls_.Left; }
    TChartWall& BottomWall() { return walls_.Bottom; }
    TChartWall& RightWall() { return walls_.Right; }
    TChartPen& Frame() { return walls_.Back.Pen(); }
    int GetAxisWallSize(const TChartAxis* axis) override;
    // Whether a side wall stands between the viewer and the series.
    bool IsRightWallFront();
    bool IsLeftWallFront();

    // ---- events ----
    TChartAllowScrollEvent OnAllowScroll;
    TChartClickSeries OnClickSeries;
    TChartClickAxis OnClickAxis;
    TChartClick OnClickBackground;
    TChartClickTitle OnClickTitle;
    TChartClick OnClickLegend;
    TOnGetLegendPos OnGetLegendPos;
    TOnGetLegendRect OnGetLegendRect;
    TOnGetLegendText OnGetLegendText;

protected:
    // ---- the window's mouse ----
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    void DoMouseWheelDown();
    void DoMouseWheelUp();

    void DrawZoomRectangleInCycle() override;
    // The zoom rectangle straight onto the window, outside a frame.
    void DrawZoomRectangleOnScreen();

    void ComputePlotRect3D() override;
    // Before the series the titles the chart places, taking their room;
    // after them the custom-positioned ones and the walls that stand in front.
    void DrawTitlesPass(bool beforeSeries) override;
    // Title, SubTitle, Foot and SubFoot in turn, those placed by hand or those placed by the chart.
    void DrawTitles(bool customPositioned);
    bool TitleClick(TChartTitle* title, TMouseButton button, TShiftState shift, int x, int y);
    void DrawAllWalls() override;
    // The walls that stand in front of the series, after them.
    void DrawFrontWalls();
    void DrawBackWall();
    void DrawLeftWall();
    void DrawRightWall();
    void DrawBottomWall();
    void PrepareWallCanvas(TChartWall& wall);

    bool StartDrag(TMouseButton button, TShiftState shift, int x, int y);
    bool BackgroundClick(TMouseButton button, TShiftState shift, int x, int y);
    void ScrollPass(bool horizontal, int position, int last);
    void ScrollVerticalAxes(double sign);
    void SaveScalesOnce();

private:
    struct SavedScale {
        bool automatic = false, automaticMinimum = false, automaticMaximum = false;
        double minimum = 0, maximum = 0;
    };
    TMouseButton scrollMouseButton_ = TMouseButton::mbRight;
    bool firstZoom_ = true;
    std::vector<SavedScale> savedScales_;
    TChartWalls walls_{this};
    TChartTitle title_{this};
    TChartTitle subTitle_{this};
    TChartFootTitle foot_{this};
    TChartFootTitle subFoot_{this};
    TChartLegend legend_{this};
    int colorPaletteIndex_ = 0;
};
