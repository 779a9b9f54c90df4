#pragma once
// A chart element listed by the chart as a series: its title and whether the
// legend shows it.

#include "chart/series/CustomChartElement.h"

#include <cstdint>
#include <string>

class TCustomChartSeries : public TCustomChartElement {
    DECLARE_CLASS_INFO
public:
    explicit TCustomChartSeries(TComponent* owner = nullptr) : TCustomChartElement(owner) {}
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value);
    // Carried for editors and form data only; nothing draws by them.
    const std::string& Identifier() const { return identifier_; }
    void SetIdentifier(const std::string& value) { identifier_ = value; }
    // Six flags, bits 0-5.
    std::uint8_t Style() const { return style_; }
    void SetStyle(std::uint8_t value) { style_ = value & 0x3F; }

protected:
    bool showInLegend_ = true;
    std::string title_;
    std::string identifier_;
    std::uint8_t style_ = 0;
};
