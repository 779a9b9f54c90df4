#include "chart/filters/FilterClasses.h"

#include "chart/effects/BlurFilter.h"
#include "chart/effects/FilterItems.h"
#include "chart/effects/FlipFilter.h"
#include "chart/effects/RotateFilter.h"
#include "chart/filters/BevelFilter.h"
#include "chart/filters/BrightnessFilter.h"
#include "chart/filters/ColorFilter.h"
#include "chart/filters/ContrastFilter.h"
#include "chart/filters/CropFilter.h"
#include "chart/filters/GammaCorrectionFilter.h"
#include "chart/filters/GrayScaleFilter.h"
#include "chart/filters/HueLumSatFilter.h"
#include "chart/filters/InvertFilter.h"
#include "chart/filters/KernelFilters.h"
#include "chart/filters/MirrorFilter.h"
#include "chart/filters/MosaicFilter.h"
#include "chart/filters/TileFilter.h"
#include "chart/filters/ZoomFilter.h"

void RegisterChartFilters() {
    static const bool done = [] {
        for (const TClassInfo* filterClass :
             {&TInvertFilter::StaticClass(), &TGrayScaleFilter::StaticClass(), &TMosaicFilter::StaticClass(),
              &TFlipFilter::StaticClass(), &TReverseFilter::StaticClass(), &TBrightnessFilter::StaticClass(),
              &TContrastFilter::StaticClass(), &TColorFilter::StaticClass(), &THueLumSatFilter::StaticClass(),
              &TBlurFilter::StaticClass(), &TSharpenFilter::StaticClass(), &TGammaCorrectionFilter::StaticClass(),
              &TEmbossFilter::StaticClass(), &TSoftenFilter::StaticClass(), &TCropFilter::StaticClass(),
              &TResizeFilter::StaticClass(), &TRotateFilter::StaticClass(), &TMirrorFilter::StaticClass(),
              &TTileFilter::StaticClass(), &TBevelFilter::StaticClass(), &TZoomFilter::StaticClass()})
            RegisterFilterClass(*filterClass);
        return true;
    }();
    (void)done;
}
