#pragma once
// What the report asks of its generation engine. The report only ever holds
// this base; the engine proper derives from it and fills every operation.

#include "ui/core/List.h"
#include "ui/core/Persistent.h"
#include "ui/variant/Variant.h"

#include <string>

class TClassInfo;
class TrpBand;
class TrpCustomPreviewPages;
class TrpReport;

class TrpCustomEngine : public TPersistent {
    DECLARE_CLASS_INFO
public:
    // Stores the report and makes the notification list.
    explicit TrpCustomEngine(TrpReport* report);
    ~TrpCustomEngine() override = default;

    virtual double PageHeight() const { return pageHeight_; }
    void SetPageHeight(double value) { pageHeight_ = value; }

    virtual void FinishPage() = 0;
    // Ends a block of bands kept together; nothing to end here.
    virtual void CancelKeeping() {}
    virtual void NewColumn() = 0;
    virtual void NewPage() = 0;
    virtual void ShowBand(TrpBand* band) = 0;
    // Shows the current page's first band of the class.
    virtual void ShowBandOfKind(const TClassInfo& bandClass) = 0;
    virtual double HeadersHeight() = 0;
    virtual double FootersHeight() = 0;
    virtual double FreeSpace() = 0;
    // The running value of an aggregate function (SUM, AVG, MIN, MAX, COUNT)
    // over `expression` for `band`.
    virtual Variant AggregateValue(const std::string& function, const std::string& expression, TrpBand* band,
                                   int flags) = 0;
    // One whole preparation; true is success.
    virtual bool Run() = 0;

    // Asks the report to stop: its script stops too at its next check.
    void StopReport();

    TrpReport* Report() const { return report_; }
    TrpCustomPreviewPages* PreviewPages() const { return previewPages_; }
    void SetPreviewPages(TrpCustomPreviewPages* pages) { previewPages_ = pages; }
    // Objects told of each band shown; emptied by each script set-up.
    TList& NotifyList() { return notifyList_; }
    // True while Run works: object events fire only then.
    bool Running() const { return running_; }
    void SetRunning(bool value) { running_ = value; }

    int CurColumn() const { return curColumn_; }
    void SetCurColumn(int value) { curColumn_ = value; }
    int CurVColumn() const { return curVColumn_; }
    void SetCurVColumn(int value) { curVColumn_ = value; }
    double CurX() const { return curX_; }
    void SetCurX(double value) { curX_ = value; }
    double CurY() const { return curY_; }
    void SetCurY(double value) { curY_ = value; }
    // The report's engine option of the same name.
    bool DoublePass() const;
    bool FinalPass() const { return finalPass_; }
    void SetFinalPass(bool value) { finalPass_ = value; }
    double PageWidth() const { return pageWidth_; }
    void SetPageWidth(double value) { pageWidth_ = value; }
    double StartDate() const { return startDate_; }
    void SetStartDate(double value) { startDate_ = value; }
    double StartTime() const { return startTime_; }
    void SetStartTime(double value) { startTime_ = value; }
    int TotalPages() const { return totalPages_; }
    void SetTotalPages(int value) { totalPages_ = value; }
    bool SecondScriptCall() const { return secondScriptCall_; }
    void SetSecondScriptCall(bool value) { secondScriptCall_ = value; }
    // The line counters of the system variables "Line" and "Line#".
    int CurLine() const { return curLine_; }
    void SetCurLine(int value) { curLine_ = value; }
    int CurLineThrough() const { return curLineThrough_; }
    void SetCurLineThrough(int value) { curLineThrough_ = value; }

private:
    TrpReport* report_;
    TrpCustomPreviewPages* previewPages_ = nullptr;
    TList notifyList_;
    bool running_ = false;
    int curColumn_ = 0;
    int curVColumn_ = 0;
    double curX_ = 0;
    double curY_ = 0;
    bool finalPass_ = false;
    double pageHeight_ = 0;
    double pageWidth_ = 0;
    double startDate_ = 0;
    double startTime_ = 0;
    int totalPages_ = 0;
    bool secondScriptCall_ = false;
    int curLine_ = 0;
    int curLineThrough_ = 0;
};
