#pragma once
// Bands: the strips of a report page the engine prints (titles, summaries,
// page and column headers and footers, data bands repeated per record, their
// headers and footers, groups, child bands, overlays), with the fields the
// engine keeps on them during a run.

#include "report/objects/ReportComponent.h"
#include "ui/variant/Variant.h"

#include <memory>
#include <string>
#include <vector>

class TrpChild;
class TrpDataBand;
class TrpGroupHeader;

// The order numbers that rank bands in the band tree.
enum class TrpBandKind {
    ReportTitle, ReportSummary, PageHeader, PageFooter, Header, Footer, MasterData, DetailData, SubdetailData,
    DataBand4, DataBand5, DataBand6, GroupHeader, GroupFooter, Child, ColumnHeader, ColumnFooter, Overlay
};

class TrpBand : public TrpReportComponent {
    DECLARE_CLASS_INFO
public:
    explicit TrpBand(TComponent* owner);
    ~TrpBand() override;

    // The number of the last kind the band is or derives from; 0 for none.
    int BandNumber() const;

    bool AllowSplit() const { return allowSplit_; }
    void SetAllowSplit(bool value) { allowSplit_ = value; }
    TrpChild* Child() const { return child_; }
    // Raises Exception for a chain that leads back to this band.
    void SetChild(TrpChild* child);
    bool KeepChild() const { return keepChild_; }
    void SetKeepChild(bool value) { keepChild_ = value; }
    const std::string& OutlineText() const { return outlineText_; }
    void SetOutlineText(const std::string& value) { outlineText_ = value; }
    bool Overflow() const { return overflow_; }
    void SetOverflow(bool value) { overflow_ = value; }
    bool StartNewPage() const { return startNewPage_; }
    void SetStartNewPage(bool value) { startNewPage_ = value; }
    bool Stretched() const { return stretched_; }
    void SetStretched(bool value) { stretched_ = value; }
    bool PrintChildIfInvisible() const { return printChildIfInvisible_; }
    void SetPrintChildIfInvisible(bool value) { printChildIfInvisible_ = value; }
    bool Vertical() const { return vertical_; }
    void SetVertical(bool value) { vertical_ = value; }
    // Script procedure names.
    std::string OnAfterCalcHeight, OnBeforePrint, OnAfterPrint;

    void Draw(TCanvas&, double, double, double, double) override {}
    std::string DescriptionText() const override { return "obBand"; }
    void Notification(TComponent* component, TOperation operation) override;

    // Run state the engine keeps.
    std::vector<TrpDataBand*> DetailBands;
    TrpBand* HeaderBand = nullptr;
    TrpBand* FooterBand = nullptr;
    TrpGroupHeader* GroupBand = nullptr;
    int LineNo = 0;
    int RunningLineNo = 0;
    int OwnObjectCount = -1;
    bool CrossedByVertical = false;
    double PrintedHeight = 0;

private:
    bool allowSplit_ = false, keepChild_ = false, overflow_ = false, startNewPage_ = false, stretched_ = false,
         printChildIfInvisible_ = false, vertical_ = false;
    TrpChild* child_ = nullptr;
    std::string outlineText_;
};

class TrpReportTitle : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
};

class TrpReportSummary : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
};

class TrpPageHeader : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
    bool PrintOnFirstPage() const { return printOnFirstPage_; }
    void SetPrintOnFirstPage(bool value) { printOnFirstPage_ = value; }

private:
    bool printOnFirstPage_ = true;
};

class TrpPageFooter : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
    bool PrintOnFirstPage() const { return printOnFirstPage_; }
    void SetPrintOnFirstPage(bool value) { printOnFirstPage_ = value; }
    bool PrintOnLastPage() const { return printOnLastPage_; }
    void SetPrintOnLastPage(bool value) { printOnLastPage_ = value; }

private:
    bool printOnFirstPage_ = true, printOnLastPage_ = true;
};

class TrpHeader : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
    bool ReprintOnNewPage() const { return reprintOnNewPage_; }
    void SetReprintOnNewPage(bool value) { reprintOnNewPage_ = value; }

private:
    bool reprintOnNewPage_ = false;
};

class TrpFooter : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
};

class TrpGroupHeader : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
    const std::string& Condition() const { return condition_; }
    void SetCondition(const std::string& value) { condition_ = value; }
    bool DrillDown = false, ExpandDrillDown = false, KeepTogether = false, ReprintOnNewPage = false,
         ResetPageNumbers = false, ShowFooterIfDrillDown = false, ShowChildIfDrillDown = false;
    std::string DrillName;
    // The base attributes, then DrillName for a drill-down header.
    std::string DifferenceText(const TrpComponent& reference) const override;

    // Run state: this header and the headers directly after it, outermost first.
    std::vector<TrpGroupHeader*> GroupChain;
    Variant ConditionValue;

private:
    std::string condition_;
};

class TrpGroupFooter : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
    bool HideIfSingleDataRecord = false;
};

class TrpChild : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
};

class TrpColumnHeader : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
};

class TrpColumnFooter : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
};

class TrpOverlay : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
    bool PrintOnTop = false;
};

// Made by the engine to carry the objects placed directly on a page.
class TrpNullBand : public TrpBand {
    DECLARE_CLASS_INFO
public:
    using TrpBand::TrpBand;
};
