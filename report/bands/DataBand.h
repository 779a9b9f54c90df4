#pragma once
// Data bands: printed once per record of their data set, or RowCount times
// through a built-in counting data set when they have none; optionally in
// columns side by side.

#include "report/bands/Band.h"

#include <memory>

class TrpDataSet;
class TrpUserDataSet;

class TrpDataBand : public TrpBand {
    DECLARE_CLASS_INFO
public:
    explicit TrpDataBand(TComponent* owner);
    ~TrpDataBand() override;

    int Columns() const { return columns_; }
    void SetColumns(int value) { columns_ = value; }
    double ColumnWidth() const { return columnWidth_; }
    void SetColumnWidth(double value) { columnWidth_ = value; }
    double ColumnGap() const { return columnGap_; }
    void SetColumnGap(double value) { columnGap_ = value; }
    // 1-based; past Columns it starts again at 1, which also clears RowBottom.
    int ColumnIndex() const { return columnIndex_; }
    void SetColumnIndex(int value);
    double RowBottom = 0;

    TrpDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TrpDataSet* value);
    // The data set's user name when there is one, else the name kept.
    std::string DataSetName() const;
    void SetDataSetName(const std::string& value);
    // Also the built-in data set's record count.
    int RowCount() const { return rowCount_; }
    void SetRowCount(int value);
    // The counter of RowCount records used when no data set is given.
    TrpUserDataSet& BuiltInDataSet() { return *builtIn_; }

    bool FooterAfterEach = false, KeepFooter = false, KeepHeader = false, KeepTogether = false,
         PrintIfDetailEmpty = false;
    std::string OnMasterDetail;

    std::string DescriptionText() const override { return "obDataBand"; }
    void Notification(TComponent* component, TOperation operation) override;

private:
    int columns_ = 0;
    double columnWidth_ = 0, columnGap_ = 0;
    int columnIndex_ = 1;
    int rowCount_ = 0;
    TrpDataSet* dataSet_ = nullptr;
    std::string dataSetName_;
    std::unique_ptr<TrpUserDataSet> builtIn_;
};

class TrpMasterData : public TrpDataBand {
    DECLARE_CLASS_INFO
public:
    using TrpDataBand::TrpDataBand;
};

class TrpDetailData : public TrpDataBand {
    DECLARE_CLASS_INFO
public:
    using TrpDataBand::TrpDataBand;
};

class TrpSubdetailData : public TrpDataBand {
    DECLARE_CLASS_INFO
public:
    using TrpDataBand::TrpDataBand;
};

class TrpDataBand4 : public TrpDataBand {
    DECLARE_CLASS_INFO
public:
    using TrpDataBand::TrpDataBand;
};

class TrpDataBand5 : public TrpDataBand {
    DECLARE_CLASS_INFO
public:
    using TrpDataBand::TrpDataBand;
};

class TrpDataBand6 : public TrpDataBand {
    DECLARE_CLASS_INFO
public:
    using TrpDataBand::TrpDataBand;
};
