#pragma once
// A picture of the chart engine (back images, shape and font pictures): the
// platform picture plus a list of filters applied to a copy when it is drawn.

#include "chart/effects/FilterItems.h"

#include "ui/graphics/Picture.h"

#include <memory>

class TChartPicture : public TPicture {
    DECLARE_CLASS_INFO
public:
    TChartPicture();
    ~TChartPicture() override;

    // Made on first read, with the picture as owner.
    TFilterItems& Filters();
    bool HasFilters() const { return filters_ && filters_->Count() > 0; }
    // An empty list (or none) frees the list; another is copied.
    void SetFilters(const TFilterItems* value);

    // The graphic itself without filters (or without a graphic); otherwise
    // a filtered copy, made again on every call and owned by the picture.
    TGraphic* FilteredGraphic();

    void Assign(const TPersistent* source) override;
    // Form data: "FilterItems" beside the picture's own data, only with filters.
    void DefineProperties(TFiler& filer) override;

private:
    std::unique_ptr<TFilterItems> filters_;
    std::unique_ptr<TBitmap> filtered_;
};
