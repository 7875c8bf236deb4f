// The start and the end seen from outside, every line the game says up to its end, mostly a
// close in the first tick. A start that fails gives its message or none and ends with status
// 1, nothing loaded after it; one that goes on makes every sound call in its order, through a
// missing picture, banner pack, sound file or back buffer. Then the ways the main loop ends,
// one message per iteration, and their exit codes.
#include <gtest/gtest.h>

#include <algorithm>

#include "game_folder.h"

namespace {

const std::vector<std::string> kSoundStart = {
    "sound FSOUND_GetVersion", "sound FSOUND_SetOutput 2", "sound FSOUND_SetBufferSize 200",
    "sound FSOUND_GetOutput",  "sound FSOUND_SetDriver 0", "sound FSOUND_Init 44100 32 0",
};

std::string Box(const char* caption, const std::string& text, int style)
{
    return "box \"" + std::string(caption) + "\" \"" + text + "\" " + std::to_string(style);
}
std::string MissingBox(const std::string& name) { return Box("Blokfal", name + " 파일이 없습니다.", 16); }

// A failed start: what it said, then the samples freed as null handles.
std::vector<std::string> Failed(std::vector<std::string> said)
{
    for (const std::string& line : SampleFrees(false)) said.push_back(line);
    said.push_back("exit 1");
    return said;
}

// A start that goes on: the samples and the tune opened, the picture's message if any, the
// tune started, and the samples freed, the one numbered nullSample a null handle.
std::vector<std::string> WentOn(const std::string& box, const std::string& tune, int nullSample, int status = 0)
{
    std::vector<std::string> lines = kSoundStart;
    for (const std::string name : {"Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav"})
        lines.push_back("sound FSOUND_Sample_LoadWav -1 " + name + " 8192");
    lines.push_back("sound FSOUND_Stream_OpenMpeg BGM.Mp3 43");
    if (!box.empty()) lines.push_back(box);
    lines.push_back("sound FSOUND_Stream_Play -1 " + tune);
    std::vector<std::string> frees = SampleFrees(true);
    if (nullSample >= 0) frees.at(static_cast<std::size_t>(nullSample)) = SampleFrees(false)[0];
    lines.insert(lines.end(), frees.begin(), frees.end());
    lines.push_back("exit " + std::to_string(status));
    return lines;
}

}  // namespace

// A failed start presents nothing; one that goes on the intro's seven frames, then the first
// tick's and one for each later iteration that ticks.
TEST(Start, EachStartAndEndSaysWhatItShouldAndEndsWithItsStatus)
{
    std::vector<std::string> initFails = kSoundStart;
    initFails.push_back("sound FSOUND_Close");  // a failed start closes the library first
    const std::vector<std::string> plain = WentOn("", "BGM.Mp3", -1);
    std::vector<std::string> backBufferless = plain;
    backBufferless.insert(backBufferless.begin(), Box("QDDraw", "백 서피스 생성 에러.", 0));
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> removed;  // taken from the data folder
        std::vector<std::string> lines;
        const char* script = "8 close\n";  // a close posted in the first tick lets that tick run
        std::size_t frames = 9;
    } starts[] = {
        {{"--fail", "RegisterClassA"}, {}, Failed({})},
        {{"--fail", "DirectDrawCreate"}, {}, Failed({Box("QDDraw", "다이렉트드로우 생성 에러.", 0)})},
        {{"--fail", "CreateSurface"}, {}, Failed({Box("QDDraw", "프라이머리 서피스 생성 에러.", 0)})},
        // With every later play file gone too, the message names the first: the files are
        // opened in this order.
        {{}, {"Block.Dat", "Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf"}, Failed({MissingBox("Block.Dat")})},
        {{}, {"Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf"}, Failed({MissingBox("Logo.QSF")})},
        {{}, {"Block.QSF", "Flame.Qsf", "Explo.Qsf"}, Failed({MissingBox("Block.QSF")})},
        {{}, {"Flame.Qsf", "Explo.Qsf"}, Failed({MissingBox("Flame.Qsf")})},
        {{}, {"Explo.Qsf"}, Failed({MissingBox("Explo.Qsf")})},
        // Another library version ends at once.
        {{"--fail", "FSOUND_GetVersion"}, {}, Failed({"sound FSOUND_GetVersion"})},
        {{"--fail", "FSOUND_Init"}, {}, Failed(initFails)},
        {{}, {}, plain},
        // The picture is loaded after the tune is opened and before it starts.
        {{}, {"BACK1.Qsf"}, WentOn(Box("QDDraw", "BACK1.Qsf 파일이 없습니다.", 0), "BGM.Mp3", -1)},
        // Without a back buffer every frame goes straight onto the screen.
        {{"--fail", "GetAttachedSurface"}, {}, backBufferless},
        // Sounds missing or failing to load, and no banner pack: not a word, null handles.
        {{}, {"Combo.Qsf", "Explo.Wav", "BGM.Mp3"}, WentOn("", "null", 0)},
        {{"--fail", "FSOUND_Sample_LoadWav:2", "--fail", "FSOUND_Stream_OpenMpeg"}, {}, WentOn("", "null", 1)},
        {{}, {}, plain, "8 destroy\n"},
        // The iteration that takes a quit has no tick; its wParam is the exit code.
        {{}, {}, WentOn("", "BGM.Mp3", -1, 7), "8 quit 7\n", 8},
        // 1040 routes through entry 1024 and leaves the game running.
        {{}, {}, plain, "8 message 1025\n8 message 1040\n8 close\n", 11},
        // Escape ends in 0 whatever the last message carried: its own key-down (0x1B), or the
        // held button's MK_LBUTTON when the first tick sees Escape.
        {{}, {}, plain, "7 tap escape\n", 8},
        {{}, {}, plain, "7 down lbutton\n8 tap escape\n", 8},
        {{}, {}, plain, "8 down escape\n", 8},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(testing::Message() << "row " << &start - starts);
        const GameFolder folder;
        for (const std::string& name : start.removed) folder.Remove(name);
        std::vector<std::string> args = start.args;
        args.push_back("--trace");
        const HeadlessRun run = folder.Run(args, start.script);
        std::vector<std::string> said;
        for (const std::string& line : run.lines)
            if (!line.starts_with("frame ")) said.push_back(line);
        EXPECT_EQ(said, start.lines);
        EXPECT_EQ("exit " + std::to_string(run.status), start.lines.back());
        const bool wentOn = start.lines.back() != "exit 1";
        const auto frames = run.LinesStartingWith("frame");
        ASSERT_EQ(frames.size(), wentOn ? start.frames : 0u);
        if (wentOn && start.removed.empty()) {
            EXPECT_NE(frames[0].substr(8), frames[6].substr(8)) << "the dimming frames differ";
        }
    }
    // The safety stop closes after its frame and says so once.
    const HeadlessRun limited = GameFolder().Run({"--trace", "--max-frames", "12"});
    EXPECT_EQ(limited.FrameCount(), 13);
    EXPECT_EQ(std::count(limited.lines.begin(), limited.lines.end(), "limit 12"), 1);
}
