#pragma once
// A set of pixels as sorted bands of rectangles (pixman's region code), owned
// by value. Device contexts clip with it and region handles hold one.

#include "platform/gdi/GdiTypes.h"

#include <pixman.h>
#include <vector>

namespace platform {

class Region {
public:
    Region();
    explicit Region(const RECT& rect);
    Region(const Region& other);
    Region& operator=(const Region& other);
    Region(Region&& other) noexcept;
    Region& operator=(Region&& other) noexcept;
    ~Region();

    static Region FromRects(const std::vector<RECT>& rects);

    bool IsEmpty() const;
    RECT Bounds() const;  // all zero when empty
    int Complexity() const;  // NULLREGION, SIMPLEREGION or COMPLEXREGION
    std::vector<RECT> Rects() const;
    bool Contains(LONG x, LONG y) const;
    bool Overlaps(const RECT& rect) const;

    void Intersect(const Region& other);
    void Unite(const Region& other);
    void Subtract(const Region& other);
    void Xor(const Region& other);
    void IntersectRect(const RECT& rect);
    void Offset(LONG dx, LONG dy);

    bool operator==(const Region& other) const;

    pixman_region32_t* Raw() { return &region_; }
    const pixman_region32_t* Raw() const { return &region_; }

private:
    pixman_region32_t region_;
};

// A rectangle with its sides in order, empty when either size is zero.
RECT NormalizedRect(const RECT& rect);
bool RectIsEmpty(const RECT& rect);

}  // namespace platform
