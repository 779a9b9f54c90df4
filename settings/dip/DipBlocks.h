#pragma once
// The DIP controller's two settings blocks, DipBlock1 (30 bytes) and
// DipBlock2 (35 bytes): where each value stands, its scale, and the control
// of the DIP settings window it belongs to.
//
// Numbers are 16-bit big-endian, the value times its scale rounded to the
// nearest integer (halves to even). The launch accelerations are stored as
// (v + 1) x 512 and the burnout deceleration as (1 - v) x 512, signed. Flags
// are one byte, 1 on (any other byte reads off); an output key is one byte,
// the index 0-2 of "Защ. ключ 1".."Защ. ключ 3".

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class TDipFieldKind {
    Number,        // value x Scale, unsigned
    Acceleration,  // (value + 1) x 512, unsigned
    Deceleration,  // (1 - value) x 512, two's complement
    Flag,
    OutputKey,
};

struct TDipField {
    const char* Key;      // the name the settings file uses
    const char* Control;  // the DIP window's control
    std::size_t Offset;   // byte place in the block
    TDipFieldKind Kind;
    int Scale;
    const char* Caption;  // what the user reads beside it, for messages
};

inline constexpr std::size_t kDipBlock1Size = 30;
inline constexpr std::size_t kDipBlock2Size = 35;
constexpr std::uint8_t kDipBlockCount = 2;
constexpr int kDipOutputKeyCount = 3;
// An output key the window shows no choice for.
constexpr double kDipNoKey = -1;

// The fields of block 1 or 2, in byte order.
const std::vector<TDipField>& DipBlockFields(std::uint8_t block);
std::size_t DipBlockSize(std::uint8_t block);

// One value per field of a block, in the order of DipBlockFields: numbers as
// the window holds them, flags 1 or 0, output keys 0-2 or kDipNoKey.
using TDipBlockValues = std::vector<double>;

struct TDipEncoding {
    std::vector<std::uint8_t> Bytes;  // the block; empty when refused
    std::string Error;                // why a value was refused
    bool Ok() const { return Error.empty(); }
};

// Refuses, never wraps, a number beyond its 16 bits, and refuses an output
// key without a choice: the controller never gets a key the user did not pick.
TDipEncoding EncodeDipBlock(std::uint8_t block, const TDipBlockValues& values);
// `bytes` holds at least DipBlockSize(block) bytes. Numbers come unclamped
// (the window's edits clamp them); a key byte of 3 or more gives kDipNoKey.
TDipBlockValues DecodeDipBlock(std::uint8_t block, const std::uint8_t* bytes);
