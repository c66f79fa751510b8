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

std::string unknownFormat(std::string_view value)
{
    return join({"Unknown format parameter ", value, "."});
}

std::string notRegularFile(std::string_view path)
{
    return join({"File \"", path, "\" is not a regular file."});
}

std::string recordFault(std::string_view path, std::string_view detail)
{
    return join({"File \"", path, "\": ", detail, "."});
}

}  // namespace recpack::messages

namespace recpack::messages::fault {
namespace {

std::string number(std::uint64_t value)
{
    return std::to_string(value);
}

std::string hex(std::uint64_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value > 0);
    if (text.size() % 2 != 0) {
        text.insert(text.begin(), '0');
    }
    return "0x" + text;
}

}  // namespace

std::string notRecognised()
{
    return "not a MIDI song record or a sound database; give -type tips for a tips page record";
}

std::string tooShort(std::string_view what, std::uint64_t have, std::uint64_t need)
{
    return join({"too short for a ", what, " header: ", number(have), " of ", number(need), " bytes"});
}

std::string noSignature()
{
    return "no \"PMrc\" signature at offset 0";
}

std::string notZero(std::string_view field, std::uint64_t offset, std::uint64_t value)
{
    return join({field, " at offset ", number(offset), " is ", hex(value), ", not 0"});
}

std::string unterminated(std::string_view what, std::uint64_t offset)
{
    return join({"the ", what, " at offset ", number(offset), " has no terminating 0 byte"});
}

std::string dataOffsetMismatch(std::uint64_t dataOffset, std::uint64_t expected)
{
    return join({"data offset ", number(dataOffset), " at offset 4 does not match the name, whose end puts the data at ",
                 number(expected)});
}

std::string notSoundDatabase()
{
    return "type and creator at offset 60 are not \"data\" and \"hWAV\"";
}

std::string noRecords()
{
    return "number of records at offset 76 is 0";
}

std::string listPastEnd(std::uint64_t records, std::uint64_t end, std::uint64_t size)
{
    return join({"the record list of ", number(records), " entries ends at offset ", number(end),
                 ", past the end of the file (", number(size), " bytes)"});
}

std::string recordCountMismatch(std::uint64_t records, std::uint64_t first, std::uint64_t expected)
{
    return join({"number of records ", number(records), " at offset 76 does not match the record list: entry 0 points to offset ",
                 number(first), ", not ", number(expected)});
}

std::string entryOutOfOrder(std::uint64_t index, std::uint64_t at, std::uint64_t offset, std::uint64_t previous)
{
    return join({"entry ", number(index), " at offset ", number(at), " points to offset ", number(offset),
                 ", before the previous entry's ", number(previous)});
}

std::string entryPastEnd(std::uint64_t index, std::uint64_t at, std::uint64_t offset, std::uint64_t size)
{
    return join({"entry ", number(index), " at offset ", number(at), " points to offset ", number(offset),
                 ", past the end of the file (", number(size), " bytes)"});
}

std::string stringAreaPastEnd(std::uint64_t length, std::uint64_t size)
{
    return join({"the string area of ", number(length), " bytes at offset 12 runs past the end of the file (", number(size),
                 " bytes)"});
}

std::string stringOffsetMismatch(std::string_view name, std::uint64_t at, std::uint64_t offset, std::uint64_t expected)
{
    return join({"the ", name, " string's offset ", number(offset), " at offset ", number(at),
                 " does not match the string area: expected ", number(expected)});
}

std::string absentStringOffset(std::string_view name, std::uint64_t at, std::uint64_t offset)
{
    return join({"the ", name, " string is absent but its offset at offset ", number(at), " is ", number(offset), ", not 0"});
}

std::string stringAreaLengthMismatch(std::uint64_t length, std::uint64_t used)
{
    return join({"string area length ", number(length), " at offset 10 does not match its strings, which take ", number(used),
                 " bytes"});
}

std::string reservedFlagSet()
{
    return "reserved flag bit 0x01 at offset 1 is set";
}

}  // namespace recpack::messages::fault
