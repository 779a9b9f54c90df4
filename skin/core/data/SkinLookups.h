#pragma once
// Finding sections and images of a loaded skin by name, following the
// sections' parent chain, and the geometry of one image record. -1 means none.
// A parent chain that comes back to a section it passed (A names B, B
// names A) ends there, as if the section had no parent.

#include "skin/core/data/SkinRecords.h"
#include "skin/core/data/StdIndexes.h"

struct TSkinContent {
    TSkGeneralDataArray GeneralData;
    TSkMaskArray Masks;
    TSkPatternArray Patterns;
    std::shared_ptr<TBitmap> MasterBitmap;
    TSkStdIndexes StdIndexes;

    int FindSectionIndex(const std::string& name) const;
    int FindMaskIndex(int sectionIndex, const std::string& section, const std::string& key) const;
    int FindOwnMaskIndex(const std::string& section, const std::string& key) const;
    // Textures only (ImageKind 1).
    int FindPatternIndex(int sectionIndex, const std::string& section, const std::string& key) const;
    // In the large JPEG textures.
    int FindJpegPatternIndex(int sectionIndex, const std::string& section, const std::string& key) const;
    bool MaskIndexValid(int index) const { return index >= 0 && index < static_cast<int>(Masks.size()); }
    bool SectionIndexValid(int index) const { return index >= 0 && index < static_cast<int>(GeneralData.size()); }
    int MaskLeftWidth(int index);
    int MaskTopWidth(int index) const;
    int MaskRightWidth(int index) const;
    int MaskBottomWidth(int index) const;
    // The picture a mask's pixels lie in: its own image or the master bitmap.
    TBitmap* PictureOf(const TSkMaskData& mask) const;
};

int MaskFrameWidth(const TSkMaskData& mask);
int MaskFrameHeight(const TSkMaskData& mask);
