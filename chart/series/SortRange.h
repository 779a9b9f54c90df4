#pragma once
// Quicksort of an index range driven by two callbacks, so that a series can
// sort all of its parallel lists by one of them. Not stable.

#include <functional>

// compare(a, b) < 0 when item a sorts before item b; swap(a, b) exchanges them.
void SortRange(int first, int last, const std::function<int(int, int)>& compare,
               const std::function<void(int, int)>& swap);
