#pragma once
// The single-stage controller's two settings blocks, EasyBlock1 (39 bytes)
// and EasyBlock2 (20 bytes): where each value stands, its scale, and the
// spin edit or check box of the settings window it belongs to.
//
// Numbers are 16-bit big-endian, the value times its scale rounded to the
// nearest integer (halves to even, taken on the decimal value the user sees);
// parPasAcc alone is signed. Flags are one byte, 1 on; any other byte reads off.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class TEasyFieldKind {
    Number,        // unsigned 16 bits
    SignedNumber,  // two's complement 16 bits
    Flag,          // one byte from a check box
    AlwaysOn,      // one byte written 1 whatever its check box holds
};

struct TEasyField {
    const char* Key;      // the settings-file key
    const char* Control;  // the settings window's control
    std::size_t Offset;   // byte place in the block
    TEasyFieldKind Kind;
    int Scale;            // stored = (value + Bias) x Scale
    int Bias;
    const char* Range;    // the edit's hint: "min/max"
    int Decimals;
    const char* Caption;  // what the user reads beside it, for messages
};

inline constexpr std::size_t kEasyBlock1Size = 39;
inline constexpr std::size_t kEasyBlock2Size = 20;
constexpr std::uint8_t kEasyBlockCount = 2;

// The fields of block 1 or 2, in byte order.
const std::vector<TEasyField>& EasyBlockFields(std::uint8_t block);
std::size_t EasyBlockSize(std::uint8_t block);
// Every field of both blocks, block 1 first.
std::vector<TEasyField> AllEasyFields();

// One value per field of a block, in the order of EasyBlockFields: numbers
// as the window holds them, flags as 1 or 0.
using TEasyBlockValues = std::vector<double>;

struct TEasyEncoding {
    std::vector<std::uint8_t> Bytes;  // the block; empty when refused
    std::string Error;                // why a value was refused
    bool Ok() const { return Error.empty(); }
};

// The stored integer of a number field; outside 16 bits it is refused, never wrapped.
std::int64_t EasyStoredValue(const TEasyField& field, double value);
TEasyEncoding EncodeEasyBlock(std::uint8_t block, const TEasyBlockValues& values);
// `bytes` holds at least EasyBlockSize(block) bytes.
TEasyBlockValues DecodeEasyBlock(std::uint8_t block, const std::uint8_t* bytes);
