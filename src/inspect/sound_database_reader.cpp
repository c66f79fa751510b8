#include "inspect/sound_database_reader.h"

#include "frontend/fatal_error.h"
#include "frontend/messages.h"
#include "packers/sound_database.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <unistd.h>
#include <vector>

namespace recpack::inspect {
namespace {

namespace fault = messages::fault;

void requireZero(const InputFile& record, std::string_view field, std::size_t offset, std::uint32_t value)
{
    if (value != 0) {
        recordFault(record, fault::notZero(field, offset, value));
    }
}

void checkHeader(const InputFile& record, const SoundDatabaseHeader& header)
{
    if (std::string_view(reinterpret_cast<const char*>(header.type.data()), 4) != "data" ||
        std::string_view(reinterpret_cast<const char*>(header.creator.data()), 4) != "hWAV") {
        recordFault(record, fault::notSoundDatabase());
    }
    const auto* name = reinterpret_cast<const char*>(header.name.data());
    if (std::string_view(name, header.name.size()).find('\0') == std::string_view::npos) {
        recordFault(record, fault::unterminated("database name", offsetof(SoundDatabaseHeader, name)));
    }
    requireZero(record, "attributes", offsetof(SoundDatabaseHeader, attributes), header.attributes.value());
    requireZero(record, "version", offsetof(SoundDatabaseHeader, version), header.version.value());
    requireZero(record, "last backup date", offsetof(SoundDatabaseHeader, lastBackupDate), header.lastBackupDate.value());
    requireZero(record, "modification number", offsetof(SoundDatabaseHeader, modificationNumber),
                header.modificationNumber.value());
    requireZero(record, "application info block", offsetof(SoundDatabaseHeader, appInfoBlock), header.appInfoBlock.value());
    requireZero(record, "sort info block", offsetof(SoundDatabaseHeader, sortInfoBlock), header.sortInfoBlock.value());
    requireZero(record, "unique ID seed", offsetof(SoundDatabaseHeader, uniqueIdSeed), header.uniqueIdSeed.value());
    requireZero(record, "next record list", offsetof(SoundDatabaseHeader, nextRecordList), header.nextRecordList.value());
    if (header.numberOfRecords.value() == 0) {
        recordFault(record, fault::noRecords());
    }
}

Node headerReport(const SoundDatabaseHeader& header)
{
    const auto* name = reinterpret_cast<const char*>(header.name.data());
    Node report = Node::object();
    report.add("type", Node::text("wave"));
    report.add("name", Node::text(std::string_view(name)));
    report.add("creationDate", Node::date(header.creationDate.value()));
    report.add("modificationDate", Node::date(header.modificationDate.value()));
    report.add("databaseType", Node::text(std::string_view(reinterpret_cast<const char*>(header.type.data()), 4)));
    report.add("creator", Node::text(std::string_view(reinterpret_cast<const char*>(header.creator.data()), 4)));
    report.add("numberOfRecords", Node::number(header.numberOfRecords.value()));
    return report;
}

// Calls visit(index, fileOffset, entry) for each entry of the record list, read in blocks
// straight from the file, so that the list is never held whole.
template <typename Visit>
void forEachEntry(int fd, const std::string& path, std::uint32_t records, const Visit& visit)
{
    std::array<char, sizeof(RecordListEntry) * 4096> block{};
    std::uint32_t index = 0;
    while (index < records) {
        const std::uint64_t at = sizeof(SoundDatabaseHeader) + std::uint64_t{sizeof(RecordListEntry)} * index;
        const std::size_t want = std::min<std::size_t>(block.size(), std::size_t{records - index} * sizeof(RecordListEntry));
        std::size_t filled = 0;
        while (filled < want) {
            const ssize_t got = ::pread(fd, block.data() + filled, want - filled, static_cast<off_t>(at + filled));
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                fatalError(messages::cannotRead(path));
            }
            filled += static_cast<std::size_t>(got);
        }
        for (std::size_t used = 0; used < filled; used += sizeof(RecordListEntry), ++index) {
            visit(index, at + used, recordFrom<RecordListEntry>(block.data() + used));
        }
    }
}

// The record list as table rows: each entry with the length up to the next entry's data.
RowSource recordRows(int fd, std::string path, std::uint32_t records, std::uint64_t fileSize)
{
    return [fd, path = std::move(path), records, fileSize](const auto& emit) {
        std::vector<std::uint64_t> row;
        forEachEntry(fd, path, records, [&](std::uint32_t index, std::uint64_t, const RecordListEntry& entry) {
            const std::uint64_t offset = entry.dataOffset.value();
            if (index > 0) {
                row[3] = offset - row[0];
                emit(row);
            }
            row = {offset, entry.attributes, entry.uniqueId.value(), 0};
        });
        row[3] = fileSize - row[0];
        emit(row);
    };
}

}  // namespace

Inspection inspectSoundDatabase(InputFile& record, std::uint64_t fileSize)
{
    const std::string head = readUpTo(record, sizeof(SoundDatabaseHeader));
    if (head.size() < sizeof(SoundDatabaseHeader)) {
        recordFault(record, fault::tooShort("sound database", head.size(), sizeof(SoundDatabaseHeader)));
    }
    const auto header = recordFrom<SoundDatabaseHeader>(head.data());
    checkHeader(record, header);

    const std::uint32_t records = header.numberOfRecords.value();
    const std::uint64_t listEnd = sizeof(SoundDatabaseHeader) + std::uint64_t{sizeof(RecordListEntry)} * records;
    if (listEnd > fileSize) {
        recordFault(record, fault::listPastEnd(records, listEnd, fileSize));
    }
    std::uint64_t previousOffset = 0;
    forEachEntry(record.fd(), record.path(), records,
                 [&](std::uint32_t index, std::uint64_t at, const RecordListEntry& entry) {
                     const std::uint64_t offset = entry.dataOffset.value();
                     if (index == 0 && offset != listEnd) {
                         recordFault(record, fault::recordCountMismatch(records, offset, listEnd));
                     }
                     if (offset < previousOffset) {
                         recordFault(record, fault::entryOutOfOrder(index, at, offset, previousOffset));
                     }
                     if (offset > fileSize) {
                         recordFault(record, fault::entryPastEnd(index, at, offset, fileSize));
                     }
                     previousOffset = offset;
                 });

    Node report = headerReport(header);
    report.add("records", Node::table({{"dataOffset", 0}, {"attributes", 2}, {"uniqueId", 6}, {"length", 0}}, records,
                                      recordRows(record.fd(), record.path(), records, fileSize)));
    addContent(report, listEnd, fileSize);
    return {std::move(report), listEnd};
}

}  // namespace recpack::inspect
