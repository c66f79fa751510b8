#include "frontend/write_all.h"

#include <cerrno>
#include <unistd.h>

namespace recpack {

bool writeAll(int fd, const void* data, std::size_t size)
{
    const auto* next = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, next, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            return false;
        }
        next += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace recpack
