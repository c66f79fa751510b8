// The sound database file: a 78-byte header, one 8-byte record list entry per 65280-byte
// chunk of the wave data, then the wave file's bytes. All numbers are big-endian.
// Used by the wave packer.
#pragma once

#include "packers/byte_order.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace recpack {

struct SoundDatabaseHeader {
    std::array<std::uint8_t, 32> name;  // the -file value, zero-terminated, zero-filled
    u16be attributes;
    u16be version;
    u32be creationDate;
    u32be modificationDate;
    u32be lastBackupDate;
    u32be modificationNumber;
    u32be appInfoBlock;
    u32be sortInfoBlock;
    std::array<std::uint8_t, 4> type;     // "data"
    std::array<std::uint8_t, 4> creator;  // "hWAV"
    u32be uniqueIdSeed;
    u32be nextRecordList;
    u16be numberOfRecords;
};
static_assert(sizeof(SoundDatabaseHeader) == 78);

struct RecordListEntry {
    u32be dataOffset;  // where the record begins, from the start of the file
    std::uint8_t attributes;
    u24be uniqueId;
};
static_assert(sizeof(RecordListEntry) == 8);

inline constexpr std::uint32_t kWaveRecordSize = 65280;
inline constexpr std::uint8_t kRecordAttributes = 0x40;
inline constexpr std::uint32_t kFirstUniqueId = 0x6F8000;
inline constexpr std::uint32_t kDateOffset = 2082844886;
// The name field holds the name and its zero byte.
inline constexpr std::size_t kMaxDatabaseNameBytes = 31;
inline constexpr std::uint32_t kMaxRecords = 65535;
// n = S / 65280 + 1 records must fit the 16-bit count.
inline constexpr std::uint64_t kMaxWaveInputBytes = std::uint64_t{kMaxRecords} * kWaveRecordSize - 1;

// The date value for a Unix time: t + 2082844886, modulo 2^32.
std::uint32_t databaseDate(std::int64_t unixTime);

// n = S / 65280 + 1: the quotient plus one, so a size that is a multiple of 65280 ends in an
// empty record. inputSize must not exceed kMaxWaveInputBytes.
std::uint32_t recordCount(std::uint64_t inputSize);

// name must have at most kMaxDatabaseNameBytes bytes.
SoundDatabaseHeader buildSoundDatabaseHeader(std::string_view name, std::uint32_t recordCount,
                                             std::int64_t unixTime);

RecordListEntry buildRecordListEntry(std::uint32_t recordCount, std::uint32_t index);

}  // namespace recpack
