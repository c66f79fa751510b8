// Guarding the standard streams at start-up; used by the entry points of recpack and
// recpack-inspect.
#pragma once

namespace recpack {

// Opens a stand-in on each standard stream that the process was started without. Otherwise
// the first file a run opens would take its number, and an error line could land in the
// user's output file. A closed standard output gets /dev/full, so that writing a help
// screen still fails as it would have.
void occupyClosedStandardStreams();

}  // namespace recpack
