#pragma once
// The mouse input a chart reacts to, and the state of a zoom or scroll drag.

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "chart/panel/ZoomPanning.h"

#include "ui/core/Persistent.h"
#include "ui/core/TypeInfo.h"
#include "ui/forms/Messages.h"

#include <memory>

enum TChartZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
const TEnumInfo& PanningModeInfo();
const TEnumInfo& MouseButtonInfo();

// The zoom rectangle's outline: white unless told otherwise.
class TChartZoomPen : public TChartPen {
public:
    TChartZoomPen() {
        Quietly([this] { SetColor(clWhite); });
    }
};

// The zoom rectangle's fill: white and clear by default.
class TChartZoomBrush : public TChartBrush {
public:
    TChartZoomBrush() {
        Quietly([this] {
            SetColor(clWhite);
            SetStyle(TBrushStyle::bsClear);
        });
    }
};

class TChartZoom : public TZoomPanning {
    DECLARE_CLASS_INFO
public:
    TChartZoom() = default;
    TChartZoom(const TChartZoom&) = delete;
    TChartZoom& operator=(const TChartZoom&) = delete;
    // Copies all but MinimumPixels and UpLeftZooms.
    void Assign(const TChartZoom& source);
    // Any other source is ignored.
    void Assign(const TPersistent* source) override;
    // Made when first asked for; nullptr drops them, anything else is copied.
    TChartZoomPen& Pen();
    TChartZoomBrush& Brush();
    bool HasPen() const { return pen_ != nullptr; }
    bool HasBrush() const { return brush_ != nullptr; }
    void SetPen(const TChartPen* pen);
    void SetBrush(const TChartBrush* brush);
    void FreeBrush() { brush_.reset(); }
    bool Allow = true;
    bool Animated = false;
    int AnimatedSteps = 8;
    TChartZoomDirection Direction = tzdBoth;
    TShiftState KeyShift;
    int MinimumPixels = 16;
    TMouseButton MouseButton = TMouseButton::mbLeft;
    bool UpLeftZooms = false;

private:
    std::unique_ptr<TChartZoomPen> pen_;
    std::unique_ptr<TChartZoomBrush> brush_;
};
