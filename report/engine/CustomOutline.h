#pragma once
// The outline (table of contents) of prepared pages, as the report and the
// script see it: a tree of items walked through a current item.

#include "ui/core/Persistent.h"

#include <string>

class TrpCustomPreviewPages;

struct TrpOutlineItem {
    std::string Text;
    int Page = 0;
    int Top = 0;
};

class TrpCustomOutline : public TPersistent {
    DECLARE_CLASS_INFO
public:
    explicit TrpCustomOutline(TrpCustomPreviewPages* pages) : previewPages_(pages) {}

    // Children of the current item.
    virtual int ItemCount() = 0;
    // A new child of the current item, which it then becomes.
    virtual void AddItem(const std::string& text, int top) = 0;
    virtual void EnterItem(int index) = 0;
    virtual void LevelRoot() = 0;
    virtual void LevelUp() = 0;
    // Fields the item leaves empty keep what `item` held.
    virtual void ReadItem(int index, TrpOutlineItem& item) = 0;
    // Moves the items after `item` to the next page, their first to `top`.
    virtual void OffsetFollowingItems(void* item, int top) = 0;
    // The current item's last child, or nullptr.
    virtual void* LastItemHere() = 0;

    TrpCustomPreviewPages* PreviewPages() const { return previewPages_; }

private:
    TrpCustomPreviewPages* previewPages_;
};
