#include "platform/text/detail/SymbolGlyphs.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace platform {
namespace {

using Shape = std::vector<std::vector<PointF>>;

std::vector<PointF> Box(double left, double top, double right, double bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

// A stroke of the given thickness from a to b, with square ends.
std::vector<PointF> Bar(PointF a, PointF b, double thickness) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double length = std::hypot(dx, dy);
    double nx = -dy / length * thickness / 2, ny = dx / length * thickness / 2;
    double ex = dx / length * thickness / 2, ey = dy / length * thickness / 2;
    return {{a.x - ex + nx, a.y - ey + ny}, {b.x + ex + nx, b.y + ey + ny},
            {b.x + ex - nx, b.y + ey - ny}, {a.x - ex - nx, a.y - ey - ny}};
}

// A window outline with a thick title bar.
void AddWindow(Shape& shape, double left, double top, double right, double bottom) {
    constexpr double side = 0.07, title = 0.14;
    shape.push_back(Box(left, top, right, top + title));
    shape.push_back(Box(left, top, left + side, bottom));
    shape.push_back(Box(right - side, top, right, bottom));
    shape.push_back(Box(left, bottom - side, right, bottom));
}

Shape CheckMark() {
    return {Bar({0.2, 0.45}, {0.4, 0.65}, 0.13), Bar({0.4, 0.65}, {0.8, 0.2}, 0.13)};
}

Shape Cross() {
    return {Bar({0.22, 0.17}, {0.78, 0.73}, 0.12), Bar({0.78, 0.17}, {0.22, 0.73}, 0.12)};
}

Shape CaptionOrArrow(char32_t code) {
    Shape shape;
    switch (code) {
        case U'0':  // minimize
            shape.push_back(Box(0.2, 0.62, 0.7, 0.75));
            break;
        case U'1':  // maximize
            AddWindow(shape, 0.15, 0.1, 0.85, 0.8);
            break;
        case U'2':  // restore: a window in front of another
            AddWindow(shape, 0.15, 0.35, 0.65, 0.8);
            shape.push_back(Box(0.35, 0.1, 0.85, 0.24));
            shape.push_back(Box(0.78, 0.1, 0.85, 0.55));
            shape.push_back(Box(0.35, 0.1, 0.42, 0.35));
            shape.push_back(Box(0.65, 0.48, 0.85, 0.55));
            break;
        case U'r':  // close
            return Cross();
        case U'3':
            shape.push_back({{0.62, 0.15}, {0.62, 0.75}, {0.32, 0.45}});
            break;
        case U'4':
            shape.push_back({{0.38, 0.15}, {0.68, 0.45}, {0.38, 0.75}});
            break;
        case U'5':
            shape.push_back({{0.2, 0.6}, {0.5, 0.3}, {0.8, 0.6}});
            break;
        case U'6':
            shape.push_back({{0.2, 0.3}, {0.8, 0.3}, {0.5, 0.6}});
            break;
        case U't':
            shape.push_back({{0.3, 0.55}, {0.5, 0.35}, {0.7, 0.55}});
            break;
        case U'u':
            shape.push_back({{0.3, 0.35}, {0.7, 0.35}, {0.5, 0.55}});
            break;
        case U'a':
            return CheckMark();
        default:
            break;
    }
    return shape;
}

}  // namespace

SymbolGlyphSet SymbolGlyphSetFor(std::string_view faceName) {
    std::string name(faceName);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    while (!name.empty() && name.back() == ' ') name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(name.begin());
    if (name == "marlett" || name == "webdings") return SymbolGlyphSet::CaptionAndArrows;
    if (name == "wingdings") return SymbolGlyphSet::Wingdings;
    return SymbolGlyphSet::None;
}

std::vector<std::vector<PointF>> SymbolGlyphShape(SymbolGlyphSet set, char32_t code) {
    switch (set) {
        case SymbolGlyphSet::CaptionAndArrows:
            return CaptionOrArrow(code);
        case SymbolGlyphSet::Wingdings:
            if (code == 0xFC) return CheckMark();
            if (code == 0xFB) return Cross();
            return {};
        case SymbolGlyphSet::None:
            break;
    }
    return {};
}

}  // namespace platform
