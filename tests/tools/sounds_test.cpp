// The four sound effects and the tune: files the sound library takes, of their lengths.
#include "generated_data.h"

namespace {

TEST(SoundEffects, Are16BitAt44100WithTheirLengths) {
    struct Expect {
        const char* name;
        double shortest, longest;
    };
    for (const Expect& e : {Expect{"Explo.Wav", 0.8, 1.3}, Expect{"Flame.Wav", 0.05, 0.2}, Expect{"Alpha.Wav", 0.2, 0.4},
                            Expect{"Dynamic.Wav", 0.06, 0.14}}) {
        SCOPED_TRACE(e.name);
        Sound s;
        std::string why;
        ASSERT_TRUE(ParseWav(ReadBytes(e.name), &s, &why)) << why;
        EXPECT_EQ(s.rate, 44100);
        EXPECT_EQ(s.bits, 16);
        EXPECT_TRUE(s.channels == 1 || s.channels == 2);
        EXPECT_GE(s.Seconds(), e.shortest);
        EXPECT_LT(s.Seconds(), e.longest);
        EXPECT_GT(s.Peak(), 300) << "silent";
    }
}

TEST(Tune, DecodesToAboutAMinuteOfStereo) {
    Sound tune;
    std::string why;
    ASSERT_TRUE(DecodeMp3("BGM.Mp3", &tune, &why)) << why;
    EXPECT_EQ(tune.rate, 44100);
    EXPECT_EQ(tune.channels, 2);
    EXPECT_GE(tune.Seconds(), 55.0);
    EXPECT_LE(tune.Seconds(), 65.0);
    EXPECT_GT(tune.Peak(), 32767 / 5) << "nearly silent";
}

}  // namespace
