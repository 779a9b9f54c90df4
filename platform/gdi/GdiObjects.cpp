#include "platform/gdi/GdiObjects.h"

#include "platform/system/LastError.h"

#include <array>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

// Stock handles sit below the numbers handed out for created objects.
constexpr std::uintptr_t kStockBase = 0x1000;
constexpr std::uintptr_t kFirstCreated = 0x10000;

struct GdiTable {
    std::mutex lock;
    std::unordered_map<std::uintptr_t, std::shared_ptr<GdiObject>> objects;
    std::uintptr_t next = kFirstCreated;
    std::array<StockObjectFactory, kStockCount> factories;
    std::array<std::shared_ptr<GdiObject>, kStockCount> stock;
};

GdiTable& Table() {
    static GdiTable table;
    return table;
}

int StockIndex(HGDIOBJ handle) {
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    if (value < kStockBase || value >= kStockBase + kStockCount * 4 || (value - kStockBase) % 4 != 0) return -1;
    return static_cast<int>((value - kStockBase) / 4);
}

}  // namespace

// The pens, brushes and the memory DC's default bitmap; made by their own areas.
std::shared_ptr<GdiObject> MakeBuiltInStockObject(int index);

int GdiObject::Describe(int, void*) const { return 0; }

HGDIOBJ RegisterGdiObject(std::shared_ptr<GdiObject> object) {
    auto& table = Table();
    std::lock_guard guard(table.lock);
    std::uintptr_t value = table.next;
    table.next += 4;
    table.objects.emplace(value, std::move(object));
    return reinterpret_cast<HGDIOBJ>(value);
}

std::shared_ptr<GdiObject> LookupGdiObject(HGDIOBJ handle) {
    auto& table = Table();
    StockObjectFactory factory;
    int index = StockIndex(handle);
    {
        std::lock_guard guard(table.lock);
        if (index < 0) {
            auto found = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
            return found == table.objects.end() ? nullptr : found->second;
        }
        if (table.stock[index]) return table.stock[index];
        factory = table.factories[index];
    }
    // Made outside the lock: a factory may itself look objects up.
    auto made = factory ? factory() : MakeBuiltInStockObject(index);
    if (!made) return nullptr;
    std::lock_guard guard(table.lock);
    if (!table.stock[index]) table.stock[index] = std::move(made);
    return table.stock[index];
}

bool UnregisterGdiObject(HGDIOBJ handle) {
    std::shared_ptr<GdiObject> released;  // destroyed outside the lock
    auto& table = Table();
    std::lock_guard guard(table.lock);
    auto found = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == table.objects.end()) return false;
    released = std::move(found->second);
    table.objects.erase(found);
    return true;
}

void RegisterStockObjectFactory(int index, StockObjectFactory factory) {
    if (index < 0 || index >= kStockCount) return;
    auto& table = Table();
    std::lock_guard guard(table.lock);
    table.factories[index] = std::move(factory);
}

bool IsStockObject(HGDIOBJ handle) { return StockIndex(handle) >= 0; }

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index > STOCK_LAST || index == 9) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return StockHandle(index);
}

HGDIOBJ StockHandle(int index) {
    if (index < 0 || index >= kStockCount) return nullptr;
    HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(kStockBase + static_cast<std::uintptr_t>(index) * 4);
    return LookupGdiObject(handle) ? handle : nullptr;
}

BOOL DeleteObject(HGDIOBJ handle) {
    if (IsStockObject(handle)) return TRUE;  // stock objects outlive every call
    auto object = LookupGdiObject(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->Permanent()) return TRUE;
    DWORD type = object->ObjectType();
    if (type == OBJ_DC || type == OBJ_MEMDC) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return UnregisterGdiObject(handle) ? TRUE : FALSE;
}

int GetObject(HGDIOBJ handle, int size, void* buffer) {
    auto object = LookupGdiObject(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (size < 0 || (buffer && size == 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return object->Describe(size, buffer);
}

DWORD GetObjectType(HGDIOBJ handle) {
    auto object = LookupGdiObject(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return object->ObjectType();
}

}  // namespace platform
