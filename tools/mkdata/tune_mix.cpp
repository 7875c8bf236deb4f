#include "tune_mix.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <thread>

#include "audio.h"
#include "tune_voices.h"

namespace {

// A small room: parallel damped combs then series all-passes per side, the right side's
// delays a little longer so the room is wide.
class Room {
public:
    Room() {
        static const int combs[4] = {1116, 1277, 1422, 1557};
        static const int passes[2] = {556, 341};
        for (int side = 0; side < 2; ++side) {
            for (int k = 0; k < 4; ++k) comb_[side][k].line.assign(static_cast<std::size_t>(combs[k] + 23 * side), 0.0f);
            for (int k = 0; k < 2; ++k) pass_[side][k].line.assign(static_cast<std::size_t>(passes[k] + 23 * side), 0.0f);
        }
    }

    float Run(int side, float in) {
        float sum = 0;
        for (Comb& c : comb_[side]) {
            float& cell = c.line[c.at];
            c.damped = cell * 0.7f + c.damped * 0.3f;
            const float outSample = cell;
            cell = in + c.damped * 0.8f;
            c.at = (c.at + 1) % c.line.size();
            sum += outSample;
        }
        for (Pass& p : pass_[side]) {
            float& cell = p.line[p.at];
            const float outSample = cell - sum;
            cell = sum + cell * 0.5f;
            p.at = (p.at + 1) % p.line.size();
            sum = outSample;
        }
        return sum * 0.25f;
    }

private:
    struct Comb {
        std::vector<float> line;
        std::size_t at = 0;
        float damped = 0;
    };
    struct Pass {
        std::vector<float> line;
        std::size_t at = 0;
    };
    std::array<std::array<Comb, 4>, 2> comb_;
    std::array<std::array<Pass, 2>, 2> pass_;
};

// Runs an effect over the loop's last seconds and then the whole loop, keeping the second
// pass: what it still rings with at the loop's end then sounds at its start, as when the
// tune repeats. Both effects die away to far below hearing within those seconds.
constexpr long kWarmUp = 5L * kSampleRate;

template <typename Step>
void AroundTheLoop(long length, Step step) {
    for (long i = length - kWarmUp; i < length; ++i) step(i, false);
    for (long i = 0; i < length; ++i) step(i, true);
}

}  // namespace

std::vector<std::int16_t> RenderTune(float peak) {
    const std::vector<Note> score = TuneScore();
    if (score.empty()) return {};
    LoopBuffer rhythm(kTuneSamples), harmony(kTuneSamples), lead(kTuneSamples);
    // The chords are the most work: they are rendered beside the rest. Each bus is written
    // by one thread only, in the score's order, so the sum is the same on every run.
    auto chordal = [](const Note& note) { return note.voice == Voice::Keys || note.voice == Voice::Pad; };
    std::thread chords([&] {
        for (const Note& note : score)
            if (chordal(note)) RenderNote(note, harmony);
    });
    for (const Note& note : score)
        if (!chordal(note)) RenderNote(note, note.voice == Voice::Lead ? lead : rhythm);
    chords.join();

    // The lead's echo, three quarters of a beat later, bouncing between the sides.
    LoopBuffer echo(kTuneSamples);
    const long gap = kBeatSamples * 3 / 4;
    // It feeds on itself, so both passes write: the second finds the first's tail behind it.
    AroundTheLoop(kTuneSamples, [&](long i, bool) {
        const long back = (i - gap + kTuneSamples) % kTuneSamples;
        const float l = lead.right[static_cast<std::size_t>(back)] * 0.3f + echo.right[static_cast<std::size_t>(back)] * 0.38f;
        const float r = lead.left[static_cast<std::size_t>(back)] * 0.3f + echo.left[static_cast<std::size_t>(back)] * 0.38f;
        echo.left[static_cast<std::size_t>(i)] = l, echo.right[static_cast<std::size_t>(i)] = r;
    });

    Room room;
    LoopBuffer wet(kTuneSamples);
    AroundTheLoop(kTuneSamples, [&](long i, bool keep) {
        const auto k = static_cast<std::size_t>(i);
        const float sendL = 0.35f * harmony.left[k] + 0.4f * (lead.left[k] + echo.left[k]) + 0.08f * rhythm.left[k];
        const float sendR = 0.35f * harmony.right[k] + 0.4f * (lead.right[k] + echo.right[k]) + 0.08f * rhythm.right[k];
        const float l = room.Run(0, sendL), r = room.Run(1, sendR);
        if (keep) wet.left[k] = l, wet.right[k] = r;
    });

    std::vector<float> mix(static_cast<std::size_t>(kTuneSamples) * 2);
    for (std::size_t k = 0; k < static_cast<std::size_t>(kTuneSamples); ++k) {
        mix[2 * k] = rhythm.left[k] + harmony.left[k] + lead.left[k] + echo.left[k] + wet.left[k];
        mix[2 * k + 1] = rhythm.right[k] + harmony.right[k] + lead.right[k] + echo.right[k] + wet.right[k];
    }
    // A soft knee over the loudest hits, so the tune can sit a little louder under the effects.
    float loudest = 0;
    for (float v : mix) loudest = std::max(loudest, std::fabs(v));
    const float drive = 1.8f;
    if (loudest > 0)
        for (float& v : mix) v = std::tanh(drive * v / loudest);
    return ToPcm16(mix, peak);
}
