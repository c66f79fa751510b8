// Reads a MIDI song record back and checks it.
#pragma once

#include "inspect/record_reading.h"

namespace recpack::inspect {

// The input stands at the record's first byte; fileSize is the record's length.
Inspection inspectMidiRecord(InputFile& record, std::uint64_t fileSize);

}  // namespace recpack::inspect
