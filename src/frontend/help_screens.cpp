#include "frontend/help_screens.h"

#include "frontend/fatal_error.h"
#include "frontend/messages.h"
#include "frontend/write_all.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <unistd.h>

namespace recpack {
namespace {

// One write per line, so each line reaches standard output before the next is written.
void printScreen(std::initializer_list<std::string_view> lines)
{
    std::string line;
    for (std::string_view text : lines) {
        line.assign(text);
        line.push_back('\n');
        if (!writeAll(STDOUT_FILENO, line.data(), line.size())) {
            fatalError(messages::cannotWriteStandardOutput());
        }
    }
}

}  // namespace

void printGeneralHelp()
{
    printScreen({
        "Please invoke the program with -help <module>, where",
        "module is one of:",
        "",
        "midi",
        "wave",
        "tips",
    });
}

void printMidiHelp()
{
    printScreen({
        "midi (-type midi):",
        "",
        " -name    <song name> song name",
        " -midFile <file name> mid file name",
        " -o       <file name> output file name",
    });
}

void printWaveHelp()
{
    printScreen({
        "wave (-type wave):",
        "",
        " -file\t  <file name> wave file name",
        " -o\t\t  <file name> output file name",
    });
}

void printTipsHelp()
{
    printScreen({
        "tips (-type tips):",
        "",
        " -nav     1           (if present, displays navigation bar)",
        " -done    1           (if present, displays done button)",
        " -menu    <url>       url for the menu button",
        " -prev    <url>       url for the prev button",
        " -next    <url>       url for the next button",
        " -status  <status>    text for the status field",
        " -content <file name> content file name",
        " -o       <file name> output file name",
    });
}

}  // namespace recpack
