#include "ui/controls/ListView.h"

#include "ui/controls/ControlFrames.h"
#include "ui/controls/WheelScroll.h"
#include "ui/core/PublishedProperties.h"

#include "platform/window/Focus.h"
#include "platform/window/Input.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowStyles.h"

#include <algorithm>
#include <utility>

const TClassInfo& TCustomListView::StaticClass() {
    static const TClassInfo info = TPublished<TCustomListView>("TCustomListView", TCustomControl::StaticClass()).Build();
    return info;
}

const TClassInfo& TListView::StaticClass() {
    static const TClassInfo info = TPublished<TListView>("TListView", TCustomListView::StaticClass()).Build();
    return info;
}

namespace {
constexpr int IconCellWidth = 75;
constexpr int IconSize = 32;
// Waits out a double click before a second click on the focused item edits it.
constexpr platform::UINT_PTR EditTimer = 1;
}  // namespace

TCustomListView::TCustomListView(TComponent* owner) : TCustomControl(owner), columns_(this) {
    SetBounds(Left(), Top(), 250, 150);
    SetTabStop(true);
    SetColor(clWindow);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
    ControlStyle.Exclude(TControlStyleItem::csClickEvents);
    items_.OnSelectItem = [this](TListItem* item, bool selected) { SelectItem(item, selected); };
    items_.OnChange = [this] { ItemsChanged(); };
    columns_.OnChange = [this](TObject*) { ItemsChanged(); };
    items_.OnCheck = [this](TListItem* item) { Change(item, TItemChange::ctState); };
    smallImages_.OnChange = largeImages_.OnChange = stateImages_.OnChange = [this](TObject*) { ItemsChanged(); };
}

void TCustomListView::SetStateImages(TCustomImageList* images) {
    if (stateImages_.Sender) stateImages_.Sender->UnRegisterChanges(&stateImages_);
    if (images) images->RegisterChanges(&stateImages_);
    ItemsChanged();
}

void TCustomListView::SetCheckboxes(bool value) {
    checkboxes_ = value;
    ItemsChanged();
}

void TCustomListView::SetSmallImages(TCustomImageList* images) {
    if (smallImages_.Sender) smallImages_.Sender->UnRegisterChanges(&smallImages_);
    if (images) images->RegisterChanges(&smallImages_);
    ItemsChanged();
}

void TCustomListView::SetLargeImages(TCustomImageList* images) {
    if (largeImages_.Sender) largeImages_.Sender->UnRegisterChanges(&largeImages_);
    if (images) images->RegisterChanges(&largeImages_);
    ItemsChanged();
}

TCustomImageList* TCustomListView::CurrentImages() const {
    return viewStyle_ == TViewStyle::vsIcon ? LargeImages() : SmallImages();
}

int TCustomListView::IconHeight() const { return LargeImages() ? LargeImages()->Height() : IconSize; }

void TCustomListView::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= platform::WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateHandle() {
    TCustomControl::CreateHandle();
    UpdateScrollBars();
}

void TCustomListView::SetViewStyle(TViewStyle value) {
    if (value == viewStyle_) return;
    viewStyle_ = value;
    firstLine_ = scrollX_ = 0;
    ItemsChanged();
}

void TCustomListView::SetMultiSelect(bool value) {
    items_.SetMultiSelect(value);
    Invalidate();
}

