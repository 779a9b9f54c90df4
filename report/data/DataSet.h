#pragma once
// Data sets: the report's view of a table of records. The base keeps the
// record counter, the range rules and the navigation events; every data set
// joins the process-wide list while it exists, so views and bands find it
// by its user name.

#include "report/objects/ReportComponent.h"
#include "ui/core/Events.h"
#include "ui/variant/Variant.h"

#include <functional>
#include <string>
#include <string_view>

class TStrings;
class TStream;
class TEnumInfo;

enum class TrpRangeBegin { rbFirst, rbCurrent };
enum class TrpRangeEnd { reLast, reCurrent, reCount };
enum class TrpFieldType { fftNumeric, fftString, fftBoolean };
const TEnumInfo& TrpRangeBeginInfo();
const TEnumInfo& TrpRangeEndInfo();

using TrpCheckEofEvent = std::function<void(TObject* Sender, bool& eof)>;

class TrpDataSet : public TrpComponent {
    DECLARE_CLASS_INFO
public:
    explicit TrpDataSet(TComponent* owner);
    ~TrpDataSet() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool OpenDataSource() const { return openDataSource_; }
    void SetOpenDataSource(bool value) { openDataSource_ = value; }
    bool CloseDataSource() const { return closeDataSource_; }
    void SetCloseDataSource(bool value) { closeDataSource_ = value; }
    TrpRangeBegin RangeBegin() const { return rangeBegin_; }
    void SetRangeBegin(TrpRangeBegin value) { rangeBegin_ = value; }
    TrpRangeEnd RangeEnd() const { return rangeEnd_; }
    void SetRangeEnd(TrpRangeEnd value) { rangeEnd_ = value; }
    int RangeEndCount() const { return rangeEndCount_; }
    void SetRangeEndCount(int value) { rangeEndCount_ = value; }
    int RecNo() const { return recNo_; }

    const std::string& UserName() const { return userName_; }
    // Blank names raise the string-table text "prInvProp".
    virtual void SetUserName(const std::string& value);
    // A data set without a user name takes its new name as one.
    void SetName(const std::string& name) override;

    virtual std::u16string DisplayText(const std::string& field);
    virtual int DisplayWidth(const std::string& field);
    virtual TrpFieldType FieldType(const std::string& field);
    virtual Variant Value(const std::string& field);

    // Called by the engine around a run.
    virtual void BeginUse() {}
    virtual void EndUse() {}
    virtual void Open();
    virtual void Close();
    virtual void First();
    virtual void Next();
    virtual void Prior();
    virtual bool Eof();
    virtual int FieldsCount() { return 0; }
    virtual bool IsBlobField(const std::string&) { return false; }
    virtual int RecordCount();
    // Copies a blob into a text list or a stream; the base has none.
    virtual void CopyBlobTo(const std::string&, TObject*) {}
    virtual void GetFieldList(TStrings& list);
    // Field names are compared without regard to case.
    bool HasField(std::string_view field);

    TrpCheckEofEvent OnCheckEOF;
    TNotifyEvent OnFirst, OnNext, OnPrior, OnOpen, OnClose;

    // Never drawn: a data set is no view.
    std::string DescriptionText() const override { return "obDataSet"; }

private:
    bool enabled_ = true;
    bool openDataSource_ = true;
    bool closeDataSource_ = false;
    TrpRangeBegin rangeBegin_ = TrpRangeBegin::rbFirst;
    TrpRangeEnd rangeEnd_ = TrpRangeEnd::reLast;
    int rangeEndCount_ = 0;
    std::string userName_;
    int recNo_ = 0;
    bool atEnd_ = false;
};
