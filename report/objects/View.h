#pragma once
// Views: the objects shown on a printed page, with their alignment among
// their siblings; stretcheable views may grow with their content. (Their
// frames, fills and drawing come with the views' own unit.)

#include "report/objects/ReportComponent.h"

class TEnumInfo;

enum class TrpAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };
enum class TrpShiftMode { smDontShift, smAlways, smWhenOverlapped };
enum class TrpStretchMode { smDontStretch, smActualHeight, smMaxHeight };
const TEnumInfo& TrpAlignInfo();

class TrpView : public TrpReportComponent {
    DECLARE_CLASS_INFO
public:
    explicit TrpView(TComponent* owner);

    TrpAlign Align() const { return align_; }
    void SetAlign(TrpAlign value) { align_ = value; }
    bool Printable() const { return printable_; }
    void SetPrintable(bool value) { printable_ = value; }
    TrpShiftMode ShiftMode() const { return shiftMode_; }
    void SetShiftMode(TrpShiftMode value) { shiftMode_ = value; }

private:
    TrpAlign align_ = TrpAlign::baNone;
    bool printable_ = true;
    TrpShiftMode shiftMode_ = TrpShiftMode::smAlways;
};

class TrpStretcheable : public TrpView {
    DECLARE_CLASS_INFO
public:
    using TrpView::TrpView;
    TrpStretchMode StretchMode() const { return stretchMode_; }
    void SetStretchMode(TrpStretchMode value) { stretchMode_ = value; }

private:
    TrpStretchMode stretchMode_ = TrpStretchMode::smDontStretch;
};
