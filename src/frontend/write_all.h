// Writing a whole byte range to a file descriptor, across short writes and interruptions.
// Used by the standard streams (help screens, error lines) and by the packers' output file.
#pragma once

#include <cstddef>

namespace recpack {

// True when every byte was written.
[[nodiscard]] bool writeAll(int fd, const void* data, std::size_t size);

}  // namespace recpack
