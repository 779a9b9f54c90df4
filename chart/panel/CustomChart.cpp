#include "chart/panel/CustomChart.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/core/ChartRegistries.h"
#include "chart/series/ChartSeries.h"
#include "chart/text/TextRoutines.h"
#include "ui/core/Exceptions.h"
#include "ui/core/Filer.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/core/Writer.h"
#include "ui/graphics/Colors.h"

#include <algorithm>

TShiftState ChartScrollShift;
bool ChartWheelScrolls = true;

namespace {

// Each step of an animated zoom covers this part of what remains.
constexpr double AnimatedZoomFactor = 3.0;

}  // namespace

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

// ---- colour palette and stored settings ----

void TCustomChart::SetColorPaletteIndex(int value) {
    if (colorPaletteIndex_ == value) return;
    colorPaletteIndex_ = value;
    ApplyColorPalette(*this, value);
}

void TCustomChart::DefineProperties(TFiler& filer) {
    TCustomAxisPanel::DefineProperties(filer);
    filer.DefineProperty(
        "ColorPaletteIndex", [this](TReader& r) { SetColorPaletteIndex(r.ReadInteger()); },
        [this](TWriter& w) { w.WriteInteger(colorPaletteIndex_); }, colorPaletteIndex_ > 0);
    DefineBackColor(filer);
}

// ---- legend ----

std::string TCustomChart::GetLegendText(TCustomChartLegend* legend, int index) {
    std::string text = legend->ItemText(index);
    if (OnGetLegendText) OnGetLegendText(this, legend->InternalStyle(), index, text);
    return text;
}

std::string TCustomChart::LegendValueText(TChartSeries* series, int index) {
    if (!series || index == -1) return std::string();
    return ReplaceChar(series->LegendItemText(index, legend_.TextStyle()), '\r', ' ');
}

void TCustomChart::DrawLegendSymbolRect(const TRect& rect) {
    TCanvas3D& c = *Canvas();
    TLegendSymbol& symbol = legend_.Symbol();
    if (symbol.Gradient().Visible() || symbol.Shadow().Visible()) {
        symbol.Draw(c, c.Brush().Color(), rect);
        return;
    }
    c.Rectangle(rect);
    // a symbol in the legend's own colour would vanish: outline it
    if (c.Brush().Style() != TBrushStyle::bsClear && c.Brush().Color() == LegendBackColor) {
        c.Brush().SetStyle(TBrushStyle::bsClear);
        if (LegendBackColor == clBlack) c.Pen().SetColor(clWhite);
        c.Rectangle(rect);
    }
}
