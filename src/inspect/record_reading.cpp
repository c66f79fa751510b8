#include "inspect/record_reading.h"

#include "frontend/fatal_error.h"
#include "frontend/messages.h"

namespace recpack::inspect {

std::string readUpTo(InputFile& input, std::size_t size)
{
    std::string bytes(size, '\0');
    std::size_t filled = 0;
    while (filled < size) {
        const std::size_t got = input.read(bytes.data() + filled, size - filled);
        if (got == 0) {
            break;
        }
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

void recordFault(const InputFile& record, std::string_view detail)
{
    fatalError(messages::recordFault(record.path(), detail));
}

void addContent(Node& report, std::uint64_t contentOffset, std::uint64_t fileSize)
{
    report.add("contentOffset", Node::number(contentOffset));
    report.add("contentLength", Node::number(fileSize - contentOffset));
}

}  // namespace recpack::inspect