void TCustomListView::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::ItemsChanged() {
    int count = items_.Count();
    if (editing_ && items_.IndexOf(editing_) < 0) EndEdit(false);
    if (focus_ >= count) focus_ = count - 1;
    if (anchor_ >= count) anchor_ = count - 1;
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::SelectItem(TListItem* item, bool selected) { FireEvent(OnSelectItem, this, item, selected); }

void TCustomListView::ColClick(TListColumn* column) { FireEvent(OnColumnClick, this, column); }

void TCustomListView::Change(TListItem* item, TItemChange change) { FireEvent(OnChange, this, item, change); }

void TCustomListView::DoBeginColumnResize(int column, int width) { FireEvent(OnBeginColumnResize, this, column, width); }

void TCustomListView::DoColumnResize(int column, int width) { FireEvent(OnColumnResize, this, column, width); }

void TCustomListView::DoEndColumnResize(int column, int width) { FireEvent(OnEndColumnResize, this, column, width); }

// Geometry

int TCustomListView::RowHeight() const {
    measure_.SetFont(Font());
    int text = measure_.TextHeight("Ay") + 3;
    return SmallImages() ? std::max(text, SmallImages()->Height() + 1) : text;
}

int TCustomListView::HeaderHeight() const {
    if (viewStyle_ != TViewStyle::vsReport || !ShowColumnHeaders) return 0;
    return RowHeight() + 4;
}

int TCustomListView::ReportWidth() const {
    int width = 0;
    for (int k = 0; k < columns_.Count(); ++k) width += columns_.Items(k)->Width();
    return columns_.Count() ? width : ClientWidth();
}

int TCustomListView::ListColumnWidth() const {
    if (columns_.Count() > 0 && columns_.Items(0)->Width() > 0) return columns_.Items(0)->Width();
    measure_.SetFont(Font());
    int widest = 0;
    for (int i = 0; i < items_.Count(); ++i) widest = std::max(widest, measure_.TextWidth(items_.Item(i)->Caption()));
    return widest + 20 + (SmallImages() ? SmallImages()->Width() + 2 : 0) + StateWidth();
}

TRect TCustomListView::ItemsArea() const {
    TRect r = ClientRect();
    r.Top += HeaderHeight();
    return r;
}

TCustomListView::Cells TCustomListView::Layout() const {
    TRect area = ItemsArea();
    int rowHeight = RowHeight();
    switch (viewStyle_) {
        case TViewStyle::vsReport: return {ReportWidth(), rowHeight, 1, false};
        case TViewStyle::vsList:
            return {ListColumnWidth(), rowHeight, std::max(1, area.Height() / rowHeight), true};
        case TViewStyle::vsSmallIcon: {
            int width = ListColumnWidth();
            return {width, rowHeight, std::max(1, area.Width() / width), false};
        }
        case TViewStyle::vsIcon: break;
    }
    return {IconCellWidth, IconHeight() + 6 + 2 * rowHeight, std::max(1, area.Width() / IconCellWidth), false};
}

TRect TCustomListView::ItemRect(int index) const {
    if (index < 0 || index >= items_.Count()) return {};
    Cells cells = Layout();
    TRect area = ItemsArea();
    int line = index / cells.perLine, place = index % cells.perLine;
    int x, y;
    if (cells.columnWise) {
        x = area.Left + (line - firstLine_) * cells.width;
        y = area.Top + place * cells.height;
    } else {
        x = area.Left + place * cells.width - scrollX_;
        y = area.Top + (line - firstLine_) * cells.height;
    }
    return {x, y, x + cells.width, y + cells.height};
}

TListItem* TCustomListView::GetItemAt(int x, int y) const {
    TRect area = ItemsArea();
    if (x < area.Left || y < area.Top || x >= area.Right || y >= area.Bottom) return nullptr;
    Cells cells = Layout();
    int line, place;
    if (cells.columnWise) {
        line = firstLine_ + (x - area.Left) / cells.width;
        place = (y - area.Top) / cells.height;
    } else {
        line = firstLine_ + (y - area.Top) / cells.height;
        place = (x - area.Left + scrollX_) / cells.width;
    }
    if (place >= cells.perLine) return nullptr;
    int index = line * cells.perLine + place;
    return index < items_.Count() ? items_.Item(index) : nullptr;
}

TListItem* TCustomListView::TopItem() const {
    int index = firstLine_ * Layout().perLine;
    return index < items_.Count() ? items_.Item(index) : nullptr;
}

int TCustomListView::VisibleRowCount() const {
    Cells cells = Layout();
    TRect area = ItemsArea();
    int lines = cells.columnWise ? area.Width() / cells.width : area.Height() / cells.height;
    return std::max(1, lines) * cells.perLine;
}

TRect TCustomListView::ColumnHeaderRect(int column) const {
    int x = ClientRect().Left - scrollX_;
    for (int k = 0; k < column; ++k) x += columns_.Items(k)->Width();
    return {x, 0, x + columns_.Items(column)->Width(), HeaderHeight()};
}

int TCustomListView::DividerAt(int x, int y) const {
    if (y < 0 || y >= HeaderHeight()) return -1;
    // From the right: a column dragged down to nothing can still be pulled open.
    for (int k = columns_.Count() - 1; k >= 0; --k) {
        int right = ColumnHeaderRect(k).Right;
        if (x >= right - 4 && x <= right + 3) return k;
    }
    return -1;
}

int TCustomListView::StateWidth() const {
    if (viewStyle_ == TViewStyle::vsIcon) return 0;
    if (StateImages()) return StateImages()->Width() + 2;
    return checkboxes_ ? CheckBoxSize + 2 : 0;
}

TRect TCustomListView::StateRect(int index) const {
    int width = StateWidth();
    if (width == 0 || index < 0 || index >= items_.Count()) return {};
    TRect r = ItemRect(index);
    return {r.Left + 2, r.Top, r.Left + 2 + width, r.Bottom};
}

TRect TCustomListView::CaptionRect(int index) const {
    TRect r = ItemRect(index);
    if (viewStyle_ == TViewStyle::vsIcon) {
        int top = r.Top + IconHeight() + 4;
        return {r.Left, top, r.Right, top + RowHeight()};
    }
    int left = r.Left + (StateWidth() ? StateWidth() + 2 : 0) + (SmallImages() ? SmallImages()->Width() + 2 : 0);
    int right = viewStyle_ == TViewStyle::vsReport && columns_.Count() ? r.Left + columns_.Items(0)->Width() : r.Right;
    return {left, r.Top, std::max(left + 40, right), r.Bottom};
}

void TCustomListView::EditCaption(TListItem* item) {
    if (!item || ReadOnly || !HandleAllocated() || items_.IndexOf(item) < 0) return;
    EndEdit(true);
    int index = item->Index();
    SetSelected(item);
    MakeVisible(index);
    if (!editor_) {
        editor_ = new TLabelEditor(this);
        editor_->SetParent(this);
        editor_->OnDone = [this](bool keep) { EndEdit(keep); };
    }
    editing_ = item;
    TRect r = CaptionRect(index);
    r.Top -= 1;
    r.Bottom += 2;
    editor_->Start(r, item->Caption());
}

void TCustomListView::EndEdit(bool keep) {
    TListItem* item = std::exchange(editing_, nullptr);
    if (!item) return;
    std::string text = editor_->Text();
    if (editor_->Visible()) editor_->SetVisible(false);
    if (editor_->Focused()) SetFocus();
    if (keep && items_.IndexOf(item) >= 0) {
        FireEvent(OnEdited, this, item, text);
        item->SetCaption(text);
        Change(item, TItemChange::ctText);
    }
    Invalidate();
}

void TCustomListView::DblClick() {
    if (HandleAllocated()) platform::KillTimer(Handle(), EditTimer);
    TCustomControl::DblClick();
}

// Scrolling

void TCustomListView::UpdateScrollBars() {
    if (!HandleAllocated() || updatingBars_) return;
    updatingBars_ = true;
    // Showing one bar narrows the area, which may call for the other: twice settles it.
    for (int pass = 0; pass < 2; ++pass) {
        Cells cells = Layout();
        TRect area = ItemsArea();
        int lines = (items_.Count() + cells.perLine - 1) / cells.perLine;
        int page = std::max(1, cells.columnWise ? area.Width() / cells.width : area.Height() / cells.height);
        firstLine_ = std::clamp(firstLine_, 0, std::max(0, lines - page));
        platform::SCROLLINFO lineBar;
        lineBar.fMask = platform::SIF_ALL;
        lineBar.nMax = lines - 1;
        lineBar.nPage = static_cast<platform::UINT>(page);
        lineBar.nPos = firstLine_;
        platform::SCROLLINFO pixelBar;
        pixelBar.fMask = platform::SIF_ALL;
        if (viewStyle_ == TViewStyle::vsReport) {
            scrollX_ = std::clamp(scrollX_, 0, std::max(0, ReportWidth() - area.Width()));
            pixelBar.nMax = ReportWidth() - 1;
            pixelBar.nPage = static_cast<platform::UINT>(std::max(area.Width(), 0));
            pixelBar.nPos = scrollX_;
        }
        platform::HWND window = Handle();
        platform::SetScrollInfo(window, cells.columnWise ? platform::SB_HORZ : platform::SB_VERT, &lineBar, true);
        platform::SetScrollInfo(window, cells.columnWise ? platform::SB_VERT : platform::SB_HORZ, &pixelBar, true);
    }
    updatingBars_ = false;
}

void TCustomListView::Scroll(int dx, int dy) {
    Cells cells = Layout();
    if (cells.columnWise) {
        firstLine_ += dx / cells.width;
    } else {
        firstLine_ += dy / cells.height;
        if (viewStyle_ == TViewStyle::vsReport) scrollX_ += dx;
    }
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::MakeVisible(int index) {
    if (index < 0 || index >= items_.Count()) return;
    Cells cells = Layout();
    TRect area = ItemsArea();
    int line = index / cells.perLine;
    int page = std::max(1, cells.columnWise ? area.Width() / cells.width : area.Height() / cells.height);
    if (line < firstLine_) firstLine_ = line;
    if (line >= firstLine_ + page) firstLine_ = line - page + 1;
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::ScrollMessage(bool vertical, platform::WORD code) {
    int bar = vertical ? platform::SB_VERT : platform::SB_HORZ;
    platform::SCROLLINFO info;
    info.fMask = platform::SIF_ALL;
    if (!platform::GetScrollInfo(Handle(), bar, &info)) return;
    Cells cells = Layout();
    bool pixels = viewStyle_ == TViewStyle::vsReport && !vertical;
    int line = pixels ? cells.height : 1;
    int page = std::max(1, static_cast<int>(info.nPage));
    int pos = platform::ScrollPosAfter(info, code, line, page, info.nTrackPos);
    if (pixels)
        scrollX_ = pos;
    else
        firstLine_ = pos;
    platform::SetScrollPos(Handle(), bar, pos, true);
    Invalidate();
}

bool TCustomListView::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, delta, mousePos)) return true;
    // List columns go by one a notch; rows by the lines the system sets for a notch.
    int lines = Layout().columnWise ? delta / platform::WHEEL_DELTA : WheelScrollLines(delta);
    if (lines == 0) return false;
    firstLine_ -= lines;
    UpdateScrollBars();
    Invalidate();
    return true;
}

