// The end of every run: the samples freed in their order, everything released, also after
// a start that failed.
#include "app/shutdown.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "app/win_main.h"
#include "game/resources.h"
#include "game_folder.h"
#include "gfx/display.h"
#include "headless_run.h"
#include "platform/feed.h"
#include "platform/headless/headless.h"
#include "sound/sounds.h"

namespace {

std::vector<std::string> LastSoundLines(const HeadlessRun& run, std::size_t count)
{
    const auto sounds = run.LinesStartingWith("sound");
    if (sounds.size() < count) return sounds;
    return std::vector<std::string>(sounds.end() - static_cast<long>(count), sounds.end());
}

}  // namespace

TEST(Shutdown, FreesTheSamplesInTheirOrderLast)
{
    const GameFolder folder;
    const HeadlessRun run = RunHeadless(folder.Path(), {}, "8 close\n");
    EXPECT_EQ(LastSoundLines(run, 4), SampleFrees(true));
    ASSERT_GE(run.lines.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(run.lines.end() - 5, run.lines.end() - 1), SampleFrees(true));
}

TEST(Shutdown, RunsAfterEveryFailedStart)
{
    for (const char* fault : {"RegisterClassA", "DirectDrawCreate", "FSOUND_Init"}) {
        const GameFolder folder;
        const HeadlessRun run = RunHeadless(folder.Path(), {"--fail", fault});
        EXPECT_EQ(LastSoundLines(run, 4), SampleFrees(false)) << fault;
        EXPECT_EQ(run.lines.back(), "exit 1") << fault;
    }
}

TEST(Shutdown, ReleasesEverythingAndTheDisplayLast)
{
    const GameFolder folder;
    ASSERT_EQ(chdir(folder.Path().c_str()), 0);
    FeedMessage(WM_CLOSE, 0, 0);  // taken by the first iteration
    EXPECT_EQ(WinMain(ThisModule(), nullptr, nullptr, SW_SHOWDEFAULT), 0);
    EXPECT_EQ(BackgroundCanvas, nullptr);
    EXPECT_EQ(CompositionCanvas, nullptr);
    EXPECT_EQ(LogoSprite, nullptr);
    EXPECT_EQ(ComboSprite, nullptr);
    for (Surface* sprite : BlockSprites) EXPECT_EQ(sprite, nullptr);
    for (Surface* sprite : FlameFrames) EXPECT_EQ(sprite, nullptr);
    for (Surface* sprite : ExplosionFrames) EXPECT_EQ(sprite, nullptr);
    EXPECT_EQ(TheDisplay.directDraw, nullptr);
    EXPECT_EQ(TheDisplay.primary, nullptr);
    EXPECT_EQ(TheDisplay.backBuffer, nullptr);
    const auto& sounds = headless::SoundCalls();
    ASSERT_GE(sounds.size(), 4u);
    EXPECT_EQ(sounds.back(), "FSOUND_Sample_Free Dynamic.Wav");
}

TEST(Shutdown, FindsNothingToReleaseBeforeAnyStart)
{
    EXPECT_EQ(Shutdown(), 1);
    EXPECT_EQ(Shutdown(), 1);
    EXPECT_EQ(headless::SoundCalls().size(), 8u) << "the four frees each time, with null handles";
    EXPECT_EQ(headless::MessageBoxes().size(), 0u);
}
