#include "platform/text/DrawTextLayout.h"

#include <algorithm>

namespace platform {
namespace {

constexpr std::u32string_view kEllipsis = U"...";
constexpr int kTabStopChars = 8;

struct Cell {
    char32_t code = 0;
    bool underlined = false;
};
using Cells = std::vector<Cell>;

// "&x" underlines x, "&&" is one "&", a last lone "&" is dropped; with
// DT_HIDEPREFIX the marks go and nothing is underlined.
Cells StripPrefixes(std::u32string_view text, UINT format) {
    Cells cells;
    cells.reserve(text.size());
    bool prefixes = !(format & DT_NOPREFIX);
    bool hide = (format & DT_HIDEPREFIX) != 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (prefixes && text[i] == U'&') {
            if (++i >= text.size()) break;
            cells.push_back({text[i], text[i] != U'&' && !hide});
        } else {
            cells.push_back({text[i], false});
        }
    }
    return cells;
}

// Paragraphs end at CR, LF or CR LF; one line keeps everything but them.
std::vector<Cells> SplitParagraphs(const Cells& cells, bool singleLine) {
    std::vector<Cells> paragraphs(1);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        char32_t code = cells[i].code;
        if (code == U'\r' || code == U'\n') {
            if (singleLine) continue;
            if (code == U'\r' && i + 1 < cells.size() && cells[i + 1].code == U'\n') ++i;
            paragraphs.emplace_back();
        } else {
            paragraphs.back().push_back(cells[i]);
        }
    }
    return paragraphs;
}

class LineMeasure {
public:
    LineMeasure(const TextMeasurer& measurer, bool expandTabs)
        : measurer_(measurer),
          expandTabs_(expandTabs),
          tabWidth_(std::max(1, kTabStopChars * measurer.AverageCharWidth())) {}

    // The pen position after a character that starts at x (line-relative).
    int Step(int x, char32_t code) const {
        if (code == U'\t' && expandTabs_) return (x / tabWidth_ + 1) * tabWidth_;
        return x + measurer_.Advance(code);
    }

    int Width(const Cells& cells) const {
        int x = 0;
        for (const Cell& cell : cells) x = Step(x, cell.code);
        return x;
    }

    int Width(std::u32string_view text) const {
        int x = 0;
        for (char32_t code : text) x = Step(x, code);
        return x;
    }

private:
    const TextMeasurer& measurer_;
    bool expandTabs_;
    int tabWidth_;
};

bool IsBlank(char32_t code) { return code == U' '; }

std::size_t SkipBlanks(const Cells& cells, std::size_t at) {
    while (at < cells.size() && IsBlank(cells[at].code)) ++at;
    return at;
}

// Greedy wrapping at blanks; the blanks at a break belong to no line. A word
// wider than the line stays whole (and overflows) unless DT_EDITCONTROL,
// which breaks it between characters as an edit control does.
std::vector<Cells> WrapParagraph(const Cells& paragraph, int width, bool breakWords, const LineMeasure& measure) {
    std::vector<Cells> lines;
    std::size_t start = 0;
    while (true) {
        int x = 0;
        std::size_t wordEnd = start;  // end of the last whole word that fits, or start
        std::size_t end = paragraph.size();
        std::size_t next = paragraph.size();
        for (std::size_t i = start; i < paragraph.size(); ++i) {
            if (IsBlank(paragraph[i].code) && i > start && !IsBlank(paragraph[i - 1].code)) wordEnd = i;
            x = measure.Step(x, paragraph[i].code);
            if (x <= width || i == start) continue;
            if (IsBlank(paragraph[i].code)) {
                end = wordEnd > start ? wordEnd : i;  // only blanks overflow
            } else if (wordEnd > start) {
                end = wordEnd;
            } else if (breakWords) {
                end = i;
            } else {
                end = i;
                while (end < paragraph.size() && !IsBlank(paragraph[end].code)) ++end;
            }
            next = SkipBlanks(paragraph, end);
            break;
        }
        lines.emplace_back(paragraph.begin() + static_cast<std::ptrdiff_t>(start),
                           paragraph.begin() + static_cast<std::ptrdiff_t>(end));
        if (next >= paragraph.size()) break;
        start = next;
    }
    return lines;
}

Cells WithEllipsis(const Cells& line, std::size_t keep, const Cells& tail) {
    Cells result(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(keep));
    for (char32_t code : kEllipsis) result.push_back({code, false});
    result.insert(result.end(), tail.begin(), tail.end());
    return result;
}

// Pen positions after each start of the line: positions[n] ends n cells.
std::vector<int> PrefixWidths(const Cells& line, const LineMeasure& measure) {
    std::vector<int> positions(line.size() + 1, 0);
    for (std::size_t i = 0; i < line.size(); ++i) positions[i + 1] = measure.Step(positions[i], line[i].code);
    return positions;
}

// The start of n cells without the blanks it ends in.
std::size_t TrimmedLength(const Cells& line, std::size_t n) {
    while (n > 0 && IsBlank(line[n - 1].code)) --n;
    return n;
}

