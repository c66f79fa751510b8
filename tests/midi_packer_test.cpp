// -type midi end to end: the MIDI song record's bytes, the option order and every failure.
#include "support/process_runner.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace recpack::testing {
namespace {

RunResult packMidi(const ScratchDir& dir, const std::string& name, const std::string& input = "song.mid",
                   const std::string& output = "song.rec")
{
    return run({"-type", "midi", "-name", name, "-midFile", input, "-o", output}, dir.path());
}

struct RecordCase {
    const char* what;
    std::string name;
    std::string midi;
    std::string record;
};

class MidiRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(MidiRecords, AreWrittenByteForByte)
{
    ScratchDir dir;
    dir.write("song.mid", GetParam().midi);
    const RunResult result = packMidi(dir, GetParam().name);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(dir.read("song.rec"), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MidiRecords,
    ::testing::Values(
        RecordCase{"worked example", "Song", hex("01 02 03"), hex("50 4D 72 63 0B 00 53 6F 6E 67 00 01 02 03")},
        RecordCase{"empty name", "", hex("01 02 03"), hex("50 4D 72 63 07 00 00 01 02 03")},
        RecordCase{"empty MIDI file", "Song", "", hex("50 4D 72 63 0B 00 53 6F 6E 67 00")},
        // Three characters, six bytes: measured in bytes, stored as given.
        RecordCase{"UTF-8 name", "\xc3\xa4\xc3\xb6\xc3\xbc", hex("FF"),
                   hex("50 4D 72 63 0D 00 C3 A4 C3 B6 C3 BC 00 FF")},
        RecordCase{"248-byte name", std::string(248, 'n'), hex("AA BB"),
                   hex("50 4D 72 63 FF 00") + std::string(248, 'n') + hex("00 AA BB")},
        RecordCase{"bytes that text modes translate", "x", hex("00 0A 0D 1A FF 0D 0A"),
                   hex("50 4D 72 63 08 00 78 00 00 0A 0D 1A FF 0D 0A")}),
    [](const auto& testCase) {
        std::string name = testCase.param.what;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(MidiPacker, CopiesLargeInputsWithEveryByteValue)
{
    ScratchDir dir;
    std::string midi;
    for (int i = 0; i < 3 * 1024 * 1024 + 7; ++i) {
        midi.push_back(static_cast<char>((i * 7 + i / 256) & 0xFF));
    }
    dir.write("song.mid", midi);
    ASSERT_EQ(packMidi(dir, "Big").exitCode, 0);
    EXPECT_EQ(dir.read("song.rec"), hex("50 4D 72 63 0A 00") + "Big" + std::string(1, '\0') + midi);
}

TEST(MidiPacker, ReplacesALongerExistingOutput)
{
    ScratchDir dir;
    dir.write("song.mid", "A");
    dir.write("song.rec", std::string(1000, 'z'));
    ASSERT_EQ(packMidi(dir, "").exitCode, 0);
    EXPECT_EQ(dir.read("song.rec"), hex("50 4D 72 63 07 00 00") + "A");
}

struct MissingOptionCase {
    std::vector<std::string> options;
    std::string missing;
};

class MidiMissingOptions : public ::testing::TestWithParam<MissingOptionCase> {};

TEST_P(MidiMissingOptions, NameTheFirstAbsentOneAndCreateNothing)
{
    ScratchDir dir;
    dir.write("song.mid", "M");
    std::vector<std::string> arguments = {"-type", "midi"};
    arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
    const RunResult result = run(arguments, dir.path());
    EXPECT_EQ(result.err, "Argument " + GetParam().missing + " is required, but was not given.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(dir.exists("song.rec"));
}

INSTANTIATE_TEST_SUITE_P(Cases, MidiMissingOptions,
                         ::testing::Values(MissingOptionCase{{"-midFile", "song.mid", "-o", "song.rec"}, "-name"},
                                           MissingOptionCase{{"-o", "song.rec"}, "-name"},
                                           MissingOptionCase{{"-name", "S", "-o", "song.rec"}, "-midFile"},
                                           MissingOptionCase{{"-name", "S"}, "-midFile"},
                                           MissingOptionCase{{"-name", "S", "-midFile", "song.mid"}, "-o"}));

TEST(MidiPacker, RefusesANameLongerThan248BytesBeforeTouchingFiles)
{
    ScratchDir dir;
    dir.write("song.mid", "M");
    dir.write("song.rec", "keep me");
    const RunResult result = packMidi(dir, std::string(249, 'n'));
    EXPECT_EQ(result.err, "Argument -name is longer than 248 bytes.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(dir.read("song.rec"), "keep me");
}

TEST(MidiPacker, AnEmptyValueIsPresentAndFailsAtTheOpen)
{
    ScratchDir dir;
    dir.write("song.mid", "M");
    RunResult result = packMidi(dir, "S", "song.mid", "");
    EXPECT_EQ(result.err, "Could not open file \"\" for output.\n");
    EXPECT_EQ(result.exitCode, 1);

    result = packMidi(dir, "S", "", "song.rec");
    EXPECT_EQ(result.err, "Could not open file \"\" for input.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(dir.read("song.rec"), "");
}

TEST(MidiPacker, ReadsAPipeAndWritesToStandardOutput)
{
    ScratchDir dir;
    RunOptions options;
    options.stdinBytes = hex("01 02 03");
    const RunResult result =
        run({"-type", "midi", "-name", "Song", "-midFile", "/dev/stdin", "-o", "/dev/stdout"}, dir.path(), options);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, hex("50 4D 72 63 0B 00 53 6F 6E 67 00 01 02 03"));
}

}  // namespace
}  // namespace recpack::testing
