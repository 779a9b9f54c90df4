#pragma once
// Image filters that chart pictures apply to a copy of themselves whenever
// they are drawn: the base every filter derives from, with the optional part
// of the picture it works on, and the 24-bit row table filters read through.

#include "chart/effects/FilterRegion.h"
#include "chart/geometry/ChartGeometry.h"

#include "ui/core/Collection.h"
#include "ui/core/Events.h"
#include "ui/core/Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBitmap;

// A 24-bit bitmap's row: TRGBTriple pixels as they lie in memory.
using TRGBArray = TRGBTriple*;

// What a filter editor offers for a filter's fields; no window of the
// program shows one, so only the fields' names and ranges are told.
class TFilterEditorCreator {
public:
    virtual ~TFilterEditorCreator() = default;
    virtual void AddScrollBar(const std::string& name, int minimum, int maximum, std::function<int()> get,
                              std::function<void(int)> set) = 0;
    // A number typed in, kept within the limits.
    virtual void AddIntegerField(const std::string& name, int minimum, int maximum, std::function<int()> get,
                                 std::function<void(int)> set) = 0;
    virtual void AddCheckBox(const std::string& name, std::function<bool()> get, std::function<void(bool)> set) = 0;
    // One of `items`, by its position.
    virtual void AddChoice(const std::string& name, const std::vector<std::string>& items, std::function<int()> get,
                           std::function<void(int)> set) = 0;
    virtual void AddColor(const std::string& name, std::function<TColor()> get, std::function<void(TColor)> set) = 0;
};

class TChartFilter : public TCollectionItem {
    DECLARE_CLASS_INFO
public:
    explicit TChartFilter(TCollection* collection = nullptr);
    ~TChartFilter() override;
    void Assign(const TPersistent* source) override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    // Made on first read.
    TFilterRegion& Region();
    bool HasRegion() const { return region_ != nullptr; }
    // An empty region (or none) frees it; another is copied.
    void SetRegion(const TFilterRegion* value);

    // Works on the inclusive rectangle `rect` of the bitmap; the base makes
    // the bitmap 24-bit and builds its row table (unless a filter reuses it).
    virtual void Apply(TBitmap& bitmap, const TRect& rect);
    // Over the region, or the whole bitmap without one.
    void ApplyToBitmap(TBitmap& bitmap);
    virtual void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed);
    std::string DisplayName() const override;

    // A filter of the class, outside any collection, over the whole bitmap.
    static void ApplyFilterClass(const TClassInfo& filterClass, TBitmap& bitmap);

protected:
    // Row i of the bitmap (top first), after the base Apply.
    std::vector<TRGBArray> lines_;
    void BuildRowTable(TBitmap& bitmap);
    // Cleared by filters that cannot work on a part of the picture.
    bool allowRegion_ = true;
    // Set while a filter runs its own passes over one row table.
    bool reuseLines_ = false;
    TNotifyEvent changed_;

private:
    bool enabled_ = true;
    std::unique_ptr<TFilterRegion> region_;
};

// The inclusive rectangle a filter with `region` (or none) covers on a
// bitmap of the given size.
TRect FilterRect(const TFilterRegion* region, int width, int height);
// An inclusive rectangle limited to a bitmap of the given size.
TRect InsideBitmap(const TRect& rect, int width, int height);
