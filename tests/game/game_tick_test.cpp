#include "game/game_tick.h"

#include <gtest/gtest.h>

#include "game/board.h"
#include "game/resources.h"
#include "game_fixture.h"
#include "platform/feed.h"
#include "platform/headless/headless.h"
#include "texts/texts.h"

namespace {

using gametest::SetShape;

std::uint8_t& At(int row, int column) {
    return Board[row * kBoardColumns + column];
}

POINT Cursor() {
    POINT point{};
    GetCursorPos(&point);
    return point;
}

// A bar lying in block row 1 that stands up in block column 1, and a square; no sprites, so
// that each frame is the black background and the status line alone.
class GameTickTest : public gametest::GameFixture {
protected:
    void SetUp() override {
        SetUpGame(true);
        InitBoard();
        for (int q = 0; q < 4; ++q) {
            if (q % 2 == 0) {
                SetShape(0, q, {"....", "XXXX", "....", "...."});
            } else {
                SetShape(0, q, {".X..", ".X..", ".X..", ".X.."});
            }
            SetShape(1, q, {".XX.", ".XX.", "....", "...."});
        }
        FallingPiece = {0, 1, 0, 5, 0};
        FeedCursorPosition(320, 240);
        MouseState = {320, 240, 320};
    }

    // The frame a tick presents with nothing on the board drawn: its status line only.
    std::uint32_t StatusFrameCrc(int column, int row, int sensitivity, int counter) {
        Canvas expected(640, 480);
        expected.SetTextBkMode(1);
        expected.SetTextRGB(255, 255, 255);
        expected.Printf(0, 0, text::StatusLine, column, row, sensitivity, counter);
        return headless::FrameCrc32(expected.pixels);
    }

