// The texts a series gives for its points: mark texts and legend item texts.

#include "chart/series/ChartSeries.h"

#include "chart/axes/ChartAxis.h"
#include "chart/axes/DateTimeSteps.h"
#include "chart/core/ChartConst.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/text/TextRoutines.h"
#include "common/TextFormatting.h"
#include "ui/core/DateTimeFormatting.h"
#include "ui/core/FloatFormatting.h"

#include <cmath>

void TChartSeries::SetValueFormat(const std::string& value) {
    if (valueFormat_ == value) return;
    valueFormat_ = value;
    Repaint();
}

void TChartSeries::SetPercentFormat(const std::string& value) {
    if (percentFormat_ == value) return;
    percentFormat_ = value;
    Repaint();
}

std::string TChartSeries::XValueText(int index) {
    if (effectiveHorizAxis_) return effectiveHorizAxis_->ValueLabelText(XValueAt(index));
    return FormatFloat(valueFormat_, XValueAt(index));
}

std::string TChartSeries::PercentText(int index, bool withTotal) {
    const double sum = mandatory_->AbsoluteSum();
    const double p = sum == 0 ? 100 : std::fabs(PointMarkValue(index)) * 100 / sum;
    std::string text = FormatFloat(percentFormat_, p);
    if (withTotal) {
        const std::string& pattern =
            marks_.MultiLine() ? ChartConst::MarkValueOfPercentMultiLine : ChartConst::MarkValueOfPercent;
        text = FormatString(pattern, {text, FormatFloat(valueFormat_, sum)});
    }
    return text;
}

namespace {

// An item's own lines, one mark line each.
std::string ItemText(const TStrings& lines) {
    std::string text;
    for (int k = 0; k < lines.Count(); ++k) text += (k ? "\r" : "") + lines.Strings(k);
    return text;
}

}  // namespace

std::string TChartSeries::GetMarkText(int i) {
    if (i < marks_.Items().Count()) {
        if (const TStrings* lines = marks_.Items().Get(i).Text()) {
            std::string text = ItemText(*lines);
            if (OnGetMarkText) OnGetMarkText(this, i, text);
            return text;
        }
    }
    const std::string sep = marks_.MultiLine() ? "\r" : " ";
    const std::string value = FormatFloat(valueFormat_, PointMarkValue(i));
    std::string label = PointLabel(i);
    if (label.empty()) label = value;
    std::string text;
    switch (marks_.Style()) {
        case smsValue: text = value; break;
        case smsPercent: text = PercentText(i, false); break;
        case smsLabel: text = label; break;
        case smsLabelPercent: text = label + sep + PercentText(i, false); break;
        case smsLabelValue: text = label + sep + value; break;
        case smsLegend:
            text = parentChart_ ? parentChart_->LegendValueText(this, i) : std::string();
            if (!marks_.MultiLine()) text = ReplaceChar(text, '\x06', ' ');
            break;
        case smsPercentTotal: text = PercentText(i, true); break;
        case smsLabelPercentTotal: text = label + sep + PercentText(i, true); break;
        case smsXValue: text = XValueText(i); break;
        case smsXY: text = XValueText(i) + sep + value; break;
        case smsSeriesTitle: text = SeriesTitleText(*this); break;
        case smsPointIndex: text = std::to_string(i); break;
        case smsPercentRelative: {
            // a first value of 0 has no ratio to show
            const double first = PointMarkValue(0);
            if (i == 0)
                text = FormatFloat(percentFormat_, 100);
            else if (first != 0)
                text = FormatFloat(percentFormat_, PointMarkValue(i) * 100 / first);
            break;
        }
    }
    if (OnGetMarkText) OnGetMarkText(this, i, text);
    return text;
}

std::string TChartSeries::LegendItemText(int item, TLegendTextStyle style) {
    const int i = LegendRowToPoint(item);
    const std::string label = PointLabel(i);
    if (style == ltsPlain) return label;
    const double v = PointMarkValue(i);
    const std::string valueText = mandatory_->DateTime() ? DateTimeToString(DateTimeFormatFor(v), v)
                                                         : FormatFloat(valueFormat_, v);
    const double sum = mandatory_->AbsoluteSum();
    const std::string percentText = FormatFloat(percentFormat_, sum == 0 ? 100 : v * 100 / sum);
    const std::string col = "\x06";
    switch (style) {
        case ltsLeftValue: return label.empty() ? valueText : valueText + col + label;
        case ltsRightValue: return label.empty() ? valueText : label + col + valueText;
        case ltsLeftPercent: return label.empty() ? percentText : percentText + col + label;
        case ltsRightPercent: return label.empty() ? percentText : label + col + percentText;
        case ltsXValue: return XValueText(i);
        case ltsValue: return valueText;
        case ltsPercent: return percentText;
        case ltsXAndValue: return XValueText(i) + col + valueText;
        case ltsXAndPercent: return XValueText(i) + col + percentText;
        default: return label;
    }
}
