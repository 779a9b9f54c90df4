#include "chart/filters/KernelFilters.h"

#include "chart/core/ChartConst.h"

#include "ui/core/PublishedProperties.h"

#include <algorithm>

namespace {

using Kernel = float[3][3];

void SetKernel(float (&weights)[3][3], const Kernel& kernel) {
    for (int j = 0; j < 3; ++j) std::copy_n(kernel[j], 3, weights[j]);
}

}  // namespace

const TClassInfo& TSharpenFilter::StaticClass() {
    static const TClassInfo info = TPublished<TSharpenFilter>("TSharpenFilter", TConvolveFilter::StaticClass()).Build();
    return info;
}

TSharpenFilter::TSharpenFilter(TCollection* collection) : TConvolveFilter(collection) {
    constexpr float e = -1.0f / 8;
    const Kernel kernel{{e, e, e}, {e, 2, e}, {e, e, e}};
    SetKernel(weights_, kernel);
}

std::string TSharpenFilter::DisplayName() const { return ChartConst::FilterSharpen; }

const TClassInfo& TEmbossFilter::StaticClass() {
    static const TClassInfo info = TPublished<TEmbossFilter>("TEmbossFilter", TConvolveFilter::StaticClass()).Build();
    return info;
}

TEmbossFilter::TEmbossFilter(TCollection* collection) : TConvolveFilter(collection) {
    const Kernel kernel{{0, -1, 0}, {-1, 1, 1}, {0, -1, 0}};
    SetKernel(weights_, kernel);
}

std::string TEmbossFilter::DisplayName() const { return ChartConst::FilterEmboss; }

const TClassInfo& TSoftenFilter::StaticClass() {
    static const TClassInfo info = TPublished<TSoftenFilter>("TSoftenFilter", TConvolveFilter::StaticClass()).Build();
    return info;
}

TSoftenFilter::TSoftenFilter(TCollection* collection) : TConvolveFilter(collection) {
    const Kernel kernel{{0, 0, 0}, {0, 1, 1}, {0, 1, 1}};
    SetKernel(weights_, kernel);
}

std::string TSoftenFilter::DisplayName() const { return ChartConst::FilterAntialias; }
