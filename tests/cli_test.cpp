// The command line as users type it: help screens, option pairs and the front end's errors,
// checked on the executable's standard streams and exit code.
#include "support/process_runner.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace recpack::testing {
namespace {

const std::string kGeneralHelp =
    "Please invoke the program with -help <module>, where\n"
    "module is one of:\n"
    "\n"
    "midi\n"
    "wave\n"
    "tips\n";

const std::string kMidiHelp =
    "midi (-type midi):\n"
    "\n"
    " -name    <song name> song name\n"
    " -midFile <file name> mid file name\n"
    " -o       <file name> output file name\n";

const std::string kWaveHelp =
    "wave (-type wave):\n"
    "\n"
    " -file\t  <file name> wave file name\n"
    " -o\t\t  <file name> output file name\n";

const std::string kTipsHelp =
    "tips (-type tips):\n"
    "\n"
    " -nav     1           (if present, displays navigation bar)\n"
    " -done    1           (if present, displays done button)\n"
    " -menu    <url>       url for the menu button\n"
    " -prev    <url>       url for the prev button\n"
    " -next    <url>       url for the next button\n"
    " -status  <status>    text for the status field\n"
    " -content <file name> content file name\n"
    " -o       <file name> output file name\n";

TEST(HelpScreens, HaveTheirExactSizes)
{
    EXPECT_EQ(kGeneralHelp.size(), 87U);
    EXPECT_EQ(kMidiHelp.size(), 127U);
    EXPECT_EQ(kWaveHelp.size(), 92U);
    EXPECT_EQ(kTipsHelp.size(), 402U);
}

struct HelpCase {
    std::vector<std::string> arguments;
    const std::string* screen;
};

class HelpSelection : public ::testing::TestWithParam<HelpCase> {};

TEST_P(HelpSelection, PrintsTheChosenScreenAndExitsZero)
{
    ScratchDir dir;
    const RunResult result = run(GetParam().arguments, dir.path());
    EXPECT_EQ(result.out, *GetParam().screen);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpSelection,
    ::testing::Values(HelpCase{{}, &kGeneralHelp}, HelpCase{{"-help"}, &kGeneralHelp},
                      HelpCase{{"-help", "midi"}, &kMidiHelp}, HelpCase{{"-help", "wave"}, &kWaveHelp},
                      HelpCase{{"-help", "tips"}, &kTipsHelp}, HelpCase{{"-help", "MIDI"}, &kGeneralHelp},
                      HelpCase{{"-help", "midi "}, &kGeneralHelp}, HelpCase{{"-help", ""}, &kGeneralHelp},
                      // Arguments after the help pair are never looked at.
                      HelpCase{{"-help", "wave", "-type"}, &kWaveHelp},
                      HelpCase{{"-help", "tips", "-type", "midi", "-o", "out"}, &kTipsHelp},
                      // A lone last -help has no value and shows the general screen.
                      HelpCase{{"-type", "midi", "-help"}, &kGeneralHelp},
                      HelpCase{{"-help", "-type"}, &kGeneralHelp},
                      // Pairs before the help pair are stored and have no visible effect.
                      HelpCase{{"-o", "out", "-type", "midi", "-help", "midi"}, &kMidiHelp}));

struct ErrorCase {
    std::vector<std::string> arguments;
    std::string message;
};

class FrontEndErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(FrontEndErrors, WriteOneLineAndExitOne)
{
    ScratchDir dir;
    dir.write("song.mid", "MThd");
    const RunResult result = run(GetParam().arguments, dir.path());
    EXPECT_EQ(result.err, GetParam().message + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(dir.exists("out"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrontEndErrors,
    ::testing::Values(
        ErrorCase{{"-type"}, "Argument -type requires a value."},
        ErrorCase{{"-o", "out", "-name"}, "Argument -name requires a value."},
        ErrorCase{{""}, "Argument  requires a value."},
        ErrorCase{{"-type", "midi", "-name", "x", "-midFile", "song.mid", "-o", "out", "-x"},
                  "Argument -x requires a value."},
        ErrorCase{{"-o", "out"}, "A -type parameter is required."},
        ErrorCase{{"-name", "x", "-midFile", "song.mid", "-o", "out"}, "A -type parameter is required."},
        ErrorCase{{"-Type", "midi"}, "A -type parameter is required."},
        ErrorCase{{"-type", ""}, "Unknown type parameter ."},
        ErrorCase{{"-type", "MIDI"}, "Unknown type parameter MIDI."},
        ErrorCase{{"-type", "-help"}, "Unknown type parameter -help."},
        ErrorCase{{"-type", "caf\xc3\xa9 \xff\x01"}, "Unknown type parameter caf\xc3\xa9 \xff\x01."},
        ErrorCase{{"-type", "midi"}, "Argument -name is required, but was not given."},
        ErrorCase{{"-type", "wave"}, "Argument -file is required, but was not given."},
        ErrorCase{{"-type", "tips"}, "Argument -content is required, but was not given."},
        // The later -type chooses the module.
        ErrorCase{{"-type", "wave", "-type", "tips"}, "Argument -content is required, but was not given."},
        // A value that begins with a dash is a value: -o holds "-help", no help is shown.
        ErrorCase{{"-o", "-help", "-type", "x"}, "Unknown type parameter x."},
        // A name no module reads is stored and ignored.
        ErrorCase{{"-bogus", "1", "-type", "wave", "-file", "w.wav"},
                  "Argument -o is required, but was not given."}));

TEST(FrontEndErrors, EchoAHundredThousandByteArgumentWhole)
{
    ScratchDir dir;
    const std::string value(100000, 'v');
    const RunResult result = run({"-type", value}, dir.path());
    EXPECT_EQ(result.err, "Unknown type parameter " + value + ".\n");
    EXPECT_EQ(result.exitCode, 1);
}

TEST(HelpScreens, AFailedWriteIsReportedWithExitOne)
{
    ScratchDir dir;
    RunOptions toFull;
    toFull.stdoutPath = "/dev/full";
    RunOptions closed;
    closed.closeStdout = true;
    for (const RunOptions& options : {toFull, closed}) {
        const RunResult result = run({"-help", "tips"}, dir.path(), options);
        EXPECT_EQ(result.err, "Could not write to standard output.\n");
        EXPECT_EQ(result.exitCode, 1);
    }
}

}  // namespace
}  // namespace recpack::testing
