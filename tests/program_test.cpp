// The whole run driven in-process, as the fuzzer drives it.
#include "frontend/program.h"

#include <gtest/gtest.h>

#include <vector>

namespace recpack {
namespace {

int runWith(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "recpack");
    return runProgram(static_cast<int>(arguments.size()), arguments.data());
}

TEST(RunProgram, ReturnsTheExitCodeAndStartsEachRunAfresh)
{
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(runWith({"-type", "midi"}), 1);
    // The -type of the first run must not leak into the second.
    EXPECT_EQ(runWith({"-name", "x"}), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Argument -name is required, but was not given.\n"
              "A -type parameter is required.\n");
}

}  // namespace
}  // namespace recpack
