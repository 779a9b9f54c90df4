#pragma once
// The cells of a string grid: a table of texts whose size can change
// without losing what still fits, fixed rows and columns at the top and
// left, and the current cell that moves only over the cells that are not fixed.

#include <string>
#include <vector>

enum class TGridMove { Up, Down, Left, Right, Home, End, Top, Bottom };

class TGridCells {
public:
    TGridCells(int colCount = 5, int rowCount = 5);

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    void SetColCount(int count);
    void SetRowCount(int count);
    // At least one scrollable row and column stay: the limit is count - 1.
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int count);
    void SetFixedRows(int count);

    // Outside the grid: empty on reading, ignored on writing.
    std::string Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);
    // A row's texts, as many as there are columns.
    std::vector<std::string> Row(int row) const;

    int Col() const { return col_; }
    int CurrentRow() const { return row_; }
    // False when the cell is fixed or outside.
    bool Select(int col, int row);
    bool Move(TGridMove move);

private:
    void Resize(int cols, int rows);
    void KeepCurrentInside();

    int cols_, rows_;
    int fixedCols_ = 1, fixedRows_ = 1;
    std::vector<std::string> cells_;  // row by row
    int col_ = 1, row_ = 1;
};
