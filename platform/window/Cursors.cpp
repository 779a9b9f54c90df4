#include "platform/window/Cursors.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/system/LastError.h"

namespace platform {
namespace {

constexpr std::uint32_t ERROR_INVALID_CURSOR_HANDLE = 1402;
constexpr std::uint32_t ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

std::atomic<HCURSOR> current{nullptr};
std::atomic<int> showCount{0};
// Cursors of the program's own, by handle (the record's address).
std::mutex madeLock;
std::map<HCURSOR, std::unique_ptr<CursorPlanes>> made;

bool IsSystemId(std::uintptr_t id) {
    return (id >= 32512 && id <= 32516) || (id >= 32642 && id <= 32651 && id != 32647);
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE instance, const char* name) {
    auto id = reinterpret_cast<std::uintptr_t>(name);
    if (instance || !IS_INTRESOURCE(name) || !IsSystemId(id)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    // A system cursor's handle is its number.
    return reinterpret_cast<HCURSOR>(id);
}

HCURSOR CreateCursor(HINSTANCE, int xHotSpot, int yHotSpot, int width, int height, const void* andPlane,
                     const void* xorPlane) {
    if (width < 1 || height < 1 || !andPlane || !xorPlane) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const auto bytes = static_cast<std::size_t>((width + 15) / 16 * 2) * static_cast<std::size_t>(height);
    auto cursor = std::make_unique<CursorPlanes>();
    *cursor = {xHotSpot, yHotSpot, width, height,
               {static_cast<const std::uint8_t*>(andPlane), static_cast<const std::uint8_t*>(andPlane) + bytes},
               {static_cast<const std::uint8_t*>(xorPlane), static_cast<const std::uint8_t*>(xorPlane) + bytes}};
    auto handle = reinterpret_cast<HCURSOR>(cursor.get());
    std::lock_guard lock(madeLock);
    made.emplace(handle, std::move(cursor));
    return handle;
}

BOOL DestroyCursor(HCURSOR cursor) {
    std::lock_guard lock(madeLock);
    if (made.erase(cursor) == 0) {
        SetLastError(ERROR_INVALID_CURSOR_HANDLE);
        return FALSE;
    }
    if (current == cursor) current = nullptr;
    return TRUE;
}

bool GetCursorPlanes(HCURSOR cursor, CursorPlanes& planes) {
    std::lock_guard lock(madeLock);
    const auto found = made.find(cursor);
    if (found == made.end()) return false;
    planes = *found->second;
    return true;
}

HCURSOR SetCursor(HCURSOR cursor) {
    return current.exchange(cursor);
}

HCURSOR GetCursor() {
    return current;
}

int ShowCursor(BOOL show) {
    return show ? ++showCount : --showCount;
}

WORD SystemCursorId(HCURSOR cursor) {
    auto id = reinterpret_cast<std::uintptr_t>(cursor);
    return IsSystemId(id) ? static_cast<WORD>(id) : 0;
}

}  // namespace platform
