// How a run ends early: fatalError for every failure, endRun after a help screen. Both unwind
// to runToExitCode, which turns the way the run ended into its exit code.
#pragma once

#include <functional>
#include <string_view>

namespace recpack {

// Thrown to end the run; carries the exit code. Only runToExitCode catches it.
struct RunEnded {
    int exitCode;
};

// Writes the message and one newline to standard error, then ends the run with exit code 1.
[[noreturn]] void fatalError(std::string_view message);

// Ends the run with the given exit code, writing nothing.
[[noreturn]] void endRun(int exitCode);

// Runs a whole run: 0 when it returns, otherwise the code it ended with.
int runToExitCode(const std::function<void()>& run);

}  // namespace recpack
