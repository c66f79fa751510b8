// How a run ends before its packer returns: fatalError for every failure, endRun after a help
// screen. Both unwind to runProgram, which turns the exit code into the process's.
#pragma once

#include <string_view>

namespace recpack {

// Thrown to end the run; carries the exit code. Only runProgram catches it.
struct RunEnded {
    int exitCode;
};

// Writes the message and one newline to standard error, then ends the run with exit code 1.
[[noreturn]] void fatalError(std::string_view message);

// Ends the run with the given exit code, writing nothing.
[[noreturn]] void endRun(int exitCode);

}  // namespace recpack
