// The current calendar time, kept behind this seam so that record building stays a pure
// function of the time it is given.
#pragma once

#include <cstdint>

namespace recpack {

// Whole seconds since 1970-01-01 00:00:00 UTC.
std::int64_t currentTime();

}  // namespace recpack
