#include "packers/tips_page_record.h"

#include <array>
#include <numeric>

namespace recpack {
namespace {

struct StoredString {
    std::string_view text;
    std::uint8_t flag;
    u16le TipsPageHeader::*offsetField;
};

// The string area's order, which differs from the order of the header's offset fields.
std::array<StoredString, 4> storedStrings(const TipsPage& page)
{
    return {{
        {page.next, tips_flags::hasNext, &TipsPageHeader::nextOffset},
        {page.prev, tips_flags::hasPrev, &TipsPageHeader::prevOffset},
        {page.status, tips_flags::hasStatus, &TipsPageHeader::statusOffset},
        {page.menu, tips_flags::hasMenu, &TipsPageHeader::menuOffset},
    }};
}

}  // namespace

std::uint64_t stringAreaLength(const TipsPage& page)
{
    const auto strings = storedStrings(page);
    return std::accumulate(strings.begin(), strings.end(), std::uint64_t{0},
                           [](std::uint64_t length, const StoredString& stored) {
                               return stored.text.empty() ? length : length + stored.text.size() + 1;
                           });
}

TipsPageHeader buildTipsPageHeader(const TipsPage& page)
{
    TipsPageHeader header{};
    std::uint32_t offset = 0;
    for (const StoredString& stored : storedStrings(page)) {
        if (!stored.text.empty()) {
            header.flags |= stored.flag;
            header.*stored.offsetField = offset;
            offset += static_cast<std::uint32_t>(stored.text.size() + 1);
        }
    }
    if (!page.done.empty()) {
        header.flags |= tips_flags::hasDone;
    }
    if (!page.nav.empty()) {
        header.flags |= tips_flags::hasNav;
    }
    if (!page.base.empty()) {
        header.flags |= tips_flags::hasBase;
    }
    header.stringAreaLength = offset;
    return header;
}

std::string buildTipsPagePrefix(const TipsPage& page)
{
    const TipsPageHeader header = buildTipsPageHeader(page);
    std::string prefix;
    prefix.reserve(sizeof header + header.stringAreaLength.value());
    prefix.append(bytesOf(header));
    for (const StoredString& stored : storedStrings(page)) {
        if (!stored.text.empty()) {
            prefix.append(stored.text);
            prefix.push_back('\0');
        }
    }
    return prefix;
}

}  // namespace recpack
