#include "frontend/fatal_error.h"

#include "frontend/write_all.h"

#include <string>
#include <unistd.h>

namespace recpack {

void fatalError(std::string_view message)
{
    std::string line;
    line.reserve(message.size() + 1);
    line.append(message);
    line.push_back('\n');
    // Standard error is the last channel there is: if it fails too, the exit code still tells.
    (void)writeAll(STDERR_FILENO, line.data(), line.size());
    endRun(1);
}

void endRun(int exitCode)
{
    throw RunEnded{exitCode};
}

int runToExitCode(const std::function<void()>& run)
{
    try {
        run();
    } catch (const RunEnded& ended) {
        return ended.exitCode;
    }
    return 0;
}

}  // namespace recpack
