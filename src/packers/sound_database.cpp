#include "packers/sound_database.h"

#include <algorithm>

namespace recpack {

std::uint32_t databaseDate(std::int64_t unixTime)
{
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(unixTime) + kDateOffset);
}

std::uint32_t recordCount(std::uint64_t inputSize)
{
    return static_cast<std::uint32_t>(inputSize / kWaveRecordSize + 1);
}

SoundDatabaseHeader buildSoundDatabaseHeader(std::string_view name, std::uint32_t recordCount,
                                             std::int64_t unixTime)
{
    SoundDatabaseHeader header{};
    std::copy_n(name.begin(), std::min(name.size(), kMaxDatabaseNameBytes), header.name.begin());
    const std::uint32_t date = databaseDate(unixTime);
    header.creationDate = date;
    header.modificationDate = date;
    header.type = {'d', 'a', 't', 'a'};
    header.creator = {'h', 'W', 'A', 'V'};
    header.numberOfRecords = recordCount;
    return header;
}

RecordListEntry buildRecordListEntry(std::uint32_t recordCount, std::uint32_t index)
{
    const std::uint32_t firstRecord =
        static_cast<std::uint32_t>(sizeof(SoundDatabaseHeader) + sizeof(RecordListEntry) * recordCount);
    RecordListEntry entry{};
    entry.dataOffset = firstRecord + kWaveRecordSize * index;
    entry.attributes = kRecordAttributes;
    entry.uniqueId = kFirstUniqueId + index;
    return entry;
}

}  // namespace recpack
