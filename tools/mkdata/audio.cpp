#include "audio.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kSineSize = 8192;

const std::array<float, kSineSize + 1>& SineTable() {
    static const std::array<float, kSineSize + 1> table = [] {
        std::array<float, kSineSize + 1> t{};
        for (int i = 0; i <= kSineSize; ++i) t[i] = static_cast<float>(std::sin(kTwoPi * i / kSineSize));
        return t;
    }();
    return table;
}

// The correction that rounds off a jump at phase 0 of a unit-high step.
double Blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Wrap(double phase) { return phase - std::floor(phase); }

}  // namespace

double MidiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

float Sine(double phase) {
    const double p = Wrap(phase) * kSineSize;
    const int i = static_cast<int>(p);
    const float f = static_cast<float>(p - i);
    const auto& table = SineTable();
    return table[i] + (table[i + 1] - table[i]) * f;
}

float Saw(double phase, double step) {
    const double t = Wrap(phase);
    return static_cast<float>(2.0 * t - 1.0 - Blep(t, step));
}

float Square(double phase, double step) {
    const double t = Wrap(phase);
    const double naive = t < 0.5 ? 1.0 : -1.0;
    return static_cast<float>(naive + Blep(t, step) - Blep(Wrap(t + 0.5), step));
}

void Filter::Tune(float cutoffHz, float damping) {
    f_ = 2.0f * static_cast<float>(std::sin(kTwoPi / 2 * std::min(cutoffHz, 16000.0f) / (2.0 * kSampleRate)));
    damping_ = damping;
}

Filter::Out Filter::Run(float in) {
    float high = 0;
    for (int pass = 0; pass < 2; ++pass) {
        low_ += f_ * band_;
        high = in - low_ - damping_ * band_;
        band_ += f_ * high;
    }
    return {low_, band_, high};
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
