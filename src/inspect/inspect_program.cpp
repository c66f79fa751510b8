#include "inspect/inspect_program.h"

#include "frontend/fatal_error.h"
#include "frontend/messages.h"
#include "frontend/module_dispatch.h"
#include "frontend/option_names.h"
#include "frontend/option_table.h"
#include "frontend/write_all.h"
#include "inspect/midi_record_reader.h"
#include "inspect/sound_database_reader.h"
#include "inspect/tips_page_reader.h"
#include "packers/file_io.h"

#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace recpack::inspect {
namespace {

constexpr std::string_view kRecordOption = "-record";
constexpr std::string_view kExtractOption = "-extract";
constexpr std::string_view kFormatOption = "-format";
constexpr std::size_t kOutputBufferBytes = std::size_t{64} * 1024;

constexpr std::string_view kHelp =
    "recpack-inspect: read a record back, check it and extract the file it wraps\n"
    "\n"
    " -record  <file name> record file to inspect (required)\n"
    " -type    <module>    midi, wave or tips (midi and wave records are recognised)\n"
    " -extract <file name> write the wrapped file's bytes to this file\n"
    " -format  text|json   how the fields are printed (default text)\n";

void writeStandardOutput(std::string_view text)
{
    if (!writeAll(STDOUT_FILENO, text.data(), text.size())) {
        fatalError(messages::cannotWriteStandardOutput());
    }
}

[[noreturn]] void showHelpAndEnd()
{
    writeStandardOutput(kHelp);
    endRun(0);
}

// The same pairs as recpack's: names at odd positions, each followed by its value.
void parseInspectCommandLine(int count, const char* const* arguments)
{
    if (count < 2) {
        showHelpAndEnd();
    }
    for (int i = 1; i < count; i += 2) {
        const std::string_view name = arguments[i];
        if (name == options::help) {
            showHelpAndEnd();
        }
        if (i + 1 >= count) {
            fatalError(messages::missingValue(name));
        }
        optionTable().store(name, arguments[i + 1]);
    }
}

// The module named by -type, or the one whose signature the record carries.
std::string recordType(InputFile& record)
{
    if (hasOption(options::type)) {
        std::string type = optionValue(options::type);
        if (type != modules::midi && type != modules::wave && type != modules::tips) {
            fatalError(messages::unknownType(type));
        }
        return type;
    }
    const std::string head = readUpTo(record, 68);
    if (::lseek(record.fd(), 0, SEEK_SET) != 0) {
        fatalError(messages::cannotRead(record.path()));
    }
    if (head.starts_with("PMrc")) {
        return std::string(modules::midi);
    }
    if (head.size() == 68 && head.substr(60) == "datahWAV") {
        return std::string(modules::wave);
    }
    recordFault(record, messages::fault::notRecognised());
}

void extractContent(InputFile& record, std::uint64_t contentOffset)
{
    const std::string path = optionValue(kExtractOption);
    refuseSameFile(record.path(), path);
    OutputFile output = openOutputFile(path);
    if (::lseek(record.fd(), static_cast<off_t>(contentOffset), SEEK_SET) < 0) {
        fatalError(messages::cannotRead(record.path()));
    }
    copyToEnd(record, output);
    output.close();
}

void inspectRecord()
{
    requireOption(kRecordOption);
    const std::string format = hasOption(kFormatOption) ? optionValue(kFormatOption) : "text";
    if (format != "text" && format != "json") {
        fatalError(messages::unknownFormat(format));
    }
    InputFile record = openInputFile(optionValue(kRecordOption));
    struct stat status {};
    if (::fstat(record.fd(), &status) != 0 || !S_ISREG(status.st_mode)) {
        fatalError(messages::notRegularFile(record.path()));
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    const std::string type = recordType(record);
    const Inspection inspection = type == modules::midi   ? inspectMidiRecord(record, size)
                                  : type == modules::wave ? inspectSoundDatabase(record, size)
                                                          : inspectTipsPage(record, size);
    if (hasOption(kExtractOption)) {
        extractContent(record, inspection.contentOffset);
    }
    std::string buffer;
    const Write write = [&buffer](std::string_view piece) {
        buffer.append(piece);
        if (buffer.size() >= kOutputBufferBytes) {
            writeStandardOutput(buffer);
            buffer.clear();
        }
    };
    if (format == "json") {
        inspection.report.writeJson(write);
        write("\n");
    } else {
        inspection.report.writeText(write);
    }
    writeStandardOutput(buffer);
}

}  // namespace

int runInspect(int count, const char* const* arguments)
{
    optionTable().clear();
    return runToExitCode([&] {
        parseInspectCommandLine(count, arguments);
        inspectRecord();
    });
}

}  // namespace recpack::inspect
