#include "report/prepared/PreviewPages.h"

#include "ui/core/TypeInfo.h"

#include "report/bands/Band.h"
#include "report/engine/CustomEngine.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/prepared/Outline.h"
#include "report/storage/XmlSerializer.h"
#include "report/utils/Conversions.h"
#include "report/xml/XmlText.h"
#include "ui/core/TextCase.h"
#include "ui/core/TypeInfo.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int64_t kBytesPerMegabyte = 1048576;
// What the store counts for one element besides its name and attributes.
constexpr std::int64_t kElementOverhead = static_cast<std::int64_t>(sizeof(TrpXMLItem)) + 16;
constexpr int kFirstSwappablePage = 2;
constexpr double kLeftTolerance = 0.001;

double Attribute(const TrpXMLItem& item, const char* name, double fallback) {
    std::string text = item.Prop(name);
    return text.empty() ? fallback : rpTextToFloat(text);
}

}  // namespace

const TClassInfo& TrpPreviewPages::StaticClass() {
    static const TClassInfo info("TrpPreviewPages", &TrpCustomPreviewPages::StaticClass());
    return info;
}

TrpPreviewPages::TrpPreviewPages(TrpReport* report) : TrpCustomPreviewPages(report) {
    document_.Root().Name = "preparedreport";
    SetOutline(std::make_unique<TrpOutline>(this, &Element("outline")));
}

TrpPreviewPages::~TrpPreviewPages() = default;

TrpComponent* TrpPreviewPages::SourceOf(const TrpComponent* templateObject) const {
    auto it = sources_.find(templateObject);
    return it == sources_.end() ? nullptr : it->second;
}

bool TrpPreviewPages::InFirstPassOfTwo() const {
    return Engine() && Engine()->DoublePass() && !Engine()->FinalPass();
}

void TrpPreviewPages::StartPreparing() {
    if (Report()) document_.TempDir = Report()->EngineOptions().TempDir;
}

void TrpPreviewPages::CopyChildren(const TrpComponent& from, TrpComponent& to) {
    for (TrpComponent* child : from.Objects()) {
        if (!(child->ObjectStyleFlags() & kStyleToPreparedPages)) continue;
        auto* copy = dynamic_cast<TrpComponent*>(child->ClassType().Create(&to));
        copy->Assign(child);
        copy->SetName(child->Name());
        CopyChildren(*child, *copy);
    }
}

void TrpPreviewPages::LinkSources(const TrpComponent& templateObject, TrpComponent& copy) {
    sources_[&templateObject] = &copy;
    auto copies = copy.Objects().begin();
    for (TrpComponent* child : templateObject.Objects()) {
        if (!(child->ObjectStyleFlags() & kStyleToPreparedPages)) continue;
        LinkSources(*child, **copies++);
    }
}

void TrpPreviewPages::NameSourceObjects(TrpComponent& copy, int sourceIndex) {
    TrpXMLSerializer serializer(nullptr);
    for (TrpComponent* object : copy.AllObjects()) {
        std::string prefix = dynamic_cast<TrpBand*>(object) ? "b" : AnsiLowerCase(object->BaseName().substr(0, 1));
        SourceInfo& info = sourceInfo_[object];
        info.dictName = dictionary_.AddUnique(prefix, "Page" + std::to_string(sourceIndex) + "." + object->Name(), object);
        info.sourceProps = object->ObjectStyleFlags() & kStyleFullPreparedForm ? object->ClassName()
                                                                              : serializer.ClassNameAndXML(*object);
    }
}

void TrpPreviewPages::RegisterSourcePage(TrpReportPage* templatePage) {
    auto page = std::unique_ptr<TrpReportPage>(
        dynamic_cast<TrpReportPage*>(templatePage->ClassType().Create(nullptr)));
    page->Assign(templatePage);
    page->SetName(templatePage->Name());
    page->SetBounds(templatePage->Left(), templatePage->Top(), templatePage->Width(), templatePage->Height());
    CopyChildren(*templatePage, *page);
    LinkSources(*templatePage, *page);
    NameSourceObjects(*page, static_cast<int>(sourcePages_.size()));
    sourcePages_.push_back(std::move(page));
}

