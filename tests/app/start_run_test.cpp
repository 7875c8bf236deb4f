// The start seen from outside, every line the game says up to the close in the first tick.
// One that fails (the window class, each display step before the screen exists, each play
// file missing, the sound library) gives its message or none and ends with status 1, nothing
// loaded after it; one that goes on makes every sound call in its order, through a missing
// picture, banner pack, sound file or back buffer.
#include <gtest/gtest.h>

#include "game_folder.h"

namespace {

const std::vector<std::string> kSoundStart = {
    "sound FSOUND_GetVersion",   "sound FSOUND_SetOutput 2", "sound FSOUND_SetBufferSize 200",
    "sound FSOUND_GetOutput",    "sound FSOUND_SetDriver 0", "sound FSOUND_Init 44100 32 0",
};

std::string MissingBox(const std::string& name)
{
    return "box \"Blokfal\" \"" + name + " 파일이 없습니다.\" 16";
}

std::string DisplayBox(const std::string& text)
{
    return "box \"QDDraw\" \"" + text + "\" 0";
}

// A failed start: what it said, then the samples freed as null handles.
std::vector<std::string> Failed(std::vector<std::string> said)
{
    for (const std::string& line : SampleFrees(false)) said.push_back(line);
    said.push_back("exit 1");
    return said;
}

// A start that goes on: the samples and the tune opened, the picture's message if any, the
// tune started, and the samples freed, the one numbered nullSample (if any) a null handle.
std::vector<std::string> WentOn(const std::string& pictureBox, const std::string& tune,
                                int nullSample)
{
    std::vector<std::string> lines = kSoundStart;
    for (const std::string name : {"Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav"}) {
        lines.push_back("sound FSOUND_Sample_LoadWav -1 " + name + " 8192");
    }
    lines.push_back("sound FSOUND_Stream_OpenMpeg BGM.Mp3 43");
    if (!pictureBox.empty()) lines.push_back(pictureBox);
    lines.push_back("sound FSOUND_Stream_Play -1 " + tune);
    std::vector<std::string> frees = SampleFrees(true);
    if (nullSample >= 0) frees.at(static_cast<std::size_t>(nullSample)) = SampleFrees(false)[0];
    lines.insert(lines.end(), frees.begin(), frees.end());
    lines.push_back("exit 0");
    return lines;
}

struct Start {
    std::vector<std::string> args;
    std::vector<std::string> removed;  // taken from the data folder
    std::vector<std::string> lines;
};

// Each start's lines but its frames; a failed one presents none, one that goes on the intro's
// seven, the first tick's and the one in which the close is taken.
void ExpectStarts(const std::vector<Start>& starts)
{
    for (std::size_t row = 0; row < starts.size(); ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const GameFolder folder;
        for (const std::string& name : starts[row].removed) folder.Remove(name);
        std::vector<std::string> args = starts[row].args;
        args.push_back("--trace");
        const HeadlessRun run = folder.Run(args, "8 close\n");
        std::vector<std::string> said;
        for (const std::string& line : run.lines) {
            if (line.rfind("frame ", 0) != 0) said.push_back(line);
        }
        EXPECT_EQ(said, starts[row].lines);
        const bool wentOn = starts[row].lines.back() == "exit 0";
        EXPECT_EQ(run.status, wentOn ? 0 : 1);
        EXPECT_EQ(run.FrameCount(), wentOn ? 9 : 0);
    }
}

}  // namespace

TEST(Start, AFailedStartSaysWhatFailedAndEndsWithStatusOne)
{
    std::vector<std::string> initFails = kSoundStart;
    initFails.push_back("sound FSOUND_Close");  // a failed start closes the library first
    ExpectStarts({
        {{"--fail", "RegisterClassA"}, {}, Failed({})},
        {{"--fail", "DirectDrawCreate"}, {}, Failed({DisplayBox("다이렉트드로우 생성 에러.")})},
        {{"--fail", "SetCooperativeLevel"}, {}, Failed({DisplayBox("협력 에러.")})},
        {{"--fail", "SetDisplayMode"}, {}, Failed({DisplayBox("디스플레이 모드 에러.")})},
        {{"--fail", "CreateSurface"}, {}, Failed({DisplayBox("프라이머리 서피스 생성 에러.")})},
        // With every later play file gone too, the message names the first: the files are
        // opened in this order.
        {{}, {"Block.Dat", "Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf"},
         Failed({MissingBox("Block.Dat")})},
        {{}, {"Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf"}, Failed({MissingBox("Logo.QSF")})},
        {{}, {"Block.QSF", "Flame.Qsf", "Explo.Qsf"}, Failed({MissingBox("Block.QSF")})},
        {{}, {"Flame.Qsf", "Explo.Qsf"}, Failed({MissingBox("Flame.Qsf")})},
        {{}, {"Explo.Qsf"}, Failed({MissingBox("Explo.Qsf")})},
        // Another library version ends at once.
        {{"--fail", "FSOUND_GetVersion"}, {}, Failed({"sound FSOUND_GetVersion"})},
        {{"--fail", "FSOUND_Init"}, {}, Failed(initFails)},
    });
}

TEST(Start, AStartThatGoesOnMakesEverySoundCallInItsOrder)
{
    ExpectStarts({
        {{}, {}, WentOn("", "BGM.Mp3", -1)},
        // The picture is loaded after the tune is opened and before it starts.
        {{}, {"BACK1.Qsf"}, WentOn(DisplayBox("BACK1.Qsf 파일이 없습니다."), "BGM.Mp3", -1)},
        // Sounds missing or failing to load, and no banner pack: not a word, null handles.
        {{}, {"Combo.Qsf", "Explo.Wav", "BGM.Mp3"}, WentOn("", "null", 0)},
        {{"--fail", "FSOUND_Sample_LoadWav:2", "--fail", "FSOUND_Stream_OpenMpeg"}, {},
         WentOn("", "null", 1)},
    });
}

TEST(Start, WithoutABackBufferTheGamePlaysOn)
{
    const GameFolder folder;
    const HeadlessRun run = folder.Run({"--trace", "--fail", "GetAttachedSurface"}, "8 close\n");
    EXPECT_EQ(run.LinesStartingWith("box"),
              std::vector<std::string>{DisplayBox("백 서피스 생성 에러.")});
    EXPECT_EQ(run.status, 0);
    const auto frames = run.LinesStartingWith("frame");
    ASSERT_EQ(frames.size(), 9u) << "every frame is copied straight onto the screen";
    EXPECT_NE(frames[0].substr(8), frames[6].substr(8)) << "the dimming frames differ";
}
