#include "platform/menus/detail/MenuLayout.h"

#include <algorithm>

#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/FrameDrawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SystemColors.h"
#include "platform/text/DrawText.h"
#include "platform/text/Fonts.h"
#include "platform/text/TextMetrics.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/OwnerDraw.h"
#include "platform/window/SystemMetrics.h"

namespace platform {
namespace {

constexpr int SeparatorHeight = 8;
constexpr int MarkColumn = 20;     // check mark or bitmap
constexpr int ArrowColumn = 16;    // the submenu arrow
constexpr int ShortcutGap = 16;
constexpr int BarItemPadding = 6;

// The menu font selected into a DC for its lifetime.
class MenuFontScope {
public:
    MenuFontScope(HDC hdc, bool bold) : hdc_(hdc) {
        LOGFONTA font = NonClientMetrics().lfMenuFont;
        if (bold) font.lfWeight = FW_BOLD;
        font_ = CreateFontIndirectA(&font);
        old_ = SelectObject(hdc, font_);
    }
    ~MenuFontScope() {
        SelectObject(hdc_, old_);
        DeleteObject(font_);
    }
    MenuFontScope(const MenuFontScope&) = delete;
    MenuFontScope& operator=(const MenuFontScope&) = delete;

private:
    HDC hdc_;
    HFONT font_;
    HGDIOBJ old_;
};

// A memory DC for measuring.
class MeasureDC {
public:
    MeasureDC() : hdc_(CreateCompatibleDC(nullptr)) {}
    ~MeasureDC() { DeleteDC(hdc_); }
    MeasureDC(const MeasureDC&) = delete;
    MeasureDC& operator=(const MeasureDC&) = delete;
    HDC get() const { return hdc_; }

private:
    HDC hdc_;
};

SIZE TextSize(HDC hdc, const std::string& text, bool bold) {
    MenuFontScope font(hdc, bold);
    RECT r{0, 0, 0, 0};
    if (text.empty()) {
        TEXTMETRICA metrics{};
        GetTextMetricsA(hdc, &metrics);
        return SIZE{0, metrics.tmHeight};
    }
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObject(bitmap, sizeof(info), &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, std::abs(info.bmHeight)};
}

// The owner's answer for an owner-drawn item.
SIZE MeasureOwnerDrawn(const MenuItem& item, HWND owner) {
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_MENU;
    measure.itemID = item.id;
    measure.itemData = item.data;
    if (owner) SendMessage(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    return SIZE{static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
}

UINT OwnerDrawState(const MenuItem& item, bool selected, bool bar) {
    UINT state = 0;
    if (selected) state |= ODS_SELECTED | (bar ? ODS_HOTLIGHT : 0);
    if (item.state & MF_GRAYED) state |= ODS_GRAYED;
    if (item.state & MF_DISABLED) state |= ODS_DISABLED;
    if (item.state & MF_CHECKED) state |= ODS_CHECKED;
    if (item.state & MF_DEFAULT) state |= ODS_DEFAULT;
    return state;
}

void Fill(HDC hdc, RECT rect, int colorIndex) { FillRect(hdc, &rect, GetSysColorBrush(colorIndex)); }

void DrawMark(HDC hdc, RECT box, bool radio, COLORREF color) {
    HBRUSH ink = CreateSolidBrush(color);
    int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    if (radio) {
        for (int dy = -3; dy <= 3; ++dy) {
            int half = dy == -3 || dy == 3 ? 1 : (dy == -2 || dy == 2 ? 2 : 3);
            RECT row{cx - half, cy + dy, cx + half + 1, cy + dy + 1};
            FillRect(hdc, &row, ink);
        }
    } else {
        // A tick: down from the left, then up to the right, three pixels thick.
        for (int i = 0; i < 7; ++i) {
            int x = cx - 3 + i;
            int y = i < 3 ? cy - 1 + i : cy + 1 - (i - 2);
            RECT stroke{x, y, x + 1, y + 3};
            FillRect(hdc, &stroke, ink);
        }
    }
    DeleteObject(ink);
}

void DrawArrow(HDC hdc, RECT box, COLORREF color) {
    HBRUSH ink = CreateSolidBrush(color);
    int cx = (box.left + box.right) / 2 - 1, cy = (box.top + box.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        RECT column{cx + i, cy - 3 + i, cx + i + 1, cy + 4 - i};
        FillRect(hdc, &column, ink);
    }
    DeleteObject(ink);
}

void DrawBitmap(HDC hdc, HBITMAP bitmap, RECT box) {
    SIZE size = BitmapSize(bitmap);
    if (!size.cx) return;
    HDC source = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(hdc, box.left + (RectWidth(box) - size.cx) / 2, box.top + (RectHeight(box) - size.cy) / 2, size.cx, size.cy,
           source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

void PaintStandardItem(HDC hdc, const MenuItem& item, RECT rect, bool selected, bool bar) {
    bool disabled = IsDisabled(item);
    Fill(hdc, rect, selected && !bar ? COLOR_HIGHLIGHT : COLOR_MENU);
    if (IsSeparator(item)) {
        int y = (rect.top + rect.bottom) / 2 - 1;
        Fill(hdc, RECT{rect.left + 1, y, rect.right - 1, y + 1}, COLOR_BTNSHADOW);
        Fill(hdc, RECT{rect.left + 1, y + 1, rect.right - 1, y + 2}, COLOR_BTNHIGHLIGHT);
        return;
    }
    COLORREF ink = GetSysColor(disabled ? COLOR_GRAYTEXT : (selected && !bar ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, ink);
    MenuFontScope font(hdc, (item.state & MF_DEFAULT) != 0);
    std::string label = ItemLabel(item);
    if (bar) {
        if (selected) DrawEdge(hdc, &rect, BDR_SUNKENOUTER, BF_RECT);
        if (item.bitmap && label.empty()) DrawBitmap(hdc, item.bitmap, rect);
        DrawTextA(hdc, label.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    RECT mark{rect.left, rect.top, rect.left + MarkColumn, rect.bottom};
    if (item.bitmap) {
        DrawBitmap(hdc, item.bitmap, mark);
        if (item.state & MF_CHECKED) DrawEdge(hdc, &mark, BDR_SUNKENOUTER, BF_RECT);
    } else if (item.state & MF_CHECKED) {
        DrawMark(hdc, mark, (item.type & MFT_RADIOCHECK) != 0, ink);
    }
    RECT text{rect.left + std::max<LONG>(MarkColumn, BitmapSize(item.bitmap).cx + 4), rect.top, rect.right - ArrowColumn,
              rect.bottom};
    DrawTextA(hdc, label.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    std::string shortcut = ItemShortcutText(item);
    if (!shortcut.empty()) DrawTextA(hdc, shortcut.c_str(), -1, &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.submenu) DrawArrow(hdc, RECT{rect.right - ArrowColumn, rect.top, rect.right, rect.bottom}, ink);
}

}  // namespace

SIZE LayoutPopup(Menu& menu, HWND owner) {
    MeasureDC dc;
    struct Column {
        std::size_t first = 0, last = 0;
        int width = 0;
    };
    std::vector<Column> columns{Column{}};
    std::vector<SIZE> sizes(menu.items.size());
    int labelWidth = 0, shortcutWidth = 0;
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        const MenuItem& item = menu.items[i];
        if (i > 0 && (item.type & (MFT_MENUBREAK | MFT_MENUBARBREAK))) {
            columns.back().last = i;
            columns.push_back(Column{i, i, 0});
        }
        if (item.type & MFT_OWNERDRAW) {
            sizes[i] = MeasureOwnerDrawn(item, owner);
        } else if (IsSeparator(item)) {
            sizes[i] = SIZE{0, SeparatorHeight};
        } else {
            bool bold = (item.state & MF_DEFAULT) != 0;
            SIZE label = TextSize(dc.get(), ItemLabel(item), bold);
            SIZE shortcut = TextSize(dc.get(), ItemShortcutText(item), bold);
            SIZE bitmap = BitmapSize(item.bitmap);
            int markWidth = std::max<int>(MarkColumn, bitmap.cx + 4);
            labelWidth = std::max<int>(labelWidth, markWidth + label.cx);
            if (shortcut.cx) shortcutWidth = std::max<int>(shortcutWidth, ShortcutGap + shortcut.cx);
            sizes[i] = SIZE{markWidth + label.cx + ArrowColumn,
                            std::max<LONG>({label.cy + 5, bitmap.cy + 2, GetSystemMetrics(SM_CYMENUSIZE)})};
        }
    }
    columns.back().last = menu.items.size();
    SIZE total{0, 0};
    int x = 0;
    for (Column& column : columns) {
        int width = 0, y = 0;
        for (std::size_t i = column.first; i < column.last; ++i) {
            const MenuItem& item = menu.items[i];
            int textWidth = (item.type & MFT_OWNERDRAW) || IsSeparator(item) ? sizes[i].cx
                                                                             : labelWidth + shortcutWidth + ArrowColumn;
            width = std::max<int>(width, textWidth);
        }
        for (std::size_t i = column.first; i < column.last; ++i) {
            menu.items[i].rect = RECT{x, y, x + width, y + sizes[i].cy};
            y += sizes[i].cy;
        }
        total.cy = std::max<LONG>(total.cy, y);
        x += width + (column.last < menu.items.size() ? 4 : 0);
    }
    total.cx = x;
    menu.dirty = false;
    return total;
}

int LayoutBar(Menu& menu, HWND owner, int left, int top, int width) {
    MeasureDC dc;
    int rowHeight = GetSystemMetrics(SM_CYMENU);
    std::vector<SIZE> sizes;
    for (const MenuItem& item : menu.items) {
        SIZE size;
        if (item.type & MFT_OWNERDRAW) {
            size = MeasureOwnerDrawn(item, owner);
        } else {
            std::string label = ItemLabel(item);
            size = TextSize(dc.get(), label, false);
            if (label.empty() && item.bitmap) size = BitmapSize(item.bitmap);
            size.cx += 2 * BarItemPadding;
        }
        rowHeight = std::max<int>(rowHeight, size.cy + 1);
        sizes.push_back(size);
    }
    int x = left, y = top;
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        MenuItem& item = menu.items[i];
        bool breaks = (item.type & (MFT_MENUBREAK | MFT_MENUBARBREAK)) != 0;
        if (x > left && (breaks || x + sizes[i].cx > left + width)) {
            x = left;
            y += rowHeight;
        }
        item.rect = RECT{x, y, x + sizes[i].cx, y + rowHeight};
        x += sizes[i].cx;
    }
    menu.dirty = false;
    return y + rowHeight - top;
}

void PaintMenuItem(HDC hdc, Menu& menu, int index, HWND owner, bool selected, bool bar) {
    if (index < 0 || index >= static_cast<int>(menu.items.size())) return;
    const MenuItem& item = menu.items[static_cast<std::size_t>(index)];
    if (!(item.type & MFT_OWNERDRAW)) {
        PaintStandardItem(hdc, item, item.rect, selected, bar);
        return;
    }
    DRAWITEMSTRUCT draw;
    draw.CtlType = ODT_MENU;
    draw.itemID = item.id;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = OwnerDrawState(item, selected, bar);
    draw.hwndItem = reinterpret_cast<HWND>(menu.handle);
    draw.hDC = hdc;
    draw.rcItem = item.rect;
    draw.itemData = item.data;
    int saved = SaveDC(hdc);
    if (owner) SendMessage(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    RestoreDC(hdc, saved);
}

}  // namespace platform
