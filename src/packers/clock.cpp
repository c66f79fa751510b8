#include "packers/clock.h"

#include <ctime>

namespace recpack {

std::int64_t currentTime()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace recpack
