#include "skin/core/data/SkinLookups.h"

#include "ui/graphics/Bitmap.h"

#include <set>

namespace {

// Runs `match` over the section at sectionIndex and its ancestors until it
// answers an index; a chain that returns to a visited section stops.
template <class Match>
int ThroughParents(const TSkinContent& skin, int sectionIndex, std::string section, Match match) {
    if (sectionIndex < 0 || section.empty()) return -1;
    std::set<int> visited;
    while (true) {
        int found = match(section);
        if (found >= 0) return found;
        if (!skin.SectionIndexValid(sectionIndex) || !visited.insert(sectionIndex).second) return -1;
        const std::string& parent = skin.GeneralData[sectionIndex].ParentSection;
        if (parent.empty() || parent == section) return -1;
        sectionIndex = skin.FindSectionIndex(parent);
        if (sectionIndex < 0 || visited.count(sectionIndex)) return -1;
        section = parent;
    }
}

template <class Records, class Accept>
int FindRecord(const Records& records, const std::string& section, const std::string& key, Accept accept) {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].Key == key && records[i].Section == section && accept(records[i])) return static_cast<int>(i);
    return -1;
}

}  // namespace

int TSkinContent::FindSectionIndex(const std::string& name) const {
    if (name.empty()) return -1;
    for (std::size_t i = 0; i < GeneralData.size(); ++i)
        if (GeneralData[i].SectionName == name) return static_cast<int>(i);
    return -1;
}

int TSkinContent::FindMaskIndex(int sectionIndex, const std::string& section, const std::string& key) const {
    return ThroughParents(*this, sectionIndex, section, [&](const std::string& s) {
        return FindRecord(Masks, s, key, [](const TSkMaskData&) { return true; });
    });
}

int TSkinContent::FindOwnMaskIndex(const std::string& section, const std::string& key) const {
    if (section.empty()) return -1;
    return FindRecord(Masks, section, key, [](const TSkMaskData&) { return true; });
}

int TSkinContent::FindPatternIndex(int sectionIndex, const std::string& section, const std::string& key) const {
    if (Masks.empty()) return -1;
    return ThroughParents(*this, sectionIndex, section, [&](const std::string& s) {
        return FindRecord(Masks, s, key, [](const TSkMaskData& m) { return m.ImageKind == ikTexture; });
    });
}

int TSkinContent::FindJpegPatternIndex(int sectionIndex, const std::string& section, const std::string& key) const {
    if (Patterns.empty()) return -1;
    return ThroughParents(*this, sectionIndex, section, [&](const std::string& s) {
        return FindRecord(Patterns, s, key, [](const TSkPatternData&) { return true; });
    });
}

int MaskFrameWidth(const TSkMaskData& mask) {
    if (mask.FrameCount == 0) return 0;
    return platform::RectWidth(mask.SourceRect) / mask.FrameCount;
}

int MaskFrameHeight(const TSkMaskData& mask) {
    if (mask.MaskMode == -1) return 0;
    return platform::RectHeight(mask.SourceRect) / (mask.MaskMode + 1);
}

int TSkinContent::MaskLeftWidth(int index) {
    TSkMaskData& mask = Masks.at(index);
    if (mask.BorderLeft > 0) return mask.BorderLeft;
    if (mask.BorderSize > 0) return mask.BorderSize;
    if (mask.FrameCount == 0) mask.FrameCount = 1;
    return MaskFrameWidth(mask);
}

int TSkinContent::MaskRightWidth(int index) const {
    const TSkMaskData& mask = Masks.at(index);
    if (mask.BorderRight > 0) return mask.BorderRight;
    if (mask.BorderSize > 0) return mask.BorderSize;
    return MaskFrameWidth(mask);
}

int TSkinContent::MaskTopWidth(int index) const {
    const TSkMaskData& mask = Masks.at(index);
    if (mask.BorderTop > 0) return mask.BorderTop;
    if (mask.BorderSize > 0) return mask.BorderSize;
    return MaskFrameHeight(mask);
}

int TSkinContent::MaskBottomWidth(int index) const {
    const TSkMaskData& mask = Masks.at(index);
    if (mask.BorderBottom > 0) return mask.BorderBottom;
    if (mask.BorderSize > 0) return mask.BorderSize;
    return MaskFrameHeight(mask);
}

TBitmap* TSkinContent::PictureOf(const TSkMaskData& mask) const {
    return mask.Image ? mask.Image.get() : MasterBitmap.get();
}
