// Times the ways recpack could append an input file behind a short header, on this machine's
// file system, so that the copy it uses is chosen by measurement. Run by bench/run.
//   copy_candidates INPUT OUTPUT_DIR [REPEATS]
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kHeader[] = "PMrc\x0b\x00Song";  // 11 bytes with the terminator: an unaligned start

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

void readWrite(int in, int out, size_t bufferSize)
{
    static std::vector<char> buffer;
    buffer.resize(bufferSize);
    ssize_t n;
    while ((n = ::read(in, buffer.data(), bufferSize)) > 0) {
        writeAll(out, buffer.data(), static_cast<size_t>(n));
    }
}

void preallocate(int out, off_t size)
{
    (void)::fallocate(out, FALLOC_FL_KEEP_SIZE, 0, size);
}

void copyFileRange(int in, int out)
{
    while (::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0) > 0) {
    }
}

void sendFile(int in, int out)
{
    while (::sendfile(out, in, nullptr, 1 << 30) > 0) {
    }
}

void spliceThroughPipe(int in, int out)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return;
    }
    ::fcntl(pipeFds[1], F_SETPIPE_SZ, 1 << 20);
    ssize_t n;
    while ((n = ::splice(in, nullptr, pipeFds[1], nullptr, 1 << 20, SPLICE_F_MOVE)) > 0) {
        while (n > 0) {
            const ssize_t m = ::splice(pipeFds[0], nullptr, out, nullptr, static_cast<size_t>(n), SPLICE_F_MOVE);
            if (m <= 0) {
                return;
            }
            n -= m;
        }
    }
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

void mmapWrite(int in, int out, off_t size)
{
    if (size == 0) {
        return;
    }
    void* map = ::mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_PRIVATE, in, 0);
    writeAll(out, static_cast<const char*>(map), static_cast<size_t>(size));
    ::munmap(map, static_cast<size_t>(size));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: copy_candidates INPUT OUTPUT_DIR [REPEATS]\n");
        return 2;
    }
    const std::string input = argv[1];
    const std::string output = std::string(argv[2]) + "/candidate.out";
    const int repeats = argc > 3 ? std::atoi(argv[3]) : 5;
    struct stat status {};
    ::stat(input.c_str(), &status);
    const off_t size = status.st_size;
    const off_t total = size + static_cast<off_t>(sizeof kHeader - 1);

    struct Candidate {
        const char* name;
        std::function<void(int, int)> copy;
    };
    const std::vector<Candidate> candidates = {
        {"read/write 128 KiB", [](int in, int out) { readWrite(in, out, 128 << 10); }},
        {"read/write 1 MiB", [](int in, int out) { readWrite(in, out, 1 << 20); }},
        {"fallocate + read/write 128 KiB", [&](int in, int out) { preallocate(out, total); readWrite(in, out, 128 << 10); }},
        {"fallocate + read/write 256 KiB", [&](int in, int out) { preallocate(out, total); readWrite(in, out, 256 << 10); }},
        {"fallocate + read/write 1 MiB", [&](int in, int out) { preallocate(out, total); readWrite(in, out, 1 << 20); }},
        {"copy_file_range", copyFileRange},
        {"sendfile", sendFile},
        {"fallocate + splice through a pipe", [&](int in, int out) { preallocate(out, total); spliceThroughPipe(in, out); }},
        {"mmap + write", [&](int in, int out) { mmapWrite(in, out, size); }},
    };

    std::printf("%-36s %12s\n", "candidate", "median ms");
    for (const Candidate& candidate : candidates) {
        std::vector<double> times;
        for (int r = 0; r < repeats; ++r) {
            ::unlink(output.c_str());
            const auto start = std::chrono::steady_clock::now();
            const int in = ::open(input.c_str(), O_RDONLY);
            const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            writeAll(out, kHeader, sizeof kHeader - 1);
            candidate.copy(in, out);
            ::close(out);
            ::close(in);
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            struct stat written {};
            ::stat(output.c_str(), &written);
            if (written.st_size != total) {
                std::fprintf(stderr, "%s wrote %lld bytes, expected %lld\n", candidate.name,
                             static_cast<long long>(written.st_size), static_cast<long long>(total));
            }
        }
        std::sort(times.begin(), times.end());
        std::printf("%-36s %12.1f\n", candidate.name, times[times.size() / 2]);
    }
    ::unlink(output.c_str());
    return 0;
}
