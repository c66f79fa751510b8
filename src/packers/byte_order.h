// Fixed-byte-order integer fields for on-disk record types.
// Each value is kept as a byte array, so a struct of them has no padding, no alignment needs
// and the same bytes on every host.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <string>
#include <string_view>

namespace recpack {

// An unsigned Width-byte integer stored most significant byte first.
template <std::size_t Width> class BigEndian {
public:
    constexpr BigEndian() = default;

    constexpr BigEndian& operator=(std::uint32_t value)
    {
        for (std::size_t i = 0; i < Width; ++i) {
            bytes_[Width - 1 - i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
        return *this;
    }

    [[nodiscard]] constexpr std::uint32_t value() const
    {
        std::uint32_t result = 0;
        for (std::size_t i = 0; i < Width; ++i) {
            result = (result << 8) | bytes_[i];
        }
        return result;
    }

private:
    std::array<std::uint8_t, Width> bytes_{};
};

// An unsigned Width-byte integer stored least significant byte first.
template <std::size_t Width> class LittleEndian {
public:
    constexpr LittleEndian() = default;

    constexpr LittleEndian& operator=(std::uint32_t value)
    {
        for (std::size_t i = 0; i < Width; ++i) {
            bytes_[i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
        return *this;
    }

    [[nodiscard]] constexpr std::uint32_t value() const
    {
        std::uint32_t result = 0;
        for (std::size_t i = Width; i > 0; --i) {
            result = (result << 8) | bytes_[i - 1];
        }
        return result;
    }

private:
    std::array<std::uint8_t, Width> bytes_{};
};

using u16be = BigEndian<2>;
using u24be = BigEndian<3>;
using u32be = BigEndian<4>;
using u16le = LittleEndian<2>;

static_assert(sizeof(u16be) == 2 && sizeof(u24be) == 3 && sizeof(u32be) == 4);
static_assert(sizeof(u16le) == 2);

// The bytes of a record type, exactly as they go into a file.
template <typename Record> std::string_view bytesOf(const Record& record)
{
    return {reinterpret_cast<const char*>(&record), sizeof(Record)};
}

// A record type read back from its bytes; bytes must point at sizeof(Record) bytes at least.
template <typename Record> Record recordFrom(const char* bytes)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    Record result;
    std::memcpy(&result, bytes, sizeof(Record));
    return result;
}

}  // namespace recpack
