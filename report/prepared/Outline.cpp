#include "report/prepared/Outline.h"

#include "report/engine/CustomPreviewPages.h"
#include "ui/core/TypeInfo.h"

#include "report/xml/XmlItem.h"
#include "report/xml/XmlText.h"

#include <cstdlib>


namespace {

void Shift(TrpXMLItem& item, int corr) {
    item.SetProp("page", std::to_string(std::atoi(item.Prop("page").c_str()) + 1));
    item.SetProp("top", std::to_string(std::atoi(item.Prop("top").c_str()) + corr));
    for (int i = 0; i < item.Count(); ++i) Shift(*item.Items(i), corr);
}

int CountBelow(const TrpXMLItem& item) {
    int count = item.Count();
    for (int i = 0; i < item.Count(); ++i) count += CountBelow(*item.Items(i));
    return count;
}

}  // namespace

const TClassInfo& TrpOutline::StaticClass() {
    static const TClassInfo info("TrpOutline", &TrpCustomOutline::StaticClass());
    return info;
}

TrpOutline::TrpOutline(TrpCustomPreviewPages* pages, TrpXMLItem* root)
    : TrpCustomOutline(pages), root_(root), current_(root) {}

void TrpOutline::SetRoot(TrpXMLItem* root) { root_ = current_ = root; }

int TrpOutline::ItemCount() { return current_->Count(); }

void TrpOutline::AddItem(const std::string& text, int top) {
    TrpXMLItem* item = current_->Add();
    item->Name = "item";
    item->SetProp("text", EscapeAttrText(text));
    item->SetProp("page", std::to_string(PreviewPages()->CurrentPage()));
    item->SetProp("top", std::to_string(top));
    current_ = item;
}

void TrpOutline::EnterItem(int index) { current_ = current_->Items(index); }

void TrpOutline::LevelRoot() { current_ = root_; }

void TrpOutline::LevelUp() {
    if (current_ != root_ && current_->Parent()) current_ = current_->Parent();
}

void TrpOutline::ReadItem(int index, TrpOutlineItem& item) {
    const TrpXMLItem* element = current_->Items(index);
    item.Text = element->Prop("text");
    if (std::string page = element->Prop("page"); !page.empty()) item.Page = std::atoi(page.c_str());
    if (std::string top = element->Prop("top"); !top.empty()) item.Top = std::atoi(top.c_str());
}

void TrpOutline::OffsetFollowingItems(void* item, int top) {
    auto* element = static_cast<TrpXMLItem*>(item);
    if (!element || !element->Parent()) return;
    TrpXMLItem* parent = element->Parent();
    int next = parent->IndexOf(element) + 1;
    if (next >= parent->Count()) return;
    TrpXMLItem* sibling = parent->Items(next);
    Shift(*sibling, top - std::atoi(sibling->Prop("top").c_str()));
}

void* TrpOutline::LastItemHere() { return current_->Count() ? current_->Items(current_->Count() - 1) : nullptr; }

int TrpOutline::TotalCount() const { return CountBelow(*root_); }
