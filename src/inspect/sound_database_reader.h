// Reads a sound database back and checks its header and record list.
#pragma once

#include "inspect/record_reading.h"

namespace recpack::inspect {

// The input stands at the database's first byte; fileSize is its length.
Inspection inspectSoundDatabase(InputFile& record, std::uint64_t fileSize);

}  // namespace recpack::inspect
