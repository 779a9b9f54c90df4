#pragma once
// Kernel handles: one table of numbered objects (files, mappings, and later
// events and threads) that CloseHandle releases whatever their kind.

#include <cstdint>
#include <memory>

namespace platform {

using HANDLE = void*;
using DWORD = std::uint32_t;
using BOOL = int;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

// Takes ownership; never returns 0 or INVALID_HANDLE_VALUE.
HANDLE RegisterHandle(std::shared_ptr<KernelObject> object);

// The object behind a handle, or null when the handle is not open.
std::shared_ptr<KernelObject> LookupHandle(HANDLE handle);

template <class T>
std::shared_ptr<T> LookupHandleAs(HANDLE handle) {
    return std::dynamic_pointer_cast<T>(LookupHandle(handle));
}

BOOL CloseHandle(HANDLE handle);

}  // namespace platform
