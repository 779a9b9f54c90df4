#include "chart/series/SortRange.h"

void SortRange(int first, int last, const std::function<int(int, int)>& compare,
               const std::function<void(int, int)>& swap) {
    while (first < last) {
        int i = first;
        int j = last;
        int m = static_cast<int>((static_cast<unsigned>(first) + static_cast<unsigned>(last)) >> 1);
        while (i < j) {
            while (compare(i, m) < 0) ++i;
            while (compare(m, j) < 0) --j;
            if (i < j) {
                swap(i, j);
                // the pivot index follows its item
                if (i == m)
                    m = j;
                else if (j == m)
                    m = i;
            }
            if (i <= j) {
                ++i;
                --j;
            }
        }
        // recurse into the smaller side, loop over the larger, so the stack stays shallow
        if (j - first < last - i) {
            if (first < j) SortRange(first, j, compare, swap);
            first = i;
        } else {
            if (i < last) SortRange(i, last, compare, swap);
            last = j;
        }
    }
}
