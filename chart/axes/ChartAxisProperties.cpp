// What an axis publishes, and what of it form data holds: only
// the settings that differ from their defaults, some of which depend on the
// axis (its side, whether it is a custom or a depth axis, its limits' flags).

#include "chart/axes/ChartAxis.h"

#include "chart/axes/ChartDepthAxis.h"
#include "chart/core/ChartConst.h"
#include "chart/panel/CustomAxisPanel.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Picture.h"

#include <cstdint>

const TEnumInfo& AxisLabelStyleInfo() {
    static const TEnumInfo info("TAxisLabelStyle", {"talAuto", "talNone", "talValue", "talMark", "talText"});
    return info;
}

const TEnumInfo& AxisLabelAlignInfo() {
    static const TEnumInfo info("TAxisLabelAlign", {"alDefault", "alOpposite"});
    return info;
}

const TEnumInfo& ChartUnitsInfo() {
    static const TEnumInfo info("TChartUnits", {"muPercent", "muPixels"});
    return info;
}

const TClassInfo& TChartAxis::StaticClass() {
    using A = TChartAxis;
    static const TClassInfo info = TPublished<A>("TChartAxis", TCollectionItem::StaticClass())
        .Boolean("Automatic", &A::Automatic, &A::SetAutomatic, true)
        .Boolean("AutomaticMaximum", &A::AutomaticMaximum, &A::SetAutomaticMaximum, true)
        .Boolean("AutomaticMinimum", &A::AutomaticMinimum, &A::SetAutomaticMinimum, true)
        .Object("Axis", &TChartAxisPen::StaticClass, [](A& a) { return &a.axisPen_; }, nullptr)
        .String("AxisValuesFormat", &A::AxisValuesFormat, &A::SetAxisValuesFormat)
        .Stored([](const A& a) { return a.AxisValuesFormat() != ChartConst::DefaultValueFormat; })
        .String("DateTimeFormat", &A::DateTimeFormat, &A::SetDateTimeFormat)
        .Stored([](const A& a) { return !a.DateTimeFormat().empty(); })
        .Boolean("ExactDateTime", &A::ExactDateTime, &A::SetExactDateTime, true)
        .Object("Grid", &TAxisGridPen::StaticClass, [](A& a) { return &a.grid_; }, nullptr)
        .Boolean("GridCentered", &A::GridCentered, &A::SetGridCentered, false)
        .Float("Increment", &A::Increment, &A::SetIncrement)
        .Stored([](const A& a) { return a.Increment() != 0; })
        .Boolean("Inverted", &A::Inverted, &A::SetInverted, false)
        .Boolean("Horizontal", &A::Horizontal, &A::SetHorizontal)
        .Stored(&A::IsCustom)
        .Boolean("OtherSide", &A::OtherSide, &A::SetOtherSide)
        .Stored(&A::IsCustom)
        .Boolean("Labels", &A::Labels, &A::SetLabels, true)
        .Enumeration("LabelsAlign", AxisLabelAlignInfo(), &A::LabelsAlign, &A::SetLabelsAlign, alDefault)
        .Boolean("LabelsAlternate", &A::LabelsAlternate, &A::SetLabelsAlternate, false)
        .Integer("LabelsAngle", &A::LabelsAngle, &A::SetLabelsAngle, 0)
        .Boolean("LabelsExponent", &A::LabelsExponent, &A::SetLabelsExponent, false)
        .Object("LabelsFont", &TFont::StaticClass, [](A& a) { return &a.LabelsFont(); }, nullptr)
        .Boolean("LabelsMultiLine", &A::LabelsMultiLine, &A::SetLabelsMultiLine, false)
        .Boolean("LabelsOnAxis", &A::LabelsOnAxis, &A::SetLabelsOnAxis, true)
        .Integer("LabelsSeparation", &A::LabelsSeparation, &A::SetLabelsSeparation, 10)
        .Integer("LabelsSize", &A::LabelsSize, &A::SetLabelsSize, 0)
        .Enumeration("LabelStyle", AxisLabelStyleInfo(), &A::LabelStyle, &A::SetLabelStyle, talAuto)
        .Boolean("Logarithmic", &A::Logarithmic, &A::SetLogarithmic, false)
        .Float("LogarithmicBase", &A::LogarithmicBase, &A::SetLogarithmicBase)
        .Stored([](const A& a) { return a.LogarithmicBase() != 10; })
        .Float("Maximum", &A::Maximum, &A::SetMaximum)
        .Stored([](const A& a) { return !a.Automatic() && !a.AutomaticMaximum(); })
        .Integer("MaximumOffset", &A::MaximumOffset, &A::SetMaximumOffset, 0)
        .Boolean("MaximumRound", &A::MaximumRound, &A::SetMaximumRound, false)
        .Float("Minimum", &A::Minimum, &A::SetMinimum)
        .Stored([](const A& a) { return !a.Automatic() && !a.AutomaticMinimum(); })
        .Integer("MinimumOffset", &A::MinimumOffset, &A::SetMinimumOffset, 0)
        .Boolean("MinimumRound", &A::MinimumRound, &A::SetMinimumRound, false)
        .Object("MinorGrid", &TChartPen::StaticClass, [](A& a) { return &a.minorGrid_; }, nullptr)
        .Integer("MinorTickCount", &A::MinorTickCount, &A::SetMinorTickCount, 3)
        .Integer("MinorTickLength", &A::MinorTickLength, &A::SetMinorTickLength, 2)
        .Object("MinorTicks", &TChartPen::StaticClass, [](A& a) { return &a.minorTicks_; }, nullptr)
        .Float("StartPosition", &A::StartPosition, &A::SetStartPosition)
        .Stored([](const A& a) { return a.StartPosition() != 0; })
        .Float("EndPosition", &A::EndPosition, &A::SetEndPosition)
        .Stored([](const A& a) { return a.EndPosition() != 100; })
        .Float("PositionPercent", &A::PositionPercent, &A::SetPositionPercent)
        .Stored([](const A& a) { return a.PositionPercent() != 0; })
        .Enumeration("PositionUnits", ChartUnitsInfo(), &A::PositionUnits, &A::SetPositionUnits, muPercent)
        .Boolean("RoundFirstLabel", &A::RoundFirstLabel, &A::SetRoundFirstLabel, true)
        .Integer("TickInnerLength", &A::TickInnerLength, &A::SetTickInnerLength, 0)
        .Integer("TickLength", &A::TickLength, &A::SetTickLength, 4)
        .Object("Ticks", &TChartPen::StaticClass, [](A& a) { return &a.ticksPen_; }, nullptr)
        .Object("TicksInner", &TChartPen::StaticClass, [](A& a) { return &a.ticksInner_; }, nullptr)
        .Boolean("TickOnLabelsOnly", &A::TickOnLabelsOnly, &A::SetTickOnLabelsOnly, true)
        .Object("Title", &TChartAxisTitle::StaticClass, [](A& a) { return &a.title_; }, nullptr)
        .Integer("TitleSize", &A::TitleSize, &A::SetTitleSize, 0)
        .Boolean("Visible", &A::Visible, &A::SetVisible)
        .Stored([](const A& a) { return a.Visible() != !a.IsDepthAxis(); })  // depth axes start hidden
        .Float("ZPosition", &A::ZPosition, &A::SetZPosition)
        .Stored(&A::ZPositionStored)
        .Build();
    return info;
}

