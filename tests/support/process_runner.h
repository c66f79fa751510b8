// Runs the built recpack executable as a user would: a separate process in a working
// directory, any byte-string arguments, standard output and error captured apart.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace recpack::testing {

struct RunResult {
    int exitCode = -1;  // -1 when the process did not exit normally
    std::string out;         // at most RunOptions::maxOutBytes of it
    std::uint64_t outBytes = 0;  // all that was written to standard output
    std::string err;
};

struct RunOptions {
    std::string stdinBytes;        // fed through a pipe
    std::string stdoutPath;        // when set, standard output goes to this file and out stays empty
    bool closeStdout = false;      // start the program with standard output closed
    bool closeStderr = false;      // start the program with standard error closed
    std::string executable;        // another program than recpack, such as recpack-inspect
    std::size_t maxOutBytes = SIZE_MAX;  // keep only this much of standard output, count the rest
};

RunResult run(const std::vector<std::string>& arguments, const std::filesystem::path& workDir,
              const RunOptions& options = {});

}  // namespace recpack::testing
