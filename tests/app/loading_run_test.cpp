// Resource loading seen from outside: the data-file check and its stop for each pack, the
// banner pack that may fail silently, the sound library's start, and the order of every file.
#include <gtest/gtest.h>

#include <algorithm>

#include "game_folder.h"
#include "headless_run.h"

namespace {

const std::string kDataFileBox =
    "box \"Blokfal\" \"당신은 게임을 수정하였습니다.\\n왜 그러신거죠? 게임을 제대로 즐길 수 "
    "없을겁니다.!!후훗..-_-+\" 16";

std::string MissingBox(const std::string& name)
{
    return "box \"Blokfal\" \"" + name + " 파일이 없습니다.\" 16";
}

// Every sound call of a start that loads everything, up to the tune's start.
const std::vector<std::string> kSoundStart = {
    "sound FSOUND_GetVersion",
    "sound FSOUND_SetOutput 2",
    "sound FSOUND_SetBufferSize 200",
    "sound FSOUND_GetOutput",
    "sound FSOUND_SetDriver 0",
    "sound FSOUND_Init 44100 32 0",
    "sound FSOUND_Sample_LoadWav -1 Explo.Wav 8192",
    "sound FSOUND_Sample_LoadWav -1 Flame.Wav 8192",
    "sound FSOUND_Sample_LoadWav -1 Alpha.Wav 8192",
    "sound FSOUND_Sample_LoadWav -1 Dynamic.Wav 8192",
    "sound FSOUND_Stream_OpenMpeg BGM.Mp3 43",
    "sound FSOUND_Stream_Play -1 BGM.Mp3",
};

enum class Damage { BadSignature, NoImages, Missing };

void Spoil(const GameFolder& folder, const std::string& pack, Damage damage)
{
    switch (damage) {
    case Damage::BadSignature:
        folder.Patch(pack, 8, 'q');  // "Quellin qSF V1'"
        break;
    case Damage::NoImages:
        folder.Patch(pack, 17, 0);
        folder.Patch(pack, 18, 0);
        break;
    case Damage::Missing:
        folder.Remove(pack);
        break;
    }
}

const char* DamageName(Damage damage)
{
    switch (damage) {
    case Damage::BadSignature: return "BadSignature";
    case Damage::NoImages: return "NoImages";
    case Damage::Missing: return "Missing";
    }
    return "";
}

// A start that stopped: its one message, nothing loaded after it, no frame, a failed exit.
void ExpectStoppedWith(const HeadlessRun& run, const std::string& box)
{
    EXPECT_EQ(run.LinesStartingWith("box"), std::vector<std::string>{box});
    EXPECT_EQ(run.LinesStartingWith("sound"), SampleFrees(false))
        << "the sound library must not start after a fatal data file";
    EXPECT_EQ(run.FrameCount(), 0);
    EXPECT_NE(run.status, 0);
}

struct PackCase {
    const char* pack;
    Damage damage;
};

void PrintTo(const PackCase& c, std::ostream* out)
{
    *out << c.pack << " " << DamageName(c.damage);
}

class FatalPack : public ::testing::TestWithParam<PackCase> {};

}  // namespace

TEST_P(FatalPack, StopsLoadingWithItsMessage)
{
    const GameFolder folder;
    Spoil(folder, GetParam().pack, GetParam().damage);
    const HeadlessRun run = RunHeadless(folder.Path(), {"--trace"}, "8 close\n");
    ExpectStoppedWith(run, GetParam().damage == Damage::Missing ? MissingBox(GetParam().pack)
                                                                 : kDataFileBox);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPackEveryFault, FatalPack,
    ::testing::ValuesIn([] {
        std::vector<PackCase> cases;
        for (const char* pack : {"Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf"}) {
            for (Damage damage : {Damage::BadSignature, Damage::NoImages, Damage::Missing}) {
                cases.push_back({pack, damage});
            }
        }
        return cases;
    }()),
    [](const ::testing::TestParamInfo<PackCase>& info) {
        std::string name = info.param.pack;
        name = name.substr(0, name.find('.'));
        return name + DamageName(info.param.damage);
    });

TEST(Loading, MissingShapeFileStopsWithItsName)
{
    const GameFolder folder;
    folder.Remove("Block.Dat");
    ExpectStoppedWith(RunHeadless(folder.Path(), {"--trace"}, "8 close\n"), MissingBox("Block.Dat"));
}

