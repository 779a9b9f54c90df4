#include "chart/Chart.h"

#include "chart/ChartCanvas.h"
#include "chart/ChartSeries.h"
#include "ui/core/Exceptions.h"
#include "ui/core/Filer.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/graphics/Colors.h"

#include <algorithm>

TShiftState ChartScrollShift;
bool ChartWheelScrolls = true;

namespace {

// Each step of an animated zoom covers this part of what remains.
constexpr double AnimatedZoomFactor = 3.0;

}  // namespace

const TClassInfo& TChart::StaticClass() {
    using C = TChart;
    static const TClassInfo info =
        TPublished<C>("TChart", TCustomChartPanelExtended::StaticClass())
            .Boolean("AxisBehind", &C::AxisBehind, &C::SetAxisBehind, true)
            .Boolean("AxisVisible", &C::AxisVisible, &C::SetAxisVisible, true)
            .Object("BackWall", &TChartBackWall::StaticClass, [](C& c) { return &c.Walls().Back; }, nullptr)
            .Object("BottomAxis", &TChartAxis::StaticClass, [](C& c) { return c.BottomAxis(); }, nullptr)
            .Object("BottomWall", &TChartBottomWall::StaticClass, [](C& c) { return &c.Walls().Bottom; },
                    nullptr)
            .Integer("Chart3DPercent", &C::Chart3DPercent, &C::SetChart3DPercent, 15)
            .Boolean("ClipPoints", &C::ClipPoints, &C::SetClipPoints, true)
            .Object("CustomAxes", &TCollection::StaticClass, [](C& c) { return &c.CustomAxes(); }, nullptr)
            .Stored([](const C& c) { return c.CustomAxes().Count() > 0; })
            .Object("DepthAxis", &TChartDepthAxis::StaticClass, [](C& c) { return c.DepthAxis(); }, nullptr)
            .Object("DepthTopAxis", &TChartDepthAxis::StaticClass, [](C& c) { return c.DepthTopAxis(); },
                    nullptr)
            .Object("Foot", &TChartFootTitle::StaticClass, [](C& c) { return &c.Foot(); }, nullptr)
            // the back wall's pen under another name: read, written with the back wall
            .Object("Frame", &TPen::StaticClass, [](C& c) { return &c.Frame(); }, nullptr)
            .Stored([](const C&) { return false; })
            .Object("LeftAxis", &TChartAxis::StaticClass, [](C& c) { return c.LeftAxis(); }, nullptr)
            .Object("LeftWall", &TChartLeftWall::StaticClass, [](C& c) { return &c.Walls().Left; }, nullptr)
            .Object("Legend", &TChartLegend::StaticClass, [](C& c) { return &c.Legend(); }, nullptr)
            .Object("Pages", &TChartPage::StaticClass, [](C& c) { return &c.Pages(); }, nullptr)
            .Object("RightAxis", &TChartAxis::StaticClass, [](C& c) { return c.RightAxis(); }, nullptr)
            .Object("RightWall", &TChartRightWall::StaticClass, [](C& c) { return &c.Walls().Right; }, nullptr)
            .Enumeration("ScrollMouseButton", MouseButtonInfo(), &C::ScrollMouseButton, &C::SetScrollMouseButton,
                         static_cast<int>(TMouseButton::mbRight))
            .Object("SeriesGroups", &TCollection::StaticClass, [](C& c) { return &c.SeriesGroups(); }, nullptr)
            .Stored([](const C& c) { return c.SeriesGroups().Count() > 0; })
            .Object("SubFoot", &TChartFootTitle::StaticClass, [](C& c) { return &c.SubFoot(); }, nullptr)
            .Object("SubTitle", &TChartTitle::StaticClass, [](C& c) { return &c.SubTitle(); }, nullptr)
            .Object("Title", &TChartTitle::StaticClass, [](C& c) { return &c.Title(); }, nullptr)
            .Object("TopAxis", &TChartAxis::StaticClass, [](C& c) { return c.TopAxis(); }, nullptr)
            .Boolean("View3DWalls", &C::View3DWalls, &C::SetView3DWalls, true)
            .Build();
    return info;
}

void TCustomChart::DefineBackColor(TFiler& filer) {
    // older chart data names the plot's background colour on the chart itself
    filer.DefineProperty(
        "BackColor",
        [this](TReader& reader) {
            TColor color = clNone;
            if (reader.NextValue() == TValueType::vaIdent) {
                const std::string ident = reader.ReadIdent();
                if (!IdentToColor(ident, color)) throw EReadError("Invalid property value");
            } else {
                color = static_cast<TColor>(reader.ReadInteger());
            }
            SetBackgroundColor(color);
        },
        nullptr, false);
}

TCustomChart::TCustomChart(TComponent* owner) : TCustomAxisPanel(owner) {}

TCustomChart::~TCustomChart() { SetRepaintOnChange(false); }

