// A whole scripted game: with every piece the straight one standing upright, twelve pieces
// steered into the twelve columns fill the bottom four rows, and the twelfth clears all four
// at once: flashes, flames, the explosion with its banner.
#include <gtest/gtest.h>

#include <cstdint>

#include "game_folder.h"
#include "headless_run.h"

namespace {

constexpr int kIntroFrames = 7;
constexpr int kSpawnColumn = 5;
constexpr int kLowestRow = 20;     // an upright piece on the floor stands in rows 20-23
constexpr int kStepTravel = 24;    // more than the starting sensitivity of 20
constexpr int kPresentsPerRow = 5 + 21 + 1;
constexpr int kExplosionFrames = 23;
constexpr int kClearPresents = 4 * kPresentsPerRow + kExplosionFrames;

// Left and right of the spawn column by turns, so the cursor stays well inside the screen.
constexpr int kTargetColumns[12] = {5, 4, 6, 3, 7, 2, 8, 1, 9, 10, 11, 12};

struct PlannedGame {
    std::string script;
    int clearingTick = 0;  // the tick in which the twelfth piece locks
};

// Follows the game tick by tick as the rules have it (the left button held from the start,
// gravity in every 51st tick), and steers each piece one column a tick as soon as it spawns.
// A cursor set after a tick's present is read by the next tick.
PlannedGame PlanFourRowGame()
{
    PlannedGame plan;
    int cursor = 100;
    plan.script = "0 cursor 100 240\n7 down lbutton\n";
    int piece = 0, row = 0, tickCounter = 0;
    int stepsLeft = kTargetColumns[0] - kSpawnColumn;
    const auto stepDown = [&](int tick) {
        if (row < kLowestRow) {
            ++row;
            return;
        }
        if (++piece == 12) plan.clearingTick = tick;
        row = 0;
        if (piece < 12) stepsLeft = kTargetColumns[piece] - kSpawnColumn;
    };
    for (int tick = 1; plan.clearingTick == 0; ++tick) {
        ++tickCounter;
        stepDown(tick);  // the left button
        if (tickCounter > 50 && plan.clearingTick == 0) {
            stepDown(tick);  // gravity
            tickCounter = 0;
        }
        if (stepsLeft != 0 && plan.clearingTick == 0) {
            const int direction = stepsLeft > 0 ? 1 : -1;
            cursor += direction * kStepTravel;
            stepsLeft -= direction;
            plan.script += std::to_string(kIntroFrames + tick) + " cursor " + std::to_string(cursor) + " 240\n";
        }
    }
    return plan;
}

class FourRows : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        plan_ = PlanFourRowGame();
        closeFrame_ = kIntroFrames + plan_.clearingTick + kClearPresents + 2;
        folder_.WriteText("Block.Dat", UprightStraightShapes());
    }

    // Plays the game; with a folder given, snapshots of the frames the test looks at go there.
    HeadlessRun Play(const GameFolder& folder, const std::string& snapDir) const
    {
        std::string script = plan_.script;
        if (!snapDir.empty()) {
            for (int frame : SnappedFrames()) {
                script += std::to_string(frame) + " snap " + FramePath(snapDir, frame) + "\n";
            }
        }
        script += std::to_string(closeFrame_) + " close\n";
        const std::vector<std::string> args = {"--trace", "--layout", GetParam() ? "565" : "555",
                                               "--max-frames", "2000"};
        return RunHeadless(folder.Path(), args, script);
    }

    // The first tick, the explosion with a frame on either side, and the tick after it.
    std::vector<int> SnappedFrames() const
    {
        std::vector<int> frames = {kIntroFrames + 1};
        for (int frame = FirstExplosionFrame() - 1; frame <= FirstExplosionFrame() + kExplosionFrames; ++frame) {
            frames.push_back(frame);
        }
        return frames;
    }

    // The first frame the clearing presents, and the first of the explosion.
    int FirstClearingFrame() const { return kIntroFrames + plan_.clearingTick + 1; }
    int FirstExplosionFrame() const { return FirstClearingFrame() + 4 * kPresentsPerRow; }

    PlannedGame plan_;
    int closeFrame_ = 0;
    GameFolder folder_;
};

