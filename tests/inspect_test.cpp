// recpack-inspect end to end: records that recpack wrote are read back, checked and extracted
// exactly; every malformed record is refused with a line that says what is wrong and where.
#include "support/process_runner.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace recpack::testing {
namespace {

RunResult inspect(const ScratchDir& dir, const std::vector<std::string>& arguments)
{
    RunOptions options;
    options.executable = RECPACK_INSPECT_EXECUTABLE;
    return run(arguments, dir.path(), options);
}

std::string patterned(std::size_t size)
{
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<char>((i * 7 + i / 300) & 0xFF);
    }
    return data;
}

struct PackCase {
    std::vector<std::string> packOptions;  // after -type MODULE, with IN and OUT as the paths
    std::vector<std::string> inspectOptions;
};

class InspectRoundTrip : public ::testing::TestWithParam<PackCase> {};

TEST_P(InspectRoundTrip, ExtractsExactlyWhatWasPacked)
{
    for (const std::size_t size : {0UL, 1UL, 65279UL, 65280UL, 200001UL}) {
        ScratchDir dir;
        const std::string data = patterned(size);
        dir.write("in.bin", data);
        ASSERT_EQ(run(GetParam().packOptions, dir.path()).exitCode, 0);
        std::vector<std::string> arguments = {"-record", "out.rec", "-extract", "back.bin"};
        arguments.insert(arguments.end(), GetParam().inspectOptions.begin(), GetParam().inspectOptions.end());
        for (const char* format : {"text", "json"}) {
            std::vector<std::string> withFormat = arguments;
            withFormat.insert(withFormat.end(), {"-format", format});
            const RunResult result = inspect(dir, withFormat);
            ASSERT_EQ(result.exitCode, 0) << result.err;
            EXPECT_EQ(result.err, "");
            EXPECT_NE(result.out.find(std::to_string(size)), std::string::npos) << result.out;
            EXPECT_EQ(dir.read("back.bin"), data) << size << " bytes, " << format;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modules, InspectRoundTrip,
    ::testing::Values(PackCase{{"-type", "midi", "-name", "Song \xc3\xa9", "-midFile", "in.bin", "-o", "out.rec"}, {}},
                      PackCase{{"-type", "wave", "-file", "in.bin", "-o", "out.rec"}, {}},
                      PackCase{{"-type", "tips", "-content", "in.bin", "-o", "out.rec", "-next", "n.html", "-status",
                                "Tip \"1\"", "-menu", "index.html", "-nav", "1", "-base", "1"},
                               {"-type", "tips"}}));

TEST(Inspect, PrintsTheMidiExampleAsText)
{
    ScratchDir dir;
    dir.write("song.rec", hex("50 4D 72 63 0B 00 53 6F 6E 67 00 01 02 03"));
    const RunResult result = inspect(dir, {"-record", "song.rec"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "type           \"midi\"\n"
                          "signature      \"PMrc\"\n"
                          "dataOffset     11\n"
                          "name           \"Song\"\n"
                          "contentOffset  11\n"
                          "contentLength  3\n");
}

// The wave example with both dates set to the value of time 0.
std::string waveExample()
{
    return "a.wav" + std::string(27, '\0') + std::string(4, '\0') + hex("7C25B0D6 7C25B0D6") + std::string(16, '\0') +
           "datahWAV" + std::string(8, '\0') + hex("0002 0000005E 406F8000 0000FF5E 406F8001") + patterned(65281);
}

TEST(Inspect, PrintsASoundDatabaseAsTextAndJson)
{
    ScratchDir dir;
    dir.write("a.pdb", waveExample());
    RunResult result = inspect(dir, {"-record", "a.pdb"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "type                   \"wave\"\n"
                          "name                   \"a.wav\"\n"
                          "creationDate           2082844886 (1970-01-01 00:00:00 UTC)\n"
                          "modificationDate       2082844886 (1970-01-01 00:00:00 UTC)\n"
                          "databaseType           \"data\"\n"
                          "creator                \"hWAV\"\n"
                          "numberOfRecords        2\n"
                          "records[0].dataOffset  94\n"
                          "records[0].attributes  0x40\n"
                          "records[0].uniqueId    0x6F8000\n"
                          "records[0].length      65280\n"
                          "records[1].dataOffset  65374\n"
                          "records[1].attributes  0x40\n"
                          "records[1].uniqueId    0x6F8001\n"
                          "records[1].length      1\n"
                          "contentOffset          94\n"
                          "contentLength          65281\n");
    result = inspect(dir, {"-record", "a.pdb", "-format", "json"});
    EXPECT_EQ(result.out,
              "{\"type\": \"wave\", \"name\": \"a.wav\", "
              "\"creationDate\": {\"raw\": 2082844886, \"utc\": \"1970-01-01 00:00:00\"}, "
              "\"modificationDate\": {\"raw\": 2082844886, \"utc\": \"1970-01-01 00:00:00\"}, "
              "\"databaseType\": \"data\", \"creator\": \"hWAV\", \"numberOfRecords\": 2, \"records\": ["
              "{\"dataOffset\": 94, \"attributes\": 64, \"uniqueId\": 7307264, \"length\": 65280}, "
              "{\"dataOffset\": 65374, \"attributes\": 64, \"uniqueId\": 7307265, \"length\": 1}], "
              "\"contentOffset\": 94, \"contentLength\": 65281}\n");
}

TEST(Inspect, PrintsTheTipsExampleAsJson)
{
    ScratchDir dir;
    dir.write("tip.rec", hex("00 FC 09 00 05 00 00 00 02 00 0E 00 4E 00 50 50 00 53 53 53 00 4D 4D 4D 4D 00") + "C\xff\x01");
    const RunResult result = inspect(dir, {"-record", "tip.rec", "-type", "tips", "-format", "json"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "{\"type\": \"tips\", \"flags\": {\"value\": 252, \"set\": [\"next\", \"prev\", \"status\", "
                          "\"menu\", \"done\", \"nav\"]}, \"stringAreaLength\": 14, \"strings\": {"
                          "\"next\": {\"offset\": 0, \"text\": \"N\"}, \"prev\": {\"offset\": 2, \"text\": \"PP\"}, "
                          "\"status\": {\"offset\": 5, \"text\": \"SSS\"}, \"menu\": {\"offset\": 9, \"text\": \"MMMM\"}}, "
                          "\"contentOffset\": 26, \"contentLength\": 3}\n");
}

TEST(Inspect, EscapesBytesInTextAndJson)
{
    ScratchDir dir;
    dir.write("song.rec", hex("50 4D 72 63 0C 00") + "\"\xc3\xa9\xff\x01" + std::string(1, '\0'));
    EXPECT_NE(inspect(dir, {"-record", "song.rec"}).out.find("name           \"\\\"\\xC3\\xA9\\xFF\\x01\"\n"),
              std::string::npos);
    EXPECT_NE(inspect(dir, {"-record", "song.rec", "-format", "json"}).out.find("\"name\": \"\\\"\xc3\xa9\\u00FF\\u0001\""),
              std::string::npos);
}

struct FaultCase {
    const char* what;
    std::string record;
    std::vector<std::string> options;
    std::string detail;
};

class InspectFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(InspectFaults, AreOneLineNamingWhatAndWhere)
{
    ScratchDir dir;
    dir.write("r", GetParam().record);
    std::vector<std::string> arguments = {"-record", "r", "-extract", "out"};
    arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
    const RunResult result = inspect(dir, arguments);
    EXPECT_EQ(result.err, "File \"r\": " + GetParam().detail + ".\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(dir.exists("out"));
}

std::string waveWith(std::size_t offset, const std::string& bytes, std::size_t size = 0)
{
    std::string record = waveExample();
    record.replace(offset, bytes.size(), bytes);
    return size > 0 ? record.substr(0, size) : record;
}

const std::vector<std::string> kWave = {"-type", "wave"};
const std::vector<std::string> kTips = {"-type", "tips"};

INSTANTIATE_TEST_SUITE_P(
    Cases, InspectFaults,
    ::testing::Values(
        FaultCase{"midi_short", "PMrc\x0b", {}, "too short for a MIDI song record header: 5 of 6 bytes"},
        FaultCase{"midi_signature", hex("50 4D 72 43 07 00 00"), {"-type", "midi"}, "no \"PMrc\" signature at offset 0"},
        FaultCase{"midi_reserved", hex("50 4D 72 63 07 01 00"), {}, "reserved byte at offset 5 is 0x01, not 0"},
        FaultCase{"midi_unterminated", hex("50 4D 72 63 0B 00 53 6F 6E 67"), {},
                  "the song name at offset 6 has no terminating 0 byte"},
        FaultCase{"midi_data_offset", hex("50 4D 72 63 0C 00 53 6F 6E 67 00 01"), {},
                  "data offset 12 at offset 4 does not match the name, whose end puts the data at 11"},
        FaultCase{"unrecognised", std::string(12, '\0'), {},
                  "not a MIDI song record or a sound database; give -type tips for a tips page record"},
        FaultCase{"wave_short", waveWith(0, "", 77), kWave, "too short for a sound database header: 77 of 78 bytes"},
        FaultCase{"wave_creator", waveWith(64, "hWAX"), kWave, "type and creator at offset 60 are not \"data\" and \"hWAV\""},
        FaultCase{"wave_name", waveWith(0, std::string(32, 'n')), {}, "the database name at offset 0 has no terminating 0 byte"},
        FaultCase{"wave_version", waveWith(34, hex("0001")), {}, "version at offset 34 is 0x01, not 0"},
        FaultCase{"wave_seed", waveWith(68, hex("00000100")), {}, "unique ID seed at offset 68 is 0x0100, not 0"},
        FaultCase{"wave_no_records", waveWith(76, hex("0000")), {}, "number of records at offset 76 is 0"},
        FaultCase{"wave_list_past_end", waveWith(76, hex("0003"), 100), {},
                  "the record list of 3 entries ends at offset 102, past the end of the file (100 bytes)"},
        FaultCase{"wave_count", waveWith(76, hex("0001")), {},
                  "number of records 1 at offset 76 does not match the record list: entry 0 points to offset 94, not 86"},
        FaultCase{"wave_order", waveWith(86, hex("0000005D")), {},
                  "entry 1 at offset 86 points to offset 93, before the previous entry's 94"},
        FaultCase{"wave_past_end", waveWith(86, hex("0001FF5F")), {},
                  "entry 1 at offset 86 points to offset 130911, past the end of the file (65375 bytes)"},
        FaultCase{"tips_short", std::string(11, '\0'), kTips, "too short for a tips page record header: 11 of 12 bytes"},
        FaultCase{"tips_reserved", hex("01 00 00 00 00 00 00 00 00 00 00 00"), kTips, "reserved byte at offset 0 is 0x01, not 0"},
        FaultCase{"tips_flag", hex("00 01 00 00 00 00 00 00 00 00 00 00"), kTips, "reserved flag bit 0x01 at offset 1 is set"},
        FaultCase{"tips_area", hex("00 80 00 00 00 00 00 00 00 00 10 00 4E 00"), kTips,
                  "the string area of 16 bytes at offset 12 runs past the end of the file (14 bytes)"},
        FaultCase{"tips_offset", hex("00 C0 00 00 00 00 00 00 03 00 05 00 4E 00 50 50 00"), kTips,
                  "the prev string's offset 3 at offset 8 does not match the string area: expected 2"},
        FaultCase{"tips_unterminated", hex("00 80 00 00 00 00 00 00 00 00 02 00 4E 4E 00"), kTips,
                  "the next string at offset 12 has no terminating 0 byte"},
        FaultCase{"tips_absent", hex("00 00 05 00 00 00 00 00 00 00 00 00"), kTips,
                  "the menu string is absent but its offset at offset 2 is 5, not 0"},
        FaultCase{"tips_length", hex("00 80 00 00 00 00 00 00 00 00 04 00 4E 00 00 00"), kTips,
                  "string area length 4 at offset 10 does not match its strings, which take 2 bytes"}),
    [](const auto& testCase) { return std::string(testCase.param.what); });

TEST(Inspect, OptionsAndFilesFailLikeRecpacks)
{
    ScratchDir dir;
    dir.write("song.rec", hex("50 4D 72 63 07 00 00"));
    std::filesystem::create_directory(dir / "folder");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"-format", "json"}, "Argument -record is required, but was not given."},
        {{"-record", "song.rec", "-format", "xml"}, "Unknown format parameter xml."},
        {{"-record", "song.rec", "-type", "MIDI"}, "Unknown type parameter MIDI."},
        {{"-record", "song.rec", "-type"}, "Argument -type requires a value."},
        {{"-record", "none.rec"}, "Could not open file \"none.rec\" for input."},
        {{"-record", "folder"}, "Could not open file \"folder\" for input."},
        {{"-record", "/dev/null"}, "File \"/dev/null\" is not a regular file."},
        {{"-record", "song.rec", "-extract", "./song.rec"},
         "Input file \"song.rec\" and output file \"./song.rec\" are the same file."},
        {{"-record", "song.rec", "-extract", "nodir/x"}, "Could not open file \"nodir/x\" for output."},
    };
    for (const auto& [arguments, message] : cases) {
        const RunResult result = inspect(dir, arguments);
        EXPECT_EQ(result.err, message + "\n");
        EXPECT_EQ(result.exitCode, 1);
    }
    EXPECT_EQ(dir.read("song.rec"), hex("50 4D 72 63 07 00 00"));
}

TEST(Inspect, ShowsItsHelp)
{
    ScratchDir dir;
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"-help"}, {"-record", "x", "-help", "1"}}) {
        const RunResult result = inspect(dir, arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out.rfind("recpack-inspect: read a record back", 0), 0U);
    }
}

}  // namespace
}  // namespace recpack::testing
