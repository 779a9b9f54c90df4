#pragma once
// The points of a 2D line that fall in one pixel column, gathered so the
// column is drawn by one or two vertical lines in place of a line a point.
// Joined in order by one-pixel lines, which leave out their last pixel, the
// points cover every pixel from the lowest to the highest except the last
// point when it is an end of the span the line never went on from; a wide
// pen covers the span from the lowest to the highest with its caps either way.

class TChartAxis;

class PixelColumnSpan {
public:
    bool Open() const { return open_; }
    // A new column at the point where the line stands.
    void Start(int y);
    // The line goes on to `y` in the same column. Inline: a dense line adds
    // most of its points here.
    void Add(int y) {
        if (y == last_) return;
        if (last_ == lowest_) leftLowest_ = true;
        if (last_ == highest_) leftHighest_ = true;
        last_ = y;
        if (y < lowest_) {
            lowest_ = y;
            leftLowest_ = false;
        }
        if (y > highest_) {
            highest_ = y;
            leftHighest_ = false;
        }
    }
    // The line goes on through `count` values, values[0], values[step]...,
    // put on rows by `axis`: the same as Add for each row, in one pass over
    // the values with only the few rows that matter mapped. False, with
    // nothing changed, when a value is NaN or the axis cannot give the values
    // of a row exactly: the caller then adds row by row.
    bool AddValues(const TChartAxis& axis, const double* values, int count, int step);
    int Last() const { return last_; }
    void Close() { open_ = false; }
    // Calls draw(from, to) for each vertical line that draws the column;
    // not at all when the line never moved.
    template <class Draw>
    void ForEachLine(Draw draw) const {
        if (lowest_ == highest_) return;
        if (last_ == highest_ && !leftHighest_) {
            draw(lowest_, highest_);
        } else if (last_ == lowest_ && !leftLowest_) {
            draw(highest_, lowest_);
        } else {
            draw(lowest_, highest_);
            draw(highest_, lowest_);
        }
    }

private:
    // Whether the line, from the last row on through the values, leaves
    // `row` (an extreme of the column with them) after it first reaches it;
    // `reached` says whether the values reach it. False when it cannot tell.
    bool LeavesRow(const TChartAxis& axis, const double* values, int count, int step, int row, bool reached,
                   int lastRow, bool& leaves) const;

    bool open_ = false;
    int lowest_ = 0;
    int highest_ = 0;
    int last_ = 0;
    bool leftLowest_ = false;   // a line has started at the lowest pixel
    bool leftHighest_ = false;  // a line has started at the highest pixel
};