TEST(Loading, BannerPackMayFailWithoutAWord)
{
    for (Damage damage : {Damage::BadSignature, Damage::NoImages, Damage::Missing}) {
        const GameFolder folder;
        Spoil(folder, "Combo.Qsf", damage);
        const HeadlessRun run = RunHeadless(folder.Path(), {"--trace"}, "8 close\n");
        EXPECT_TRUE(run.LinesStartingWith("box").empty()) << DamageName(damage);
        EXPECT_EQ(run.FrameCount(), 9) << DamageName(damage) << ": the game still starts";
        EXPECT_EQ(run.status, 0);
    }
}

TEST(Loading, EverySoundCallInItsOrder)
{
    const GameFolder folder;
    const HeadlessRun run = RunHeadless(folder.Path(), {}, "8 close\n");
    std::vector<std::string> expected = kSoundStart;
    for (const std::string& line : SampleFrees(true)) expected.push_back(line);
    EXPECT_EQ(run.LinesStartingWith("sound"), expected);
    EXPECT_TRUE(run.LinesStartingWith("box").empty());
}

TEST(Loading, FilesAreOpenedInTheirOrder)
{
    // Take away a fatal file and every one after it: the message names the first of them,
    // so every earlier one was opened before it.
    const std::vector<std::string> fatal = {"Block.Dat", "Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf"};
    for (std::size_t first = 0; first < fatal.size(); ++first) {
        const GameFolder folder;
        for (std::size_t later = first; later < fatal.size(); ++later) folder.Remove(fatal[later]);
        const HeadlessRun run = RunHeadless(folder.Path(), {}, "8 close\n");
        EXPECT_EQ(run.LinesStartingWith("box"), std::vector<std::string>{MissingBox(fatal[first])});
    }
}

TEST(Loading, BackgroundComesAfterTheSamplesAndBeforeTheTune)
{
    const GameFolder folder;
    folder.Remove("BACK1.Qsf");
    const HeadlessRun run = RunHeadless(folder.Path(), {"--trace"}, "8 close\n");
    const std::string box = "box \"QDDraw\" \"BACK1.Qsf 파일이 없습니다.\" 0";
    const auto at = [&](const std::string& line) {
        return std::find(run.lines.begin(), run.lines.end(), line) - run.lines.begin();
    };
    ASSERT_LT(at(box), static_cast<long>(run.lines.size()));
    EXPECT_GT(at(box), at("sound FSOUND_Stream_OpenMpeg BGM.Mp3 43"));
    EXPECT_LT(at(box), at("sound FSOUND_Stream_Play -1 BGM.Mp3"));
    EXPECT_EQ(run.FrameCount(), 9) << "a missing background is no reason to stop";
    EXPECT_EQ(run.status, 0);
}

TEST(Loading, MissingSoundFilesAreSilent)
{
    const GameFolder folder;
    folder.Remove("Explo.Wav");
    folder.Remove("BGM.Mp3");
    const HeadlessRun run = RunHeadless(folder.Path(), {"--trace"}, "8 close\n");
    EXPECT_TRUE(run.LinesStartingWith("box").empty());
    EXPECT_EQ(run.FrameCount(), 9);
    const auto sounds = run.LinesStartingWith("sound");
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "sound FSOUND_Stream_Play -1 null"), sounds.end());
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "sound FSOUND_Sample_Free null"), sounds.end());
}

TEST(Loading, OtherSoundLibraryVersionEndsWithoutAMessage)
{
    const GameFolder folder;
    const HeadlessRun run = RunHeadless(folder.Path(), {"--trace", "--fail", "FSOUND_GetVersion"}, "8 close\n");
    std::vector<std::string> expected = {"sound FSOUND_GetVersion"};
    for (const std::string& line : SampleFrees(false)) expected.push_back(line);
    EXPECT_EQ(run.LinesStartingWith("sound"), expected);
    EXPECT_TRUE(run.LinesStartingWith("box").empty());
    EXPECT_EQ(run.FrameCount(), 0);
    EXPECT_NE(run.status, 0);
}

TEST(Loading, FailedSoundStartClosesTheLibraryAndEnds)
{
    const GameFolder folder;
    const HeadlessRun run = RunHeadless(folder.Path(), {"--trace", "--fail", "FSOUND_Init"}, "8 close\n");
    std::vector<std::string> expected(kSoundStart.begin(), kSoundStart.begin() + 6);
    expected.push_back("sound FSOUND_Close");
    for (const std::string& line : SampleFrees(false)) expected.push_back(line);
    EXPECT_EQ(run.LinesStartingWith("sound"), expected);
    EXPECT_TRUE(run.LinesStartingWith("box").empty());
    EXPECT_EQ(run.FrameCount(), 0);
    EXPECT_NE(run.status, 0);
}
