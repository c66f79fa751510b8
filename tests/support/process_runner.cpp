#include "support/process_runner.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace recpack::testing {
namespace {

void makePipe(int fds[2])
{
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
}

[[noreturn]] void execChild(const std::vector<std::string>& arguments, const std::filesystem::path& workDir,
                            const RunOptions& options, int in, int out, int err)
{
    ::dup2(in, 0);
    if (options.closeStdout) {
        ::close(1);
    } else if (!options.stdoutPath.empty()) {
        const int fd = ::open(options.stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, 1);
    } else {
        ::dup2(out, 1);
    }
    if (options.closeStderr) {
        ::close(2);
    } else {
        ::dup2(err, 2);
    }
    if (::chdir(workDir.c_str()) != 0) {
        ::_exit(127);
    }
    const std::string program = options.executable.empty() ? RECPACK_EXECUTABLE : options.executable;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

// Feeds standard input and drains both output pipes together, so no side can block the other.
void pump(int inWrite, int outRead, int errRead, const RunOptions& options, RunResult& result)
{
    const std::string& input = options.stdinBytes;
    std::size_t fed = 0;
    if (input.empty()) {
        ::close(inWrite);
        inWrite = -1;
    }
    char buffer[65536];
    while (outRead >= 0 || errRead >= 0) {
        pollfd fds[3] = {{outRead, POLLIN, 0}, {errRead, POLLIN, 0}, {inWrite, POLLOUT, 0}};
        if (::poll(fds, 3, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error("poll failed");
        }
        int* readers[2] = {&outRead, &errRead};
        for (int i = 0; i < 2; ++i) {
            if (fds[i].revents == 0) {
                continue;
            }
            const ssize_t got = ::read(*readers[i], buffer, sizeof buffer);
            if (got <= 0) {
                ::close(*readers[i]);
                *readers[i] = -1;
            } else if (i == 0) {
                result.outBytes += static_cast<std::uint64_t>(got);
                const std::size_t room = options.maxOutBytes - std::min(options.maxOutBytes, result.out.size());
                result.out.append(buffer, std::min(room, static_cast<std::size_t>(got)));
            } else {
                result.err.append(buffer, static_cast<std::size_t>(got));
            }
        }
        if (inWrite >= 0 && fds[2].revents != 0) {
            const ssize_t put = ::write(inWrite, input.data() + fed, input.size() - fed);
            if (put > 0) {
                fed += static_cast<std::size_t>(put);
            }
            if (put <= 0 || fed == input.size()) {
                ::close(inWrite);
                inWrite = -1;
            }
        }
    }
    if (inWrite >= 0) {
        ::close(inWrite);
    }
}

}  // namespace

RunResult run(const std::vector<std::string>& arguments, const std::filesystem::path& workDir,
              const RunOptions& options)
{
    ::signal(SIGPIPE, SIG_IGN);
    int in[2];
    int out[2];
    int err[2];
    makePipe(in);
    makePipe(out);
    makePipe(err);
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        execChild(arguments, workDir, options, in[0], out[1], err[1]);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    RunResult result;
    pump(in[1], out[0], err[0], options, result);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace recpack::testing
