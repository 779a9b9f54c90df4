#pragma once
// The rows a multi-line edit shows: each line of its text, or, when wrapping,
// each line cut after the last space that fits the width (inside a word only
// when the word alone is wider).

#include <functional>
#include <string_view>
#include <vector>

struct TTextRow {
    int start = 0;  // characters [start, end) of the text, without the line break
    int end = 0;
    int width = 0;  // pixels, as the sum of its characters' widths
};

class TTextRows {
public:
    using CharWidth = std::function<int(char32_t)>;

    // Lines end with "\n". A wrap width of 0 or less keeps every line whole.
    void LayOut(std::u32string_view text, int wrapWidth, const CharWidth& widthOf);
    int Count() const { return static_cast<int>(rows_.size()); }
    // Rows the scroll range covers: the empty row after a final line break,
    // where only the caret may stand, is not counted (as lines are not).
    int ScrollCount() const { return endsWithBreak_ ? Count() - 1 : Count(); }
    const TTextRow& Row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
    // The row a caret position stands in: at a wrap point, the row it starts.
    int RowOf(int position) const;
    int WidestRow() const { return widest_; }

private:
    void LayOutLine(std::u32string_view text, int start, int end, int wrapWidth, const CharWidth& widthOf);

    std::vector<TTextRow> rows_{TTextRow{}};
    int widest_ = 0;
    bool endsWithBreak_ = false;
};
