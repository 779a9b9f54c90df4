#pragma once

#include "ui/core/Persistent.h"

// A part of a picture; a width or height of 0 runs to the bitmap's edge.
class TFilterRegion : public TPersistent {
    DECLARE_CLASS_INFO
public:
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Empty() const { return Left == 0 && Top == 0 && Width == 0 && Height == 0; }
    void Assign(const TPersistent* source) override;
};