    void MoveCursorTo(int x) { FeedCursorPosition(x, 240); }
};

TEST_F(GameTickTest, GravityComesInTheFiftyFirstTickAndTheCounterShowsOneToFiftyOne) {
    for (int tick = 1; tick <= 103; ++tick) {
        ASSERT_EQ(GameTick(), 1);
        EXPECT_EQ(FallingPiece.row, tick / 51) << "after tick " << tick;
    }
    ASSERT_EQ(Presents().size(), 103u);
    for (int tick = 1; tick <= 103; ++tick) {
        const int counter = (tick - 1) % 51 + 1;
        const int row = (tick - 1) / 51;  // the frame shows the state before the tick's input
        EXPECT_EQ(Presents()[tick - 1].crc, StatusFrameCrc(5, row, 20, counter)) << "tick " << tick;
    }
    // Each idle tick waits its 10 ms, nothing more, on the virtual clock.
    for (std::size_t i = 1; i < Presents().size(); ++i) {
        EXPECT_EQ(Presents()[i].clock - Presents()[i - 1].clock, 11u) << "tick " << i + 1;
    }
    EXPECT_EQ(TickControl.tickCounter, 1);
}

// Travel is measured from the reference, which moves only with a step: 20 px is not more
// than 20, 21 gathered over two ticks is, 200 in one tick is still one column.
TEST_F(GameTickTest, TravelMustExceedTheSensitivityAndMovesOneColumnAtMost) {
    struct Step {
        int cursorX, column, referenceX;
    };
    for (const Step step : {Step{340, 5, 320}, {341, 6, 341}, {541, 7, 541}, {541, 7, 541}, {520, 6, 520},
                            {500, 6, 520}}) {
        MoveCursorTo(step.cursorX);
        GameTick();
        EXPECT_EQ(FallingPiece.column, step.column) << "cursor at " << step.cursorX;
        EXPECT_EQ(MouseState.referenceX, step.referenceX) << "cursor at " << step.cursorX;
    }
}

TEST_F(GameTickTest, TheCursorWrapsAtBothEdgesWithoutMovingThePiece) {
    FeedCursorPosition(639, 200);
    GameTick();
    EXPECT_EQ(FallingPiece.column, 5);
    EXPECT_EQ(Cursor().x, 1);
    EXPECT_EQ(Cursor().y, 200);
    EXPECT_EQ(MouseState.referenceX, 1);

    FeedCursorPosition(0, 300);
    GameTick();
    EXPECT_EQ(FallingPiece.column, 5);
    EXPECT_EQ(Cursor().x, 638);
    EXPECT_EQ(Cursor().y, 300);
    EXPECT_EQ(MouseState.referenceX, 638);

    FeedCursorPosition(638 - 21, 300);  // travel is measured from where the wrap landed
    GameTick();
    EXPECT_EQ(FallingPiece.column, 4);
}

TEST_F(GameTickTest, ABlockedMoveStillMovesTheReference) {
    FallingPiece.column = 9;  // the bar fills columns 9-12, against the right wall
    MoveCursorTo(350);
    GameTick();
    EXPECT_EQ(FallingPiece.column, 9);
    EXPECT_EQ(MouseState.referenceX, 350);
    MoveCursorTo(360);  // 10 px from the moved reference: no step tried
    GameTick();
    EXPECT_EQ(MouseState.referenceX, 350);
}

TEST_F(GameTickTest, SensitivityWrapsInEightBitsBothWays) {
    FeedKey(VK_NEXT, true);
    for (int tick = 1; tick <= 10; ++tick) {
        GameTick();
    }
    EXPECT_EQ(TickControl.mouseSensitivity, 0);
    GameTick();
    EXPECT_EQ(TickControl.mouseSensitivity, 254);
    FeedKey(VK_NEXT, false);
    GameTick();
    EXPECT_EQ(Presents().back().crc, StatusFrameCrc(5, 0, 254, 12));

    FeedKey(VK_PRIOR, true);
    GameTick();
    EXPECT_EQ(TickControl.mouseSensitivity, 0);
    FeedKey(VK_NEXT, true);  // both in one tick: up, then down
    GameTick();
    EXPECT_EQ(TickControl.mouseSensitivity, 0);
}

TEST_F(GameTickTest, EscapeEndsTheTickAfterTheSidewaysStepAndBeforeEverythingElse) {
    TickControl.tickCounter = 50;
    FeedKey(VK_ESCAPE, true);
    FeedKey(VK_LBUTTON, true);
    FeedKey(VK_RBUTTON, true);
    FeedKey(VK_PRIOR, true);
    MoveCursorTo(360);
    EXPECT_EQ(GameTick(), 0);
    EXPECT_EQ(FallingPiece.column, 6);  // the step came first
    EXPECT_EQ(FallingPiece.row, 0);
    EXPECT_EQ(FallingPiece.rotation, 0);
    EXPECT_EQ(TickControl.mouseSensitivity, 20);
    EXPECT_EQ(TickControl.rightButtonLatch, 0);
    EXPECT_EQ(TickControl.tickCounter, 51);  // no gravity, no reset
}

TEST_F(GameTickTest, TheRightButtonTurnsOncePerPress) {
    FallingPiece.row = 10;
    FeedKey(VK_RBUTTON, true);
    for (int tick = 0; tick < 3; ++tick) {
        GameTick();
        EXPECT_EQ(FallingPiece.rotation, 1);
        EXPECT_EQ(TickControl.rightButtonLatch, 1);
    }
    FeedKey(VK_RBUTTON, false);
    GameTick();
    EXPECT_EQ(TickControl.rightButtonLatch, 0);
    FallingPiece.rotation = 3;
    FeedKey(VK_RBUTTON, true);
    GameTick();
    EXPECT_EQ(FallingPiece.rotation, 0);  // 3 turns on to 0
}

TEST_F(GameTickTest, ARefusedTurnRestoresTheRotationAndIsNotRetriedWhileHeld) {
    FallingPiece.row = 21;  // standing up would reach into the floor
    FeedKey(VK_RBUTTON, true);
    GameTick();
    EXPECT_EQ(FallingPiece.rotation, 0);
    EXPECT_EQ(TickControl.rightButtonLatch, 1);
    FallingPiece.row = 10;  // now it would fit, but the button has not been released
    GameTick();
    EXPECT_EQ(FallingPiece.rotation, 0);
    FeedKey(VK_RBUTTON, false);
    GameTick();
    FeedKey(VK_RBUTTON, true);
    GameTick();
    EXPECT_EQ(FallingPiece.rotation, 1);
}

TEST_F(GameTickTest, TheLeftButtonAndGravityEachStepInOneTick) {
    TickControl.tickCounter = 50;
    FeedKey(VK_LBUTTON, true);
    GameTick();
    EXPECT_EQ(FallingPiece.row, 2);
    EXPECT_EQ(TickControl.tickCounter, 0);
    GameTick();  // the button does not reset the counter
    EXPECT_EQ(FallingPiece.row, 3);
    EXPECT_EQ(TickControl.tickCounter, 1);
}

TEST_F(GameTickTest, TheLeftButtonLocksAndGravityMovesTheNewPieceInTheSameTick) {
    FallingPiece.row = 22;  // the bar lies on the floor
    TickControl.tickCounter = 50;
    FeedKey(VK_LBUTTON, true);
    GameTick();
    for (int c = 1; c <= 12; ++c) {
        EXPECT_EQ(At(23, c), c >= 5 && c <= 8 ? 1 : 0) << "column " << c;
    }
    EXPECT_EQ(FallingPiece.type, 1);
    EXPECT_EQ(FallingPiece.column, 5);
    EXPECT_EQ(FallingPiece.row, 1);
}

TEST_F(GameTickTest, APieceSpawnedOverLockedCellsLocksAtRowZeroOverThem) {
    for (int c = 5; c <= 8; ++c) {
        At(1, c) = 3;
        At(2, c) = 3;
    }
    FallingPiece = {0, 1, 0, 5, 20};
    LockPiece();  // the square spawns over the locked cells; nothing refuses it
    EXPECT_EQ(FallingPiece.type, 1);
    EXPECT_EQ(FallingPiece.row, 0);
    const std::int16_t third = FallingPiece.nextType;
    FeedKey(VK_LBUTTON, true);
    GameTick();
    EXPECT_EQ(At(0, 6), 2);
    EXPECT_EQ(At(0, 7), 2);
    EXPECT_EQ(At(1, 6), 2);  // the locked cells under it are replaced
    EXPECT_EQ(At(1, 7), 2);
    EXPECT_EQ(At(1, 5), 3);
    EXPECT_EQ(At(1, 8), 3);
    EXPECT_EQ(FallingPiece.type, third);
    EXPECT_EQ(FallingPiece.row, 0);
}

}  // namespace