std::string Layout(const ::testing::TestParamInfo<bool>& info)
{
    return info.param ? "Layout565" : "Layout555";
}

}  // namespace

TEST_P(FourRows, TwelfthPieceClearsFourRowsAndSetsOffTheExplosion)
{
    const HeadlessRun run = Play(folder_, "");
    EXPECT_EQ(run.status, 0);
    std::vector<std::string> expected(12, "sound FSOUND_PlaySound -1 Dynamic.Wav");
    for (int row = 0; row < 4; ++row) {
        expected.push_back("sound FSOUND_PlaySound -1 Alpha.Wav");
        for (int frame = 0; frame < 21; ++frame) expected.push_back("sound FSOUND_PlaySound -1 Flame.Wav");
    }
    expected.push_back("sound FSOUND_PlaySound -1 Explo.Wav");
    EXPECT_EQ(run.LinesStartingWith("sound FSOUND_PlaySound"), expected);
    // One frame a tick up to the clearing tick, its 131 presents, then two ticks and the
    // iteration that takes the close.
    EXPECT_EQ(run.FrameCount(), closeFrame_ + 1);
}

TEST_P(FourRows, ExplosionFramesCarryTheBannerAndTheRowsAreGone)
{
    const std::string framesDir = folder_.Path();
    const HeadlessRun withBanner = Play(folder_, framesDir);
    ASSERT_EQ(withBanner.status, 0);

    GameFolder noBanner;
    noBanner.WriteText("Block.Dat", UprightStraightShapes());
    noBanner.Patch("Combo.Qsf", 0, 'X');
    const std::string plainDir = noBanner.Path();
    const HeadlessRun without = Play(noBanner, plainDir);
    ASSERT_EQ(without.status, 0);
    EXPECT_TRUE(without.LinesStartingWith("box").empty());

    const std::vector<std::uint8_t> combo = folder_.Read("Combo.Qsf");
    ASSERT_GE(combo.size(), 23u);
    const int bannerWidth = combo[19] | combo[20] << 8, bannerHeight = combo[21] | combo[22] << 8;
    const auto inBanner = [&](int x, int y) {
        return x >= 30 && x < 30 + bannerWidth && y >= 100 && y < 100 + bannerHeight;
    };

    // Without its banner the game is the same game: the same frames everywhere but under the
    // banner, and there only while the explosion runs.
    ASSERT_EQ(withBanner.FrameCount(), without.FrameCount());
    for (int frame = FirstExplosionFrame() - 1; frame < FirstExplosionFrame() + kExplosionFrames + 1; ++frame) {
        const auto shown = ReadFrame(FramePath(framesDir, frame), GetParam());
        const auto plain = ReadFrame(FramePath(plainDir, frame), GetParam());
        ASSERT_EQ(shown.size(), 640u * 480u);
        ASSERT_EQ(plain.size(), 640u * 480u);
        int differing = 0;
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                const std::size_t at = static_cast<std::size_t>(y * 640 + x);
                if (shown[at] == plain[at]) continue;
                ASSERT_TRUE(inBanner(x, y)) << "frame " << frame << " differs at " << x << "," << y;
                ++differing;
            }
        }
        const bool exploding = frame >= FirstExplosionFrame() && frame < FirstExplosionFrame() + kExplosionFrames;
        if (exploding) {
            EXPECT_GT(differing, bannerWidth * bannerHeight / 10) << "frame " << frame << " has no banner";
        } else {
            EXPECT_EQ(differing, 0) << "frame " << frame;
        }
    }

    // After the clearing the bottom four rows show the background again, as in the first tick.
    const auto firstTick = ReadFrame(FramePath(framesDir, kIntroFrames + 1), GetParam());
    const auto afterwards = ReadFrame(FramePath(framesDir, FirstExplosionFrame() + kExplosionFrames), GetParam());
    ASSERT_EQ(firstTick.size(), 640u * 480u);
    ASSERT_EQ(afterwards.size(), 640u * 480u);
    for (int y = 40 + 16 * 20; y < 40 + 16 * 24; ++y) {
        for (int x = 40 + 24 * 1; x < 40 + 24 * 13; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * 640 + x);
            ASSERT_EQ(afterwards[at], firstTick[at]) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, FourRows, ::testing::Bool(), Layout);
