// The four sound effects and the tune: files the sound library takes, of their lengths.
#include "generated_data.h"

namespace {

TEST(Sounds, Are16BitAt44100WithTheirLengths) {
    struct Expect {
        const char* name;
        double shortest, longest;
    };
    for (const Expect& e : {Expect{"Explo.Wav", 0.8, 1.3}, {"Flame.Wav", 0.05, 0.2},
                            {"Alpha.Wav", 0.2, 0.4}, {"Dynamic.Wav", 0.06, 0.14},
                            {"BGM.Mp3", 55.0, 65.0}}) {
        SCOPED_TRACE(e.name);
        Sound s;
        const std::string name = e.name;
        ASSERT_EQ(name.ends_with(".Mp3") ? DecodeMp3(name, &s) : ParseWav(ReadBytes(name), &s), "");
        EXPECT_EQ(s.rate, 44100u);
        EXPECT_LE(s.channels, 2u);
        EXPECT_GE(s.Seconds(), e.shortest);
        EXPECT_LT(s.Seconds(), e.longest);
        EXPECT_GT(s.Peak(), 300) << "silent";
    }
}

}  // namespace
