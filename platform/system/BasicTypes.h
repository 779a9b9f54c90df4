#pragma once
// The system's scalar types and the word-packing helpers that message
// parameters are built with.

#include <cstdint>

#include "platform/system/Handles.h"

namespace platform {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using SHORT = std::int16_t;
using UINT = unsigned int;
using INT = int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using ATOM = std::uint16_t;

constexpr WORD LOWORD(std::uintptr_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr LONG MAKELONG(WORD low, WORD high) {
    return static_cast<LONG>(static_cast<std::uint32_t>(low) | (static_cast<std::uint32_t>(high) << 16));
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) { return static_cast<WPARAM>(static_cast<std::uint32_t>(MAKELONG(low, high))); }
constexpr LPARAM MAKELPARAM(WORD low, WORD high) { return static_cast<LPARAM>(MAKELONG(low, high)); }
// Signed coordinates packed into a message parameter.
constexpr int GET_X_LPARAM(LPARAM value) { return static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(value))); }
constexpr int GET_Y_LPARAM(LPARAM value) { return static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(value))); }
constexpr LPARAM MakePointParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

}  // namespace platform
