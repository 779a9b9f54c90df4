#include "chart/series/PixelColumnSpan.h"

void PixelColumnSpan::Start(int y) {
    open_ = true;
    lowest_ = highest_ = last_ = y;
    leftLowest_ = leftHighest_ = false;
}
