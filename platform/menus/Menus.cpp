#include "platform/menus/Menus.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "platform/menus/detail/MenuObject.h"
#include "platform/system/LastError.h"
#include "platform/text/MarkedLetter.h"
#include "platform/window/Painting.h"

namespace platform {
namespace {

constexpr std::uint32_t ERROR_INVALID_MENU_HANDLE = 1401;
constexpr std::uint32_t ERROR_MENU_ITEM_NOT_FOUND = 1456;

struct MenuTable {
    std::map<HMENU, std::unique_ptr<Menu>> menus;
    std::uintptr_t next = 0x10000;
};

MenuTable& Table() {
    static MenuTable table;
    return table;
}

HMENU NewMenu(bool popup) {
    MenuTable& table = Table();
    auto menu = std::make_unique<Menu>();
    menu->handle = reinterpret_cast<HMENU>(table.next);
    table.next += 4;  // handles are never reused
    menu->popup = popup;
    HMENU handle = menu->handle;
    table.menus.emplace(handle, std::move(menu));
    return handle;
}

Menu* Found(HMENU menu) {
    Menu* object = FindMenuObject(menu);
    if (!object) SetLastError(ERROR_INVALID_MENU_HANDLE);
    return object;
}

// An open popup shows a change at once; the bar waits for DrawMenuBar.
void Changed(HMENU menu) {
    Menu* object = FindMenuObject(menu);
    if (!object) return;
    object->dirty = true;
    if (object->popup && object->window) InvalidateRect(object->window, nullptr, TRUE);
}

// The item a call names, or null (with the error set).
MenuItem* Item(HMENU& menu, UINT item, UINT flags) {
    if (!Found(menu)) return nullptr;
    int position = FindMenuItem(menu, item, flags);
    if (position < 0) {
        SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
        return nullptr;
    }
    return &FindMenuObject(menu)->items[static_cast<std::size_t>(position)];
}

// An item from the MF_ flags of AppendMenu and its kin.
MenuItem ItemFromFlags(UINT flags, UINT_PTR newItem, const char* text) {
    MenuItem item;
    item.type = flags & (MF_MENUBARBREAK | MF_MENUBREAK | MF_OWNERDRAW | MF_SEPARATOR | MF_RIGHTJUSTIFY | MF_BITMAP);
    item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT);
    if (flags & MF_POPUP) {
        item.submenu = reinterpret_cast<HMENU>(newItem);
        if (Menu* sub = FindMenuObject(item.submenu)) sub->popup = true;
        item.id = static_cast<UINT>(newItem);
    } else {
        item.id = static_cast<UINT>(newItem);
    }
    if (flags & MF_OWNERDRAW)
        item.data = reinterpret_cast<ULONG_PTR>(text);
    else if (flags & MF_BITMAP)
        item.bitmap = reinterpret_cast<HBITMAP>(const_cast<char*>(text));
    else if (text && !(flags & MF_SEPARATOR))
        item.text = text;
    return item;
}

void Apply(MenuItem& item, const MENUITEMINFOA& info) {
    if (info.fMask & (MIIM_TYPE | MIIM_FTYPE)) item.type = info.fType & ~MFT_BITMAP;
    if (info.fMask & MIIM_TYPE) {
        if (info.fType & MFT_BITMAP)
            item.bitmap = reinterpret_cast<HBITMAP>(info.dwTypeData);
        else if (!(info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW)))
            item.text = info.dwTypeData ? info.dwTypeData : "";
    }
    if (info.fMask & MIIM_STRING) item.text = info.dwTypeData ? info.dwTypeData : "";
    if (info.fMask & MIIM_STATE) item.state = info.fState;
    if (info.fMask & MIIM_ID) item.id = info.wID;
    if (info.fMask & MIIM_SUBMENU) {
        item.submenu = info.hSubMenu;
        if (Menu* sub = FindMenuObject(item.submenu)) sub->popup = true;
    }
    if (info.fMask & MIIM_DATA) item.data = info.dwItemData;
    if (info.fMask & MIIM_BITMAP) item.bitmap = info.hbmpItem;
}

void Destroy(HMENU menu) {
    MenuTable& table = Table();
    auto found = table.menus.find(menu);
    if (found == table.menus.end()) return;
    std::unique_ptr<Menu> object = std::move(found->second);
    table.menus.erase(found);
    for (const MenuItem& item : object->items)
        if (item.submenu) Destroy(item.submenu);
}

