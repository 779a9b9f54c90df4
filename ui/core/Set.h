#pragma once
// A set of the values of a small enumeration, as the library's set types
// are: a bit per value, and the bit mask is its ordinal form.

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E v : values) bits_ |= Bit(v);
    }
    static constexpr TSet FromMask(std::uint32_t mask) {
        TSet s;
        s.bits_ = mask;
        return s;
    }

    constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
    constexpr TSet& Include(E v) { bits_ |= Bit(v); return *this; }
    constexpr TSet& Exclude(E v) { bits_ &= ~Bit(v); return *this; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint32_t Mask() const { return bits_; }

    constexpr TSet operator+(TSet o) const { return FromMask(bits_ | o.bits_); }
    constexpr TSet operator-(TSet o) const { return FromMask(bits_ & ~o.bits_); }
    constexpr TSet operator*(TSet o) const { return FromMask(bits_ & o.bits_); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr std::uint32_t Bit(E v) { return 1u << static_cast<unsigned>(v); }
    std::uint32_t bits_ = 0;
};
