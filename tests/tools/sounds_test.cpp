// The four sound effects and the tune: their files, lengths, and their loudness together
// as the game plays them.
#include <cmath>

#include "generated_data.h"

namespace {

Sound LoadWav(const std::string& name) {
    Sound sound;
    std::string why;
    EXPECT_TRUE(ParseWav(ReadBytes(name), &sound, &why)) << name << ": " << why;
    return sound;
}

Sound DecodedTune() {
    Sound tune;
    std::string why;
    EXPECT_TRUE(DecodeMp3("BGM.Mp3", &tune, &why)) << why;
    return tune;
}

TEST(SoundEffects, Are16BitAt44100WithTheirLengths) {
    struct Expect {
        const char* name;
        double shortest, longest;
    };
    for (const Expect& e : {Expect{"Explo.Wav", 0.8, 1.3}, Expect{"Flame.Wav", 0.05, 0.2}, Expect{"Alpha.Wav", 0.2, 0.4},
                            Expect{"Dynamic.Wav", 0.06, 0.14}}) {
        SCOPED_TRACE(e.name);
        const Sound s = LoadWav(e.name);
        EXPECT_EQ(s.rate, 44100);
        EXPECT_EQ(s.bits, 16);
        EXPECT_TRUE(s.channels == 1 || s.channels == 2);
        EXPECT_GE(s.Seconds(), e.shortest);
        EXPECT_LT(s.Seconds(), e.longest);
        ASSERT_FALSE(s.samples.empty());
        // Heard, yet starting and ending at rest, so no click at either end.
        EXPECT_GT(s.Peak(), 300);
        EXPECT_LT(std::abs(int(s.samples.front())), 600);
        EXPECT_LT(std::abs(int(s.samples.back())), 100);
    }
}

// A row clear as the game runs it: the landing thud and the flash chime, five flash frames,
// 21 flame frames each starting a flame sound, for four rows, then the explosion; frames a
// little apart or far apart. Together with the tune at its loudest nothing may clip.
TEST(SoundEffects, NeverClipWhenTheGameLayersThemOverTheTune) {
    const Sound explo = LoadWav("Explo.Wav"), flame = LoadWav("Flame.Wav"), alpha = LoadWav("Alpha.Wav"),
                landing = LoadWav("Dynamic.Wav");
    for (const Sound* s : {&explo, &flame, &alpha, &landing}) ASSERT_EQ(s->channels, 1);
    const int tunePeak = DecodedTune().Peak();
    ASSERT_GT(tunePeak, 0);
    int loudest = 0;
    for (double flashMs : {10.5, 13.0, 20.0}) {
        for (double flameMs : {2.2, 3.0, 4.0, 6.0, 9.0, 14.0}) {
            std::vector<int> mix(44100 * 4);
            auto play = [&](const Sound& s, double ms) {
                const auto at = static_cast<std::size_t>(ms * 44.1);
                for (std::size_t i = 0; i < s.samples.size() && at + i < mix.size(); ++i) mix[at + i] += s.samples[i];
            };
            double now = 0;
            play(landing, now);
            for (int row = 0; row < 4; ++row) {
                play(alpha, now);
                now += 5 * flashMs;
                for (int f = 0; f < 21; ++f, now += flameMs) play(flame, now);
                now += 1.0;
            }
            play(explo, now);
            for (int v : mix) loudest = std::max(loudest, std::abs(v));
        }
    }
    std::printf("effects peak %d, tune peak %d\n", loudest, tunePeak);
    EXPECT_LT(loudest + tunePeak, 32767) << "effects " << loudest << " over a tune peaking at " << tunePeak;
    // And the flames, so many at once, are still only a murmur beside the explosion.
    EXPECT_LT(flame.Peak() * 6, explo.Peak());
}

// A minute of stereo, loud but unclipped; played round, the end runs into the start like
// any two neighbouring samples, and no second of it falls silent.
TEST(Tune, LoopsAMinuteWithoutASeamOrAGap) {
    const Sound tune = DecodedTune();
    EXPECT_EQ(tune.rate, 44100);
    EXPECT_EQ(tune.channels, 2);
    EXPECT_GE(tune.Seconds(), 55.0);
    EXPECT_LE(tune.Seconds(), 65.0);
    EXPECT_LT(tune.Peak(), 32767);
    EXPECT_GT(tune.Peak(), 32767 / 5);
    ASSERT_GT(tune.samples.size(), 44100u * 2);
    const std::size_t frames = tune.samples.size() / 2;
    std::vector<int> steps;
    for (std::size_t i = 1; i < frames; ++i) steps.push_back(std::abs(tune.samples[2 * i] - tune.samples[2 * i - 2]));
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 999 / 1000, steps.end());
    const int usual = steps[steps.size() * 999 / 1000];
    for (int channel = 0; channel < 2; ++channel) {
        const int seam = std::abs(tune.samples[channel] - tune.samples[2 * (frames - 1) + channel]);
        EXPECT_LE(seam, usual) << "channel " << channel;
    }
    // An encoder's delay or padding left in would open a hush of a few dozen milliseconds.
    auto loudness = [&](std::size_t from, std::size_t count) {
        double energy = 0;
        for (std::size_t i = from; i < from + count; ++i) energy += std::pow(tune.samples[2 * i], 2);
        return std::sqrt(energy / count);
    };
    EXPECT_GT(loudness(0, 441), 300.0);
    EXPECT_GT(loudness(frames - 441, 441), 300.0);
    for (std::size_t second = 0; second + 1 < frames / 44100; ++second) {
        EXPECT_GT(loudness(second * 44100, 44100), 300.0) << "second " << second;
    }
}

}  // namespace
