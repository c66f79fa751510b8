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

std::string unknownFormat(std::string_view value);
std::string notRegularFile(std::string_view path);
// A fault found in a record: "File \"path\": " + detail + ".", detail being one of those below.
std::string recordFault(std::string_view path, std::string_view detail);

}  // namespace recpack::messages

// The details of recordFault: what is wrong with a record and where.
namespace recpack::messages::fault {

std::string notRecognised();
std::string tooShort(std::string_view what, std::uint64_t have, std::uint64_t need);
std::string noSignature();
std::string notZero(std::string_view field, std::uint64_t offset, std::uint64_t value);
std::string unterminated(std::string_view what, std::uint64_t offset);
std::string dataOffsetMismatch(std::uint64_t dataOffset, std::uint64_t expected);
std::string notSoundDatabase();
std::string noRecords();
std::string listPastEnd(std::uint64_t records, std::uint64_t end, std::uint64_t size);
std::string recordCountMismatch(std::uint64_t records, std::uint64_t first, std::uint64_t expected);
std::string entryOutOfOrder(std::uint64_t index, std::uint64_t at, std::uint64_t offset, std::uint64_t previous);
std::string entryPastEnd(std::uint64_t index, std::uint64_t at, std::uint64_t offset, std::uint64_t size);
std::string stringAreaPastEnd(std::uint64_t length, std::uint64_t size);
std::string stringOffsetMismatch(std::string_view name, std::uint64_t at, std::uint64_t offset, std::uint64_t expected);
std::string absentStringOffset(std::string_view name, std::uint64_t at, std::uint64_t offset);
std::string stringAreaLengthMismatch(std::uint64_t length, std::uint64_t used);
std::string reservedFlagSet();

}  // namespace recpack::messages::fault