void TrpPreviewPages::RegisterSourceObject(TrpComponent* object) {
    if (sourcePages_.empty()) return;
    TrpReportPage& page = *sourcePages_.back();
    auto* copy = dynamic_cast<TrpComponent*>(object->ClassType().Create(&page));
    copy->Assign(object);
    copy->SetName(object->Name());
    sources_[object] = copy;
    TrpXMLSerializer serializer(nullptr);
    std::string prefix = dynamic_cast<TrpBand*>(copy) ? "b" : AnsiLowerCase(copy->BaseName().substr(0, 1));
    SourceInfo& info = sourceInfo_[copy];
    info.dictName = dictionary_.AddUnique(
        prefix, "Page" + std::to_string(sourcePages_.size() - 1) + "." + copy->Name(), copy);
    info.sourceProps = serializer.ClassNameAndXML(*copy);
}

TrpXMLItem* TrpPreviewPages::CurrentPageElement() {
    TrpXMLItem& pages = Pages();
    if (CurrentPage() < 0 || CurrentPage() >= pages.Count()) return nullptr;
    TrpXMLItem* page = pages.Items(CurrentPage());
    if (!page->Loaded) document_.LoadItem(*page);
    return page;
}

void TrpPreviewPages::SwapOutIfTooLarge() {
    if (!Report() || !Report()->EngineOptions().UseFileCache) return;
    if (treeSize_ <= static_cast<std::int64_t>(Report()->EngineOptions().MaxMemSize) * kBytesPerMegabyte) return;
    TrpXMLItem& pages = Pages();
    for (int i = pages.Count() - 2; i >= 0; --i) {
        TrpXMLItem& page = *pages.Items(i);
        if (page.Unloadable && !page.Loaded) break;
        document_.UnloadItem(page);
    }
    treeSize_ = 0;
}

void TrpPreviewPages::OpenPage(TrpReportPage* templatePage) {
    SwapOutIfTooLarge();
    SetCurrentPage(CurrentPage() + 1);
    if (CurrentPage() < PageCount() && !appendPages_) return;
    int sourceIndex = -1;
    for (std::size_t i = 0; i < sourcePages_.size(); ++i)
        if (SourceOf(templatePage) == sourcePages_[i].get()) sourceIndex = static_cast<int>(i);
    TrpXMLItem* page = Pages().Add();
    page->Name = "page" + std::to_string(sourceIndex);
    page->Unloadable = Pages().Count() > kFirstSwappablePage;
    appendPages_ = false;
    SetCurrentPage(PageCount() - 1);
    CountLogicalPage();
}

void TrpPreviewPages::WriteObject(TrpComponent& object, TrpXMLItem& parent) {
    if (!object.Visible() || !(object.ObjectStyleFlags() & kStyleToPreparedPages)) return;
    TrpXMLItem* element = parent.Add();
    TrpComponent* source = SourceOf(&object);
    if (source) {
        element->Name = sourceInfo_[source].dictName;
        if (InFirstPassOfTwo()) element->Text = object.TrpComponent::DifferenceText(*source);
        else if (object.ObjectStyleFlags() & kStyleFullPreparedForm) element->Text = object.FullText(source);
        else element->Text = object.DifferenceText(*source);
    } else {
        element->Name = object.ClassName();
        element->Text = object.FullText(nullptr);
        if (dynamic_cast<TrpNullBand*>(&object))
            element->Text += AttributeText("l", rpFloatToText(object.Left())) +
                             AttributeText("t", rpFloatToText(object.Top()));
    }
    treeSize_ += static_cast<std::int64_t>(element->Name.size() + element->Text.size()) + kElementOverhead;
    for (TrpComponent* child : object.Objects()) WriteObject(*child, *element);
}

