// Resource loading seen from outside: the stop for each missing file, the banner pack that
// may fail silently, the sound library's start, and the order of every file.
#include <gtest/gtest.h>

#include <algorithm>

#include "game_folder.h"
#include "headless_run.h"

namespace {

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

// A pack's damage: bytes overwritten, or with none the file taken away.
struct Damage {
    const char* name;
    std::vector<std::pair<std::size_t, std::uint8_t>> patches;
};
const Damage kBadSignature{"BadSignature", {{8, 'q'}}};  // "Quellin qSF V1'"
const Damage kNoImages{"NoImages", {{17, 0}, {18, 0}}};
const Damage kMissing{"Missing", {}};

void Spoil(const GameFolder& folder, const std::string& pack, const Damage& damage)
{
    if (damage.patches.empty()) folder.Remove(pack);
    for (const auto& [offset, value] : damage.patches) folder.Patch(pack, offset, value);
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

}  // namespace

TEST(Loading, BannerPackMayFailWithoutAWord)
{
    for (const Damage& damage : {kBadSignature, kNoImages, kMissing}) {
        SCOPED_TRACE(damage.name);
        const GameFolder folder;
        Spoil(folder, "Combo.Qsf", damage);
        const HeadlessRun run = RunHeadless(folder.Path(), {"--trace"}, "8 close\n");
        EXPECT_TRUE(run.LinesStartingWith("box").empty());
        EXPECT_EQ(run.FrameCount(), 9) << "the game still starts";
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
    // Take away a fatal file and every one after it: the start stops naming the first of
    // them, so every earlier one was opened before it.
    const std::vector<std::string> fatal = {"Block.Dat", "Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf"};
    for (std::size_t first = 0; first < fatal.size(); ++first) {
        const GameFolder folder;
        for (std::size_t later = first; later < fatal.size(); ++later) folder.Remove(fatal[later]);
        ExpectStoppedWith(RunHeadless(folder.Path(), {"--trace"}, "8 close\n"), MissingBox(fatal[first]));
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

// Another library version ends at once; a failed start closes the library first. Neither
// says a word.
TEST(Loading, ASoundLibraryThatWillNotStartEndsWithoutAMessage)
{
    struct Fault {
        const char* call;
        std::vector<std::string> calls;
    };
    std::vector<std::string> initFails(kSoundStart.begin(), kSoundStart.begin() + 6);
    initFails.push_back("sound FSOUND_Close");
    for (const Fault& fault : {Fault{"FSOUND_GetVersion", {"sound FSOUND_GetVersion"}}, Fault{"FSOUND_Init", initFails}}) {
        const GameFolder folder;
        const HeadlessRun run = RunHeadless(folder.Path(), {"--trace", "--fail", fault.call}, "8 close\n");
        std::vector<std::string> expected = fault.calls;
        for (const std::string& line : SampleFrees(false)) expected.push_back(line);
        EXPECT_EQ(run.LinesStartingWith("sound"), expected) << fault.call;
        EXPECT_TRUE(run.LinesStartingWith("box").empty());
        EXPECT_EQ(run.FrameCount(), 0);
        EXPECT_NE(run.status, 0);
    }
}
