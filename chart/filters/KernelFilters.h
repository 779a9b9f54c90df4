#pragma once
// The convolutions with a fixed kernel: sharpen, emboss and soften.

#include "chart/effects/ConvolveFilter.h"

// The centre doubled against the mean of its eight neighbours.
class TSharpenFilter : public TConvolveFilter {
    DECLARE_CLASS_INFO
public:
    explicit TSharpenFilter(TCollection* collection = nullptr);
    std::string DisplayName() const override;
};

// Light from the right: the pixel and its right neighbour against the three
// above, left and below (the kernel sums to -1, so the sum is negated).
class TEmbossFilter : public TConvolveFilter {
    DECLARE_CLASS_INFO
public:
    explicit TEmbossFilter(TCollection* collection = nullptr);
    std::string DisplayName() const override;
};

// The mean of the pixel, its right neighbour and the two below them.
class TSoftenFilter : public TConvolveFilter {
    DECLARE_CLASS_INFO
public:
    explicit TSoftenFilter(TCollection* collection = nullptr);
    std::string DisplayName() const override;
};
