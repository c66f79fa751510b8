// -type tips end to end: the page record's bytes, the options, the string area's limit.
#include "support/process_runner.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace recpack::testing {
namespace {

RunResult packTips(const ScratchDir& dir, const std::vector<std::string>& optional,
                   const std::string& content = "page.html", const std::string& output = "page.rec")
{
    std::vector<std::string> arguments = {"-type", "tips", "-content", content, "-o", output};
    arguments.insert(arguments.end(), optional.begin(), optional.end());
    return run(arguments, dir.path());
}

struct PageCase {
    std::vector<std::string> optional;
    std::string prefix;  // header and string area
};

class TipsPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(TipsPages, AreWrittenByteForByte)
{
    ScratchDir dir;
    std::string content;
    for (int i = 0; i < 600; ++i) {
        content.push_back(static_cast<char>(i & 0xFF));
    }
    dir.write("page.html", content);
    const RunResult result = packTips(dir, GetParam().optional);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(dir.read("page.rec"), GetParam().prefix + content);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TipsPages,
    ::testing::Values(
        PageCase{{}, std::string(12, '\0')},
        PageCase{{"-menu", "MMMM", "-base", "x"}, hex("00 12 00 00 00 00 00 00 00 00 05 00 4D 4D 4D 4D 00")},
        PageCase{{"-next", "N", "-prev", "PP", "-status", "SSS", "-menu", "MMMM", "-nav", "1", "-done", "1"},
                 hex("00 FC 09 00 05 00 00 00 02 00 0E 00 4E 00 50 50 00 53 53 53 00 4D 4D 4D 4D 00")},
        PageCase{{"-menu", "m", "-status", "s", "-prev", "p", "-next", "n", "-done", "0", "-nav", "0", "-base", "0"},
                 hex("00 FE 06 00 04 00 00 00 02 00 08 00 6E 00 70 00 73 00 6D 00")},
        PageCase{{"-nav", "0"}, hex("00 04 00 00 00 00 00 00 00 00 00 00")},
        PageCase{{"-nav", ""}, std::string(12, '\0')},
        // An empty -next is absent: the prev string takes offset 0.
        PageCase{{"-next", "", "-prev", "PP", "-menu", "M"}, hex("00 50 03 00 00 00 00 00 00 00 05 00 50 50 00 4D 00")},
        // Strings are stored byte for byte; a later value wins.
        PageCase{{"-status", "first", "-status", "\xc3\xa9\xff"}, hex("00 20 00 00 00 00 00 00 00 00 04 00 C3 A9 FF 00")}));

TEST(TipsPacker, AnEmptyContentFileEndsAfterTheStrings)
{
    ScratchDir dir;
    dir.write("page.html", "");
    ASSERT_EQ(packTips(dir, {"-next", "N"}).exitCode, 0);
    EXPECT_EQ(dir.read("page.rec"), hex("00 80 00 00 00 00 00 00 00 00 02 00 4E 00"));
}

TEST(TipsPacker, RequiresContentThenOutput)
{
    ScratchDir dir;
    RunResult result = run({"-type", "tips", "-o", "page.rec", "-next", "n"}, dir.path());
    EXPECT_EQ(result.err, "Argument -content is required, but was not given.\n");
    result = run({"-type", "tips"}, dir.path());
    EXPECT_EQ(result.err, "Argument -content is required, but was not given.\n");
    result = run({"-type", "tips", "-content", "page.html"}, dir.path());
    EXPECT_EQ(result.err, "Argument -o is required, but was not given.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(TipsPacker, EmptyPathsFailAtTheirOpen)
{
    ScratchDir dir;
    dir.write("page.html", "x");
    RunResult result = packTips(dir, {}, "page.html", "");
    EXPECT_EQ(result.err, "Could not open file \"\" for output.\n");
    EXPECT_EQ(result.exitCode, 1);
    dir.write("page.rec", "old");
    result = packTips(dir, {}, "", "page.rec");
    EXPECT_EQ(result.err, "Could not open file \"\" for input.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(dir.read("page.rec"), "");
}

TEST(TipsPacker, TheStringAreaHoldsAtMost65535Bytes)
{
    ScratchDir dir;
    dir.write("page.html", "C");
    // 40000 + 1 + 25533 + 1 = 65535 bytes.
    const std::string next(40000, 'n');
    const std::string menu(25533, 'm');
    ASSERT_EQ(packTips(dir, {"-next", next, "-menu", menu}).exitCode, 0);
    EXPECT_EQ(dir.read("page.rec"), hex("00 90 41 9C 00 00 00 00 00 00 FF FF") + next + std::string(1, '\0') + menu +
                                         std::string(1, '\0') + "C");

    dir.write("page.rec", "keep me");
    const RunResult result = packTips(dir, {"-next", next, "-menu", menu + "m"});
    EXPECT_EQ(result.err, "The tips page strings need more than 65535 bytes.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(dir.read("page.rec"), "keep me");
}

}  // namespace
}  // namespace recpack::testing
