// The copy and measuring routes of the file handling, driven directly so that each route,
// the kernel's and the read/write fallbacks, is taken on purpose and its bytes checked.
#include "packers/file_io.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace recpack {
namespace {

using testing::ScratchDir;

std::string patterned(std::size_t size)
{
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<char>((i * 131 + i / 4099) & 0xFF);
    }
    return data;
}

InputFile openForReading(const std::string& path)
{
    return InputFile(::open(path.c_str(), O_RDONLY | O_CLOEXEC), path);
}

OutputFile openForWriting(const std::string& path, int extraFlags = 0)
{
    return OutputFile(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | extraFlags, 0644), path);
}

class CopyRoutes : public ::testing::TestWithParam<std::size_t> {};

// Regular file to regular file: the kernel moves the bytes.
TEST_P(CopyRoutes, FileToFileBehindAHeader)
{
    ScratchDir dir;
    const std::string data = patterned(GetParam());
    dir.write("in", data);
    InputFile input = openForReading(dir / "in");
    OutputFile output = openForWriting(dir / "out");
    output.write("header");
    copyToEnd(input, output);
    output.close();
    EXPECT_EQ(dir.read("out"), "header" + data);
}

// An output opened for appending refuses to be spliced into: the bytes already in flight
// are drained and the rest goes by read and write.
TEST_P(CopyRoutes, IntoAnOutputThatDeclinesSplicing)
{
    ScratchDir dir;
    const std::string data = patterned(GetParam());
    dir.write("in", data);
    InputFile input = openForReading(dir / "in");
    OutputFile output = openForWriting(dir / "out", O_APPEND);
    output.write("header");
    copyToEnd(input, output);
    output.close();
    EXPECT_EQ(dir.read("out"), "header" + data);
}

// This process's environment cannot be spliced from: it is read by read().
TEST(CopyRoutes, FromAnInputThatDeclinesSplicing)
{
    ScratchDir dir;
    InputFile input = openForReading("/proc/self/environ");
    OutputFile output = openForWriting(dir / "out");
    copyToEnd(input, output);
    output.close();
    EXPECT_EQ(dir.read("out"), testing::readFile("/proc/self/environ"));
}

// A pipe as the input, fed by another thread.
TEST_P(CopyRoutes, FromAPipe)
{
    ScratchDir dir;
    const std::string data = patterned(GetParam());
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::thread writer([&] {
        (void)!::write(fds[1], data.data(), data.size());
        ::close(fds[1]);
    });
    InputFile input(fds[0], "pipe");
    OutputFile output = openForWriting(dir / "out");
    copyToEnd(input, output);
    writer.join();
    output.close();
    EXPECT_EQ(dir.read("out"), data);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CopyRoutes, ::testing::Values(0, 1, 65280, 1048576, 2 * 1048576 + 13));

TEST(CopyAtMost, StopsAtTheLimitAndLeavesTheRest)
{
    ScratchDir dir;
    const std::string data = patterned(200000);
    dir.write("in", data);
    for (const int flags : {0, O_APPEND}) {
        InputFile input = openForReading(dir / "in");
        OutputFile output = openForWriting(dir / "out", flags);
        EXPECT_EQ(copyAtMost(input, output, 150001), 150001U);
        EXPECT_FALSE(atEnd(input));
        output.close();
        EXPECT_EQ(dir.read("out"), data.substr(0, 150001));
    }
}

TEST(MeasureToEnd, CountsEveryByteOrStopsPastTheLimit)
{
    ScratchDir dir;
    dir.write("in", patterned(300000));
    {
        InputFile input = openForReading(dir / "in");
        EXPECT_EQ(measureToEnd(input, 1000000), 300000U);
        EXPECT_TRUE(atEnd(input));
    }
    {
        InputFile input = openForReading(dir / "in");
        EXPECT_EQ(measureToEnd(input, 299999), 300000U);
    }
    {
        InputFile input = openForReading(dir / "in");
        EXPECT_GT(measureToEnd(input, 1000), 1000U);
    }
    // An input that declines the kernel's route is counted by read().
    InputFile environment = openForReading("/proc/self/environ");
    EXPECT_EQ(measureToEnd(environment, 1000000), testing::readFile("/proc/self/environ").size());
}

}  // namespace
}  // namespace recpack
