// The background tune, "Night Over the Well": our own composition in D major, 112 beats a
// minute, 60 bars of 4 beats, just over two minutes: the opening tune, its answer and a
// climb, then a slower-feeling middle in B minor, then the answer again and home. Written to
// loop without a seam: the last bar leads back into the first.
#pragma once

#include <vector>

constexpr int kTuneBars = 60;
constexpr int kTuneBeats = kTuneBars * 4;
constexpr int kBeatSamples = 23625;  // 44100 * 60 / 112
constexpr long kTuneSamples = static_cast<long>(kTuneBeats) * kBeatSamples;

enum class Voice { Bass, Keys, Pad, Lead, Kick, Snare, Hat, OpenHat };

struct Note {
    Voice voice;
    double beat;   // start, from the top of the tune
    double beats;  // length
    int midi;      // pitch (drums: unused)
    float velocity;
};

// Every note of the tune. Fails (empty) only if the written score does not fill the tune's
// bars exactly, which would break the loop.
std::vector<Note> TuneScore();
