#include "ui/controls/GridCells.h"

#include <algorithm>

TGridCells::TGridCells(int colCount, int rowCount) : cols_(0), rows_(0) {
    Resize(std::max(colCount, 1), std::max(rowCount, 1));
    SetFixedCols(1);
    SetFixedRows(1);
}

void TGridCells::Resize(int cols, int rows) {
    if (cols == cols_) {
        // Rows only: the cells stay where they are, so rows added one by one cost no copy.
        cells_.resize(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
        rows_ = rows;
        fixedRows_ = std::min(fixedRows_, rows_ - 1);
        KeepCurrentInside();
        return;
    }
    std::vector<std::string> next(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            next[static_cast<std::size_t>(r * cols + c)] = std::move(cells_[static_cast<std::size_t>(r * cols_ + c)]);
    cells_ = std::move(next);
    cols_ = cols;
    rows_ = rows;
    fixedCols_ = std::min(fixedCols_, cols_ - 1);
    fixedRows_ = std::min(fixedRows_, rows_ - 1);
    KeepCurrentInside();
}

void TGridCells::KeepCurrentInside() {
    col_ = std::clamp(col_, std::max(fixedCols_, 0), cols_ - 1);
    row_ = std::clamp(row_, std::max(fixedRows_, 0), rows_ - 1);
}

void TGridCells::SetColCount(int count) { Resize(std::max(count, 1), rows_); }
void TGridCells::SetRowCount(int count) { Resize(cols_, std::max(count, 1)); }

void TGridCells::SetFixedCols(int count) {
    fixedCols_ = std::clamp(count, 0, cols_ - 1);
    KeepCurrentInside();
}

void TGridCells::SetFixedRows(int count) {
    fixedRows_ = std::clamp(count, 0, rows_ - 1);
    KeepCurrentInside();
}

std::string TGridCells::Cell(int col, int row) const {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return {};
    return cells_[static_cast<std::size_t>(row * cols_ + col)];
}

void TGridCells::SetCell(int col, int row, const std::string& text) {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return;
    cells_[static_cast<std::size_t>(row * cols_ + col)] = text;
}

std::vector<std::string> TGridCells::Row(int row) const {
    std::vector<std::string> out;
    for (int c = 0; c < cols_; ++c) out.push_back(Cell(c, row));
    return out;
}

bool TGridCells::Select(int col, int row) {
    if (col < fixedCols_ || row < fixedRows_ || col >= cols_ || row >= rows_) return false;
    col_ = col;
    row_ = row;
    return true;
}

bool TGridCells::Move(TGridMove move) {
    int c = col_, r = row_;
    switch (move) {
    case TGridMove::Up: --r; break;
    case TGridMove::Down: ++r; break;
    case TGridMove::Left: --c; break;
    case TGridMove::Right: ++c; break;
    case TGridMove::Home: c = fixedCols_; break;
    case TGridMove::End: c = cols_ - 1; break;
    case TGridMove::Top: r = fixedRows_; break;
    case TGridMove::Bottom: r = rows_ - 1; break;
    }
    if (c == col_ && r == row_) return false;
    return Select(c, r);
}
