#include "report/objects/ReportComponent.h"

#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/objects/ReportFont.h"
#include "report/resources/Resources.h"
#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/StringList.h"
#include "ui/core/TextCase.h"

#include <algorithm>

namespace {

// Objects of a report are owned by the report, so names are unique in it.
TComponent* OwnerFor(TComponent* owner) {
    auto* object = dynamic_cast<TrpComponent*>(owner);
    if (!object) return owner;
    TrpReport* report = object->Report();
    return report ? static_cast<TComponent*>(report) : owner;
}

}  // namespace

const TEnumInfo& TrpRestrictionInfo() {
    static const TEnumInfo info("TrpRestriction",
                                {"rfDontModify", "rfDontSize", "rfDontMove", "rfDontDelete", "rfDontEdit"});
    return info;
}

const TClassInfo& TrpComponent::StaticClass() {
    static const TClassInfo info = TPublished<TrpComponent>("TrpComponent", TComponent::StaticClass()).Build();
    return info;
}

TrpComponent::TrpComponent(TComponent* owner) : TComponent(OwnerFor(owner)) {
    SetReportFontDefaults(font_, clBlack);
    font_.OnChange = [this](TObject*) { ApplyFontChange(); };
    SetParentFont(true);
    if (auto* parent = dynamic_cast<TrpComponent*>(owner)) SetParent(parent);
}

TrpComponent::~TrpComponent() {
    font_.OnChange = nullptr;
    SetParent(nullptr);
    Clear();
    // Children Clear keeps (those of an ancestor) belong to their owner, who
    // frees them later: they must not point back at this object.
    for (TrpComponent* child : objects_) child->parent_ = nullptr;
    objects_.clear();
}

void TrpComponent::SetParent(TrpComponent* parent) {
    if (parent == parent_) return;
    if (parent_) {
        auto& siblings = parent_->objects_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = parent;
    if (parent_) {
        parent_->objects_.push_back(this);
        SetParentFont(parentFont_);
    }
}

void TrpComponent::SetParentComponent(TComponent* parent) { SetParent(dynamic_cast<TrpComponent*>(parent)); }

std::vector<TrpComponent*> TrpComponent::AllObjects() const {
    std::vector<TrpComponent*> all;
    for (TrpComponent* child : objects_) {
        all.push_back(child);
        auto below = child->AllObjects();
        all.insert(all.end(), below.begin(), below.end());
    }
    return all;
}

TrpComponent* TrpComponent::FindObject(std::string_view name) const {
    for (TrpComponent* object : AllObjects())
        if (AnsiSameText(object->Name(), name)) return object;
    return nullptr;
}

TrpPage* TrpComponent::Page() const {
    for (const TrpComponent* o = this; o; o = o->parent_)
        if (auto* page = dynamic_cast<const TrpPage*>(o)) return const_cast<TrpPage*>(page);
    return nullptr;
}

TrpReport* TrpComponent::Report() const {
    for (const TrpComponent* o = this; o; o = o->parent_)
        if (auto* report = dynamic_cast<const TrpReport*>(o)) return const_cast<TrpReport*>(report);
    return nullptr;
}

void TrpComponent::SetLeft(double value) {
    if (!Refuses(TrpRestriction::rfDontMove)) left_ = value;
}
void TrpComponent::SetTop(double value) {
    if (!Refuses(TrpRestriction::rfDontMove)) top_ = value;
}
void TrpComponent::SetWidth(double value) {
    if (!Refuses(TrpRestriction::rfDontSize)) width_ = value;
}
void TrpComponent::SetHeight(double value) {
    if (!Refuses(TrpRestriction::rfDontSize)) height_ = value;
}

void TrpComponent::SetBounds(double left, double top, double width, double height) {
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
}

// A dialog page is a window: what lies on it is placed from the window's corner.
double TrpComponent::AbsLeft() const {
    return left_ + (parent_ && !dynamic_cast<const TrpDialogPage*>(parent_) ? parent_->AbsLeft() : 0.0);
}
double TrpComponent::AbsTop() const {
    return top_ + (parent_ && !dynamic_cast<const TrpDialogPage*>(parent_) ? parent_->AbsTop() : 0.0);
}

void TrpComponent::SetFont(TFont* font) { font_.Assign(font); }

void TrpComponent::SetParentFont(bool value) {
    if (value && parent_) SetFont(&parent_->font_);
    parentFont_ = value;
}

void TrpComponent::ApplyFontChange() {
    parentFont_ = false;
    for (TrpComponent* child : objects_)
        if (child->parentFont_) child->SetParentFont(true);
}

std::string TrpComponent::BaseName() const {
    std::string name = ClassName();
    if (auto at = name.find("Trp"); at != std::string::npos) name.erase(at, 3);
    if (auto at = name.find("View"); at != std::string::npos) name.erase(at, 4);
    return name;
}

void TrpComponent::SetName(const std::string& name) {
    if (AnsiSameText(name, Name())) return;
    if (!name.empty()) {
        if (TrpReport* report = Report()) {
            TrpComponent* other = report->FindObject(name);
            if (other && other != this) throw EComponentError(rpResourceManager().Get("prDupl"));
        }
        if (fromAncestor_ || ComponentState().Contains(TComponentStateItem::csAncestor))
            throw EComponentError("Could not rename " + Name() + ", it was introduced in the ancestor report");
    }
    TComponent::SetName(name);
}

void TrpComponent::SetIndexInParent(int index) {
    if (!parent_) return;
    auto& siblings = parent_->objects_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    const auto place = static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(siblings.size())));
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(place), this);
}

void TrpComponent::GiveUniqueName() {
    const TrpComponent* scope = Report();
    if (!scope) scope = parent_;
    TStringList taken;
    taken.SetSorted(true);
    if (scope)
        for (TrpComponent* object : scope->AllObjects()) taken.Add(object->Name());
    int index = 0;
    std::string base = BaseName();
    for (int n = 1;; ++n) {
        std::string candidate = base + std::to_string(n);
        if (!taken.Find(candidate, index)) {
            SetName(candidate);
            return;
        }
    }
}

void TrpComponent::Clear() {
    std::size_t i = 0;
    while (i < objects_.size()) {
        TrpComponent* child = objects_[i];
        if (child->ComponentState().Contains(TComponentStateItem::csAncestor)) {
            child->Clear();
            ++i;
        } else {
            delete child;  // leaves the list itself
        }
    }
}

void TrpComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) {
    for (TrpComponent* child : objects_) proc(child);
}

// ---- TrpReportComponent

const TClassInfo& TrpReportComponent::StaticClass() {
    static const TClassInfo info = TPublished<TrpReportComponent>("TrpReportComponent", TrpComponent::StaticClass())
                                       .String("Description", &TrpReportComponent::Description,
                                               &TrpReportComponent::SetDescription)
                                       .Build();
    return info;
}

void TrpReportComponent::PrintStart() { saved_ = {Left(), Top(), Width(), Height()}; }

void TrpReportComponent::PrintEnd() { SetBounds(saved_.left, saved_.top, saved_.right, saved_.bottom); }

TrpReportComponent::Bounds TrpReportComponent::AbsoluteBounds() const {
    return {AbsLeft(), AbsTop(), AbsLeft() + Width(), AbsTop() + Height()};
}
