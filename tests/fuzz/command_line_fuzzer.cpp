// libFuzzer target: turns its input into an argument vector and runs the whole program
// in-process, in a scratch directory that holds a few small input files.
//
// Input format: arguments separated by 0x00 bytes. An argument that begins with 0x01 is
// replaced by a word of the dictionary below, chosen by its second byte (option names,
// module names and the scratch directory's files); any other argument is taken as it is,
// with '/' replaced so that every path stays inside the scratch directory. Files the runs
// write are limited to 1 MiB, so a write failure is one of the paths explored, and the
// scratch directory is removed when the fuzzer exits.
#include "frontend/program.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::array<std::string_view, 30> kWords = {
    "-type", "midi",  "wave", "tips",    "-help",  "-name",   "-midFile", "-o",      "-file",     "-content",
    "-next", "-prev", "-status", "-menu", "-done", "-nav",    "-base",    "in.mid",  "in.wav",    "page.html",
    "out.rec", "missing.bin", "folder", "other.rec", "/dev/null", "",     "./in.mid", "link.mid", "0",  "MIDI",
};

constexpr std::size_t kMaxArguments = 64;

struct Fixture {
    const char* name;
    std::string bytes;
};

const std::array<Fixture, 3>& fixtures()
{
    static const std::array<Fixture, 3> files = {{
        {"in.mid", std::string("MThd\x00\x00\x00\x06", 8)},
        {"in.wav", std::string(70000, 'w')},
        {"page.html", "<p>tip</p>\r\n\x1a"},
    }};
    return files;
}

// A run may name a fixture as its output; put back any that it replaced.
void restoreFixtures()
{
    for (const Fixture& fixture : fixtures()) {
        struct stat status {};
        if (::stat(fixture.name, &status) != 0 || static_cast<std::size_t>(status.st_size) != fixture.bytes.size()) {
            ::unlink(fixture.name);
            std::ofstream(fixture.name, std::ios::binary) << fixture.bytes;
        }
    }
}

std::vector<std::string> argumentsFrom(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments = {"recpack"};
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (arguments.size() <= kMaxArguments) {
        const std::size_t end = rest.find('\0');
        std::string token(rest.substr(0, end));
        if (!token.empty() && token[0] == '\x01') {
            const auto index = token.size() > 1 ? static_cast<unsigned char>(token[1]) : 0U;
            token = kWords[index % kWords.size()];
        } else {
            std::replace(token.begin(), token.end(), '/', '_');
        }
        arguments.push_back(std::move(token));
        if (end == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(end + 1);
    }
    return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static char scratch[] = "/tmp/recpack-fuzz-XXXXXX";
    if (::mkdtemp(scratch) == nullptr || ::chdir(scratch) != 0) {
        std::abort();
    }
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    });
    const rlimit fileSize{1 << 20, 1 << 20};
    ::setrlimit(RLIMIT_FSIZE, &fileSize);
    restoreFixtures();
    ::mkdir("folder", 0755);
    ::link("in.mid", "link.mid");
    // Help screens would flood the fuzzer's output.
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::close(null);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Set here, after libFuzzer installed its own handlers: a write past the size limit must
    // fail with EFBIG, as it does for a user who runs recpack under such a limit.
    static const bool ignoringFileSizeSignal = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    (void)ignoringFileSizeSignal;
    const std::vector<std::string> arguments = argumentsFrom(data, size);
    std::vector<const char*> argv(arguments.size());
    std::transform(arguments.begin(), arguments.end(), argv.begin(),
                   [](const std::string& argument) { return argument.c_str(); });
    const int exitCode = recpack::runProgram(static_cast<int>(argv.size()), argv.data());
    if (exitCode != 0 && exitCode != 1) {
        std::abort();
    }
    restoreFixtures();
    return 0;
}
