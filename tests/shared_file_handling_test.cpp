// The file handling every module shares, run through each module: open failures, write and
// read failures, and the guard that keeps an input from being emptied as its own output.
#include "support/process_runner.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace recpack::testing {
namespace {

struct Module {
    const char* type;
    const char* inputOption;
    std::vector<std::string> extra;
};

std::vector<std::string> packArguments(const Module& module, const std::string& input, const std::string& output)
{
    std::vector<std::string> arguments = {"-type", module.type, module.inputOption, input, "-o", output};
    arguments.insert(arguments.end(), module.extra.begin(), module.extra.end());
    return arguments;
}

class SharedFileHandling : public ::testing::TestWithParam<Module> {
protected:
    RunResult pack(const std::string& input, const std::string& output)
    {
        return run(packArguments(GetParam(), input, output), dir.path());
    }

    void expectFailure(const RunResult& result, const std::string& message)
    {
        EXPECT_EQ(result.err, message + "\n");
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.exitCode, 1);
    }

    ScratchDir dir;
};

TEST_P(SharedFileHandling, AMissingInputLeavesTheOutputEmpty)
{
    dir.write("out.rec", "old contents");
    expectFailure(pack("missing.bin", "out.rec"), "Could not open file \"missing.bin\" for input.");
    EXPECT_EQ(dir.read("out.rec"), "");
}

TEST_P(SharedFileHandling, AnErrorLineNeverLandsInTheOutputWhenStandardErrorIsClosed)
{
    RunOptions options;
    options.closeStderr = true;
    const RunResult result = run(packArguments(GetParam(), "missing.bin", "out.rec"), dir.path(), options);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(dir.read("out.rec"), "");
}

TEST_P(SharedFileHandling, AnInputDirectoryCannotBeOpenedForInput)
{
    std::filesystem::create_directory(dir / "folder");
    expectFailure(pack("folder", "out.rec"), "Could not open file \"folder\" for input.");
    EXPECT_EQ(dir.read("out.rec"), "");
}

TEST_P(SharedFileHandling, AnOutputThatCannotBeOpenedIsReportedFirst)
{
    dir.write("in.bin", "data");
    std::filesystem::create_directory(dir / "folder");
    expectFailure(pack("in.bin", "nodir/out.rec"), "Could not open file \"nodir/out.rec\" for output.");
    expectFailure(pack("missing.bin", "nodir/out.rec"), "Could not open file \"nodir/out.rec\" for output.");
    expectFailure(pack("in.bin", "folder"), "Could not open file \"folder\" for output.");
    EXPECT_FALSE(dir.exists("nodir"));
}

TEST_P(SharedFileHandling, EmptyPathsCannotBeOpened)
{
    dir.write("in.bin", "data");
    expectFailure(pack("in.bin", ""), "Could not open file \"\" for output.");
    expectFailure(pack("", "out.rec"), "Could not open file \"\" for input.");
    EXPECT_EQ(dir.read("out.rec"), "");
}

TEST_P(SharedFileHandling, AFullDeviceIsAWriteFailure)
{
    dir.write("in.bin", std::string(100000, 'w'));
    expectFailure(pack("in.bin", "/dev/full"), "Could not write file \"/dev/full\".");
}

TEST_P(SharedFileHandling, AReadErrorIsAReadFailure)
{
    // Reading this process's memory from address 0 fails with an I/O error.
    expectFailure(pack("/proc/self/mem", "out.rec"), "Could not read file \"/proc/self/mem\".");
}

TEST_P(SharedFileHandling, RefusesToPackAFileOntoItselfByAnyRoute)
{
    const std::string original(70000, 'q');
    dir.write("in.bin", original);
    std::filesystem::create_hard_link(dir / "in.bin", dir / "hard.bin");
    std::filesystem::create_symlink("in.bin", dir / "soft.bin");
    for (const std::string& output : std::vector<std::string>{"in.bin", "./in.bin", "hard.bin", "soft.bin"}) {
        SCOPED_TRACE(output);
        expectFailure(pack("in.bin", output),
                      "Input file \"in.bin\" and output file \"" + output + "\" are the same file.");
        EXPECT_EQ(dir.read("in.bin"), original);
    }
}

INSTANTIATE_TEST_SUITE_P(Modules, SharedFileHandling,
                         ::testing::Values(Module{"midi", "-midFile", {"-name", "n"}},
                                           Module{"wave", "-file", {}},
                                           Module{"tips", "-content", {"-next", "n"}}),
                         [](const auto& testCase) { return std::string(testCase.param.type); });

}  // namespace
}  // namespace recpack::testing
