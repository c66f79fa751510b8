#include "frontend/messages.h"

#include <initializer_list>

namespace recpack::messages {
namespace {

std::string join(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

}  // namespace

std::string missingValue(std::string_view name)
{
    return join({"Argument ", name, " requires a value."});
}

std::string typeRequired()
{
    return join({"A ", "-type", " parameter is required."});
}

std::string unknownType(std::string_view value)
{
    return join({"Unknown type parameter ", value, "."});
}

std::string optionRequired(std::string_view name)
{
    return join({"Argument ", name, " is required, but was not given."});
}

std::string optionTooLong(std::string_view name, std::uint64_t maxBytes)
{
    return join({"Argument ", name, " is longer than ", std::to_string(maxBytes), " bytes."});
}

std::string cannotOpenForOutput(std::string_view path)
{
    return join({"Could not open file \"", path, "\" for output."});
}

std::string cannotOpenForInput(std::string_view path)
{
    return join({"Could not open file \"", path, "\" for input."});
}

std::string cannotWrite(std::string_view path)
{
    return join({"Could not write file \"", path, "\"."});
}

std::string cannotRead(std::string_view path)
{
    return join({"Could not read file \"", path, "\"."});
}

std::string sameFile(std::string_view input, std::string_view output)
{
    return join({"Input file \"", input, "\" and output file \"", output, "\" are the same file."});
}

std::string fileTooLarge(std::string_view path, std::uint64_t maxBytes)
{
    return join({"File \"", path, "\" is too large: at most ", std::to_string(maxBytes), " bytes fit."});
}

std::string fileChanged(std::string_view path)
{
    return join({"File \"", path, "\" changed while it was read."});
}

std::string tipsStringsTooLong(std::uint64_t maxBytes)
{
    return join({"The tips page strings need more than ", std::to_string(maxBytes), " bytes."});
}

std::string cannotWriteStandardOutput()
{
    return "Could not write to standard output.";
}

}  // namespace recpack::messages