void TrpPreviewPages::PutOnPage(TrpComponent* object) {
    if (TrpXMLItem* page = CurrentPageElement()) WriteObject(*object, *page);
}

int TrpPreviewPages::ObjectPosition() {
    TrpXMLItem* page = CurrentPageElement();
    return page ? page->Count() : 0;
}

void TrpPreviewPages::CutFrom(int index) {
    TrpXMLItem* page = CurrentPageElement();
    if (!page) return;
    TrpXMLItem& cut = Element("cutted");
    while (page->Count() > index) cut.AddItem(page->Items(index));
}

void TrpPreviewPages::PasteCut(double y, double x) {
    TrpXMLItem& root = document_.Root();
    int at = root.Find("cutted");
    if (at < 0) return;
    TrpXMLItem* cut = root.Items(at);
    TrpXMLItem* page = CurrentPageElement();
    if (cut->Count() && page) {
        const double dx = x - Attribute(*cut->Items(0), "l", 0);
        const double dy = y - Attribute(*cut->Items(0), "t", 0);
        while (cut->Count()) {
            TrpXMLItem* item = cut->Items(0);
            item->SetProp("l", rpFloatToText(Attribute(*item, "l", 0) + dx));
            item->SetProp("t", rpFloatToText(Attribute(*item, "t", 0) + dy));
            page->AddItem(item);
        }
    }
    delete cut;
}

double TrpPreviewPages::BottomOfBands(double x) {
    TrpXMLItem* page = CurrentPageElement();
    double bottom = 0;
    if (!page) return bottom;
    for (int i = 0; i < page->Count(); ++i) {
        const TrpXMLItem& item = *page->Items(i);
        auto* band = dynamic_cast<TrpBand*>(dictionary_.ObjectOf(item.Name));
        if (!band || dynamic_cast<TrpPageFooter*>(band) || dynamic_cast<TrpOverlay*>(band)) continue;
        const double left = Attribute(item, "l", band->Left());
        const bool anyColumn = x == 0 || dynamic_cast<TrpPageHeader*>(band) || dynamic_cast<TrpReportTitle*>(band);
        if (!anyColumn && std::fabs(left - x) > kLeftTolerance) continue;
        bottom = std::max(bottom, Attribute(item, "t", band->Top()) + Attribute(item, "h", band->Height()));
    }
    return bottom;
}

bool TrpPreviewPages::PageHasBand(TrpBand* band) {
    TrpXMLItem* page = CurrentPageElement();
    if (!page) return false;
    TrpComponent* source = SourceOf(band);
    for (int i = 0; i < page->Count(); ++i) {
        TrpComponent* object = dictionary_.ObjectOf(page->Items(i)->Name);
        if (!object) continue;
        if (source && object == source) return true;
        if (dynamic_cast<TrpPageFooter*>(band) && dynamic_cast<TrpPageFooter*>(object)) return true;
        if (dynamic_cast<TrpColumnFooter*>(band) && dynamic_cast<TrpColumnFooter*>(object)) return true;
    }
    return false;
}

void TrpPreviewPages::CountLogicalPage() {
    if (Engine() && Engine()->DoublePass() && Engine()->FinalPass()) return;
    ++logicalCounter_;
    TrpXMLItem* page = Element("logicalpagenumbers").Add();
    page->Name = "page";
    page->SetProp("n", std::to_string(logicalCounter_));
}

void TrpPreviewPages::EndLogicalNumbering() {
    if (Engine() && Engine()->DoublePass() && Engine()->FinalPass()) return;
    TrpXMLItem& numbers = Element("logicalpagenumbers");
    for (int i = std::min(CurrentPage(), numbers.Count() - 1); i > passPage_ && i >= 0; --i) {
        TrpXMLItem& page = *numbers.Items(i);
        page.SetProp("t", std::to_string(logicalCounter_));
        if (page.Prop("n") == "1") break;
    }
    logicalCounter_ = 0;
}