int Position(HMENU menu, UINT position, UINT flags) {
    Menu* object = FindMenuObject(menu);
    if (!object) return -1;
    if (!(flags & MF_BYPOSITION)) {
        HMENU holder = menu;
        int found = FindMenuItem(holder, position, flags);
        return holder == menu ? found : -1;
    }
    return std::min<int>(static_cast<int>(position), static_cast<int>(object->items.size()));
}

}  // namespace

Menu* FindMenuObject(HMENU menu) {
    auto& menus = Table().menus;
    auto found = menus.find(menu);
    return found == menus.end() ? nullptr : found->second.get();
}

int FindMenuItem(HMENU& menu, UINT item, UINT flags) {
    Menu* object = FindMenuObject(menu);
    if (!object) return -1;
    if (flags & MF_BYPOSITION) return item < object->items.size() ? static_cast<int>(item) : -1;
    for (std::size_t i = 0; i < object->items.size(); ++i)
        if (!object->items[i].submenu && object->items[i].id == item) return static_cast<int>(i);
    for (std::size_t i = 0; i < object->items.size(); ++i) {
        HMENU sub = object->items[i].submenu;
        if (!sub) continue;
        int found = FindMenuItem(sub, item, flags);
        if (found >= 0) {
            menu = sub;
            return found;
        }
    }
    // A submenu item can be named by its identifier too.
    for (std::size_t i = 0; i < object->items.size(); ++i)
        if (object->items[i].submenu && object->items[i].id == item) return static_cast<int>(i);
    return -1;
}

std::string ItemLabel(const MenuItem& item) { return item.text.substr(0, item.text.find('\t')); }

std::string ItemShortcutText(const MenuItem& item) {
    std::size_t tab = item.text.find('\t');
    return tab == std::string::npos ? std::string() : item.text.substr(tab + 1);
}

char32_t ItemMnemonic(const MenuItem& item) { return MarkedLetter(ItemLabel(item)); }

bool IsSeparator(const MenuItem& item) { return (item.type & MFT_SEPARATOR) != 0; }
bool IsDisabled(const MenuItem& item) { return (item.state & (MF_GRAYED | MF_DISABLED)) != 0; }

HMENU CreateMenu() { return NewMenu(false); }
HMENU CreatePopupMenu() { return NewMenu(true); }

BOOL DestroyMenu(HMENU menu) {
    if (!Found(menu)) return FALSE;
    Destroy(menu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return FindMenuObject(menu) != nullptr; }

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR newItem, const char* text) {
    Menu* object = Found(menu);
    if (!object) return FALSE;
    object->items.push_back(ItemFromFlags(flags, newItem, text));
    Changed(menu);
    return TRUE;
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR newItem, const char* text) {
    Menu* object = Found(menu);
    if (!object) return FALSE;
    int at = Position(menu, position, flags);
    if (at < 0) at = static_cast<int>(object->items.size());
    object->items.insert(object->items.begin() + at, ItemFromFlags(flags, newItem, text));
    Changed(menu);
    return TRUE;
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR newItem, const char* text) {
    MenuItem* item = Item(menu, position, flags);
    if (!item) return FALSE;
    *item = ItemFromFlags(flags, newItem, text);
    Changed(menu);
    return TRUE;
}

BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
    Menu* object = Found(menu);
    if (!object || !info) return FALSE;
    int at = Position(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    if (at < 0) at = static_cast<int>(object->items.size());
    MenuItem made;
    Apply(made, *info);
    object->items.insert(object->items.begin() + at, made);
    Changed(menu);
    return TRUE;
}

BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
    MenuItem* found = info ? Item(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND) : nullptr;
    if (!found) return FALSE;
    if (info->fMask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = found->type | (found->bitmap && !found->text.size() ? MFT_BITMAP : 0);
    if (info->fMask & MIIM_STATE) info->fState = found->state;
    if (info->fMask & MIIM_ID) info->wID = found->id;
    if (info->fMask & MIIM_SUBMENU) info->hSubMenu = found->submenu;
    if (info->fMask & MIIM_DATA) info->dwItemData = found->data;
    if (info->fMask & MIIM_BITMAP) info->hbmpItem = found->bitmap;
    if (info->fMask & (MIIM_STRING | MIIM_TYPE)) {
        if (info->dwTypeData && info->cch > 0) {
            std::size_t count = std::min<std::size_t>(found->text.size(), info->cch - 1);
            std::memcpy(info->dwTypeData, found->text.data(), count);
            info->dwTypeData[count] = '\0';
            info->cch = static_cast<UINT>(count);
        } else {
            info->cch = static_cast<UINT>(found->text.size());
        }
    }
    return TRUE;
}

BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
    MenuItem* found = info ? Item(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND) : nullptr;
    if (!found) return FALSE;
    Apply(*found, *info);
    Changed(menu);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    if (!Item(menu, position, flags)) return FALSE;
    Menu* object = FindMenuObject(menu);
    object->items.erase(object->items.begin() + FindMenuItem(menu, position, flags));
    Changed(menu);
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    MenuItem* item = Item(menu, position, flags);
    if (!item) return FALSE;
    HMENU sub = item->submenu;
    RemoveMenu(menu, position, flags);
    if (sub) Destroy(sub);
    return TRUE;
}

int GetMenuItemCount(HMENU menu) {
    Menu* object = Found(menu);
    return object ? static_cast<int>(object->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    Menu* object = FindMenuObject(menu);
    if (!object || position < 0 || position >= static_cast<int>(object->items.size())) return static_cast<UINT>(-1);
    const MenuItem& item = object->items[static_cast<std::size_t>(position)];
    return item.submenu ? static_cast<UINT>(-1) : item.id;
}

HMENU GetSubMenu(HMENU menu, int position) {
    Menu* object = FindMenuObject(menu);
    if (!object || position < 0 || position >= static_cast<int>(object->items.size())) return nullptr;
    return object->items[static_cast<std::size_t>(position)].submenu;
}

int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags) {
    MenuItem* found = Item(menu, item, flags);
    if (!found) return 0;
    if (!buffer) return static_cast<int>(found->text.size());
    if (size <= 0) return 0;
    std::size_t count = std::min<std::size_t>(found->text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, found->text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    MenuItem* found = Item(menu, item, flags);
    if (!found) return static_cast<UINT>(-1);
    UINT state = found->state | (found->type & (MF_MENUBARBREAK | MF_MENUBREAK | MF_OWNERDRAW | MF_SEPARATOR));
    if (found->submenu) {
        Menu* sub = FindMenuObject(found->submenu);
        state |= MF_POPUP | (static_cast<UINT>(sub ? sub->items.size() : 0) << 8);
    }
    return state;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    MenuItem* found = Item(menu, item, enable);
    if (!found) return static_cast<UINT>(-1);
    UINT previous = found->state & (MF_GRAYED | MF_DISABLED);
    found->state = (found->state & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    Changed(menu);
    return previous;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    MenuItem* found = Item(menu, item, check);
    if (!found) return static_cast<DWORD>(-1);
    DWORD previous = found->state & MF_CHECKED;
    found->state = (found->state & ~MF_CHECKED) | (check & MF_CHECKED);
    Changed(menu);
    return previous;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
    Menu* object = Found(menu);
    if (!object) return FALSE;
    int from = Position(menu, first, flags), to = Position(menu, last, flags), on = Position(menu, check, flags);
    if (from < 0 || to < 0 || on < from || on > to || to >= static_cast<int>(object->items.size())) return FALSE;
    for (int i = from; i <= to; ++i) {
        MenuItem& item = object->items[static_cast<std::size_t>(i)];
        if (i == on) {
            item.state |= MF_CHECKED;
            item.type |= MFT_RADIOCHECK;
        } else {
            item.state &= ~MF_CHECKED;
        }
    }
    Changed(menu);
    return TRUE;
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition) {
    Menu* object = Found(menu);
    if (!object) return FALSE;
    int at = item == static_cast<UINT>(-1) ? -1 : FindMenuItem(menu, item, byPosition ? MF_BYPOSITION : 0);
    if (item != static_cast<UINT>(-1) && (at < 0 || FindMenuObject(menu) != object)) return FALSE;
    for (std::size_t i = 0; i < object->items.size(); ++i)
        if (static_cast<int>(i) == at)
            object->items[i].state |= MF_DEFAULT;
        else
            object->items[i].state &= ~MF_DEFAULT;
    Changed(menu);
    return TRUE;
}

UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT) {
    Menu* object = Found(menu);
    if (!object) return static_cast<UINT>(-1);
    for (std::size_t i = 0; i < object->items.size(); ++i)
        if (object->items[i].state & MF_DEFAULT) return byPosition ? static_cast<UINT>(i) : object->items[i].id;
    return static_cast<UINT>(-1);
}

}  // namespace platform