void TCustomListView::Resize() {
    UpdateScrollBars();
    TCustomControl::Resize();
}

// Selection

int TCustomListView::ItemIndex() const {
    TListItem* item = items_.Selected();
    return item ? item->Index() : -1;
}

TListItem* TCustomListView::ItemFocused() const {
    return focus_ >= 0 && focus_ < items_.Count() ? items_.Item(focus_) : nullptr;
}

void TCustomListView::SetItemFocused(TListItem* item) {
    focus_ = item ? item->Index() : -1;
    Invalidate();
}

void TCustomListView::SetSelected(TListItem* item) {
    for (TListItem* other = items_.NextSelected(nullptr); other; other = items_.NextSelected(other))
        if (other != item) other->SetSelected(false);
    if (item) {
        item->SetSelected(true);
        focus_ = anchor_ = item->Index();
    }
    Invalidate();
}

void TCustomListView::SelectAll() {
    if (!MultiSelect()) return;
    for (int i = 0; i < items_.Count(); ++i) items_.Item(i)->SetSelected(true);
}

void TCustomListView::SelectRange(int from, int to) {
    if (from > to) std::swap(from, to);
    for (int i = 0; i < items_.Count(); ++i) {
        bool inside = i >= from && i <= to;
        if (items_.Item(i)->Selected() != inside) items_.Item(i)->SetSelected(inside);
    }
}

