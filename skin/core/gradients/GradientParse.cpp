#include "skin/core/gradients/Gradients.h"

#include "ui/core/NumberConversion.h"

#include <algorithm>
#include <vector>

namespace {

constexpr char kSeparator = ';';
constexpr std::size_t kGroupSize = 5;
constexpr std::int32_t kMaxPercent = 100;

std::vector<std::string_view> NonEmptyFields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(kSeparator, start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

}  // namespace

void ParseGradientData(std::string_view text, TSkGradArray& steps) {
    steps.clear();
    std::vector<std::string_view> fields = NonEmptyFields(text);
    std::size_t groups = fields.size() / kGroupSize;
    TSkGradArray parsed(groups);
    for (std::size_t i = 0; i < groups; ++i) {
        const std::string_view* g = &fields[i * kGroupSize];
        TSkGradStep& step = parsed[i];
        step.Color1 = std::max(StrToInt(g[0]), 0);
        step.Color2 = std::max(StrToInt(g[1]), 0);
        step.Percent = static_cast<std::uint8_t>(std::clamp(StrToInt(g[2]), 0, kMaxPercent));
        step.Mode = StrToInt(g[3]);
    }
    steps = std::move(parsed);
}
