#include "packers/tips_packer.h"

#include "frontend/fatal_error.h"
#include "frontend/messages.h"
#include "frontend/module_dispatch.h"
#include "frontend/option_names.h"
#include "frontend/option_table.h"
#include "packers/file_io.h"
#include "packers/tips_page_record.h"

#include <string>

namespace recpack {

void checkTipsOptions()
{
    requireOption(options::content);
    requireOption(options::output);
}

void packTips()
{
    checkTipsOptions();
    const std::string menu = optionValue(options::menu);
    const std::string base = optionValue(options::base);
    const std::string done = optionValue(options::done);
    const std::string nav = optionValue(options::nav);
    const std::string status = optionValue(options::status);
    const std::string prev = optionValue(options::prev);
    const std::string next = optionValue(options::next);
    const std::string inputPath = optionValue(options::content);
    const std::string outputPath = optionValue(options::output);

    const TipsPage page{.next = next, .prev = prev, .status = status, .menu = menu,
                        .done = done, .nav = nav, .base = base};
    if (stringAreaLength(page) > kMaxStringAreaBytes) {
        fatalError(messages::tipsStringsTooLong(kMaxStringAreaBytes));
    }
    const std::string prefix = buildTipsPagePrefix(page);

    refuseSameFile(inputPath, outputPath);
    OutputFile output = openOutputFile(outputPath);
    InputFile input = openInputFile(inputPath);
    output.write(prefix);
    copyToEnd(input, output);
    output.close();
    input.close();
}

}  // namespace recpack
