#include "packers/midi_song_record.h"

#include "packers/byte_order.h"

namespace recpack {

MidiSongHeader buildMidiSongHeader(std::size_t nameLength)
{
    return MidiSongHeader{
        .signature = kMidiSongSignature,
        .dataOffset = static_cast<std::uint8_t>(sizeof(MidiSongHeader) + nameLength + 1),
        .reserved = 0,
    };
}

std::string buildMidiSongPrefix(std::string_view name)
{
    const MidiSongHeader header = buildMidiSongHeader(name.size());
    std::string prefix;
    prefix.reserve(sizeof header + name.size() + 1);
    prefix.append(bytesOf(header));
    prefix.append(name);
    prefix.push_back('\0');
    return prefix;
}

}  // namespace recpack
