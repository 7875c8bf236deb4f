#include "sound_effects.h"

#include <algorithm>
#include <cmath>

#include "audio.h"
#include "prng.h"

namespace {

std::vector<float> Silence(double seconds) { return std::vector<float>(static_cast<std::size_t>(seconds * kSampleRate)); }

double Time(std::size_t i) { return static_cast<double>(i) / kSampleRate; }

// Rises over `attack` seconds and falls away smoothly to nothing at the sound's end.
float Envelope(double t, double attack, double length) {
    const double rise = t < attack ? t / attack : 1.0;
    const double left = (length - t) / 0.012;
    return static_cast<float>(rise * (left < 1.0 ? std::max(0.0, left) : 1.0));
}

}  // namespace

std::vector<float> ExplosionBoom() {
    const double length = 1.05;
    std::vector<float> sound = Silence(length);
    Prng prng(31337);
    Filter blast, rumble;
    rumble.Tune(120.0f, 0.7f);
    double phase = 0;
    float crackle = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = Time(i);
        // A sine that drops from a thump to a sub-bass rumble.
        phase += (38.0 + 90.0 * std::exp(-t / 0.07)) / kSampleRate;
        const float boom = Sine(phase) * static_cast<float>(std::exp(-t / 0.32));
        // Noise whose brightness falls away as the blast spreads.
        const float noise = static_cast<float>(prng.Range(-1, 1));
        const float cutoff = static_cast<float>(180.0 + 5200.0 * std::exp(-t / 0.09));
        blast.Tune(cutoff, 0.9f);
        const float roar = blast.Run(noise).low * static_cast<float>(std::exp(-t / 0.28));
        const float deep = rumble.Run(noise).low * static_cast<float>(1.6 * std::exp(-t / 0.45));
        // Debris: sparse clicks that thin out.
        if (t > 0.08 && prng.Unit() < 0.0022 * std::exp(-t / 0.35)) crackle = static_cast<float>(prng.Range(0.3, 0.8));
        crackle *= 0.93f;
        const float crack = crackle * noise;
        sound[i] = (0.9f * boom + 1.3f * roar + deep + 0.35f * crack) * Envelope(t, 0.002, length);
    }
    return sound;
}

std::vector<float> FlameWhoosh() {
    const double length = 0.17;
    std::vector<float> sound = Silence(length);
    Prng prng(404);
    Filter band;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = Time(i);
        // Breathy noise whose band climbs as the flame licks upward.
        const float centre = static_cast<float>(500.0 + 1600.0 * t / length);
        band.Tune(centre, 1.1f);
        const float air = band.Run(static_cast<float>(prng.Range(-1, 1))).band;
        const double shape = std::sin(3.14159265 * std::pow(t / length, 0.6));
        sound[i] = air * static_cast<float>(shape * shape) * Envelope(t, 0.004, length);
    }
    return sound;
}

std::vector<float> FlashChime() {
    const double length = 0.32;
    std::vector<float> sound = Silence(length);
    // Two bell strokes a fifth apart, the second a moment after the first.
    struct Stroke {
        double start, note;
    };
    const Stroke strokes[] = {{0.0, 88.0}, {0.045, 95.0}};
    // Partials of a small bell: ratio, strength, decay time.
    const double partials[][3] = {{1.0, 1.0, 0.16}, {2.76, 0.45, 0.07}, {5.40, 0.22, 0.035}, {2.0, 0.25, 0.12}};
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = Time(i);
        float sum = 0;
        for (const Stroke& s : strokes) {
            const double local = t - s.start;
            if (local < 0) continue;
            const double hz = MidiToHz(s.note);
            for (const auto& p : partials)
                sum += static_cast<float>(p[1] * std::exp(-local / p[2])) * Sine(hz * p[0] * local);
        }
        sound[i] = sum * Envelope(t, 0.0015, length);
    }
    return sound;
}

std::vector<float> LandingThud() {
    const double length = 0.1;
    std::vector<float> sound = Silence(length);
    Prng prng(808);
    Filter knock;
    knock.Tune(1800.0f, 0.8f);
    double phase = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = Time(i);
        phase += (62.0 + 95.0 * std::exp(-t / 0.018)) / kSampleRate;
        const float body = Sine(phase) * static_cast<float>(std::exp(-t / 0.032));
        // The click of the piece touching down.
        const float click = knock.Run(static_cast<float>(prng.Range(-1, 1))).low *
                            static_cast<float>(std::exp(-t / 0.006));
        sound[i] = (body + 0.5f * click) * Envelope(t, 0.001, length);
    }
    return sound;
}

const std::vector<SoundEffect>& SoundEffects() {
    static const std::vector<SoundEffect> effects = {{"Explo.Wav", 0.42f, ExplosionBoom},
                                                     {"Flame.Wav", 0.03f, FlameWhoosh},
                                                     {"Alpha.Wav", 0.2f, FlashChime},
                                                     {"Dynamic.Wav", 0.3f, LandingThud}};
    return effects;
}