void TCustomListView::MoveFocus(int index, TShiftState shift, bool toggle) {
    if (items_.Count() == 0) return;
    index = std::clamp(index, 0, items_.Count() - 1);
    focus_ = index;
    bool multi = MultiSelect();
    if (multi && shift.Contains(TShiftStateItem::ssShift)) {
        if (anchor_ < 0) anchor_ = index;
        SelectRange(anchor_, index);
    } else if (multi && shift.Contains(TShiftStateItem::ssCtrl)) {
        if (toggle) {
            items_.Item(index)->SetSelected(!items_.Item(index)->Selected());
            anchor_ = index;
        }
    } else {
        SetSelected(items_.Item(index));
    }
    MakeVisible(index);
    Invalidate();
}

void TCustomListView::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
        case platform::WM_SETFOCUS:
        case platform::WM_KILLFOCUS: Invalidate(); break;
        case platform::WM_TIMER:
            if (m.WParam == EditTimer) {
                platform::KillTimer(Handle(), EditTimer);
                EditCaption(ItemFocused());
                return;
            }
            break;
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

bool TCustomListView::DoKeyDown(platform::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyDown(key, shift)) return true;
    int count = items_.Count();
    Cells cells = Layout();
    int current = focus_ < 0 ? 0 : focus_;
    int page = VisibleRowCount();
    bool ctrl = shift.Contains(TShiftStateItem::ssCtrl);
    int target;
    switch (key) {
        case platform::VK_UP: target = current - (cells.columnWise ? 1 : cells.perLine); break;
        case platform::VK_DOWN: target = current + (cells.columnWise ? 1 : cells.perLine); break;
        case platform::VK_LEFT:
            if (viewStyle_ == TViewStyle::vsReport) {
                Scroll(-cells.height, 0);
                return true;
            }
            target = current - (cells.columnWise ? cells.perLine : 1);
            break;
        case platform::VK_RIGHT:
            if (viewStyle_ == TViewStyle::vsReport) {
                Scroll(cells.height, 0);
                return true;
            }
            target = current + (cells.columnWise ? cells.perLine : 1);
            break;
        case platform::VK_PRIOR: target = current - page; break;
        case platform::VK_NEXT: target = current + page; break;
        case platform::VK_HOME: target = 0; break;
        case platform::VK_END: target = count - 1; break;
        case platform::VK_SPACE:
            if (checkboxes_ && !StateImages() && focus_ >= 0 && focus_ < count) {
                items_.Item(focus_)->SetChecked(!items_.Item(focus_)->Checked());
                return true;
            }
            if (focus_ >= 0 && focus_ < count) {
                if (ctrl && MultiSelect())
                    items_.Item(focus_)->SetSelected(!items_.Item(focus_)->Selected());
                else if (!items_.Item(focus_)->Selected())
                    items_.Item(focus_)->SetSelected(true);
            }
            return true;
        case platform::VK_F2: EditCaption(ItemFocused()); return true;
        case 'A':
            if (!ctrl) return false;
            SelectAll();
            return true;
        default: return false;
    }
    if (count == 0) return true;
    // Off the ends the focus stays on the last item it can reach.
    if (target < 0 || target >= count) target = std::clamp(target, 0, count - 1);
    if (focus_ < 0 && (key == platform::VK_UP || key == platform::VK_DOWN)) target = 0;
    MoveFocus(target, shift, false);
    return true;
}

