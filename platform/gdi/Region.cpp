#include "platform/gdi/Region.h"

#include <algorithm>
#include <utility>

namespace platform {

Region::Region() { pixman_region32_init(&region_); }

Region::Region(const RECT& rect) {
    RECT r = NormalizedRect(rect);
    if (RectIsEmpty(r)) {
        pixman_region32_init(&region_);
    } else {
        pixman_region32_init_rect(&region_, r.left, r.top, static_cast<unsigned>(r.right - r.left),
                                  static_cast<unsigned>(r.bottom - r.top));
    }
}

Region::Region(const Region& other) {
    pixman_region32_init(&region_);
    pixman_region32_copy(&region_, const_cast<pixman_region32_t*>(&other.region_));
}

Region& Region::operator=(const Region& other) {
    if (this != &other) pixman_region32_copy(&region_, const_cast<pixman_region32_t*>(&other.region_));
    return *this;
}

Region::Region(Region&& other) noexcept : Region() { pixman_region32_copy(&region_, &other.region_); }

Region& Region::operator=(Region&& other) noexcept {
    if (this != &other) pixman_region32_copy(&region_, &other.region_);
    return *this;
}

Region::~Region() { pixman_region32_fini(&region_); }

Region Region::FromRects(const std::vector<RECT>& rects) {
    std::vector<pixman_box32_t> boxes;
    boxes.reserve(rects.size());
    for (const RECT& rect : rects) {
        RECT r = NormalizedRect(rect);
        if (!RectIsEmpty(r)) boxes.push_back({r.left, r.top, r.right, r.bottom});
    }
    Region result;
    if (!boxes.empty()) {
        pixman_region32_fini(&result.region_);
        pixman_region32_init_rects(&result.region_, boxes.data(), static_cast<int>(boxes.size()));
    }
    return result;
}

bool Region::IsEmpty() const { return !pixman_region32_not_empty(const_cast<pixman_region32_t*>(&region_)); }

RECT Region::Bounds() const {
    if (IsEmpty()) return {};
    const pixman_box32_t* box = pixman_region32_extents(const_cast<pixman_region32_t*>(&region_));
    return {box->x1, box->y1, box->x2, box->y2};
}

int Region::Complexity() const {
    int count = pixman_region32_n_rects(const_cast<pixman_region32_t*>(&region_));
    return count == 0 ? NULLREGION : count == 1 ? SIMPLEREGION : COMPLEXREGION;
}

std::vector<RECT> Region::Rects() const {
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(&region_), &count);
    std::vector<RECT> rects;
    rects.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) rects.push_back({boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
    return rects;
}

bool Region::Contains(LONG x, LONG y) const {
    return pixman_region32_contains_point(const_cast<pixman_region32_t*>(&region_), x, y, nullptr);
}

bool Region::Overlaps(const RECT& rect) const {
    RECT r = NormalizedRect(rect);
    if (RectIsEmpty(r)) return false;
    pixman_box32_t box{r.left, r.top, r.right, r.bottom};
    return pixman_region32_contains_rectangle(const_cast<pixman_region32_t*>(&region_), &box) != PIXMAN_REGION_OUT;
}

void Region::Intersect(const Region& other) {
    pixman_region32_intersect(&region_, &region_, const_cast<pixman_region32_t*>(&other.region_));
}

void Region::Unite(const Region& other) {
    pixman_region32_union(&region_, &region_, const_cast<pixman_region32_t*>(&other.region_));
}

void Region::Subtract(const Region& other) {
    pixman_region32_subtract(&region_, &region_, const_cast<pixman_region32_t*>(&other.region_));
}

void Region::Xor(const Region& other) {
    Region both(*this);
    both.Intersect(other);
    Unite(other);
    Subtract(both);
}

void Region::IntersectRect(const RECT& rect) { Intersect(Region(rect)); }

void Region::Offset(LONG dx, LONG dy) { pixman_region32_translate(&region_, dx, dy); }

bool Region::operator==(const Region& other) const {
    return pixman_region32_equal(const_cast<pixman_region32_t*>(&region_),
                                 const_cast<pixman_region32_t*>(&other.region_));
}

RECT NormalizedRect(const RECT& rect) {
    return {std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
            std::max(rect.top, rect.bottom)};
}

bool RectIsEmpty(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

}  // namespace platform
