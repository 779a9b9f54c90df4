#pragma once

#include "chart/effects/ChartGradient.h"
#include "ui/core/PublishedProperties.h"

// The settings both published gradients share, in their published order.
template <class G>
TPublished<G>& PublishColours(TPublished<G>& p) {
    return p.Integer("Angle", &G::Angle, &G::SetAngle, 0)
        .Integer("Balance", &G::Balance, &G::SetBalance, 50)
        .Enumeration("Direction", GradientDirectionInfo(), &G::Direction, &G::SetDirection, gdTopBottom)
        .Integer("EndColor", &G::EndColor, &G::SetEndColor, clYellow)
        .Integer("MidColor", &G::MidColor, &G::SetMidColor, clNone)
        .Integer("RadialX", &G::RadialX, &G::SetRadialX, 0)
        .Integer("RadialY", &G::RadialY, &G::SetRadialY, 0)
        .Integer("StartColor", &G::StartColor, &G::SetStartColor, clWhite);
}
