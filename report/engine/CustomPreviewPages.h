#pragma once
// What the report, the engine and the preview ask of the store of prepared
// pages. The store proper derives from this base and fills every operation.

#include "ui/core/Object.h"
#include "ui/forms/Control.h"
#include "ui/forms/Messages.h"

#include <memory>
#include <string>

class TCanvas;
class TStream;
class TrpBand;
class TrpComponent;
class TrpCustomEngine;
class TrpCustomOutline;
class TrpExportFilter;
class TrpPictureView;
class TrpReport;
class TrpReportPage;

struct TrpPageSize {
    int Width = 0;
    int Height = 0;
};

// The pointer over a page of the preview, in canvas pixels.
struct TrpPointerInput {
    int PageIndex = 0;
    int X = 0;
    int Y = 0;
    TMouseButton Button = TMouseButton::mbLeft;
    TShiftState Shift;
    double Scale = 1;
    int OffsetX = 0;
    int OffsetY = 0;
    bool Click = false;
    bool DoubleClick = false;
};

class TrpCustomPreviewPages : public TObject {
    DECLARE_CLASS_INFO
public:
    // Stores the report; the derived store's constructor gives it its
    // outline (SetOutline), so a store always has one.
    explicit TrpCustomPreviewPages(TrpReport* report);
    ~TrpCustomPreviewPages() override;

    virtual int PageCount() = 0;
    // The page object built from prepared page `index` (the store keeps it).
    virtual TrpReportPage* PageAt(int index) = 0;
    virtual TrpPageSize PageSizeAt(int index) = 0;
    virtual void ClearPages() = 0;
    virtual void StartPreparing() = 0;
    virtual void PutOnPage(TrpComponent* object) = 0;
    virtual void OpenPage(TrpReportPage* templatePage) = 0;
    virtual void RegisterSourcePage(TrpReportPage* templatePage) = 0;
    virtual void RegisterSourceObject(TrpComponent* object) = 0;
    virtual void NotePassStart() = 0;
    virtual void DropPassPages() = 0;
    virtual void CutFrom(int index) = 0;
    virtual void FinishPreparing() = 0;
    virtual void CountLogicalPage() = 0;
    virtual void EndLogicalNumbering() = 0;
    virtual void PasteCut(double y, double x) = 0;
    virtual void MoveAnchorsFrom(int index, double top) = 0;
    virtual void CachePicture(TrpPictureView* picture) = 0;
    virtual bool PageHasBand(TrpBand* band) = 0;
    virtual int ObjectPosition() = 0;
    virtual int LastAnchorIndex() = 0;
    virtual double BottomOfBands(double x) = 0;
    virtual int LogicalPageNumber() = 0;
    virtual int LogicalPageTotal() = 0;
    virtual void InsertBlankPage(int index) = 0;
    virtual void RemovePage(int index) = 0;
    virtual void ReplacePage(int index, TrpReportPage* page) = 0;
    // Draws page `index` with its paper corner at the offsets, scaled.
    virtual void PaintPage(int index, TCanvas* canvas, double scaleX, double scaleY, double offsetX,
                           double offsetY) = 0;
    // The cursor to show for the pointer.
    virtual TCursor HandlePointer(const TrpPointerInput& pointer) = 0;
    virtual void AppendReport(TrpReport* report) = 0;
    virtual void LoadFromStream(TStream* stream, bool partialLoading) = 0;
    virtual void SaveToStream(TStream* stream) = 0;
    // Whether the file existed; with `failWhenMissing` a missing file raises.
    virtual bool LoadFromFile(const std::string& fileName, bool failWhenMissing) = 0;
    virtual void SaveToFile(const std::string& fileName) = 0;
    virtual bool Print() = 0;
    virtual bool ExportTo(TrpExportFilter* filter) = 0;

    TrpReport* Report() const { return report_; }
    TrpCustomEngine* Engine() const { return engine_; }
    void SetEngine(TrpCustomEngine* engine) { engine_ = engine; }
    TrpCustomOutline* Outline() const { return outline_.get(); }
    // The current page, -1 while there is none ("Page#" is one more).
    int CurrentPage() const { return currentPage_; }
    void SetCurrentPage(int value) { currentPage_ = value; }
    // The first page of the current logical numbering.
    int RunFirstPage() const { return runFirstPage_; }
    void SetRunFirstPage(int value) { runFirstPage_ = value; }

protected:
    // Called once by the derived constructor: the store owns the outline.
    void SetOutline(std::unique_ptr<TrpCustomOutline> outline);

private:
    TrpReport* report_;
    TrpCustomEngine* engine_ = nullptr;
    std::unique_ptr<TrpCustomOutline> outline_;
    int currentPage_ = -1;
    int runFirstPage_ = 0;
};
