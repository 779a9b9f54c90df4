#pragma once
// The outline of prepared pages, kept as nested "item" elements of the
// store's "outline" element and walked through a current item.

#include "report/engine/CustomOutline.h"

class TrpXMLItem;
class TrpPreviewPages;

class TrpOutline : public TrpCustomOutline {
    DECLARE_CLASS_INFO
public:
    TrpOutline(TrpCustomPreviewPages* pages, TrpXMLItem* root);

    int ItemCount() override;
    void AddItem(const std::string& text, int top) override;
    void EnterItem(int index) override;
    void LevelRoot() override;
    void LevelUp() override;
    void ReadItem(int index, TrpOutlineItem& item) override;
    void OffsetFollowingItems(void* item, int top) override;
    void* LastItemHere() override;
    // Every item at any depth.
    int TotalCount() const;

    // The store points the outline at a new tree after loading or clearing.
    void SetRoot(TrpXMLItem* root);

private:
    TrpXMLItem* root_;
    TrpXMLItem* current_;
};
