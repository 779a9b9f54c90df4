#pragma once
// Setters of the chart's settings store a value and tell of a change only
// when it really differs.

#include <type_traits>

template <class T>
bool StoreIfChanged(T& field, const std::type_identity_t<T>& value) {
    if (field == value) return false;
    field = value;
    return true;
}
