// Every message the program writes on standard error, composed from fixed pieces and the
// user's bytes. The front end and the packers take their texts from here only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace recpack::messages {

std::string missingValue(std::string_view name);
std::string typeRequired();
std::string unknownType(std::string_view value);
std::string optionRequired(std::string_view name);
std::string optionTooLong(std::string_view name, std::uint64_t maxBytes);

std::string cannotOpenForOutput(std::string_view path);
std::string cannotOpenForInput(std::string_view path);
std::string cannotWrite(std::string_view path);
std::string cannotRead(std::string_view path);
std::string sameFile(std::string_view input, std::string_view output);
std::string fileTooLarge(std::string_view path, std::uint64_t maxBytes);
std::string fileChanged(std::string_view path);

std::string tipsStringsTooLong(std::uint64_t maxBytes);
std::string cannotWriteStandardOutput();

}  // namespace recpack::messages
