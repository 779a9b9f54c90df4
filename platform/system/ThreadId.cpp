#include "platform/system/ThreadId.h"

#include <atomic>

namespace platform {

DWORD GetCurrentThreadId() {
    static std::atomic<DWORD> next{1};
    thread_local DWORD id = next.fetch_add(1);
    return id;
}

}  // namespace platform
