// The MIDI song record: a 6-byte header, the song name and its terminating 0 byte, then the
// MIDI file's bytes. Used by the midi packer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace recpack {

struct MidiSongHeader {
    std::array<std::uint8_t, 4> signature;  // "PMrc"
    std::uint8_t dataOffset;                 // where the song data begins: name length + 7
    std::uint8_t reserved;
};
static_assert(sizeof(MidiSongHeader) == 6);

inline constexpr std::array<std::uint8_t, 4> kMidiSongSignature = {'P', 'M', 'r', 'c'};
// dataOffset is one byte, so the longest name that it can point past is 255 - 7 bytes.
inline constexpr std::size_t kMaxSongNameBytes = 248;

MidiSongHeader buildMidiSongHeader(std::size_t nameLength);

// Everything before the song data: the header, the name and its terminator.
std::string buildMidiSongPrefix(std::string_view name);

}  // namespace recpack
