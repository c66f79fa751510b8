// What recpack-inspect's record readers share: reading a record's leading bytes, reporting a
// fault in it, and the result of one reading.
#pragma once

#include "inspect/report.h"
#include "packers/file_io.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace recpack::inspect {

struct Inspection {
    Node report;                  // the record's fields, for printing
    std::uint64_t contentOffset;  // where the wrapped file's bytes begin
};

// Up to size bytes from the input's current position; fewer only at the input's end.
std::string readUpTo(InputFile& input, std::size_t size);

// Ends the run with "File \"path\": " + detail + ".".
[[noreturn]] void recordFault(const InputFile& record, std::string_view detail);

// The report's closing fields: where the content begins and how long it is.
void addContent(Node& report, std::uint64_t contentOffset, std::uint64_t fileSize);

}  // namespace recpack::inspect
