// The midi module (-type midi): wraps a MIDI file into a MIDI song record file.
#pragma once

namespace recpack {

void checkMidiOptions();
void packMidi();

}  // namespace recpack
