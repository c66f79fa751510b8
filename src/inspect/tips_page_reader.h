// Reads a tips page record back and checks its flags and string area.
#pragma once

#include "inspect/record_reading.h"

namespace recpack::inspect {

// The input stands at the record's first byte; fileSize is its length.
Inspection inspectTipsPage(InputFile& record, std::uint64_t fileSize);

}  // namespace recpack::inspect
