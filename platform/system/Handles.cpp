#include "platform/system/Handles.h"

#include "platform/system/LastError.h"

#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

struct HandleTable {
    std::mutex lock;
    std::unordered_map<std::uintptr_t, std::shared_ptr<KernelObject>> objects;
    std::uintptr_t next = 4;  // multiples of 4, as the system hands them out
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

}  // namespace

HANDLE RegisterHandle(std::shared_ptr<KernelObject> object) {
    auto& table = Table();
    std::lock_guard guard(table.lock);
    std::uintptr_t value = table.next;
    table.next += 4;
    table.objects.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> LookupHandle(HANDLE handle) {
    auto& table = Table();
    std::lock_guard guard(table.lock);
    auto found = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    return found == table.objects.end() ? nullptr : found->second;
}

BOOL CloseHandle(HANDLE handle) {
    std::shared_ptr<KernelObject> released;  // destroyed outside the lock
    {
        auto& table = Table();
        std::lock_guard guard(table.lock);
        auto found = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
        if (found == table.objects.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        released = std::move(found->second);
        table.objects.erase(found);
    }
    return TRUE;
}

}  // namespace platform
