#include "audio.h"

#include <algorithm>
#include <cmath>

double MidiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

void Filter::Tune(float cutoffHz, float damping) {
    f_ = 2.0f * static_cast<float>(std::sin(kTwoPi / 2 * std::min(cutoffHz, 16000.0f) / (2.0 * kSampleRate)));
    damping_ = damping;
}

std::vector<std::int16_t> ToPcm16(const std::vector<float>& sound, float peak) {
    float loudest = 0;
    for (float s : sound) loudest = std::max(loudest, std::fabs(s));
    const float gain = loudest > 0 ? peak * 32767.0f / loudest : 0.0f;
    std::vector<std::int16_t> pcm;
    pcm.reserve(sound.size());
    for (float s : sound) pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s * gain, -32767.0f, 32767.0f))));
    return pcm;
}
