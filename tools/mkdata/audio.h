// The sound generator's shared pieces: the rate, a sine table, band-limited saw and square,
// a state-variable filter, and conversion of a finished sound to 16-bit samples.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kSampleRate = 44100;
constexpr double kTwoPi = 6.283185307179586;

double MidiToHz(double note);
// sin(2 pi phase) for a phase in cycles, from a table: fast and the same on every run.
float Sine(double phase);
// A saw and a square rising through one cycle per unit of phase, with their jumps smoothed
// over one sample (PolyBLEP) so high notes do not alias. step = cycles per sample.
float Saw(double phase, double step);
float Square(double phase, double step);

// Chamberlin state-variable filter, run at twice the rate for stability at high cut-offs.
class Filter {
public:
    struct Out {
        float low, band, high;
    };
    // Damping 2 is gentle, towards 0 it rings.
    void Tune(float cutoffHz, float damping);
    Out Run(float in);

private:
    float f_ = 0, damping_ = 1, low_ = 0, band_ = 0;
};

// A sound at the rate above as 16-bit samples, scaled so its loudest sample reaches `peak`
// of full scale (0 to 1); a silent sound stays silent.
std::vector<std::int16_t> ToPcm16(const std::vector<float>& sound, float peak);
