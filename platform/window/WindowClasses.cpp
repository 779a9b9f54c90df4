#include "platform/window/WindowClasses.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/system/LastError.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

struct ClassTable {
    std::vector<std::shared_ptr<WindowClassRecord>> classes;
    ATOM nextAtom = 0xC000;
    std::map<std::string, UINT> messages;  // lower-case text -> number
    UINT nextMessage = FirstRegisteredMessage;

    ClassTable() {
        AddSystemClass(MenuClassAtom, "#32768");
        AddSystemClass(DesktopClassAtom, "#32769");
        AddSystemClass(DialogClassAtom, "#32770");
    }

    void AddSystemClass(ATOM atom, const char* name) {
        auto record = std::make_shared<WindowClassRecord>();
        record->atom = atom;
        record->name = name;
        record->system = true;
        record->cbWndExtra = 30;  // room for the dialog's own longs
        classes.push_back(record);
    }
};

ClassTable& Table() {
    static ClassTable table;
    return table;
}

std::shared_ptr<WindowClassRecord> FindLocked(const char* nameOrAtom) {
    if (!nameOrAtom) return nullptr;
    ClassTable& table = Table();
    if (IS_INTRESOURCE(nameOrAtom)) {
        ATOM atom = static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(nameOrAtom));
        for (auto& record : table.classes)
            if (record->atom == atom) return record;
        return nullptr;
    }
    std::string wanted = Lower(nameOrAtom);
    for (auto& record : table.classes)
        if (Lower(record->name) == wanted) return record;
    return nullptr;
}

ATOM Register(const WNDCLASSEX& description) {
    std::lock_guard lock(WindowSystemLock());
    if (!description.lpszClassName || IS_INTRESOURCE(description.lpszClassName) ||
        !*description.lpszClassName || description.cbClsExtra < 0 || description.cbWndExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto existing = FindLocked(description.lpszClassName);
    if (existing && !existing->system) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto record = existing ? existing : std::make_shared<WindowClassRecord>();
    // An application may give the system's dialog class its own procedure.
    if (!existing) {
        record->atom = Table().nextAtom++;
        record->name = description.lpszClassName;
        Table().classes.push_back(record);
    }
    record->style = description.style;
    record->procedure = description.lpfnWndProc;
    record->instance = description.hInstance;
    record->icon = description.hIcon;
    record->smallIcon = description.hIconSm;
    record->cursor = description.hCursor;
    record->background = description.hbrBackground;
    record->menuName = description.lpszMenuName && !IS_INTRESOURCE(description.lpszMenuName)
                           ? description.lpszMenuName
                           : "";
    record->extra.assign(static_cast<size_t>(description.cbClsExtra), 0);
    record->cbWndExtra = description.cbWndExtra;
    return record->atom;
}

void Describe(const WindowClassRecord& record, WNDCLASSEX& out) {
    out.style = record.style;
    out.lpfnWndProc = record.procedure;
    out.cbClsExtra = static_cast<int>(record.extra.size());
    out.cbWndExtra = record.cbWndExtra;
    out.hInstance = record.instance;
    out.hIcon = record.icon;
    out.hIconSm = record.smallIcon;
    out.hCursor = record.cursor;
    out.hbrBackground = record.background;
    out.lpszMenuName = record.menuName.empty() ? nullptr : record.menuName.c_str();
    out.lpszClassName = record.name.c_str();
}

}  // namespace

std::shared_ptr<WindowClassRecord> FindClassRecord(const char* nameOrAtom) {
    std::lock_guard lock(WindowSystemLock());
    return FindLocked(nameOrAtom);
}

ATOM RegisterClass(const WNDCLASS* windowClass) {
    if (!windowClass) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEX ex;
    ex.style = windowClass->style;
    ex.lpfnWndProc = windowClass->lpfnWndProc;
    ex.cbClsExtra = windowClass->cbClsExtra;
    ex.cbWndExtra = windowClass->cbWndExtra;
    ex.hInstance = windowClass->hInstance;
    ex.hIcon = windowClass->hIcon;
    ex.hCursor = windowClass->hCursor;
    ex.hbrBackground = windowClass->hbrBackground;
    ex.lpszMenuName = windowClass->lpszMenuName;
    ex.lpszClassName = windowClass->lpszClassName;
    return Register(ex);
}

