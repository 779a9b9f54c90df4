#pragma once
// The chart component: an axis panel that turns mouse input into zooming,
// scrolling and clicks on its parts.

#include "chart/ChartWalls.h"
#include "chart/ChartZoom.h"
#include "chart/CustomAxisPanel.h"

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

using TChartNotifyEvent = std::function<void(TCustomChart*)>;
using TChartAllowScrollEvent = std::function<void(TChartAxis*, double& minimum, double& maximum, bool& allow)>;
using TChartClickSeries =
    std::function<void(TCustomChart*, TChartSeries*, int valueIndex, TMouseButton, TShiftState, int x, int y)>;
using TChartClickAxis = std::function<void(TCustomChart*, TChartAxis*, TMouseButton, TShiftState, int x, int y)>;
using TChartClick = std::function<void(TCustomChart*, TMouseButton, TShiftState, int x, int y)>;

class TCustomChart : public TCustomAxisPanel {
public:
    // ---- zoom and scroll settings ----
    TChartZoom& Zoom() { return zoom_; }
    TZoomPanning& ScrollDrag() { return scrollDrag_; }
    TPanningMode AllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode value) { allowPanning_ = value; }
    TMouseButton ScrollMouseButton() const { return scrollMouseButton_; }
    void SetScrollMouseButton(TMouseButton value) { scrollMouseButton_ = value; }
    bool ZoomActive() const { return zoomActive_; }
    bool MouseCancelled = false;

    // ---- zooming ----
    void ZoomToRectangle();
    void ZoomToValues(double topMin, double topMax, double bottomMin, double bottomMax, double leftMin, double leftMax,
                      double rightMin, double rightMax);
    void UndoZoom();
    void SaveAxisScales();
    void RestoreAxisScales();
    bool HasAxisSeries() const;

    // ---- mouse (the control's handlers) ----
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void MouseWheelDown();
    void MouseWheelUp();
    TChartClickedPart FindClickedPart(TPoint p, bool onlyClickable);

    bool SeriesColorIsFree(TColor color, bool checkBackground, TChartSeries* series) override;
    TColor Color = clSilver;

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
    TChartNotifyEvent OnZoom;
    TChartNotifyEvent OnUndoZoom;
    TChartNotifyEvent OnScroll;
    TChartAllowScrollEvent OnAllowScroll;
    TChartClickSeries OnClickSeries;
    TChartClickAxis OnClickAxis;
    TChartClick OnClickBackground;
    // The control's own OnMouseDown, run before the chart's handling.
    TChartClick OnMouseDown;

protected:
    void ComputePlotRect3D() override;
    // The titles' pass; after the series it draws the walls that stand in front of them.
    void DrawTitlesPass(bool beforeSeries) override;
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

private:
    struct SavedScale {
        bool automatic = false, automaticMinimum = false, automaticMaximum = false;
        double minimum = 0, maximum = 0;
    };
    TChartZoom zoom_;
    TZoomPanning scrollDrag_;
    TPanningMode allowPanning_ = pmBoth;
    TMouseButton scrollMouseButton_ = TMouseButton::mbRight;
    bool zoomActive_ = false;
    bool firstZoom_ = true;
    std::vector<SavedScale> savedScales_;
    TChartWalls walls_{this};
};
