#pragma once
// The fourteen error kinds of a stream log's sensor records: bit k of a
// record's error flags stands for kind k, in the order of the texts.

#include <array>
#include <cstdint>

inline constexpr std::size_t kStreamErrorKinds = 14;

// The text-log captions, each followed by its count.
extern const std::array<const char*, kStreamErrorKinds> kStreamErrorTexts;

struct StreamErrorCounts {
    std::array<std::int64_t, kStreamErrorKinds> Counts{};

    // Raises the count of every kind the flags show.
    void Count(std::uint32_t errorFlags);
    std::int64_t Total() const;
};
