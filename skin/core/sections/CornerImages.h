#pragma once
// The four corner images of a section (IMGTOPLEFT ... IMGBTMRIGHT) in the
// state's frame; their transparent pixels show what is already painted.

#include "ui/core/Types.h"

class TBitmap;
struct TSkGeneralData;
struct TSkinContent;

void DrawCornerImages(const TSkinContent& skin, const TSkGeneralData& section, TBitmap& bitmap, const TRect& rect,
                      int state);
