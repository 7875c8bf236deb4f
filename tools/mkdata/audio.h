// The sound generator's shared pieces: the rate, a sine table, band-limited saw and square,
// a state-variable filter, and conversion of a finished sound to 16-bit samples.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

constexpr int kSampleRate = 44100;
constexpr double kTwoPi = 6.283185307179586;

double MidiToHz(double note);

// The oscillators run for every sample of every note, so they are defined here, where the
// compiler can fold them into the voices' loops.
namespace audio_detail {

constexpr int kSineSize = 8192;

inline const std::array<float, kSineSize + 1> kSineTable = [] {
    std::array<float, kSineSize + 1> t{};
    for (int i = 0; i <= kSineSize; ++i) t[i] = static_cast<float>(std::sin(kTwoPi * i / kSineSize));
    return t;
}();

// The correction that rounds off a jump at phase 0 of a unit-high step.
inline double Blep(double t, double dt) {
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

inline double Wrap(double phase) { return phase - std::floor(phase); }

}  // namespace audio_detail

// sin(2 pi phase) for a phase in cycles, from a table: fast and the same on every run.
inline float Sine(double phase) {
    const double p = audio_detail::Wrap(phase) * audio_detail::kSineSize;
    const int i = static_cast<int>(p);
    const float f = static_cast<float>(p - i);
    return audio_detail::kSineTable[i] + (audio_detail::kSineTable[i + 1] - audio_detail::kSineTable[i]) * f;
}

// A saw and a square rising through one cycle per unit of phase, with their jumps smoothed
// over one sample (PolyBLEP) so high notes do not alias. step = cycles per sample.
inline float Saw(double phase, double step) {
    const double t = audio_detail::Wrap(phase);
    return static_cast<float>(2.0 * t - 1.0 - audio_detail::Blep(t, step));
}

inline float Square(double phase, double step) {
    const double t = audio_detail::Wrap(phase);
    const double naive = t < 0.5 ? 1.0 : -1.0;
    return static_cast<float>(naive + audio_detail::Blep(t, step) - audio_detail::Blep(audio_detail::Wrap(t + 0.5), step));
}

// Chamberlin state-variable filter, run at twice the rate for stability at high cut-offs.
class Filter {
public:
    struct Out {
        float low, band, high;
    };
    // Damping 2 is gentle, towards 0 it rings.
    void Tune(float cutoffHz, float damping);
    Out Run(float in) {
        float high = 0;
        for (int pass = 0; pass < 2; ++pass) {
            low_ += f_ * band_;
            high = in - low_ - damping_ * band_;
            band_ += f_ * high;
        }
        return {low_, band_, high};
    }

private:
    float f_ = 0, damping_ = 1, low_ = 0, band_ = 0;
};

// A sound at the rate above as 16-bit samples, scaled so its loudest sample reaches `peak`
// of full scale (0 to 1); a silent sound stays silent.
std::vector<std::int16_t> ToPcm16(const std::vector<float>& sound, float peak);
