#include "ui/controls/Grids.h"

#include "ui/core/PublishedProperties.h"

#include "platform/window/Input.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/WindowStyles.h"

#include <algorithm>

const TClassInfo& TCustomGrid::StaticClass() {
    static const TClassInfo info =
        TPublished<TCustomGrid>("TCustomGrid", TCustomControl::StaticClass())
            .Integer("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount, 5)
            .Integer("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount, 5)
            .Integer("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols, 1)
            .Integer("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows, 1)
            .Integer("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth, 64)
            .Integer("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight, 24)
            .Build();
    return info;
}

const TClassInfo& TDrawGrid::StaticClass() {
    static const TClassInfo info = TPublished<TDrawGrid>("TDrawGrid", TCustomGrid::StaticClass()).Build();
    return info;
}

const TClassInfo& TStringGrid::StaticClass() {
    static const TClassInfo info = TPublished<TStringGrid>("TStringGrid", TDrawGrid::StaticClass()).Build();
    return info;
}

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
    SizesChanged();
    SetBounds(Left(), Top(), 320, 120);
    SetTabStop(true);
    SetColor(clWindow);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
}

void TCustomGrid::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= platform::WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateHandle() {
    TCustomControl::CreateHandle();
    UpdateScrollBars();
}

// Sizes and counts

void TCustomGrid::SizesChanged() {
    colWidths_.resize(static_cast<std::size_t>(ColCount()), defaultColWidth_);
    rowHeights_.resize(static_cast<std::size_t>(RowCount()), defaultRowHeight_);
    SetTopLeft(topRow_, leftCol_);
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetColCount(int value) {
    cells_.SetColCount(value);
    SizesChanged();
}

void TCustomGrid::SetRowCount(int value) {
    cells_.SetRowCount(value);
    SizesChanged();
}

void TCustomGrid::SetFixedCols(int value) {
    cells_.SetFixedCols(value);
    SizesChanged();
}

void TCustomGrid::SetFixedRows(int value) {
    cells_.SetFixedRows(value);
    SizesChanged();
}

void TCustomGrid::SetDefaultColWidth(int value) {
    defaultColWidth_ = std::max(value, 0);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    SizesChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
    defaultRowHeight_ = std::max(value, 0);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    SizesChanged();
}

int TCustomGrid::ColWidths(int col) const {
    return col >= 0 && col < ColCount() ? colWidths_[static_cast<std::size_t>(col)] : defaultColWidth_;
}

void TCustomGrid::SetColWidths(int col, int width) {
    if (col < 0 || col >= ColCount()) return;
    colWidths_[static_cast<std::size_t>(col)] = std::max(width, 0);
    SizesChanged();
}

int TCustomGrid::RowHeights(int row) const {
    return row >= 0 && row < RowCount() ? rowHeights_[static_cast<std::size_t>(row)] : defaultRowHeight_;
}

void TCustomGrid::SetRowHeights(int row, int height) {
    if (row < 0 || row >= RowCount()) return;
    rowHeights_[static_cast<std::size_t>(row)] = std::max(height, 0);
    SizesChanged();
}

void TCustomGrid::SetGridLineWidth(int value) {
    gridLineWidth_ = std::max(value, 0);
    SizesChanged();
}

void TCustomGrid::SetOptions(TGridOptions value) {
    options_ = value;
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_) return;
    scrollBars_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomGrid::SetFixedColor(TColor value) {
    fixedColor_ = value;
    Invalidate();
}

// Geometry

int TCustomGrid::FixedWidth() const {
    int width = 0;
    for (int c = 0; c < FixedCols(); ++c) width += ColWidths(c) + gridLineWidth_;
    return width;
}

int TCustomGrid::FixedHeight() const {
    int height = 0;
    for (int r = 0; r < FixedRows(); ++r) height += RowHeights(r) + gridLineWidth_;
    return height;
}

int TCustomGrid::ColLeft(int col) const {
    int x = 0;
    if (col < FixedCols()) {
        for (int c = 0; c < col; ++c) x += ColWidths(c) + gridLineWidth_;
        return x;
    }
    x = FixedWidth();
    for (int c = leftCol_; c < col; ++c) x += ColWidths(c) + gridLineWidth_;
    return x;
}

int TCustomGrid::RowTop(int row) const {
    int y = 0;
    if (row < FixedRows()) {
        for (int r = 0; r < row; ++r) y += RowHeights(r) + gridLineWidth_;
        return y;
    }
    y = FixedHeight();
    for (int r = topRow_; r < row; ++r) y += RowHeights(r) + gridLineWidth_;
    return y;
}

TRect TCustomGrid::CellRect(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return {};
    if ((col >= FixedCols() && col < leftCol_) || (row >= FixedRows() && row < topRow_)) return {};
    int x = ColLeft(col), y = RowTop(row);
    if (x >= ClientWidth() || y >= ClientHeight()) return {};
    return {x, y, x + ColWidths(col), y + RowHeights(row)};
}

bool TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = row = -1;
    for (int c = 0; c < ColCount() && col < 0; ++c) {
        if (c >= FixedCols() && c < leftCol_) continue;
        int left = ColLeft(c);
        if (left >= ClientWidth()) break;
        if (x >= left && x < left + ColWidths(c) + gridLineWidth_) col = c;
    }
    for (int r = 0; r < RowCount() && row < 0; ++r) {
        if (r >= FixedRows() && r < topRow_) continue;
        int top = RowTop(r);
        if (top >= ClientHeight()) break;
        if (y >= top && y < top + RowHeights(r) + gridLineWidth_) row = r;
    }
    return col >= 0 && row >= 0;
}

namespace {

// How many of the sizes from `first` on fit whole into `room`.
template <class Size>
int FitFrom(int first, int count, int room, int line, Size size) {
    int n = 0;
    for (int i = first; i < count; ++i) {
        room -= size(i) + line;
        if (room + line < 0) break;
        ++n;
    }
    return n;
}

// The smallest start from which everything up to `last` fits (never below `lowest`).
template <class Size>
int StartShowing(int last, int lowest, int room, int line, Size size) {
    int start = last;
    room -= size(last) + line;
    while (start > lowest && room - size(start - 1) - line + line >= 0) {
        room -= size(start - 1) + line;
        --start;
    }
    return start;
}

}  // namespace

int TCustomGrid::VisibleRowCount() const {
    return FitFrom(topRow_, RowCount(), ClientHeight() - FixedHeight(), gridLineWidth_,
                   [this](int r) { return RowHeights(r); });
}

int TCustomGrid::VisibleColCount() const {
    return FitFrom(leftCol_, ColCount(), ClientWidth() - FixedWidth(), gridLineWidth_,
                   [this](int c) { return ColWidths(c); });
}

// Scrolling

void TCustomGrid::SetTopLeft(int top, int left) {
    int maxTop = StartShowing(RowCount() - 1, FixedRows(), ClientHeight() - FixedHeight(), gridLineWidth_,
                              [this](int r) { return RowHeights(r); });
    int maxLeft = StartShowing(ColCount() - 1, FixedCols(), ClientWidth() - FixedWidth(), gridLineWidth_,
                               [this](int c) { return ColWidths(c); });
    top = std::clamp(top, FixedRows(), std::max(FixedRows(), maxTop));
    left = std::clamp(left, FixedCols(), std::max(FixedCols(), maxLeft));
    if (top == topRow_ && left == leftCol_) return;
    topRow_ = top;
    leftCol_ = left;
    UpdateScrollBars();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::SetTopRow(int value) { SetTopLeft(value, leftCol_); }
void TCustomGrid::SetLeftCol(int value) { SetTopLeft(topRow_, value); }

void TCustomGrid::TopLeftChanged() { FireEvent(OnTopLeftChanged, this); }

void TCustomGrid::MakeVisible(int col, int row) {
    int top = topRow_, left = leftCol_;
    if (row >= FixedRows()) {
        if (row < top)
            top = row;
        else if (row >= top + std::max(VisibleRowCount(), 1))
            top = StartShowing(row, FixedRows(), ClientHeight() - FixedHeight(), gridLineWidth_,
                               [this](int r) { return RowHeights(r); });
    }
    if (col >= FixedCols()) {
        if (col < left)
            left = col;
        else if (col >= left + std::max(VisibleColCount(), 1))
            left = StartShowing(col, FixedCols(), ClientWidth() - FixedWidth(), gridLineWidth_,
                                [this](int c) { return ColWidths(c); });
    }
    SetTopLeft(top, left);
}

void TCustomGrid::UpdateScrollBars() {
    if (!HandleAllocated() || updatingBars_) return;
    updatingBars_ = true;
    // A bar that appears narrows the client area, which may call for the other: twice settles it.
    for (int pass = 0; pass < 2; ++pass) {
        auto bar = [&](int which, bool wanted, int first, int count, int start, int maxStart) {
            platform::SCROLLINFO info;
            info.fMask = platform::SIF_ALL;
            if (wanted) {
                info.nMin = first;
                info.nMax = count - 1;
                info.nPage = static_cast<platform::UINT>(std::max(count - maxStart, 1));
                info.nPos = start;
            }
            platform::SetScrollInfo(Handle(), which, &info, true);
        };
        int maxTop = StartShowing(RowCount() - 1, FixedRows(), ClientHeight() - FixedHeight(), gridLineWidth_,
                                  [this](int r) { return RowHeights(r); });
        int maxLeft = StartShowing(ColCount() - 1, FixedCols(), ClientWidth() - FixedWidth(), gridLineWidth_,
                                   [this](int c) { return ColWidths(c); });
        bool vertical = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
        bool horizontal = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
        bar(platform::SB_VERT, vertical, FixedRows(), RowCount(), topRow_, std::max(maxTop, FixedRows()));
        bar(platform::SB_HORZ, horizontal, FixedCols(), ColCount(), leftCol_, std::max(maxLeft, FixedCols()));
    }
    updatingBars_ = false;
}

void TCustomGrid::ScrollMessage(bool vertical, platform::WORD code) {
    int which = vertical ? platform::SB_VERT : platform::SB_HORZ;
    platform::SCROLLINFO info;
    info.fMask = platform::SIF_ALL;
    if (!platform::GetScrollInfo(Handle(), which, &info)) return;
    // Without thumb tracking the grid moves when the thumb is let go.
    if (code == platform::SB_THUMBTRACK && !options_.Contains(TGridOption::goThumbTracking)) return;
    int page = std::max(vertical ? VisibleRowCount() : VisibleColCount(), 1);
    int pos = platform::ScrollPosAfter(info, code, 1, page, info.nTrackPos);
    if (vertical)
        SetTopLeft(pos, leftCol_);
    else
        SetTopLeft(topRow_, pos);
}

void TCustomGrid::Resize() {
    SetTopLeft(topRow_, leftCol_);
    UpdateScrollBars();
    TCustomControl::Resize();
}

// Moving the current cell

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::FocusCell(int col, int row) {
    col = std::clamp(col, FixedCols(), ColCount() - 1);
    row = std::clamp(row, FixedRows(), RowCount() - 1);
    if (col < FixedCols() || row < FixedRows()) return;  // a grid of fixed cells only
    if ((col != Col() || row != Row()) && SelectCell(col, row)) {
        cells_.Select(col, row);
        Invalidate();
    }
    MakeVisible(Col(), Row());
}

void TCustomGrid::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_GETDLGCODE:
            m.Result = DLGC_WANTARROWS | (options_.Contains(TGridOption::goTabs) ? DLGC_WANTTAB : 0);
            return;
        case platform::WM_SETFOCUS:
        case platform::WM_KILLFOCUS: Invalidate(); break;
        case platform::WM_VSCROLL:
        case platform::WM_HSCROLL:
            if (m.LParam == 0) {
                ScrollMessage(m.Msg == platform::WM_VSCROLL, platform::LOWORD(m.WParam));
                return;
            }
            break;
        default: break;
    }
    TCustomControl::Dispatch(m);
}

bool TCustomGrid::DoKeyDown(platform::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyDown(key, shift)) return true;
    bool ctrl = shift.Contains(TShiftStateItem::ssCtrl);
    bool rowSelect = options_.Contains(TGridOption::goRowSelect);
    int col = Col(), row = Row();
    int page = std::max(VisibleRowCount(), 1);
    switch (key) {
        case platform::VK_UP: --row; break;
        case platform::VK_DOWN: ++row; break;
        case platform::VK_LEFT:
            if (rowSelect) {
                SetLeftCol(leftCol_ - 1);
                return true;
            }
            --col;
            break;
        case platform::VK_RIGHT:
            if (rowSelect) {
                SetLeftCol(leftCol_ + 1);
                return true;
            }
            ++col;
            break;
        case platform::VK_PRIOR: row -= page; break;
        case platform::VK_NEXT: row += page; break;
        case platform::VK_HOME:
            if (ctrl) row = FixedRows();
            col = FixedCols();
            break;
        case platform::VK_END:
            if (ctrl) row = RowCount() - 1;
            col = ColCount() - 1;
            break;
        case platform::VK_TAB:
            if (!options_.Contains(TGridOption::goTabs)) return false;
            if (shift.Contains(TShiftStateItem::ssShift)) {
                if (--col < FixedCols() && row > FixedRows()) col = ColCount() - 1, --row;
            } else if (++col >= ColCount() && row < RowCount() - 1) {
                col = FixedCols(), ++row;
            }
            break;
        default: return false;
    }
    FocusCell(col, row);
    return true;
}

bool TCustomGrid::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, delta, mousePos)) return true;
    // A notch moves the current row, as the arrow keys do.
    int notches = delta / 120;
    if (notches != 0) FocusCell(Col(), Row() - notches);
    return true;
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        int col, row;
        if (MouseToCell(x, y, col, row) && col >= FixedCols() && row >= FixedRows()) FocusCell(col, row);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

// Painting

void TCustomGrid::Paint() {
    TCanvas& c = *Canvas();
    TRect client = ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);
    bool focused = Focused();
    bool rowSelect = options_.Contains(TGridOption::goRowSelect);
    for (int row = 0; row < RowCount(); ++row) {
        if (row >= FixedRows() && row < topRow_) continue;
        int top = RowTop(row);
        if (top >= client.Bottom) break;
        for (int col = 0; col < ColCount(); ++col) {
            if (col >= FixedCols() && col < leftCol_) continue;
            int left = ColLeft(col);
            if (left >= client.Right) break;
            TRect cell{left, top, left + ColWidths(col), top + RowHeights(row)};
            bool fixed = col < FixedCols() || row < FixedRows();
            bool current = col == Col() && row == Row();
            bool inSelection = !fixed && row == Row() && (col == Col() || rowSelect);
            TGridDrawState state;
            if (fixed) state.Include(TGridDrawStateItem::gdFixed);
            if (current && focused) state.Include(TGridDrawStateItem::gdFocused);
            // The current cell shows by its focus frame unless the options ask to fill it too.
            bool filled = inSelection &&
                          (!current || rowSelect || options_.Contains(TGridOption::goDrawFocusSelected));
            if (inSelection) state.Include(TGridDrawStateItem::gdSelected);
            c.SetFont(Font());
            c.Brush()->SetStyle(TBrushStyle::bsSolid);
            c.Brush()->SetColor(fixed ? fixedColor_ : filled ? clHighlight : Color());
            if (filled) c.Font()->SetColor(clHighlightText);
            if (DefaultDrawing) c.FillRect(cell);
            DrawCell(col, row, cell, state);
            if (DefaultDrawing && current && focused && !rowSelect) c.DrawFocusRect(cell);
            // The lines right of and below the cell.
            bool vertLine = options_.Contains(fixed ? TGridOption::goFixedVertLine : TGridOption::goVertLine);
            bool horzLine = options_.Contains(fixed ? TGridOption::goFixedHorzLine : TGridOption::goHorzLine);
            if (gridLineWidth_ > 0) {
                TColor line = fixed ? clBtnShadow : clBtnFace;
                c.Brush()->SetStyle(TBrushStyle::bsSolid);
                c.Brush()->SetColor(vertLine ? line : Color());
                c.FillRect({cell.Right, cell.Top, cell.Right + gridLineWidth_, cell.Bottom + gridLineWidth_});
                c.Brush()->SetColor(horzLine ? line : Color());
                c.FillRect({cell.Left, cell.Bottom, cell.Right + gridLineWidth_, cell.Bottom + gridLineWidth_});
            }
        }
    }
}

// Draw grid and string grid

void TDrawGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    if (OnDrawCell) OnDrawCell(this, col, row, rect, state);
}

bool TDrawGrid::SelectCell(int col, int row) {
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, col, row, can);
    return can;
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
    cells_.SetCell(col, row, text);
    Invalidate();
}

void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    if (DefaultDrawing) {
        TCanvas& c = *Canvas();
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.TextRect(rect, rect.Left + 2, rect.Top + 2, cells_.Cell(col, row));
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
    }
    TDrawGrid::DrawCell(col, row, rect, state);
}
