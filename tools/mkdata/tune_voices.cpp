#include "tune_voices.h"

#include <algorithm>
#include <cmath>

#include "audio.h"
#include "prng.h"

namespace {

struct Pan {
    float left, right;
};

// Equal-power placement, -1 left to 1 right.
Pan PanAt(float position) {
    const double angle = (position + 1.0) * 0.25 * 3.14159265358979;
    return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

long SampleAt(double beat) { return std::lround(beat * kBeatSamples); }
long Seconds(double s) { return std::lround(s * kSampleRate); }

// Attack, then held; after the note's end a release of its own length.
float Gate(long i, long held, long attack, long release) {
    if (i < attack) return static_cast<float>(i) / attack;
    if (i < held) return 1.0f;
    return std::max(0.0f, 1.0f - static_cast<float>(i - held) / release);
}

// exp(-t / seconds) sample by sample, by one multiplication each.
class Decay {
public:
    explicit Decay(double seconds) : factor_(static_cast<float>(std::exp(-1.0 / (seconds * kSampleRate)))) {}
    float Next() {
        const float v = value_;
        value_ *= factor_;
        return v;
    }

private:
    float factor_;
    float value_ = 1.0f;
};

// Sweeping filters are retuned only this often; nobody hears the steps.
constexpr long kRetune = 32;

void Bass(const Note& n, LoopBuffer& out) {
    const long start = SampleAt(n.beat), held = SampleAt(n.beats) - Seconds(0.01), release = Seconds(0.05);
    const double step = MidiToHz(n.midi) / kSampleRate;
    Filter tone;
    Decay pluck(0.06), body(0.15);
    for (long i = 0; i < held + release; ++i) {
        const float p = pluck.Next(), b = body.Next();
        if (i % kRetune == 0) tone.Tune(300.0f + 1400.0f * p, 1.2f);
        const float wave = Sine(step * i) * 0.8f + tone.Run(Saw(step * i, step)).low * 0.45f;
        const float s = wave * Gate(i, held, Seconds(0.003), release) * (0.72f + 0.28f * b) * n.velocity * 0.36f;
        out.Add(start + i, s, s);
    }
}

// A soft electric piano: a sine whose brightness (the depth of its own frequency modulation)
// dies away quickly, over a long fading body.
void Keys(const Note& n, LoopBuffer& out) {
    const long start = SampleAt(n.beat), held = SampleAt(n.beats), release = Seconds(0.12);
    const double step = MidiToHz(n.midi) / kSampleRate;
    const Pan pan = PanAt(-0.3f + 0.02f * static_cast<float>(n.midi - 60));
    Decay bright(0.18), tineFade(0.03), fade(1.1);
    for (long i = 0; i < held + release; ++i) {
        const double phase = step * i;
        const float index = 0.25f + 1.6f * bright.Next();
        // The tine's ping is gone after a tenth of a second; past that it is not worked out.
        const float tine = i < Seconds(0.12) ? Sine(phase * 7.0) * 0.06f * tineFade.Next() : 0.0f;
        const float s = (Sine(phase + index * Sine(phase) / kTwoPi) + tine) * Gate(i, held, Seconds(0.002), release) *
                        fade.Next() * n.velocity * 0.13f;
        out.Add(start + i, s * pan.left, s * pan.right);
    }
}

// A warm string pad: two saws a few cents apart, one each side, each through two gentle
// one-pole low-passes.
void Pad(const Note& n, LoopBuffer& out) {
    const long start = SampleAt(n.beat), held = SampleAt(n.beats), release = Seconds(0.45);
    const double hz = MidiToHz(n.midi);
    const double stepL = hz * 0.9966 / kSampleRate, stepR = hz * 1.0034 / kSampleRate;
    const float a = static_cast<float>(1.0 - std::exp(-kTwoPi * 1400.0 / kSampleRate));
    float l1 = 0, l2 = 0, r1 = 0, r2 = 0;
    for (long i = 0; i < held + release; ++i) {
        l1 += a * (Saw(stepL * i + 0.13, stepL) - l1);
        l2 += a * (l1 - l2);
        r1 += a * (Saw(stepR * i + 0.61, stepR) - r1);
        r2 += a * (r1 - r2);
        const float env = Gate(i, held, Seconds(0.35), release) * n.velocity * 0.05f;
        out.Add(start + i, l2 * env, r2 * env);
    }
}

// The lead: a rounded square with a touch of saw, a sine beneath it, and a slow vibrato.
void Lead(const Note& n, LoopBuffer& out) {
    const long start = SampleAt(n.beat), held = SampleAt(n.beats) - Seconds(0.02), release = Seconds(0.09);
    const double hz = MidiToHz(n.midi);
    const Pan pan = PanAt(0.12f);
    Filter tone;
    Decay bite(0.08);
    double phase = 0;
    for (long i = 0; i < held + release; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // A fifth of a semitone at most, so the first-order bend is exact enough.
        const double vibrato = 0.12 * std::clamp((t - 0.15) / 0.3, 0.0, 1.0) * Sine(5.2 * t);
        const double step = hz * (1.0 + vibrato * 0.0577623) / kSampleRate;
        phase += step;
        const float b = bite.Next();
        if (i % kRetune == 0) tone.Tune(1800.0f + 2600.0f * b, 1.0f);
        const float raw = 0.55f * Square(phase, step) + 0.25f * Saw(phase, step);
        const float s = (tone.Run(raw).low + 0.45f * Sine(phase)) * Gate(i, held, Seconds(0.008), release) * n.velocity * 0.26f;
        out.Add(start + i, s * pan.left, s * pan.right);
    }
}

void Kick(const Note& n, LoopBuffer& out) {
    const long start = SampleAt(n.beat), length = Seconds(0.32);
    Decay drop(0.03), fade(0.11);
    double phase = 0;
    for (long i = 0; i < length; ++i) {
        phase += (48.0 + 110.0 * drop.Next()) / kSampleRate;
        const float s = Sine(phase) * fade.Next() * std::min(1.0f, (length - i) / 400.0f) * n.velocity * 0.38f;
        out.Add(start + i, s, s);
    }
}

void Snare(const Note& n, LoopBuffer& out) {
    const long start = SampleAt(n.beat), length = Seconds(0.22);
    Prng noise(static_cast<std::uint64_t>(start) * 3 + 1);
    Filter snap;
    snap.Tune(2600.0f, 0.9f);
    Decay tone(0.04), rattleFade(0.07);
    const Pan pan = PanAt(0.08f);
    const double step = 185.0 / kSampleRate;
    for (long i = 0; i < length; ++i) {
        const float body = Sine(step * i) * tone.Next();
        const float rattle = snap.Run(static_cast<float>(noise.Range(-1, 1))).band * rattleFade.Next();
        const float s = (0.5f * body + 0.9f * rattle) * std::min(1.0f, (length - i) / 300.0f) * n.velocity * 0.45f;
        out.Add(start + i, s * pan.left, s * pan.right);
    }
}

void Hat(const Note& n, bool open, LoopBuffer& out) {
    const long start = SampleAt(n.beat), length = Seconds(open ? 0.3 : 0.07);
    Prng noise(static_cast<std::uint64_t>(start) * 5 + 2);
    Filter air;
    air.Tune(8000.0f, 1.2f);
    Decay fade(open ? 0.12 : 0.022);
    const Pan pan = PanAt(0.35f);
    for (long i = 0; i < length; ++i) {
        const float s = air.Run(static_cast<float>(noise.Range(-1, 1))).high * fade.Next() *
                        std::min(1.0f, (length - i) / 200.0f) * n.velocity * 0.25f;
        out.Add(start + i, s * pan.left, s * pan.right);
    }
}

}  // namespace

void RenderNote(const Note& note, LoopBuffer& out) {
    switch (note.voice) {
    case Voice::Bass: return Bass(note, out);
    case Voice::Keys: return Keys(note, out);
    case Voice::Pad: return Pad(note, out);
    case Voice::Lead: return Lead(note, out);
    case Voice::Kick: return Kick(note, out);
    case Voice::Snare: return Snare(note, out);
    case Voice::Hat: return Hat(note, false, out);
    case Voice::OpenHat: return Hat(note, true, out);
    }
}
