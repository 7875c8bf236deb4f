// A display that does not come up: each failing step's message and what follows it.
#include <gtest/gtest.h>

#include <algorithm>

#include "game_folder.h"
#include "headless_run.h"

namespace {

struct DisplayStep {
    const char* call;
    const char* message;
};

void PrintTo(const DisplayStep& step, std::ostream* out)
{
    *out << step.call;
}

class DisplayFailure : public ::testing::TestWithParam<DisplayStep> {};

}  // namespace

// Before the primary surface exists nothing can be shown: the start ends at once.
TEST_P(DisplayFailure, BeforeThePrimaryEndsTheStart)
{
    const GameFolder folder;
    const HeadlessRun run = RunHeadless(folder.Path(), {"--trace", "--fail", GetParam().call}, "8 close\n");
    EXPECT_EQ(run.LinesStartingWith("box"),
              std::vector<std::string>{std::string("box \"QDDraw\" \"") + GetParam().message + "\" 0"});
    EXPECT_EQ(run.LinesStartingWith("sound"), SampleFrees(false)) << "nothing is loaded";
    EXPECT_EQ(run.FrameCount(), 0);
    EXPECT_NE(run.status, 0);
}

INSTANTIATE_TEST_SUITE_P(EarlySteps, DisplayFailure,
                         ::testing::Values(DisplayStep{"DirectDrawCreate", "다이렉트드로우 생성 에러."},
                                           DisplayStep{"SetCooperativeLevel", "협력 에러."},
                                           DisplayStep{"SetDisplayMode", "디스플레이 모드 에러."},
                                           DisplayStep{"CreateSurface", "프라이머리 서피스 생성 에러."}),
                         [](const ::testing::TestParamInfo<DisplayStep>& info) { return std::string(info.param.call); });

TEST(DisplayFailure, WithoutABackBufferTheGamePlaysOn)
{
    const GameFolder folder;
    const HeadlessRun run = RunHeadless(folder.Path(), {"--trace", "--fail", "GetAttachedSurface"}, "8 close\n");
    EXPECT_EQ(run.LinesStartingWith("box"),
              std::vector<std::string>{"box \"QDDraw\" \"백 서피스 생성 에러.\" 0"});
    EXPECT_EQ(run.FrameCount(), 9) << "every frame is copied straight onto the screen";
    EXPECT_EQ(run.status, 0);
    const auto frames = run.LinesStartingWith("frame");
    ASSERT_EQ(frames.size(), 9u);
    EXPECT_NE(frames[0].substr(8), frames[6].substr(8)) << "the dimming frames differ";
    const auto sounds = run.LinesStartingWith("sound");
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "sound FSOUND_Stream_Play -1 BGM.Mp3"), sounds.end());
}
