#include "chart/canvas/ChangeCallback.h"

#include <utility>

TNotifyEvent ChangeCallback(TChangeEvent onChange) {
    if (!onChange) return nullptr;
    return [f = std::move(onChange)](TObject*) { f(); };
}
