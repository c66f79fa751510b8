// The wave module (-type wave): wraps a wave file into a sound database file.
#pragma once

namespace recpack {

void checkWaveOptions();
void packWave();

}  // namespace recpack