ATOM RegisterClassEx(const WNDCLASSEX* windowClass) {
    if (!windowClass) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Register(*windowClass);
}

BOOL UnregisterClass(const char* className, HINSTANCE) {
    std::lock_guard lock(WindowSystemLock());
    auto record = FindLocked(className);
    if (!record || record->system) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (record->windowCount > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    auto& classes = Table().classes;
    classes.erase(std::remove(classes.begin(), classes.end(), record), classes.end());
    return TRUE;
}

BOOL GetClassInfoEx(HINSTANCE, const char* className, WNDCLASSEX* windowClass) {
    std::lock_guard lock(WindowSystemLock());
    auto record = FindLocked(className);
    if (!record || !windowClass) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    Describe(*record, *windowClass);
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* windowClass) {
    WNDCLASSEX ex;
    if (!windowClass || !GetClassInfoEx(instance, className, &ex)) return FALSE;
    windowClass->style = ex.style;
    windowClass->lpfnWndProc = ex.lpfnWndProc;
    windowClass->cbClsExtra = ex.cbClsExtra;
    windowClass->cbWndExtra = ex.cbWndExtra;
    windowClass->hInstance = ex.hInstance;
    windowClass->hIcon = ex.hIcon;
    windowClass->hCursor = ex.hCursor;
    windowClass->hbrBackground = ex.hbrBackground;
    windowClass->lpszMenuName = ex.lpszMenuName;
    windowClass->lpszClassName = ex.lpszClassName;
    return TRUE;
}

int GetClassName(HWND window, char* buffer, int size) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object || !buffer || size <= 0) return 0;
    const std::string& name = object->windowClass->name;
    int count = std::min<int>(static_cast<int>(name.size()), size - 1);
    std::memcpy(buffer, name.data(), static_cast<size_t>(count));
    buffer[count] = '\0';
    return count;
}

ULONG_PTR GetClassLongPtr(HWND window, int index) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object) return 0;
    WindowClassRecord& record = *object->windowClass;
    switch (index) {
        case GCL_STYLE: return record.style;
        case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(record.procedure);
        case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(record.cursor);
        case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(record.background);
        case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(record.icon);
        case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(record.smallIcon);
        case GCW_ATOM: return record.atom;
        default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= record.extra.size()) {
        LONG_PTR value;
        std::memcpy(&value, record.extra.data() + index, sizeof value);
        return static_cast<ULONG_PTR>(value);
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

ULONG_PTR SetClassLongPtr(HWND window, int index, LONG_PTR value) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object) return 0;
    WindowClassRecord& record = *object->windowClass;
    ULONG_PTR old = 0;
    switch (index) {
        case GCL_STYLE:
            old = record.style;
            record.style = static_cast<UINT>(value);
            return old;
        case GCLP_WNDPROC:
            old = reinterpret_cast<ULONG_PTR>(record.procedure);
            record.procedure = reinterpret_cast<WNDPROC>(value);
            return old;
        case GCLP_HCURSOR:
            old = reinterpret_cast<ULONG_PTR>(record.cursor);
            record.cursor = reinterpret_cast<HCURSOR>(value);
            return old;
        case GCLP_HBRBACKGROUND:
            old = reinterpret_cast<ULONG_PTR>(record.background);
            record.background = reinterpret_cast<HBRUSH>(value);
            return old;
        case GCLP_HICON:
            old = reinterpret_cast<ULONG_PTR>(record.icon);
            record.icon = reinterpret_cast<HICON>(value);
            return old;
        case GCLP_HICONSM:
            old = reinterpret_cast<ULONG_PTR>(record.smallIcon);
            record.smallIcon = reinterpret_cast<HICON>(value);
            return old;
        default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= record.extra.size()) {
        LONG_PTR previous;
        std::memcpy(&previous, record.extra.data() + index, sizeof previous);
        std::memcpy(record.extra.data() + index, &value, sizeof value);
        return static_cast<ULONG_PTR>(previous);
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

UINT RegisterWindowMessage(const char* text) {
    if (!text || !*text) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::lock_guard lock(WindowSystemLock());
    ClassTable& table = Table();
    std::string key = Lower(text);
    auto found = table.messages.find(key);
    if (found != table.messages.end()) return found->second;
    if (table.nextMessage > 0xFFFF) return 0;
    UINT number = table.nextMessage++;
    table.messages.emplace(key, number);
    return number;
}

}  // namespace platform
