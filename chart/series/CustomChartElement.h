#pragma once
// What a chart holds as a part of its own: switched on and off, drawn with
// a pen and a brush, and a child of its chart in form data.

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "ui/core/Component.h"

class TCustomAxisPanel;

// The chart element base.
class TCustomChartElement : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TCustomChartElement(TComponent* owner = nullptr);

    bool Active() const { return active_; }
    virtual void SetActive(bool value);
    TCustomAxisPanel* ParentChart() const { return parentChart_; }
    virtual void SetParentChart(TCustomAxisPanel* chart);
    // Invalidates the parent chart, when there is one.
    void Repaint();

    // In form data a chart element is a child of its chart.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    // The chart stores itself here as it takes the series in.
    void StoreParentChart(TCustomAxisPanel* chart) { parentChart_ = chart; }

    TChartPen& Pen() { return pen_; }
    TChartBrush& Brush() { return brush_; }

protected:
    bool active_ = true;
    TCustomAxisPanel* parentChart_ = nullptr;
    TChartPen pen_;
    TChartBrush brush_;
};
