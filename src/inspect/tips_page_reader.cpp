#include "inspect/tips_page_reader.h"

#include "frontend/messages.h"
#include "packers/tips_page_record.h"

#include <array>
#include <cstddef>

namespace recpack::inspect {
namespace {

namespace fault = messages::fault;

struct StringField {
    const char* name;
    std::uint8_t flag;
    u16le TipsPageHeader::*offset;
    std::size_t at;
};

// In the string area's order.
const std::array<StringField, 4> kStrings = {{
    {"next", tips_flags::hasNext, &TipsPageHeader::nextOffset, offsetof(TipsPageHeader, nextOffset)},
    {"prev", tips_flags::hasPrev, &TipsPageHeader::prevOffset, offsetof(TipsPageHeader, prevOffset)},
    {"status", tips_flags::hasStatus, &TipsPageHeader::statusOffset, offsetof(TipsPageHeader, statusOffset)},
    {"menu", tips_flags::hasMenu, &TipsPageHeader::menuOffset, offsetof(TipsPageHeader, menuOffset)},
}};

std::vector<std::string> flagNames(std::uint8_t flags)
{
    static const std::array<std::pair<std::uint8_t, const char*>, 7> names = {{
        {tips_flags::hasNext, "next"},
        {tips_flags::hasPrev, "prev"},
        {tips_flags::hasStatus, "status"},
        {tips_flags::hasMenu, "menu"},
        {tips_flags::hasDone, "done"},
        {tips_flags::hasNav, "nav"},
        {tips_flags::hasBase, "base"},
    }};
    std::vector<std::string> set;
    for (const auto& [flag, name] : names) {
        if ((flags & flag) != 0) {
            set.emplace_back(name);
        }
    }
    return set;
}

}  // namespace

Inspection inspectTipsPage(InputFile& record, std::uint64_t fileSize)
{
    const std::string head = readUpTo(record, sizeof(TipsPageHeader));
    if (head.size() < sizeof(TipsPageHeader)) {
        recordFault(record, fault::tooShort("tips page record", head.size(), sizeof(TipsPageHeader)));
    }
    const auto header = recordFrom<TipsPageHeader>(head.data());
    if (header.reserved != 0) {
        recordFault(record, fault::notZero("reserved byte", 0, header.reserved));
    }
    if ((header.flags & 0x01U) != 0) {
        recordFault(record, fault::reservedFlagSet());
    }
    const std::uint32_t areaLength = header.stringAreaLength.value();
    const std::uint64_t contentOffset = sizeof(TipsPageHeader) + std::uint64_t{areaLength};
    if (contentOffset > fileSize) {
        recordFault(record, fault::stringAreaPastEnd(areaLength, fileSize));
    }
    const std::string area = readUpTo(record, areaLength);

    Node report = Node::object();
    report.add("type", Node::text("tips"));
    report.add("flags", Node::flags(header.flags, flagNames(header.flags)));
    report.add("stringAreaLength", Node::number(areaLength));
    Node& strings = report.add("strings", Node::object());
    std::uint32_t expected = 0;
    for (const StringField& field : kStrings) {
        const std::uint32_t offset = (header.*field.offset).value();
        if ((header.flags & field.flag) == 0) {
            if (offset != 0) {
                recordFault(record, fault::absentStringOffset(field.name, field.at, offset));
            }
            continue;
        }
        if (offset != expected) {
            recordFault(record, fault::stringOffsetMismatch(field.name, field.at, offset, expected));
        }
        const std::size_t end = area.find('\0', offset);
        if (offset >= area.size() || end == std::string::npos) {
            recordFault(record, fault::unterminated(std::string(field.name) + " string", sizeof(TipsPageHeader) + offset));
        }
        Node& entry = strings.add(field.name, Node::object());
        entry.add("offset", Node::number(offset));
        entry.add("text", Node::text(std::string_view(area).substr(offset, end - offset)));
        expected = static_cast<std::uint32_t>(end + 1);
    }
    if (expected != areaLength) {
        recordFault(record, fault::stringAreaLengthMismatch(areaLength, expected));
    }
    addContent(report, contentOffset, fileSize);
    return {std::move(report), contentOffset};
}

}  // namespace recpack::inspect
