#pragma once
// A panel of colour cells in rows and columns: a click or the arrow keys
// choose a cell (OnChange), a double click runs OnDblClick. The colour
// dialogs show their palettes with it.

#include "ui/forms/CustomControl.h"

#include <vector>

class TColorCells : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TColorCells(TComponent* owner);

    int Columns() const { return columns_; }
    // At least one; the rows follow from the number of colours.
    void SetColumns(int value);
    int Rows() const;
    const std::vector<TColor>& Colors() const { return colors_; }
    void SetColors(std::vector<TColor> colors);
    TColor ColorAt(int index) const;
    void SetColorAt(int index, TColor color);
    // -1: none chosen.
    int ItemIndex() const { return itemIndex_; }
    // From code: no OnChange.
    void SetItemIndex(int index);
    // The cell under a point of the control, -1 between or beyond cells.
    int CellAt(int x, int y) const;
    TRect CellRect(int index) const;

    TNotifyEvent OnChange;
    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoKeyDown(platform::WORD& key, TShiftState shift) override;

private:
    void Choose(int index);
    TPoint CellSize() const;

    std::vector<TColor> colors_;
    int columns_ = 8;
    int itemIndex_ = -1;
};
