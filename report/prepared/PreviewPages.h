#pragma once
// The store of prepared pages: one XML tree (root "preparedreport") with the
// pages, their logical numbers, the outline, the anchors, the source pages
// the pages refer to and the dictionary of short object names. Objects are
// written as the attributes that differ from their source object; page
// elements beyond the memory limit are swapped to a temporary file.
// Drawing, pointer handling, printing and export come with the preview and
// printing; this class leaves them to a derived store.

#include "report/engine/CustomPreviewPages.h"
#include "report/prepared/Dictionary.h"
#include "report/xml/XmlDocument.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class TrpPage;

class TrpPreviewPages : public TrpCustomPreviewPages {
    DECLARE_CLASS_INFO
public:
    explicit TrpPreviewPages(TrpReport* report);
    ~TrpPreviewPages() override;

    int PageCount() override;
    TrpReportPage* PageAt(int index) override;
    TrpPageSize PageSizeAt(int index) override;
    void ClearPages() override;
    void StartPreparing() override;
    void PutOnPage(TrpComponent* object) override;
    void OpenPage(TrpReportPage* templatePage) override;
    void RegisterSourcePage(TrpReportPage* templatePage) override;
    void RegisterSourceObject(TrpComponent* object) override;
    void NotePassStart() override;
    void DropPassPages() override;
    void CutFrom(int index) override;
    void FinishPreparing() override;
    void CountLogicalPage() override;
    void EndLogicalNumbering() override;
    void PasteCut(double y, double x) override;
    void MoveAnchorsFrom(int index, double top) override;
    bool PageHasBand(TrpBand* band) override;
    int ObjectPosition() override;
    int LastAnchorIndex() override;
    double BottomOfBands(double x) override;
    int LogicalPageNumber() override;
    int LogicalPageTotal() override;
    void InsertBlankPage(int index) override;
    void RemovePage(int index) override;
    void ReplacePage(int index, TrpReportPage* page) override;
    // A damaged text raises TrpPreparedFileError and leaves the store empty.
    void LoadFromStream(TStream* stream, bool partialLoading) override;
    void SaveToStream(TStream* stream) override;
    bool LoadFromFile(const std::string& fileName, bool failWhenMissing) override;
    // Written beside the file first, so a failed save leaves the old file whole.
    void SaveToFile(const std::string& fileName) override;

    void AddAnchor(const std::string& text);
    // 1 when no anchor has the text (compared without regard to case).
    int GetAnchorPage(const std::string& text);

    TrpXMLDocument& Document() { return document_; }
    TrpDictionary& Dictionary() { return dictionary_; }
    const std::vector<std::unique_ptr<TrpReportPage>>& SourcePages() const { return sourcePages_; }
    // Page elements built into page objects, most recent first.
    int CachedPageCount() const { return static_cast<int>(cache_.size()); }
    void EmptyPageCache() { cache_.clear(); }
    // The copy a template object was registered as, or none.
    TrpComponent* SourceOf(const TrpComponent* templateObject) const;

    // The page elements, in page order.
    TrpXMLItem& Pages() { return Element("previewpages"); }

protected:
    TrpXMLItem& Element(const char* name) { return *document_.Root().FindItem(name); }

private:
    struct SourceInfo {
        std::string dictName;
        std::string sourceProps;
    };
    TrpXMLItem* CurrentPageElement();
    void SwapOutIfTooLarge();
    void WriteObject(TrpComponent& object, TrpXMLItem& parent);
    bool InFirstPassOfTwo() const;
    void NameSourceObjects(TrpComponent& copy, int sourceIndex);
    void CopyChildren(const TrpComponent& from, TrpComponent& to);
    void LinkSources(const TrpComponent& templateObject, TrpComponent& copy);
    std::unique_ptr<TrpReportPage> BuildPage(TrpXMLItem& element);
    void BuildObjects(TrpXMLItem& element, TrpComponent& parent);
    void ReadDictionary();
    void WriteReportElement();

    TrpXMLDocument document_;
    TrpDictionary dictionary_;
    std::vector<std::unique_ptr<TrpReportPage>> sourcePages_;
    std::unordered_map<const TrpComponent*, TrpComponent*> sources_;   // template object → copy
    std::unordered_map<const TrpComponent*, SourceInfo> sourceInfo_;  // copy → its names
    std::vector<std::pair<int, std::unique_ptr<TrpReportPage>>> cache_;
    bool appendPages_ = false;
    int passPage_ = -1, passObjects_ = 0, passOutlineItems_ = 0;
    int logicalCounter_ = 0;
    std::int64_t treeSize_ = 0;
};

// A prepared-report text that cannot be read back.
class TrpPreparedFileError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const override { return "TrpPreparedFileError"; }
};
