#include "ui/controls/TextRows.h"

#include <algorithm>

void TTextRows::LayOut(std::u32string_view text, int wrapWidth, const CharWidth& widthOf) {
    rows_.clear();
    widest_ = 0;
    int start = 0;
    int length = static_cast<int>(text.size());
    for (;;) {
        auto lineEnd = text.find(U'\n', static_cast<std::size_t>(start));
        int end = lineEnd == std::u32string_view::npos ? length : static_cast<int>(lineEnd);
        LayOutLine(text, start, end, wrapWidth, widthOf);
        if (end >= length) break;
        start = end + 1;
    }
    for (const TTextRow& row : rows_) widest_ = std::max(widest_, row.width);
    endsWithBreak_ = !text.empty() && text.back() == U'\n';
}

void TTextRows::LayOutLine(std::u32string_view text, int start, int end, int wrapWidth, const CharWidth& widthOf) {
    if (start == end) {
        rows_.push_back({start, end, 0});
        return;
    }
    TTextRow row{start, start, 0};
    int lastSpace = -1;        // the row may end after this character
    int widthToSpace = 0;
    for (int at = start; at < end; ++at) {
        char32_t c = text[static_cast<std::size_t>(at)];
        int w = widthOf(c);
        bool overflows = wrapWidth > 0 && row.width + w > wrapWidth && row.end > row.start && c != U' ';
        if (overflows) {
            if (lastSpace >= row.start) {  // after the last space; the rest starts the next row
                TTextRow next{lastSpace + 1, row.end, row.width - widthToSpace};
                rows_.push_back({row.start, lastSpace + 1, widthToSpace});
                row = next;
            } else {  // a word wider than the row
                rows_.push_back(row);
                row = {at, at, 0};
            }
            lastSpace = -1;
        }
        row.end = at + 1;
        row.width += w;
        if (c == U' ') {
            lastSpace = at;
            widthToSpace = row.width;
        }
    }
    rows_.push_back(row);
}

int TTextRows::RowOf(int position) const {
    auto after = std::upper_bound(rows_.begin(), rows_.end(), position,
                                  [](int p, const TTextRow& row) { return p < row.start; });
    return std::max(0, static_cast<int>(after - rows_.begin()) - 1);
}
