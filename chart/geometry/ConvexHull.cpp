#include "chart/geometry/ConvexHull.h"

#include <cmath>
#include <utility>

namespace {

// Sorts by ascending key, partitioning on the middle element's key.
void SortByKey(std::vector<TPoint>& points, std::vector<float>& keys, int low, int high) {
    while (low < high) {
        int i = low, j = high;
        const float middle = keys[static_cast<std::size_t>((low + high) / 2)];
        while (i <= j) {
            while (keys[static_cast<std::size_t>(i)] < middle) ++i;
            while (keys[static_cast<std::size_t>(j)] > middle) --j;
            if (i <= j) {
                std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(j)]);
                std::swap(points[static_cast<std::size_t>(i)], points[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        }
        if (low < j) SortByKey(points, keys, low, j);
        low = i;
    }
}

}  // namespace

bool ConvexHull(std::vector<TPoint>& points) {
    if (points.size() < 3) return false;
    if (points.size() == 3) return true;
    // The pivot: the highest point on the screen, the rightmost of a tie.
    std::size_t pivotAt = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const TPoint& p = points[i];
        const TPoint& best = points[pivotAt];
        if (p.Y < best.Y || (p.Y == best.Y && p.X > best.X)) pivotAt = i;
    }
    const TPoint pivot = points[pivotAt];
    points[pivotAt] = points.back();
    points.pop_back();

    // The others by their direction from the pivot, right to left.
    std::vector<float> keys(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double dx = pivot.X - points[i].X;
        const double dy = pivot.Y - points[i].Y;
        const double distance = std::sqrt(dx * dx + dy * dy);
        keys[i] = distance == 0 ? 0.0f : static_cast<float>(dx / distance);
    }
    SortByKey(points, keys, 0, static_cast<int>(points.size()) - 1);

    // Points that do not turn the outline's way go, and the walk steps back.
    std::size_t i = 1;
    while (i + 1 < points.size()) {
        const TPoint& prev = points[i - 1];
        const TPoint& cur = points[i];
        const TPoint& next = points[i + 1];
        const long long turn = static_cast<long long>(prev.X - cur.X) * (next.Y - cur.Y) -
                               static_cast<long long>(next.X - cur.X) * (prev.Y - cur.Y);
        if (turn < 0) {
            ++i;
        } else {
            points.erase(points.begin() + static_cast<std::ptrdiff_t>(i));
            if (i > 1) --i;
        }
    }
    points.push_back(pivot);
    return true;
}