int TrpPreviewPages::LogicalPageNumber() {
    TrpXMLItem& numbers = Element("logicalpagenumbers");
    if (CurrentPage() >= 0 && CurrentPage() < numbers.Count()) {
        std::string n = numbers.Items(CurrentPage())->Prop("n");
        if (!n.empty()) return std::atoi(n.c_str());
    }
    return CurrentPage() - RunFirstPage() + 1;
}

int TrpPreviewPages::LogicalPageTotal() {
    TrpXMLItem& numbers = Element("logicalpagenumbers");
    if (CurrentPage() >= 0 && CurrentPage() < numbers.Count())
        return std::atoi(numbers.Items(CurrentPage())->Prop("t").c_str());
    return (Engine() ? Engine()->TotalPages() : 0) - RunFirstPage();
}

void TrpPreviewPages::AddAnchor(const std::string& text) {
    TrpXMLItem* anchor = Element("anchors").Add();
    anchor->Name = "item";
    anchor->SetProp("text", EscapeAttrText(text));
    anchor->SetProp("page", std::to_string(CurrentPage()));
    anchor->SetProp("top", std::to_string(Engine() ? std::lround(Engine()->CurY()) : 0L));
}

int TrpPreviewPages::GetAnchorPage(const std::string& text) {
    TrpXMLItem& anchors = Element("anchors");
    for (int i = anchors.Count() - 1; i >= 0; --i)
        if (AnsiSameText(anchors.Items(i)->Prop("text"), text))
            return std::atoi(anchors.Items(i)->Prop("page").c_str()) + 1;
    return 1;
}

int TrpPreviewPages::LastAnchorIndex() { return Element("anchors").Count() - 1; }

void TrpPreviewPages::MoveAnchorsFrom(int index, double top) {
    TrpXMLItem& anchors = Element("anchors");
    if (index + 1 >= anchors.Count() || index + 1 < 0) return;
    const double corr = top - Attribute(*anchors.Items(index + 1), "top", 0);
    for (int i = index + 1; i < anchors.Count(); ++i) {
        TrpXMLItem& anchor = *anchors.Items(i);
        anchor.SetProp("page", std::to_string(std::atoi(anchor.Prop("page").c_str()) + 1));
        anchor.SetProp("top", std::to_string(std::lround(Attribute(anchor, "top", 0) + corr)));
    }
}

void TrpPreviewPages::NotePassStart() {
    passPage_ = PageCount() - 1;
    TrpXMLItem* page = passPage_ >= 0 ? Pages().Items(passPage_) : nullptr;
    passObjects_ = page ? page->Count() : 0;
    passOutlineItems_ = static_cast<TrpOutline*>(Outline())->TotalCount();
    EndLogicalNumbering();
}

void TrpPreviewPages::DropPassPages() {
    cache_.clear();
    if (passPage_ < 0) {
        TrpXMLItem& root = document_.Root();
        for (int i = 0; i < root.Count(); ++i) {
            TrpXMLItem& child = *root.Items(i);
            if (!AnsiSameText(child.Name, "anchors") && !AnsiSameText(child.Name, "logicalpagenumbers")) child.Clear();
        }
    } else {
        TrpXMLItem& pages = Pages();
        while (pages.Count() > passPage_ + 1) delete pages.Items(pages.Count() - 1);
        TrpXMLItem& page = *pages.Items(passPage_);
        while (page.Count() > passObjects_) delete page.Items(page.Count() - 1);
        TrpXMLItem& outline = Element("outline");
        while (static_cast<TrpOutline*>(Outline())->TotalCount() > passOutlineItems_ && outline.Count())
            delete outline.Items(outline.Count() - 1);
    }
    static_cast<TrpOutline*>(Outline())->LevelRoot();
    EndLogicalNumbering();
    SetCurrentPage(passPage_);
    treeSize_ = 0;
}

void TrpPreviewPages::FinishPreparing() {
    cache_.clear();
    sources_.clear();
}