void TCustomChart::Assign(const TPersistent* source) {
    if (auto* chart = dynamic_cast<const TCustomChart*>(source)) {
        foot_.Assign(chart->foot_);
        scrollMouseButton_ = chart->scrollMouseButton_;
        subFoot_.Assign(chart->subFoot_);
        subTitle_.Assign(chart->subTitle_);
        title_.Assign(chart->title_);
        walls_.Assign(chart->walls_);
        legend_.Assign(chart->legend_);
    }
    TCustomAxisPanel::Assign(source);
}

void TCustomChart::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    TCustomAxisPanel::GetChildren(proc, root);
    for (TChartTool* tool : Tools()) proc(tool);
}

// ---- zoom ----

void TCustomChart::SaveAxisScales() {
    savedScales_.assign(Axes().size(), SavedScale{});
    for (std::size_t i = 0; i < Axes().size(); ++i) {
        TChartAxis* axis = Axes()[i];
        if (axis->IsDepthAxis()) continue;
        savedScales_[i] = {axis->Automatic(), axis->AutomaticMinimum(), axis->AutomaticMaximum(), axis->Minimum(),
                           axis->Maximum()};
    }
}

void TCustomChart::RestoreAxisScales() {
    const std::size_t n = std::min(savedScales_.size(), Axes().size());
    for (std::size_t i = 0; i < n; ++i) {
        TChartAxis* axis = Axes()[i];
        if (axis->IsDepthAxis()) continue;
        const SavedScale& s = savedScales_[i];
        axis->RestoreScale(s.automatic, s.automaticMinimum, s.automaticMaximum, s.minimum, s.maximum);
    }
}

void TCustomChart::SaveScalesOnce() {
    // later zooms and scrolls keep the scales from before the first
    if (!firstZoom_) return;
    SaveAxisScales();
    firstZoom_ = false;
}

void TCustomChart::ZoomToRectangle() {
    Zoom().Normalize();
    ZoomToValues(TopAxis()->ScreenToValue(Zoom().StartX), TopAxis()->ScreenToValue(Zoom().EndX),
                 BottomAxis()->ScreenToValue(Zoom().StartX), BottomAxis()->ScreenToValue(Zoom().EndX),
                 LeftAxis()->ScreenToValue(Zoom().EndY), LeftAxis()->ScreenToValue(Zoom().StartY),
                 RightAxis()->ScreenToValue(Zoom().EndY), RightAxis()->ScreenToValue(Zoom().StartY));
}

void TCustomChart::ZoomToValues(double topMin, double topMax, double bottomMin, double bottomMax, double leftMin,
                                double leftMax, double rightMin, double rightMax) {
    SaveScalesOnce();
    const bool vertical = Zoom().Direction != tzdHorizontal;
    const bool horizontal = Zoom().Direction != tzdVertical;
    if (Zoom().Animated) {
        auto step = [](TChartAxis* axis, double minimum, double maximum) {
            axis->SetLimits(axis->Minimum() + (minimum - axis->Minimum()) / AnimatedZoomFactor,
                            axis->Maximum() - (axis->Maximum() - maximum) / AnimatedZoomFactor);
        };
        for (int i = 1; i < Zoom().AnimatedSteps; ++i) {
            if (vertical) {
                step(LeftAxis(), leftMin, leftMax);
                step(RightAxis(), rightMin, rightMax);
            }
            if (horizontal) {
                step(TopAxis(), topMin, topMax);
                step(BottomAxis(), bottomMin, bottomMax);
            }
            Refresh();
        }
    }
    if (vertical) {
        LeftAxis()->SetLimits(leftMin, leftMax);
        RightAxis()->SetLimits(rightMin, rightMax);
    }
    if (horizontal) {
        TopAxis()->SetLimits(topMin, topMax);
        BottomAxis()->SetLimits(bottomMin, bottomMax);
    }
    ZoomActive = true;
    FireEvent(OnZoom, this);
}

void TCustomChart::UndoZoom() {
    if (!firstZoom_) {
        RestoreAxisScales();
        savedScales_.clear();
        firstZoom_ = true;
    }
    TCustomChartPanelExtended::UndoZoom();
}

bool TCustomChart::HasAxisSeries() const {
    bool anyActive = false;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = SeriesAt(i);
        if (!s->Active()) continue;
        anyActive = true;
        if (s->UsesAxes()) return true;
    }
    return !anyActive;
}

// ---- colours ----

bool TCustomChart::SeriesColorIsFree(TColor color, bool checkBackground, TChartSeries* series) {
    for (int i = 0; i < SeriesCount(); ++i)
        if (SeriesAt(i) != series && SeriesAt(i)->SeriesColor() == color) return false;
    return !(checkBackground && (color == Color() || color == walls_.Back.Color()));
}

TColor TCustomChart::BackgroundColor() { return walls_.Back.Transparent() ? Color() : walls_.Back.Color(); }

void TCustomChart::SetBackgroundColor(TColor color) {
    walls_.Back.SetColor(color);
    if (Parent() && !Loading()) walls_.Back.Brush().SetStyle(TBrushStyle::bsSolid);
}

// ---- background ----

