// The tips page record: a 12-byte header of flag bits and little-endian string locations,
// the string area (next, prev, status, menu, each zero-terminated), then the content file.
// Used by the tips packer.
#pragma once

#include "packers/byte_order.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace recpack {

struct TipsPageHeader {
    std::uint8_t reserved;
    std::uint8_t flags;
    u16le menuOffset;  // offsets count from the start of the string area
    u16le statusOffset;
    u16le nextOffset;
    u16le prevOffset;
    u16le stringAreaLength;
};
static_assert(sizeof(TipsPageHeader) == 12);

namespace tips_flags {
inline constexpr std::uint8_t hasNext = 0x80;
inline constexpr std::uint8_t hasPrev = 0x40;
inline constexpr std::uint8_t hasStatus = 0x20;
inline constexpr std::uint8_t hasMenu = 0x10;
inline constexpr std::uint8_t hasDone = 0x08;
inline constexpr std::uint8_t hasNav = 0x04;
inline constexpr std::uint8_t hasBase = 0x02;
}  // namespace tips_flags

inline constexpr std::uint64_t kMaxStringAreaBytes = 65535;

// What a page shows. An empty string is not stored; a flag is set by a non-empty value.
struct TipsPage {
    std::string_view next = {};
    std::string_view prev = {};
    std::string_view status = {};
    std::string_view menu = {};
    std::string_view done = {};
    std::string_view nav = {};
    std::string_view base = {};
};

// The sum of length + 1 over the non-empty strings.
std::uint64_t stringAreaLength(const TipsPage& page);

// The header and the string area, ready to be written. The string area must fit
// kMaxStringAreaBytes.
std::string buildTipsPagePrefix(const TipsPage& page);

TipsPageHeader buildTipsPageHeader(const TipsPage& page);

}  // namespace recpack
