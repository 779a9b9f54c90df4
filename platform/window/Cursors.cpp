#include "platform/window/Cursors.h"

#include <atomic>

#include "platform/system/LastError.h"

namespace platform {
namespace {

constexpr std::uint32_t ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

std::atomic<HCURSOR> current{nullptr};
std::atomic<int> showCount{0};

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