void TCustomListView::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (y < HeaderHeight()) {
            if (int divider = DividerAt(x, y); divider >= 0) {
                resizing_ = divider;
                resizeGrip_ = x - ColumnHeaderRect(divider).Right;
                platform::SetCapture(Handle());
                DoBeginColumnResize(divider, columns_.Items(divider)->Width());
            } else if (ColumnClick && (pressedColumn_ = ColumnAt(x)) >= 0) {
                platform::SetCapture(Handle());
                Invalidate();
            }
        } else if (TListItem* item = GetItemAt(x, y)) {
            TRect box = StateRect(item->Index());
            if (checkboxes_ && !StateImages() && x >= box.Left && x < box.Right)
                item->SetChecked(!item->Checked());
            else {
                TRect caption = CaptionRect(item->Index());
                bool again = item == ItemFocused() && item->Selected() && !ReadOnly &&
                             !shift.Contains(TShiftStateItem::ssDouble) && !shift.Contains(TShiftStateItem::ssCtrl) &&
                             !shift.Contains(TShiftStateItem::ssShift) && x >= caption.Left && x < caption.Right;
                MoveFocus(item->Index(), shift, true);
                if (again) platform::SetTimer(Handle(), EditTimer, platform::GetDoubleClickTime(), nullptr);
            }
        } else if (!shift.Contains(TShiftStateItem::ssCtrl) && !shift.Contains(TShiftStateItem::ssShift)) {
            items_.ClearSelection();
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

int TCustomListView::ColumnAt(int x) const {
    for (int k = 0; k < columns_.Count(); ++k) {
        TRect r = ColumnHeaderRect(k);
        if (x >= r.Left && x < r.Right) return k;
    }
    return -1;
}

void TCustomListView::MouseMove(TShiftState shift, int x, int y) {
    if (resizing_ >= 0) {
        int width = std::max(0, x - resizeGrip_ - ColumnHeaderRect(resizing_).Left);
        TListColumn* column = columns_.Items(resizing_);
        if (width != column->Width()) {
            column->SetWidth(width);
            DoColumnResize(resizing_, width);
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomListView::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && (resizing_ >= 0 || pressedColumn_ >= 0)) {
        int resized = std::exchange(resizing_, -1);
        int pressed = std::exchange(pressedColumn_, -1);
        if (platform::GetCapture() == Handle()) platform::ReleaseCapture();
        Invalidate();
        if (resized >= 0 && resized < columns_.Count())
            DoEndColumnResize(resized, columns_.Items(resized)->Width());
        // A click counts only when released over the column it pressed.
        if (pressed >= 0 && y >= 0 && y < HeaderHeight() && ColumnAt(x) == pressed) ColClick(columns_.Items(pressed));
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

// Painting

void TCustomListView::Paint() {
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    if (HeaderHeight() > 0) PaintHeader(c);
    Cells cells = Layout();
    int first = firstLine_ * cells.perLine;
    int last = std::min(items_.Count(), first + VisibleRowCount() + 2 * cells.perLine);
    for (int i = first; i < last; ++i) PaintItem(c, i);
}

int TCustomListView::PaintState(TCanvas& c, int index, const TRect& row) {
    int width = StateWidth();
    if (width == 0) return 0;
    const TListItem& item = *items_.Item(index);
    if (TCustomImageList* states = StateImages()) {
        if (item.StateIndex >= 0 && item.StateIndex < states->Count())
            states->Draw(&c, row.Left + 2, row.Top + (row.Height() - states->Height()) / 2, item.StateIndex, Enabled());
    } else {
        TRect box = Bounds(row.Left + 3 + (width - CheckBoxSize) / 2, row.Top + (row.Height() - CheckBoxSize) / 2,
                           CheckBoxSize, CheckBoxSize);
        DrawCheckBoxMark(c, box, item.Checked() ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked, Enabled(),
                         false);
    }
    return width + 2;
}

int TCustomListView::PaintSmallImage(TCanvas& c, const TListItem& item, const TRect& row) {
    TCustomImageList* small = SmallImages();
    if (!small) return 0;
    if (item.ImageIndex >= 0)
        small->Draw(&c, row.Left + 2, row.Top + (row.Height() - small->Height()) / 2, item.ImageIndex, Enabled());
    return small->Width() + 2;
}

void TCustomListView::PaintHeader(TCanvas& c) {
    int right = ClientRect().Left - scrollX_;
    c.SetFont(Font());
    for (int k = 0; k <= columns_.Count(); ++k) {
        TRect r = k < columns_.Count() ? ColumnHeaderRect(k) : TRect{right, 0, ClientWidth(), HeaderHeight()};
        if (r.Width() <= 0) continue;
        right = r.Right;
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(clBtnFace);
        c.FillRect(r);
        TRect inside = r;
        DrawRaisedFrame(c, inside, k == pressedColumn_);
        if (k == columns_.Count()) continue;
        const TListColumn* column = columns_.Items(k);
        int textWidth = c.TextWidth(column->Caption());
        int x = inside.Left + 4;
        if (column->Alignment() == TAlignment::taRightJustify) x = inside.Right - 4 - textWidth;
        if (column->Alignment() == TAlignment::taCenter) x = (inside.Left + inside.Right - textWidth) / 2;
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Font()->SetColor(clBtnText);
        c.TextRect(inside, x, inside.Top + (inside.Height() - c.TextHeight("Ay")) / 2, column->Caption());
    }
}

void TCustomListView::PaintItem(TCanvas& c, int index) {
    TListItem* item = items_.Item(index);
    TRect r = ItemRect(index);
    bool focused = Focused();
    bool shown = item->Selected() && (focused || !HideSelection);
    TCustomDrawState drawState;
    if (item->Selected()) drawState.Include(TCustomDrawStateItem::cdsSelected);
    if (index == focus_ && focused) drawState.Include(TCustomDrawStateItem::cdsFocused);
    if (!Enabled()) drawState.Include(TCustomDrawStateItem::cdsDisabled);
    c.SetFont(Font());
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    if (OnAdvancedCustomDrawItem) {
        bool defaultDraw = true;
        OnAdvancedCustomDrawItem(this, item, drawState, TCustomDrawStage::cdPrePaint, defaultDraw);
        if (!defaultDraw) return;
    }
    if (viewStyle_ == TViewStyle::vsReport && OwnerDraw && OnDrawItem) {
        TOwnerDrawState state;
        if (item->Selected()) state.Include(TOwnerDrawStateItem::odSelected);
        if (index == focus_ && focused) state.Include(TOwnerDrawStateItem::odFocused);
        OnDrawItem(this, item, r, state);
        return;
    }
    TColor highlight = focused ? clHighlight : clBtnFace;
    TColor highlightText = focused ? clHighlightText : Font()->Color();
    int textHeight = c.TextHeight("Ay");
    int textTop = r.Top + (r.Height() - textHeight) / 2;
    auto label = [&](int left, int right, const std::string& text) {
        return TRect{left, r.Top, std::min(right, left + c.TextWidth(text) + 4), r.Bottom};
    };
    TRect focusRect;
    if (viewStyle_ == TViewStyle::vsReport) {
        int columns = std::max(columns_.Count(), 1);
        int x = r.Left;
        TRect firstLabel;
        for (int k = 0; k < columns; ++k) {
            int width = columns_.Count() ? columns_.Items(k)->Width() : r.Width();
            TRect cell{x, r.Top, x + width, r.Bottom};
            x += width;
            std::string text = item->ColumnText(k);
            if (k == 0) {
                cell.Left += PaintState(c, index, cell);
                cell.Left += PaintSmallImage(c, *item, cell);
                firstLabel = RowSelect ? TRect{cell.Left, r.Top, r.Right, r.Bottom} : label(cell.Left + 2, cell.Right, text);
                if (shown) {
                    c.Brush()->SetColor(highlight);
                    c.FillRect(firstLabel);
                }
            }
            bool inHighlight = shown && (k == 0 || RowSelect);
            c.Font()->SetColor(inHighlight ? highlightText : Font()->Color());
            c.Brush()->SetStyle(TBrushStyle::bsClear);
            TRect inside{cell.Left + 4, cell.Top, cell.Right - 4, cell.Bottom};
            int textWidth = c.TextWidth(text);
            TAlignment align = columns_.Count() ? columns_.Items(k)->Alignment() : TAlignment::taLeftJustify;
            int tx = inside.Left;
            if (align == TAlignment::taRightJustify) tx = inside.Right - textWidth;
            if (align == TAlignment::taCenter) tx = (inside.Left + inside.Right - textWidth) / 2;
            c.TextRect(inside, tx, textTop, text);
            c.Brush()->SetStyle(TBrushStyle::bsSolid);
            if (GridLines) {
                c.Pen()->SetColor(clBtnFace);
                c.MoveTo(cell.Right - 1, r.Top);
                c.LineTo(cell.Right - 1, r.Bottom);
            }
        }
        if (GridLines) {
            c.MoveTo(r.Left, r.Bottom - 1);
            c.LineTo(r.Right, r.Bottom - 1);
        }
        focusRect = firstLabel;
    } else {
        const std::string& text = item->Caption();
        TRect textRect;
        if (viewStyle_ == TViewStyle::vsIcon) {
            TCustomImageList* large = LargeImages();
            if (large && item->ImageIndex >= 0)
                large->Draw(&c, r.Left + (r.Width() - large->Width()) / 2, r.Top + 2, item->ImageIndex, Enabled());
            int width = std::min(c.TextWidth(text) + 4, r.Width() - 2);
            int left = r.Left + (r.Width() - width) / 2;
            int top = r.Top + IconHeight() + 4;
            textRect = {left, top, left + width, top + textHeight + 2};
        } else {
            TRect row = r;
            row.Left += PaintState(c, index, r);
            int shift = row.Left - r.Left + PaintSmallImage(c, *item, row);
            textRect = label(r.Left + shift + 2, r.Right - 2, text);
        }
        if (shown) {
            c.Brush()->SetColor(highlight);
            c.FillRect(textRect);
        }
        c.Font()->SetColor(shown ? highlightText : Font()->Color());
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        int top = viewStyle_ == TViewStyle::vsIcon ? textRect.Top + 1 : textTop;
        c.TextRect(textRect, textRect.Left + 2, top, text);
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        focusRect = textRect;
    }
    if (drawState.Contains(TCustomDrawStateItem::cdsFocused)) c.DrawFocusRect(focusRect);
}