// The longest start of the line that fits with "..." after it (blanks
// before the dots dropped); word ellipses cut between words where one fits.
// With no room even for the dots they stay alone.
Cells EndEllipsis(const Cells& line, int width, bool atWords, const LineMeasure& measure) {
    std::vector<int> positions = PrefixWidths(line, measure);
    int dots = measure.Width(kEllipsis);
    std::size_t best = 0;
    for (std::size_t n = line.size(); n > 0; --n) {
        std::size_t kept = TrimmedLength(line, n);
        if (positions[kept] + dots > width) continue;
        bool wordEnd = n == line.size() || IsBlank(line[n].code);
        if (best == 0) best = kept;
        if (!atWords || wordEnd) {
            best = kept;
            break;
        }
    }
    return WithEllipsis(line, best, {});
}

// Keeps the last part of a path whole ("\name") and shortens what is before it.
Cells PathEllipsis(const Cells& line, int width, const LineMeasure& measure) {
    std::size_t split = line.size();
    for (std::size_t i = line.size(); i > 0; --i) {
        if (line[i - 1].code == U'\\' || line[i - 1].code == U'/') {
            split = i - 1;
            break;
        }
    }
    if (split == line.size()) return EndEllipsis(line, width, false, measure);
    Cells tail(line.begin() + static_cast<std::ptrdiff_t>(split), line.end());
    std::vector<int> positions = PrefixWidths(line, measure);
    int rest = measure.Width(kEllipsis) + measure.Width(tail);
    for (std::size_t n = split; n > 0; --n) {
        if (positions[n] + rest <= width) return WithEllipsis(line, n, tail);
    }
    return WithEllipsis(line, 0, tail);
}

DrawTextLine MakeLine(const Cells& cells, const LineMeasure& measure) {
    DrawTextLine line;
    line.segments.emplace_back();
    int x = 0;
    for (const Cell& cell : cells) {
        if (cell.code == U'\t') {
            x = measure.Step(x, cell.code);
            line.segments.emplace_back();
            line.segments.back().x = x;
            continue;
        }
        DrawTextSegment& segment = line.segments.back();
        if (cell.underlined) segment.underlined.push_back(segment.text.size());
        segment.text += cell.code;
        x = measure.Step(x, cell.code);
    }
    line.width = x;
    return line;
}

}  // namespace

DrawTextPlan LayOutDrawText(std::u32string_view text, const RECT& rect, UINT format, const TextMeasurer& measurer) {
    DrawTextPlan plan;
    bool singleLine = (format & DT_SINGLELINE) != 0;
    LineMeasure measure(measurer, (format & DT_EXPANDTABS) != 0);
    int width = rect.right - rect.left;
    plan.lineHeight = measurer.LineHeight() + ((format & DT_EXTERNALLEADING) ? measurer.ExternalLeading() : 0);

    std::vector<Cells> lines;
    for (const Cells& paragraph : SplitParagraphs(StripPrefixes(text, format), singleLine)) {
        if ((format & DT_WORDBREAK) && !singleLine) {
            for (Cells& line : WrapParagraph(paragraph, width, (format & DT_EDITCONTROL) != 0, measure)) {
                lines.push_back(std::move(line));
            }
        } else {
            lines.push_back(paragraph);
        }
    }

    for (Cells& line : lines) {
        if (measure.Width(line) <= width) continue;
        if (format & DT_PATH_ELLIPSIS) {
            line = PathEllipsis(line, width, measure);
        } else if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) {
            line = EndEllipsis(line, width, (format & DT_WORD_ELLIPSIS) != 0, measure);
        }
    }

    int widest = 0;
    int y = rect.top;
    if (singleLine && (format & DT_VCENTER)) {
        y = rect.top + (rect.bottom - rect.top - plan.lineHeight) / 2;
    } else if (singleLine && (format & DT_BOTTOM)) {
        y = rect.bottom - plan.lineHeight;
    }
    for (std::size_t i = 0; i < lines.size(); ++i, y += plan.lineHeight) {
        DrawTextLine line = MakeLine(lines[i], measure);
        widest = std::max(widest, line.width);
        line.top = y;
        if (format & DT_CENTER) {
            line.left = rect.left + (width - line.width) / 2;
        } else if (format & DT_RIGHT) {
            line.left = rect.right - line.width;
        } else {
            line.left = rect.left;
        }
        // An edit control shows no line cut off at the bottom, save the first.
        bool cutOff = i > 0 && y + plan.lineHeight > rect.bottom;
        if (!((format & DT_EDITCONTROL) && cutOff)) plan.lines.push_back(std::move(line));
    }

    int height = static_cast<int>(lines.size()) * plan.lineHeight;
    plan.calcRect = RECT{rect.left, rect.top, rect.left + widest, rect.top + height};
    plan.result = (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) ? y - rect.top : height;
    return plan;
}

}  // namespace platform
