// The four help screens on standard output. A screen that cannot be written ends the run
// through fatalError; otherwise the caller ends the run.
#pragma once

namespace recpack {

void printGeneralHelp();
void printMidiHelp();
void printWaveHelp();
void printTipsHelp();

}  // namespace recpack
