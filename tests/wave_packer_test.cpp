// -type wave end to end: the sound database's bytes for the sizes around a record's
// boundary, the name field, the dates, the limits and an input that changes under us.
#include "support/process_runner.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace recpack::testing {
namespace {

std::string be32(std::uint64_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * (3 - i))) & 0xFF);
    }
    return bytes;
}

// The header with the two dates left out (offsets 36 to 43), which the test checks apart.
std::string headerWithoutDates(const std::string& name, std::uint32_t records)
{
    return name + std::string(32 - name.size(), '\0') + std::string(4, '\0') + std::string(16, '\0') +
           "datahWAV" + std::string(8, '\0') + std::string(1, static_cast<char>(records >> 8)) +
           std::string(1, static_cast<char>(records & 0xFF));
}

std::string withoutDates(const std::string& file)
{
    return file.substr(0, 36) + file.substr(44);
}

std::string inputOfSize(std::size_t size)
{
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<char>((i * 31 + i / 65280) & 0xFF);
    }
    return data;
}

RunResult packWave(const ScratchDir& dir, const std::string& input, const std::string& output = "out.pdb")
{
    return run({"-type", "wave", "-file", input, "-o", output}, dir.path());
}

struct SizeCase {
    std::size_t size;
    std::string recordList;
};

class WaveSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(WaveSizes, GiveTheQuotientPlusOneRecords)
{
    ScratchDir dir;
    const std::string data = inputOfSize(GetParam().size);
    dir.write("a.wav", data);
    const auto before = static_cast<std::uint64_t>(std::time(nullptr));
    const RunResult result = packWave(dir, "a.wav");
    const auto after = static_cast<std::uint64_t>(std::time(nullptr));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out + result.err, "");

    const std::string file = dir.read("out.pdb");
    const auto records = static_cast<std::uint32_t>(GetParam().recordList.size() / 8);
    EXPECT_EQ(withoutDates(file), headerWithoutDates("a.wav", records) + GetParam().recordList + data);
    ASSERT_GE(file.size(), 44U);
    EXPECT_EQ(file.substr(36, 4), file.substr(40, 4));
    const std::string earliest = be32(before + 2082844886);
    const std::string latest = be32(after + 2082844886);
    EXPECT_TRUE(file.substr(36, 4) >= earliest && file.substr(36, 4) <= latest);
}

INSTANTIATE_TEST_SUITE_P(Cases, WaveSizes,
                         ::testing::Values(SizeCase{0, hex("00000056 406F8000")},
                                           SizeCase{1, hex("00000056 406F8000")},
                                           SizeCase{65279, hex("00000056 406F8000")},
                                           // The second record is empty: its offset is the file's end.
                                           SizeCase{65280, hex("0000005E 406F8000 0000FF5E 406F8001")},
                                           SizeCase{65281, hex("0000005E 406F8000 0000FF5E 406F8001")},
                                           SizeCase{3 * 65280 + 5, hex("0000006E 406F8000 0000FF6E 406F8001"
                                                                       "0001FE6E 406F8002 0002FD6E 406F8003")}));

TEST(WavePacker, StoresTheFileValueWholeInTheNameField)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir / "sub");
    const std::string longest = "sub/" + std::string(27, 'w');
    for (const std::string& name : {std::string("sub/w.wav"), longest}) {
        dir.write(name, "RIFF");
        ASSERT_EQ(packWave(dir, name).exitCode, 0);
        EXPECT_EQ(withoutDates(dir.read("out.pdb")), headerWithoutDates(name, 1) + hex("00000056 406F8000") + "RIFF");
    }
}