namespace {

// Axes and their titles can be made by name from form data while the engine is loaded.
struct AxisClassRegistration {
    AxisClassRegistration() {
        for (const TClassInfo* info : Classes()) RegisterClass(*info);
    }
    ~AxisClassRegistration() {
        for (const TClassInfo* info : Classes()) UnRegisterClass(*info);
    }
    static std::vector<const TClassInfo*> Classes() {
        return {&TChartAxisTitle::StaticClass(), &TChartAxis::StaticClass(), &TChartDepthAxis::StaticClass(),
                &TChartAxisPen::StaticClass(), &TAxisGridPen::StaticClass()};
    }
} registration;

}  // namespace

void TChartAxis::Assign(const TPersistent* source) {
    if (const auto* axis = dynamic_cast<const TChartAxis*>(source))
        Assign(*axis);
    else
        TPersistent::Assign(source);
}

bool TChartAxis::IsCustom() const {
    if (!chart_) return false;
    for (int i = 0; i < chart_->CustomAxes().Count(); ++i)
        if (chart_->CustomAxes().GetAxis(i) == this) return true;
    return false;
}

bool TChartAxis::ZPositionStored() const {
    if (depth_) return false;
    if (otherSide_) return zPosition_ != 100;
    return zPosition_ > 0.011;
}
