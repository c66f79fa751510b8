#include "frontend/command_line.h"

#include "frontend/fatal_error.h"
#include "frontend/help_screens.h"
#include "frontend/messages.h"
#include "frontend/option_names.h"
#include "frontend/option_table.h"

#include <string_view>

namespace recpack {
namespace {

[[noreturn]] void showHelpAndEnd(std::string_view module)
{
    if (module == modules::midi) {
        printMidiHelp();
    } else if (module == modules::wave) {
        printWaveHelp();
    } else if (module == modules::tips) {
        printTipsHelp();
    } else {
        printGeneralHelp();
    }
    endRun(0);
}

}  // namespace

void parseCommandLine(int count, const char* const* arguments)
{
    if (count < 2) {
        printGeneralHelp();
        endRun(0);
    }
    for (int i = 1; i < count; i += 2) {
        const std::string_view name = arguments[i];
        if (i + 1 >= count) {
            if (name == options::help) {
                printGeneralHelp();
                endRun(0);
            }
            fatalError(messages::missingValue(name));
        }
        const std::string_view value = arguments[i + 1];
        optionTable().store(name, value);
        if (name == options::help) {
            showHelpAndEnd(value);
        }
    }
}

}  // namespace recpack
