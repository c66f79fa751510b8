#include "packers/midi_packer.h"

#include "frontend/fatal_error.h"
#include "frontend/messages.h"
#include "frontend/module_dispatch.h"
#include "frontend/option_names.h"
#include "frontend/option_table.h"
#include "packers/file_io.h"
#include "packers/midi_song_record.h"

#include <string>

namespace recpack {

void checkMidiOptions()
{
    requireOption(options::name);
    requireOption(options::midFile);
    requireOption(options::output);
}

void packMidi()
{
    checkMidiOptions();
    const std::string songName = optionValue(options::name);
    const std::string outputPath = optionValue(options::output);
    const std::string inputPath = optionValue(options::midFile);
    if (songName.size() > kMaxSongNameBytes) {
        fatalError(messages::optionTooLong(options::name, kMaxSongNameBytes));
    }
    const std::string prefix = buildMidiSongPrefix(songName);

    refuseSameFile(inputPath, outputPath);
    OutputFile output = openOutputFile(outputPath);
    InputFile input = openInputFile(inputPath);
    output.write(prefix);
    copyToEnd(input, output);
    output.close();
    input.close();
}

}  // namespace recpack
