#include "ui/controls/StatusPanels.h"

#include "ui/core/PublishedProperties.h"

#include <algorithm>

const TClassInfo& TStatusPanel::StaticClass() {
    static const TClassInfo info =
        TPublished<TStatusPanel>("TStatusPanel", TCollectionItem::StaticClass())
            .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
            .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth, 50)
            .Build();
    return info;
}

const TClassInfo& TStatusPanels::StaticClass() {
    static const TClassInfo info("TStatusPanels", &TCollection::StaticClass());
    return info;
}

void TStatusPanel::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Changed(false);
}

void TStatusPanel::SetWidth(int width) {
    width = std::max(width, 0);
    if (width == width_) return;
    width_ = width;
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
    bevel_ = value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
    style_ = value;
    Changed(false);
}

void TStatusPanel::Assign(const TPersistent* source) {
    if (auto* p = dynamic_cast<const TStatusPanel*>(source)) {
        text_ = p->text_;
        width_ = p->width_;
        alignment_ = p->alignment_;
        bevel_ = p->bevel_;
        style_ = p->style_;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(source);
}

platform::RECT TStatusPanels::PanelRect(int index, int width, int height) const {
    int left = 0;
    for (int i = 0; i < index; ++i) left += Items(i)->Width();
    int right = index == Count() - 1 ? std::max(width, left) : left + Items(index)->Width();
    return {left, 0, right, height};
}

int TStatusPanels::PanelAt(int x, int width) const {
    if (x < 0 || x >= width) return -1;
    int left = 0;
    for (int i = 0; i < Count(); ++i) {
        int right = i == Count() - 1 ? width : left + Items(i)->Width();
        if (x < right) return i;
        left = right;
    }
    return -1;
}

void TStatusPanels::Update(TCollectionItem*) { FireEvent(OnChange, this); }
