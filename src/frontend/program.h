// One whole run of recpack, callable in-process: the entry point, tests and the fuzzer use it.
#pragma once

namespace recpack {

// Parses the arguments, runs the chosen module and returns the run's exit code (0 or 1).
// Every run starts from an empty option table.
int runProgram(int count, const char* const* arguments);

}  // namespace recpack
