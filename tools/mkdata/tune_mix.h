// The tune played through: every note rendered, an echo on the lead, a room around it all,
// mixed to stereo, one exact loop long.
#pragma once

#include <cstdint>
#include <vector>

// Interleaved 16-bit stereo, kTuneSamples frames, loudest sample at `peak` of full scale;
// empty if the score is broken.
std::vector<std::int16_t> RenderTune(float peak);
