#pragma once
// Window classes: a name or atom with the procedure, styles and extra bytes
// that every window of the class starts with; and registered message numbers.

#include <string>

#include "platform/gdi/GdiTypes.h"
#include "platform/window/WindowStyles.h"

namespace platform {

struct HICON__;
using HICON = HICON__*;
using HCURSOR = HICON;

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;  // a brush, or a system colour index + 1
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
};

struct WNDCLASSEX {
    UINT cbSize = sizeof(WNDCLASSEX);
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;  // a brush, or a system colour index + 1
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
    HICON hIconSm = nullptr;
};

// The system's own classes, by atom.
constexpr ATOM MenuClassAtom = 0x8000;    // "#32768"
constexpr ATOM DesktopClassAtom = 0x8001;  // "#32769"
constexpr ATOM DialogClassAtom = 0x8002;  // "#32770"

// An atom passed in a class-name argument.
inline const char* MAKEINTATOM(ATOM atom) { return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(atom)); }
inline bool IS_INTRESOURCE(const char* name) { return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0; }

// Class names compare without regard to case. Registering a name twice fails
// with ERROR_CLASS_ALREADY_EXISTS.
ATOM RegisterClass(const WNDCLASS* windowClass);
ATOM RegisterClassEx(const WNDCLASSEX* windowClass);
BOOL UnregisterClass(const char* className, HINSTANCE instance);
BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* windowClass);
BOOL GetClassInfoEx(HINSTANCE instance, const char* className, WNDCLASSEX* windowClass);

// The class name of a window; the count copied.
int GetClassName(HWND window, char* buffer, int size);
ULONG_PTR GetClassLongPtr(HWND window, int index);
ULONG_PTR SetClassLongPtr(HWND window, int index, LONG_PTR value);
inline DWORD GetClassLong(HWND window, int index) { return static_cast<DWORD>(GetClassLongPtr(window, index)); }
inline DWORD SetClassLong(HWND window, int index, LONG value) {
    return static_cast<DWORD>(SetClassLongPtr(window, index, value));
}

// The same text gives the same number for the life of the process.
UINT RegisterWindowMessage(const char* text);

constexpr std::uint32_t ERROR_CLASS_ALREADY_EXISTS = 1410;
constexpr std::uint32_t ERROR_CLASS_DOES_NOT_EXIST = 1411;
constexpr std::uint32_t ERROR_CLASS_HAS_WINDOWS = 1412;
constexpr std::uint32_t ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr std::uint32_t ERROR_INVALID_INDEX = 1413;
constexpr std::uint32_t ERROR_CANNOT_FIND_WND_CLASS = 1407;
constexpr std::uint32_t ERROR_HOOK_NOT_INSTALLED = 1431;
constexpr std::uint32_t ERROR_INVALID_HOOK_HANDLE = 1404;

}  // namespace platform
