#include "frontend/program.h"

#include "frontend/command_line.h"
#include "frontend/fatal_error.h"
#include "frontend/module_dispatch.h"
#include "frontend/option_table.h"

namespace recpack {

int runProgram(int count, const char* const* arguments)
{
    optionTable().clear();
    return runToExitCode([&] {
        parseCommandLine(count, arguments);
        runModule();
    });
}

}  // namespace recpack
