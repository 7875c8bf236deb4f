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

    // Plays the game; with snap, the frames the test looks at are kept in the folder.
    HeadlessRun Play(bool snap) const
    {
        std::string script = plan_.script;
        for (int frame : snap ? SnappedFrames() : std::vector<int>{}) {
            script += std::to_string(frame) + " snap " + FramePath(folder_.Path(), frame) + "\n";
        }
        script += std::to_string(closeFrame_) + " close\n";
        const std::vector<std::string> args = {"--trace", "--layout", GetParam() ? "565" : "555",
                                               "--max-frames", "2000"};
        return RunHeadless(folder_.Path(), args, script);
    }

    // The first tick, the explosion, and the tick after it.
    std::vector<int> SnappedFrames() const
    {
        std::vector<int> frames = {kIntroFrames + 1};
        for (int frame = FirstExplosionFrame(); frame <= FirstExplosionFrame() + kExplosionFrames; ++frame) {
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
    const HeadlessRun run = Play(false);
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

// The explosion's frames differ from one another, and after them the bottom four rows show
// the background again, as in the first tick.
TEST_P(FourRows, ExplosionFramesMoveAndTheRowsAreGone)
{
    const std::string framesDir = folder_.Path();
    ASSERT_EQ(Play(true).status, 0);
    const auto frame = [&](int number) { return ReadFrame(FramePath(framesDir, number), GetParam()); };
    for (int number = FirstExplosionFrame(); number + 1 < FirstExplosionFrame() + kExplosionFrames; ++number)
        EXPECT_NE(frame(number), frame(number + 1)) << "frame " << number;
    const auto firstTick = frame(kIntroFrames + 1);
    const auto afterwards = frame(FirstExplosionFrame() + kExplosionFrames);
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
