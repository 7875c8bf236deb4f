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
    const double length = 1.35;
    std::vector<float> sound = Silence(length);
    Prng prng(31337);
    Filter blast, body;
    body.Tune(240.0f, 0.8f);
    double phase = 0;
    float crackle = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = Time(i);
        // The tail rings on and then dies away by itself long before the sound's end.
        const double tail = std::exp(-(t / 0.58) * (t / 0.58));
        // A thump that settles on a low body in the range small speakers still give.
        phase += (165.0 + 160.0 * std::exp(-t / 0.05)) / kSampleRate;
        const float boom = Sine(phase) * static_cast<float>(std::exp(-t / 0.22));
        // Noise whose brightness falls away as the blast spreads.
        const float noise = static_cast<float>(prng.Range(-1, 1));
        const float cutoff = static_cast<float>(300.0 + 5000.0 * std::exp(-t / 0.09));
        blast.Tune(cutoff, 0.9f);
        const float roar = blast.Run(noise).low * static_cast<float>(std::exp(-t / 0.25));
        const float rumble = body.Run(noise).band * static_cast<float>(2.2 * tail);
        // Debris: sparse clicks that thin out.
        if (t > 0.08 && prng.Unit() < 0.0022 * std::exp(-t / 0.35)) crackle = static_cast<float>(prng.Range(0.3, 0.8));
        crackle *= 0.93f;
        const float crack = crackle * noise;
        sound[i] = (0.8f * boom + 1.2f * roar + rumble + 0.35f * crack) * static_cast<float>(tail) * Envelope(t, 0.002, length);
    }
    return sound;
}

std::vector<float> FlameWhoosh() {
    const double length = 0.3;
    std::vector<float> sound = Silence(length);
    Prng prng(404);
    Filter band, snap;
    snap.Tune(2600.0f, 0.7f);
    float crackle = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = Time(i);
        const float noise = static_cast<float>(prng.Range(-1, 1));
        // A short whoosh as the flame catches, its band climbing as it licks upward.
        const float centre = static_cast<float>(600.0 + 2400.0 * t / length);
        band.Tune(centre, 1.0f);
        const double swell = t < 0.03 ? t / 0.03 : std::exp(-(t - 0.03) / 0.05);
        const float whoosh = band.Run(noise).band * static_cast<float>(swell);
        // Then the crackle of burning: snaps of every size at uneven times, so no two moments
        // of the sound are alike and copies laid over each other do not ring.
        if (prng.Unit() < 0.005 * std::max(0.0, 0.9 - t / length)) crackle = static_cast<float>(prng.Range(0.3, 1.0));
        crackle *= 0.98f;
        const float snaps = snap.Run(noise * crackle).band;
        sound[i] = (0.6f * whoosh + snaps) * Envelope(t, 0.002, length);
    }
    return sound;
}

std::vector<float> FlashChime() {
    const double length = 1.1;
    std::vector<float> sound = Silence(length);
    // Two bell strokes a fifth apart, the second a moment after the first.
    struct Stroke {
        double start, note;
    };
    const Stroke strokes[] = {{0.0, 88.0}, {0.045, 95.0}};
    // Partials of a small bell: ratio, strength, decay time.
    // The longest dies to a thousandth within the sound.
    const double partials[][3] = {{1.0, 1.0, 0.15}, {2.76, 0.45, 0.08}, {5.40, 0.22, 0.04}, {2.0, 0.25, 0.12}};
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
        phase += (180.0 + 110.0 * std::exp(-t / 0.018)) / kSampleRate;
        const float body = Sine(phase) * static_cast<float>(std::exp(-t / 0.032));
        // The click of the piece touching down.
        const float click = knock.Run(static_cast<float>(prng.Range(-1, 1))).low *
                            static_cast<float>(std::exp(-t / 0.006));
        sound[i] = (body + 0.5f * click) * Envelope(t, 0.001, length);
    }
    return sound;
}

const std::vector<SoundEffect>& SoundEffects() {
    static const std::vector<SoundEffect> effects = {{"Explo.Wav", 0.32f, ExplosionBoom},
                                                     {"Flame.Wav", 0.18f, FlameWhoosh},
                                                     {"Alpha.Wav", 0.16f, FlashChime},
                                                     {"Dynamic.Wav", 0.3f, LandingThud}};
    return effects;
}
