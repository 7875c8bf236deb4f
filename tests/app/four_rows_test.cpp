// A whole scripted game: with every piece the straight one standing upright, twelve pieces
// steered into the twelve columns fill the bottom four rows, and the twelfth clears all four
// at once: flashes, flames, the explosion with its banner.
#include <gtest/gtest.h>

#include "game_folder.h"

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
            const std::string frame = std::to_string(kIntroFrames + tick);
            plan.script += frame + " cursor " + std::to_string(cursor) + " 240\n";
        }
    }
    return plan;
}

}  // namespace

TEST(FourRows, TwelfthPieceClearsFourRowsAndSetsOffTheExplosion)
{
    const GameFolder folder;
    // All seven types, in all four rotations, the straight piece upright in block column 0.
    std::string shapes;
    for (int shape = 0; shape < 7 * 4; ++shape) shapes += "1 0 0 0\n1 0 0 0\n1 0 0 0\n1 0 0 0\n\n";
    folder.Write("Block.Dat", {shapes.begin(), shapes.end()});
    const PlannedGame plan = PlanFourRowGame();
    const int closeFrame = kIntroFrames + plan.clearingTick + kClearPresents + 2;
    const std::string script = plan.script + std::to_string(closeFrame) + " close\n";
    const HeadlessRun run = folder.Run({"--trace", "--max-frames", "2000"}, script);
    EXPECT_EQ(run.status, 0);
    std::vector<std::string> expected(12, "sound FSOUND_PlaySound -1 Dynamic.Wav");
    for (int row = 0; row < 4; ++row) {
        expected.push_back("sound FSOUND_PlaySound -1 Alpha.Wav");
        expected.insert(expected.end(), 21, "sound FSOUND_PlaySound -1 Flame.Wav");
    }
    expected.push_back("sound FSOUND_PlaySound -1 Explo.Wav");
    EXPECT_EQ(run.LinesStartingWith("sound FSOUND_PlaySound"), expected);
    // One frame a tick up to the clearing tick, its 131 presents, then two ticks and the
    // iteration that takes the close.
    EXPECT_EQ(run.FrameCount(), closeFrame + 1);
}
