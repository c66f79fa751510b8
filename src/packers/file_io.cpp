#include "packers/file_io.h"

#include "frontend/fatal_error.h"
#include "frontend/messages.h"
#include "frontend/write_all.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace recpack {
namespace {

constexpr std::size_t kCopyBufferSize = 128 * 1024;

// One buffer for the whole process: pages are touched only as far as the input fills them.
char copyBuffer[kCopyBufferSize];

}  // namespace

InputFile::InputFile(InputFile&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_))
{
    other.fd_ = -1;
}

InputFile::~InputFile()
{
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::size_t InputFile::read(void* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t count = ::read(fd_, buffer, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            fatalError(messages::cannotRead(path_));
        }
    }
}

void InputFile::close()
{
    // Nothing was written through it, so a failed close loses nothing.
    ::close(fd_);
    fd_ = -1;
}

OutputFile::OutputFile(OutputFile&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_))
{
    other.fd_ = -1;
}

OutputFile::~OutputFile()
{
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void OutputFile::write(std::string_view bytes)
{
    if (!writeAll(fd_, bytes.data(), bytes.size())) {
        fatalError(messages::cannotWrite(path_));
    }
}

void OutputFile::close()
{
    const int fd = fd_;
    fd_ = -1;
    // On Linux the descriptor is released even when close reports EINTR.
    if (::close(fd) != 0 && errno != EINTR) {
        fatalError(messages::cannotWrite(path_));
    }
}

void refuseSameFile(std::string_view inputPath, std::string_view outputPath)
{
    const std::string input(inputPath);
    const std::string output(outputPath);
    struct stat inputStatus {};
    struct stat outputStatus {};
    if (::stat(input.c_str(), &inputStatus) != 0 || ::stat(output.c_str(), &outputStatus) != 0) {
        return;
    }
    if (S_ISREG(inputStatus.st_mode) && S_ISREG(outputStatus.st_mode) &&
        inputStatus.st_dev == outputStatus.st_dev && inputStatus.st_ino == outputStatus.st_ino) {
        fatalError(messages::sameFile(inputPath, outputPath));
    }
}

OutputFile openOutputFile(std::string_view path)
{
    const std::string name(path);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        fatalError(messages::cannotOpenForOutput(path));
    }
    return OutputFile(fd, path);
}

InputFile openInputFile(std::string_view path)
{
    const std::string name(path);
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        fatalError(messages::cannotOpenForInput(path));
    }
    InputFile input(fd, path);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
        fatalError(messages::cannotOpenForInput(path));
    }
    return input;
}

void copyToEnd(InputFile& input, OutputFile& output)
{
    copyAtMost(input, output, std::numeric_limits<std::uint64_t>::max());
}

std::uint64_t copyAtMost(InputFile& input, OutputFile& output, std::uint64_t limit)
{
    std::uint64_t copied = 0;
    while (copied < limit) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kCopyBufferSize, limit - copied));
        const std::size_t got = input.read(copyBuffer, want);
        if (got == 0) {
            break;
        }
        output.write(std::string_view(copyBuffer, got));
        copied += got;
    }
    return copied;
}

std::uint64_t measureToEnd(InputFile& input, std::uint64_t limit)
{
    std::uint64_t size = 0;
    while (size <= limit) {
        const std::size_t got = input.read(copyBuffer, kCopyBufferSize);
        if (got == 0) {
            break;
        }
        size += got;
    }
    return size;
}

bool atEnd(InputFile& input)
{
    char probe = 0;
    return input.read(&probe, 1) == 0;
}

}  // namespace recpack
