#pragma once
// Mouse cursors: the system's shapes by IDC_ number, the current cursor and
// its show count. The display draws the shape.

#include "platform/window/WindowClasses.h"

#include <cstdint>
#include <vector>

namespace platform {

inline const char* MAKEINTRESOURCE(WORD id) { return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(id)); }

inline const char* const IDC_ARROW = MAKEINTRESOURCE(32512);
inline const char* const IDC_IBEAM = MAKEINTRESOURCE(32513);
inline const char* const IDC_WAIT = MAKEINTRESOURCE(32514);
inline const char* const IDC_CROSS = MAKEINTRESOURCE(32515);
inline const char* const IDC_UPARROW = MAKEINTRESOURCE(32516);
inline const char* const IDC_SIZENWSE = MAKEINTRESOURCE(32642);
inline const char* const IDC_SIZENESW = MAKEINTRESOURCE(32643);
inline const char* const IDC_SIZEWE = MAKEINTRESOURCE(32644);
inline const char* const IDC_SIZENS = MAKEINTRESOURCE(32645);
inline const char* const IDC_SIZEALL = MAKEINTRESOURCE(32646);
inline const char* const IDC_NO = MAKEINTRESOURCE(32648);
inline const char* const IDC_HAND = MAKEINTRESOURCE(32649);
inline const char* const IDC_APPSTARTING = MAKEINTRESOURCE(32650);
inline const char* const IDC_HELP = MAKEINTRESOURCE(32651);

// The system's cursors (instance 0 and an IDC_ number); null otherwise.
HCURSOR LoadCursor(HINSTANCE instance, const char* name);
// A cursor of the program's own: one-bit AND and XOR planes of `height` rows,
// each row padded to 16 bits (AND 1 keeps the screen, XOR 1 inverts or
// whitens it). Null for a size below 1.
HCURSOR CreateCursor(HINSTANCE instance, int xHotSpot, int yHotSpot, int width, int height, const void* andPlane,
                     const void* xorPlane);
// Only cursors made by CreateCursor; FALSE for any other handle.
BOOL DestroyCursor(HCURSOR cursor);

// What CreateCursor was given, for a display to draw.
struct CursorPlanes {
    int hotX = 0, hotY = 0, width = 0, height = 0;
    std::vector<std::uint8_t> andPlane, xorPlane;
};
// False for a handle CreateCursor did not make (or that was destroyed).
bool GetCursorPlanes(HCURSOR cursor, CursorPlanes& planes);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The cursor shows while the count is 0 or more.
int ShowCursor(BOOL show);
// The IDC_ number of a system cursor, or 0.
WORD SystemCursorId(HCURSOR cursor);

}  // namespace platform