TEST(WavePacker, RefusesANameLongerThan31BytesBeforeTouchingFiles)
{
    ScratchDir dir;
    const std::string name(32, 'w');
    dir.write(name, "RIFF");
    dir.write("out.pdb", "keep me");
    const RunResult result = packWave(dir, name);
    EXPECT_EQ(result.err, "Argument -file is longer than 31 bytes.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(dir.read("out.pdb"), "keep me");
}

TEST(WavePacker, RequiresFileThenOutput)
{
    ScratchDir dir;
    RunResult result = run({"-type", "wave"}, dir.path());
    EXPECT_EQ(result.err, "Argument -file is required, but was not given.\n");
    result = run({"-type", "wave", "-o", "out.pdb"}, dir.path());
    EXPECT_EQ(result.err, "Argument -file is required, but was not given.\n");
    result = run({"-type", "wave", "-file", "a.wav"}, dir.path());
    EXPECT_EQ(result.err, "Argument -o is required, but was not given.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(WavePacker, TwoRunsDifferOnlyInTheDates)
{
    ScratchDir dir;
    dir.write("a.wav", inputOfSize(70000));
    ASSERT_EQ(packWave(dir, "a.wav", "one.pdb").exitCode, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    ASSERT_EQ(packWave(dir, "a.wav", "two.pdb").exitCode, 0);
    EXPECT_EQ(withoutDates(dir.read("one.pdb")), withoutDates(dir.read("two.pdb")));
    EXPECT_NE(dir.read("one.pdb").substr(36, 8), dir.read("two.pdb").substr(36, 8));
}

TEST(WavePacker, RefusesAnInputTooLargeForTheRecordCount)
{
    ScratchDir dir;
    // A sparse file: 65535 * 65280 bytes would need 65536 records.
    dir.write("big.wav", "");
    std::filesystem::resize_file(dir / "big.wav", 4278124800ULL);
    dir.write("out.pdb", "old");
    const RunResult result = packWave(dir, "big.wav");
    EXPECT_EQ(result.err, "File \"big.wav\" is too large: at most 4278124799 bytes fit.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(dir.read("out.pdb"), "");
}

TEST(WavePacker, PacksTheLargestInputWith65535Records)
{
    ScratchDir dir;
    dir.write("max.wav", "");
    std::filesystem::resize_file(dir / "max.wav", 4278124799ULL);
    RunOptions options;
    options.maxOutBytes = 78 + 8 * 65535 + 16;
    const RunResult result = run({"-type", "wave", "-file", "max.wav", "-o", "/dev/stdout"}, dir.path(), options);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.outBytes, 78 + 8 * 65535 + 4278124799ULL);
    EXPECT_EQ(result.out.substr(76, 2), hex("FFFF"));
    EXPECT_EQ(result.out.substr(78, 8), hex("00080046 406F8000"));
    EXPECT_EQ(result.out.substr(78 + 8 * 65534, 8), hex("FF060246 40707FFE"));
    EXPECT_EQ(result.out.substr(78 + 8 * 65535), std::string(16, '\0'));
}

TEST(WavePacker, AMissingInputLeavesAnEmptyOutput)
{
    ScratchDir dir;
    const RunResult result = packWave(dir, "none.wav");
    EXPECT_EQ(result.err, "Could not open file \"none.wav\" for input.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(dir.read("out.pdb"), "");
}

TEST(WavePacker, AnEmptyPipeGivesOneEmptyRecord)
{
    ScratchDir dir;
    const RunResult result = run({"-type", "wave", "-file", "/dev/stdin", "-o", "out.pdb"}, dir.path());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(withoutDates(dir.read("out.pdb")), headerWithoutDates("/dev/stdin", 1) + hex("00000056 406F8000"));
}

TEST(WavePacker, APipeReadTwiceHasChanged)
{
    ScratchDir dir;
    RunOptions options;
    options.stdinBytes = "RIFF data";
    const RunResult result = run({"-type", "wave", "-file", "/dev/stdin", "-o", "out.pdb"}, dir.path(), options);
    EXPECT_EQ(result.err, "File \"/dev/stdin\" changed while it was read.\n");
    EXPECT_EQ(result.exitCode, 1);
}

// A named pipe whose writer gives one content to the measuring pass and another to the copy.
// The pause lets the measuring pass see the end of the first content and close the pipe
// before the writer opens it again.
void feedTwice(const std::filesystem::path& fifo, std::string first, std::string second)
{
    for (const std::string* content : {&first, &second}) {
        if (content == &second) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        if (fd < 0) {
            return;
        }
        (void)!::write(fd, content->data(), content->size());
        ::close(fd);
    }
}

TEST(WavePacker, AnInputThatGrowsOrShrinksBetweenThePassesHasChanged)
{
    for (const auto& [first, second] : {std::pair{std::string(10, 'a'), std::string(11, 'a')},
                                        std::pair{std::string(10, 'a'), std::string(9, 'a')}}) {
        ScratchDir dir;
        ASSERT_EQ(::mkfifo((dir / "w.fifo").c_str(), 0600), 0);
        std::thread writer(feedTwice, dir / "w.fifo", first, second);
        const RunResult result = packWave(dir, "w.fifo");
        writer.join();
        EXPECT_EQ(result.err, "File \"w.fifo\" changed while it was read.\n");
        EXPECT_EQ(result.exitCode, 1);
    }
}

}  // namespace
}  // namespace recpack::testing
