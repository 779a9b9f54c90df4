#include "report/prepared/PreviewPages.h"

#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/storage/XmlSerializer.h"
#include "report/utils/Conversions.h"
#include "ui/core/TextCase.h"
#include "ui/core/TypeInfo.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr std::size_t kPagePrefixLength = 4;  // "page"
// Built pages kept (the preview options' default).
constexpr std::size_t kPagesInCache = 50;
// The attributes a prepared page gives for position and size.
constexpr const char* kGeometry[] = {"l", "t", "w", "h"};

// The attribute text without the position and size, which the store applies itself.
std::string WithoutGeometry(const TrpXMLItem& item) {
    std::string text = " " + item.Text;
    for (const char* name : kGeometry) {
        const std::string key = std::string(" ") + name + "=\"";
        std::size_t at = text.find(key);
        if (at == std::string::npos) continue;
        std::size_t end = text.find('"', at + key.size());
        text.erase(at, end == std::string::npos ? std::string::npos : end + 1 - at);
    }
    return text;
}

void ApplyGeometry(const TrpXMLItem& item, TrpComponent& object) {
    if (std::string l = item.Prop("l"); !l.empty()) object.TrpComponent::SetLeft(rpTextToFloat(l));
    if (std::string t = item.Prop("t"); !t.empty()) object.TrpComponent::SetTop(rpTextToFloat(t));
    if (std::string w = item.Prop("w"); !w.empty()) object.TrpComponent::SetWidth(rpTextToFloat(w));
    if (std::string h = item.Prop("h"); !h.empty()) object.TrpComponent::SetHeight(rpTextToFloat(h));
}

}  // namespace

int TrpPreviewPages::PageCount() { return Pages().Count(); }

void TrpPreviewPages::BuildObjects(TrpXMLItem& element, TrpComponent& parent) {
    TrpXMLSerializer serializer(nullptr);
    for (int i = 0; i < element.Count(); ++i) {
        TrpXMLItem& item = *element.Items(i);
        TrpComponent* source = dictionary_.ObjectOf(item.Name);
        std::string text = source ? sourceInfo_[source].sourceProps + WithoutGeometry(item)
                                  : item.Name + WithoutGeometry(item);
        // No owner: a built page repeats names (a band once per record); the parent frees its children.
        TrpComponent* object = serializer.ReadComponentStr(nullptr, text, true);
        if (!object) continue;
        if (source) object->SetName(source->Name());
        ApplyGeometry(item, *object);
        if (object->Parent() != &parent) object->SetParent(&parent);
        BuildObjects(item, *object);
    }
}

std::unique_ptr<TrpReportPage> TrpPreviewPages::BuildPage(TrpXMLItem& element) {
    if (!element.Loaded) document_.LoadItem(element);
    std::unique_ptr<TrpReportPage> page;
    if (AnsiSameText(element.Name, "TrpReportPage")) {
        page = std::make_unique<TrpReportPage>(nullptr);
        TrpXMLSerializer serializer(nullptr);
        serializer.ReadRootComponent(*page, &element);
    } else {
        const std::string digits = element.Name.size() > kPagePrefixLength ? element.Name.substr(kPagePrefixLength) : "";
        char* end = nullptr;
        const long index = std::strtol(digits.c_str(), &end, 10);
        if (digits.empty() || *end || index < 0 || index >= static_cast<long>(sourcePages_.size()))
            throw TrpPreparedFileError("Подготовленный отчёт повреждён: страница \"" + element.Name +
                                       "\" ссылается на несуществующую исходную страницу");
        const TrpReportPage& source = *sourcePages_[static_cast<std::size_t>(index)];
        page.reset(dynamic_cast<TrpReportPage*>(source.ClassType().Create(nullptr)));
        page->Assign(&source);
        page->SetName(source.Name());
        BuildObjects(element, *page);
    }
    page->ArrangeChildren();
    return page;
}

TrpReportPage* TrpPreviewPages::PageAt(int index) {
    if (index < 0 || index >= PageCount()) return nullptr;
    for (std::size_t i = 0; i < cache_.size(); ++i) {
        if (cache_[i].first != index) continue;
        std::swap(cache_[i], cache_[0]);
        return cache_[0].second.get();
    }
    cache_.insert(cache_.begin(), {index, BuildPage(*Pages().Items(index))});
    if (cache_.size() > kPagesInCache) {
        const int dropped = cache_.back().first;
        cache_.pop_back();
        TrpXMLItem& element = *Pages().Items(dropped);
        if (Report() && Report()->EngineOptions().UseFileCache) document_.UnloadItem(element);
    }
    return cache_[0].second.get();
}

TrpPageSize TrpPreviewPages::PageSizeAt(int index) {
    if (index < 0 || index >= PageCount()) return {};
    TrpXMLItem& element = *Pages().Items(index);
    const TrpComponent* page = nullptr;
    std::unique_ptr<TrpReportPage> built;
    if (AnsiSameText(element.Name, "TrpReportPage")) {
        built = BuildPage(element);
        page = built.get();
    } else {
        const long source = std::strtol(element.Name.c_str() + std::min(element.Name.size(), kPagePrefixLength), nullptr, 10);
        if (source >= 0 && source < static_cast<long>(sourcePages_.size()))
            page = sourcePages_[static_cast<std::size_t>(source)].get();
    }
    if (!page) return {};
    return {static_cast<int>(std::lround(page->Width())), static_cast<int>(std::lround(page->Height()))};
}

void TrpPreviewPages::InsertBlankPage(int index) {
    if (index < 0 || index >= PageCount()) return;
    auto* page = new TrpXMLItem;
    page->Name = Pages().Items(index)->Name;
    Pages().InsertItem(index, page);
    cache_.clear();
}

void TrpPreviewPages::RemovePage(int index) {
    if (PageCount() < 2 || index < 0 || index >= PageCount()) return;
    delete Pages().Items(index);
    cache_.clear();
}

void TrpPreviewPages::ReplacePage(int index, TrpReportPage* page) {
    if (index < 0 || index >= PageCount()) return;
    TrpXMLItem& element = *Pages().Items(index);
    if (!element.Loaded) document_.LoadItem(element);
    element.Clear();
    element.Unloadable = false;
    TrpXMLSerializer serializer(nullptr);
    serializer.WriteRootComponent(*page, true, &element);
    cache_.clear();
}
