#include "packers/file_io.h"

#include "frontend/fatal_error.h"
#include "frontend/messages.h"
#include "frontend/write_all.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace recpack {
namespace {

// Used only where the kernel cannot move the bytes itself; its pages are touched only then.
constexpr std::size_t kCopyBufferSize = std::size_t{128} * 1024;
char copyBuffer[kCopyBufferSize];

// How much one kernel transfer may move; the pipe between input and output holds this much.
constexpr std::size_t kSpliceChunk = std::size_t{1024} * 1024;

// Whether the kernel moved the bytes, or declined and the caller must move them itself.
enum class Route { done, fallBack };

// Errors by which a file, device or file system says it does not take part in splicing.
bool declinesSplice(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == EXDEV || error == EBADF;
}

// A hint: reserving the output's blocks up front makes the writes that follow much cheaper.
// The range starts at 0 so that the fields already written get real blocks too: a file with
// blocks still waiting for delayed allocation is flushed on close when it was emptied on
// open, which costs as much as the copy. The file's size is left alone, so a run that stops
// half-way never leaves a file that looks complete, and a refusal changes nothing.
void preallocate(const InputFile& input, const OutputFile& output, std::uint64_t limit)
{
    struct stat in {};
    struct stat out {};
    if (::fstat(input.fd(), &in) != 0 || !S_ISREG(in.st_mode) || ::fstat(output.fd(), &out) != 0 ||
        !S_ISREG(out.st_mode)) {
        return;
    }
    const off_t inputAt = ::lseek(input.fd(), 0, SEEK_CUR);
    const off_t outputAt = ::lseek(output.fd(), 0, SEEK_CUR);
    if (inputAt < 0 || outputAt < 0 || in.st_size <= inputAt) {
        return;
    }
    const auto remaining = std::min<std::uint64_t>(static_cast<std::uint64_t>(in.st_size - inputAt), limit);
    (void)::fallocate(output.fd(), FALLOC_FL_KEEP_SIZE, 0, outputAt + static_cast<off_t>(remaining));
}

class Pipe {
public:
    Pipe()
    {
        if (::pipe2(fds_, O_CLOEXEC) == 0) {
            (void)::fcntl(fds_[1], F_SETPIPE_SZ, static_cast<int>(kSpliceChunk));
        } else {
            fds_[0] = fds_[1] = -1;
        }
    }
    ~Pipe()
    {
        for (int fd : fds_) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    [[nodiscard]] bool isOpen() const { return fds_[0] >= 0; }
    [[nodiscard]] int readEnd() const { return fds_[0]; }
    [[nodiscard]] int writeEnd() const { return fds_[1]; }

private:
    int fds_[2];
};

// Moves the bytes the pipe holds to the output by read and write, after the output declined
// to be spliced into.
void drainThroughBuffer(const Pipe& pipe, std::size_t pending, OutputFile& output)
{
    while (pending > 0) {
        const ssize_t got = ::read(pipe.readEnd(), copyBuffer, std::min(pending, kCopyBufferSize));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            fatalError(messages::cannotWrite(output.path()));
        }
        output.write(std::string_view(copyBuffer, static_cast<std::size_t>(got)));
        pending -= static_cast<std::size_t>(got);
    }
}

// Moves up to limit bytes from the input to the output through a pipe, inside the kernel and
// without a user-space buffer. Returns fallBack, with copied counting what already arrived,
// when either side declines; the caller then goes on by read and write.
Route spliceAtMost(InputFile& input, OutputFile& output, std::uint64_t limit, std::uint64_t& copied)
{
    const Pipe pipe;
    if (!pipe.isOpen()) {
        return Route::fallBack;
    }
    while (copied < limit) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(kSpliceChunk, limit - copied));
        const ssize_t got = ::splice(input.fd(), nullptr, pipe.writeEnd(), nullptr, want, SPLICE_F_MOVE);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (declinesSplice(errno)) {
                return Route::fallBack;
            }
            fatalError(messages::cannotRead(input.path()));
        }
        if (got == 0) {
            break;
        }
        auto pending = static_cast<std::size_t>(got);
        while (pending > 0) {
            const ssize_t put = ::splice(pipe.readEnd(), nullptr, output.fd(), nullptr, pending, SPLICE_F_MOVE);
            if (put < 0 && errno == EINTR) {
                continue;
            }
            if (put < 0 && declinesSplice(errno)) {
                drainThroughBuffer(pipe, pending, output);
                copied += static_cast<std::uint64_t>(got);
                return Route::fallBack;
            }
            if (put <= 0) {
                fatalError(messages::cannotWrite(output.path()));
            }
            pending -= static_cast<std::size_t>(put);
        }
        copied += static_cast<std::uint64_t>(got);
    }
    return Route::done;
}

// Counts up to limit bytes of the input by sending them to /dev/null: the input is read to
// its end by the kernel without a copy to user space. Returns fallBack, with size counting
// what was already read, when the input or the system declines.
Route discardAtMost(InputFile& input, std::uint64_t limit, std::uint64_t& size)
{
    const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (sink < 0) {
        return Route::fallBack;
    }
    Route route = Route::done;
    while (size < limit) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(1U << 30, limit - size));
        const ssize_t got = ::sendfile(sink, input.fd(), nullptr, want);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 && declinesSplice(errno)) {
            route = Route::fallBack;
            break;
        }
        if (got < 0) {
            ::close(sink);
            fatalError(messages::cannotRead(input.path()));
        }
        if (got == 0) {
            break;
        }
        size += static_cast<std::uint64_t>(got);
    }
    ::close(sink);
    return route;
}

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
    const int descriptor = fd_;
    fd_ = -1;
    // On Linux the descriptor is released even when close reports EINTR.
    if (::close(descriptor) != 0 && errno != EINTR) {
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
    preallocate(input, output, limit);
    std::uint64_t copied = 0;
    if (spliceAtMost(input, output, limit, copied) == Route::done) {
        return copied;
    }
    while (copied < limit) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(kCopyBufferSize, limit - copied));
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
    if (discardAtMost(input, limit + 1, size) == Route::done) {
        return size;
    }
    while (size <= limit) {
        const std::size_t got = input.read(copyBuffer, kCopyBufferSize);
        if (got == 0) {
            break;
        }
        size += got;
    }
    return size;
}

std::uint64_t statedSize(const InputFile& input)
{
    struct stat status {};
    if (::fstat(input.fd(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return 0;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

bool atEnd(InputFile& input)
{
    char probe = 0;
    return input.read(&probe, 1) == 0;
}

}  // namespace recpack
