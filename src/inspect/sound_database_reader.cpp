#include "inspect/sound_database_reader.h"

#include "frontend/messages.h"
#include "packers/sound_database.h"

#include <array>
#include <cstddef>

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

    Node report = headerReport(header);
    Node& list = report.add("records", Node::array());
    // The list is read in blocks.
    std::array<char, sizeof(RecordListEntry) * 4096> block{};
    std::size_t blockFill = 0;
    std::size_t blockAt = 0;
    // An entry's length needs the next entry's offset, so each is added one step late.
    Node pending = Node::object();
    std::uint64_t previousOffset = 0;
    for (std::uint32_t i = 0; i < records; ++i) {
        if (blockAt == blockFill) {
            const std::string bytes = readUpTo(record, std::min<std::uint64_t>(block.size(), (records - i) * 8ULL));
            std::copy(bytes.begin(), bytes.end(), block.begin());
            blockFill = bytes.size();
            blockAt = 0;
        }
        const auto entry = recordFrom<RecordListEntry>(block.data() + blockAt);
        blockAt += sizeof(RecordListEntry);
        const std::uint64_t at = sizeof(SoundDatabaseHeader) + std::uint64_t{sizeof(RecordListEntry)} * i;
        const std::uint64_t offset = entry.dataOffset.value();
        if (i == 0 && offset != listEnd) {
            recordFault(record, fault::recordCountMismatch(records, offset, listEnd));
        }
        if (offset < previousOffset) {
            recordFault(record, fault::entryOutOfOrder(i, at, offset, previousOffset));
        }
        if (offset > fileSize) {
            recordFault(record, fault::entryPastEnd(i, at, offset, fileSize));
        }
        if (i > 0) {
            pending.add("length", Node::number(offset - previousOffset));
            list.append(std::move(pending));
            pending = Node::object();
        }
        pending.add("dataOffset", Node::number(offset));
        pending.add("attributes", Node::hex(entry.attributes, 2));
        pending.add("uniqueId", Node::hex(entry.uniqueId.value(), 6));
        previousOffset = offset;
    }
    pending.add("length", Node::number(fileSize - previousOffset));
    list.append(std::move(pending));
    addContent(report, listEnd, fileSize);
    return {std::move(report), listEnd};
}

}  // namespace recpack::inspect
