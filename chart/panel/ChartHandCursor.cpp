#include "chart/panel/ChartHandCursor.h"

#include "ui/core/ResourceStream.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

void RegisterChartResources();  // generated from resources/cursors/

namespace {

constexpr std::string_view kHandArt = "CHART_CURSOR_HAND";
constexpr std::string_view kHotSpot = "hotspot ";

std::string_view NextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

bool ReadNumber(std::string_view& text, int& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

}  // namespace

platform::HCURSOR CursorFromArt(std::string_view art) {
    std::string_view header = NextLine(art);
    int hotX = 0, hotY = 0;
    if (!header.starts_with(kHotSpot)) return nullptr;
    header.remove_prefix(kHotSpot.size());
    if (!ReadNumber(header, hotX) || !ReadNumber(header, hotY)) return nullptr;
    std::vector<std::string_view> rows;
    while (!art.empty())
        if (std::string_view row = NextLine(art); !row.empty()) rows.push_back(row);
    if (rows.empty()) return nullptr;
    const int width = static_cast<int>(rows.front().size());
    const int height = static_cast<int>(rows.size());
    // rows of the planes padded to 16 bits
    const int stride = (width + 15) / 16 * 2;
    std::vector<std::uint8_t> andPlane(static_cast<std::size_t>(stride * height)), xorPlane(andPlane.size());
    for (int y = 0; y < height; ++y) {
        if (static_cast<int>(rows[static_cast<std::size_t>(y)].size()) != width) return nullptr;
        for (int x = 0; x < width; ++x) {
            const auto at = static_cast<std::size_t>(y * stride + x / 8);
            const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            switch (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
                case '.': andPlane[at] |= bit; break;
                case 'o': xorPlane[at] |= bit; break;
                case '#': break;
                default: return nullptr;
            }
        }
    }
    return platform::CreateCursor(nullptr, hotX, hotY, width, height, andPlane.data(), xorPlane.data());
}

TChartHandCursor::TChartHandCursor() {
    RegisterChartResources();
    if (const TResourceEntry* art = FindResourceEntry(kHandArt, RT_RCDATA)) handle_ = CursorFromArt(art->bytes);
    if (handle_) Screen->SetCursors(crChartHand, handle_);
}

TChartHandCursor::~TChartHandCursor() {
    if (!handle_) return;
    Screen->SetCursors(crChartHand, nullptr);
    platform::DestroyCursor(handle_);
}
