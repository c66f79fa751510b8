// One whole run of recpack-inspect, callable in-process: read a record back, check it, print
// its fields and optionally extract the file it wraps.
#pragma once

namespace recpack::inspect {

// Returns the run's exit code: 0 for a sound record or a help screen, 1 for any failure.
int runInspect(int count, const char* const* arguments);

}  // namespace recpack::inspect
