// The four sound effects and the tune as the game plays them: files the sound library takes,
// of their lengths; tails that ring out by themselves; bodies that small speakers still give;
// a tune that comes round seamlessly, with a burning row heard over it and headroom left
// when everything sounds at once.
#include <cmath>
#include <tuple>

#include "generated_data.h"

namespace {

using Wave = std::vector<double>;  // one channel, full scale 1
constexpr std::size_t kRate = 44100;

// The file's first channel.
Wave Read(const std::string& name, Sound* s) {
    EXPECT_EQ(name.ends_with(".Mp3") ? DecodeMp3(name, s) : ParseWav(ReadBytes(name), s), "") << name;
    Wave w;
    for (std::size_t i = 0; i < s->samples.size(); i += std::max(1u, s->channels)) w.push_back(s->samples[i] / 32768.0);
    return w;
}

// Through a fourth-order band-pass from low to high Hz (a biquad run twice).
Wave Band(Wave w, double low, double high) {
    const double c = std::sqrt(low * high), w0 = 2 * M_PI * c / kRate, a = std::sin(w0) * (high - low) / (2 * c);
    for (int pass = 0; pass < 2; ++pass) {
        for (double x1 = 0, x2 = 0, y1 = 0, y2 = 0; double& v : w) {
            const double y = (a * (v - x2) + 2 * std::cos(w0) * y1 - (1 - a) * y2) / (1 + a);
            x2 = x1, x1 = v, y2 = y1, y1 = y, v = y;
        }
    }
    return w;
}

// The level of samples [from, to) in dB of full scale.
double Db(const Wave& w, std::size_t from = 0, std::size_t to = 0) {
    to = to ? to : w.size();
    double sum = 1e-30;
    for (std::size_t i = from; i < to; ++i) sum += w[i] * w[i];
    return 10 * std::log10(sum / double(to - from));
}

// The chime and the explosion fall 40 dB under their first 50 ms after 0.6 s and before their
// end at 1.5 s at most, not cut off; the explosion and the thud have more body
// between 150 and 400 Hz than below.
TEST(Sounds, EffectsRingOutWithTheirBodyAbove150Hz) {
    for (auto [name, shortest, longest, ringsOut, body] :
         {std::tuple{"Explo.Wav", 0.8, 1.5, true, true}, {"Flame.Wav", 0.1, 0.4, false, false},
          {"Alpha.Wav", 0.6, 1.5, true, false}, {"Dynamic.Wav", 0.06, 0.14, false, true}}) {
        SCOPED_TRACE(name);
        Sound s;
        const Wave w = Read(name, &s);
        EXPECT_TRUE(s.rate == kRate && s.channels == 1 && s.Seconds() >= shortest && s.Seconds() < longest);
        const double quiet = Db(w, 0, kRate / 20) - 40, still = ringsOut ? Db(w, kRate * 58 / 100, kRate * 6 / 10) : 0;
        EXPECT_TRUE(!ringsOut || (still > quiet && Db(w, w.size() - kRate / 50, w.size()) < quiet)) << still - quiet;
        EXPECT_TRUE(!body || Db(Band(w, 150, 400)) > Db(Band(w, 20, 150)));
    }
}

// The tune: two to three minutes, small enough for the browser to fetch, the wave moving
// across the seam no further than its ordinary steps (about 0.01 of full scale). A burning
// row (the flame started 21 times 40 ms apart) is heard over it, and its loudest second, with the chime, the burning
// and the explosion all starting together anywhere in it, stays under -1 dBFS.
TEST(Sounds, TheTuneLoopsAndLeavesRoomForTheEffects) {
    Sound tune, flame, other;
    const Wave music = Read("BGM.Mp3", &tune), one = Read("Flame.Wav", &flame);
    EXPECT_TRUE(tune.Seconds() >= 120 && tune.Seconds() <= 180 && tune.channels == 2 &&
                ReadBytes("BGM.Mp3").size() <= 2000000);
    EXPECT_LT(std::fabs(music.front() - music.back()), 0.03);

    Wave effects(one.size() + 20 * kRate / 25);
    for (std::size_t k = 0; k < 21; ++k)
        for (std::size_t i = 0; i < one.size(); ++i) effects[k * kRate / 25 + i] += one[i];
    const double over = Db(Band(effects, 1000, 4000)) - Db(Band(music, 1000, 4000));
    EXPECT_TRUE(over > -3 && over < 6) << over << " dB";
    for (const char* name : {"Alpha.Wav", "Explo.Wav"}) {
        const Wave w = Read(name, &other);
        effects.resize(std::max(effects.size(), w.size()));
        for (std::size_t i = 0; i < w.size(); ++i) effects[i] += w[i];
    }
    std::size_t loudest = 0;
    for (std::size_t at = 0; at + kRate + effects.size() < music.size(); at += kRate / 4)
        loudest = Db(music, at, at + kRate) > Db(music, loudest, loudest + kRate) ? at : loudest;
    double peak = 0;
    for (std::size_t start = loudest; start < loudest + kRate; start += kRate / 100)
        for (std::size_t i = 0; i < 2 * effects.size(); ++i)
            peak = std::max(peak, std::fabs(tune.samples[2 * start + i] / 32768.0 + effects[i / 2]));
    EXPECT_LT(20 * std::log10(peak), -1.0);
}

}  // namespace
