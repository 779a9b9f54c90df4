#pragma once

#include "chart/panel/CustomChartPanel.h"
#include "ui/core/PublishedProperties.h"

// The box look an item and the marks share, in the order form data lists it.
template <class S>
TPublished<S>& ShapeLook(TPublished<S>& p) {
    return p.Enumeration("Bevel", PanelBevelInfo(), &S::Bevel, &S::SetBevel, static_cast<int>(TPanelBevel::bvNone))
        .Integer("BevelWidth", &S::BevelWidth, &S::SetBevelWidth, 2);
}
