#include "packers/wave_packer.h"

#include "frontend/fatal_error.h"
#include "frontend/messages.h"
#include "frontend/module_dispatch.h"
#include "frontend/option_names.h"
#include "frontend/option_table.h"
#include "packers/byte_order.h"
#include "packers/clock.h"
#include "packers/file_io.h"
#include "packers/sound_database.h"

#include <string>

namespace recpack {
namespace {

// Header and record list are staged here and written in as few writes as their size allows,
// in constant memory whatever the number of records.
constexpr std::size_t kStagingBytes = std::size_t{64} * 1024;

void writeHeaderAndRecordList(OutputFile& output, const SoundDatabaseHeader& header, std::uint32_t records)
{
    std::string staging;
    staging.reserve(kStagingBytes);
    staging.append(bytesOf(header));
    for (std::uint32_t i = 0; i < records; ++i) {
        if (staging.size() + sizeof(RecordListEntry) > kStagingBytes) {
            output.write(staging);
            staging.clear();
        }
        staging.append(bytesOf(buildRecordListEntry(records, i)));
    }
    output.write(staging);
}

}  // namespace

void checkWaveOptions()
{
    requireOption(options::file);
    requireOption(options::output);
}

void packWave()
{
    checkWaveOptions();
    const std::string outputPath = optionValue(options::output);
    const std::string inputPath = optionValue(options::file);
    if (inputPath.size() > kMaxDatabaseNameBytes) {
        fatalError(messages::optionTooLong(options::file, kMaxDatabaseNameBytes));
    }

    refuseSameFile(inputPath, outputPath);
    OutputFile output = openOutputFile(outputPath);
    InputFile firstPass = openInputFile(inputPath);
    const std::int64_t now = currentTime();
    // The size that goes into the header is always measured by reading; a file that the file
    // system already states too large is refused without reading gigabytes first.
    if (statedSize(firstPass) > kMaxWaveInputBytes) {
        fatalError(messages::fileTooLarge(inputPath, kMaxWaveInputBytes));
    }
    const std::uint64_t size = measureToEnd(firstPass, kMaxWaveInputBytes);
    if (size > kMaxWaveInputBytes) {
        fatalError(messages::fileTooLarge(inputPath, kMaxWaveInputBytes));
    }
    firstPass.close();

    const std::uint32_t records = recordCount(size);
    writeHeaderAndRecordList(output, buildSoundDatabaseHeader(inputPath, records, now), records);

    InputFile input = openInputFile(inputPath);
    if (copyAtMost(input, output, size) != size || !atEnd(input)) {
        fatalError(messages::fileChanged(inputPath));
    }
    output.close();
    input.close();
}

}  // namespace recpack
