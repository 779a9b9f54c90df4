#include "chart/series/PixelColumnSpan.h"

void PixelColumnSpan::Start(int y) {
    open_ = true;
    lowest_ = highest_ = last_ = y;
    leftLowest_ = leftHighest_ = false;
}

void PixelColumnSpan::Add(int y) {
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
