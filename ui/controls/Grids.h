#pragma once
// Grids: rows and columns of cells with fixed rows at the top and fixed
// columns at the left that stay while the rest scrolls, a current cell moved
// by the arrows, pages, Home/End and the mouse (each move asked of
// SelectCell), and cells drawn one by one through DrawCell. The draw grid
// leaves the drawing to OnDrawCell; the string grid holds a text per cell
// and draws it before OnDrawCell runs. Cells are not edited in place.

#include "ui/controls/CustomEdit.h"
#include "ui/controls/GridCells.h"
#include "ui/forms/CustomControl.h"
#include "ui/graphics/MeasureCanvas.h"

#include <vector>

enum class TGridOption { goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
                         goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
                         goAlwaysShowEditor, goThumbTracking };
using TGridOptions = TSet<TGridOption>;
enum class TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

class TCustomGrid : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomGrid(TComponent* owner);

    int ColCount() const { return cells_.ColCount(); }
    void SetColCount(int value);
    int RowCount() const { return cells_.RowCount(); }
    void SetRowCount(int value);
    int FixedCols() const { return cells_.FixedCols(); }
    void SetFixedCols(int value);
    int FixedRows() const { return cells_.FixedRows(); }
    void SetFixedRows(int value);
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int value);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int value);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor value);
    bool DefaultDrawing = true;

    // The current cell; setting it from code asks SelectCell too.
    int Col() const { return cells_.Col(); }
    void SetCol(int value) { FocusCell(value, Row()); }
    int Row() const { return cells_.CurrentRow(); }
    void SetRow(int value) { FocusCell(Col(), value); }
    // The first scrollable row and column shown.
    int TopRow() const { return topRow_; }
    void SetTopRow(int value);
    int LeftCol() const { return leftCol_; }
    void SetLeftCol(int value);
    // Scrollable rows and columns that fit whole below and right of the fixed ones.
    int VisibleRowCount() const;
    int VisibleColCount() const;
    // A cell's rectangle in client coordinates; empty when it is not shown.
    TRect CellRect(int col, int row) const;
    // The cell at a client point; false outside every cell.
    bool MouseToCell(int x, int y, int& col, int& row) const;

    TNotifyEvent OnTopLeftChanged;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;
    bool DoKeyDown(platform::WORD& key, TShiftState shift) override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Resize() override;
    void Paint() override;
    // Draws one cell: the canvas brush and font already hold the cell's colours.
    virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) = 0;
    virtual bool SelectCell(int col, int row);
    virtual void TopLeftChanged();
    // Makes (col, row) current when SelectCell agrees, and brings it into view.
    void FocusCell(int col, int row);

    TGridCells cells_;

private:
    int FixedWidth() const;
    int FixedHeight() const;
    // First cell shown of each axis: 0 inside the fixed part, else the scrolled start.
    int ColLeft(int col) const;
    int RowTop(int row) const;
    void MakeVisible(int col, int row);
    void SetTopLeft(int top, int left);
    void UpdateScrollBars();
    void ScrollMessage(bool vertical, platform::WORD code);
    void SizesChanged();

    std::vector<int> colWidths_, rowHeights_;
    int defaultColWidth_ = 64, defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    TGridOptions options_{TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine, TGridOption::goVertLine,
                          TGridOption::goHorzLine, TGridOption::goRangeSelect};
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TColor fixedColor_ = clBtnFace;
    int topRow_ = 1, leftCol_ = 1;
    bool updatingBars_ = false;
};

class TDrawGrid : public TCustomGrid {
    DECLARE_CLASS_INFO
public:
    using TCustomGrid::TCustomGrid;
    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;

protected:
    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
};

class TStringGrid : public TDrawGrid {
    DECLARE_CLASS_INFO
public:
    using TDrawGrid::TDrawGrid;
    // Outside the grid: empty on reading, ignored on writing.
    std::string Cells(int col, int row) const { return cells_.Cell(col, row); }
    void SetCells(int col, int row, const std::string& text);

protected:
    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
};
