#include "game/game_tick.h"

#include "game_fixture.h"
#include "platform/crt_random.h"
#include "platform/feed.h"
#include "texts/texts.h"

namespace {

using gametest::SetShape;

std::uint8_t& At(int row, int column) {
    return Board[row * kBoardColumns + column];
}

// A bar lying in block row 1 that stands up in block column 1, and a square; no sprites, so
// that each frame is the black background and the status line alone.
class GameTickTest : public gametest::GameFixture {
protected:
    void SetUp() override {
        SetUpGame(true);
        InitBoard();
        const gametest::ShapeRows lying = {"....", "XXXX", "....", "...."};
        const gametest::ShapeRows standing = {".X..", ".X..", ".X..", ".X.."};
        for (int q = 0; q < 4; ++q) {
            SetShape(0, q, q % 2 == 0 ? lying : standing);
            SetShape(1, q, {".XX.", ".XX.", "....", "...."});
        }
        FallingPiece = {0, 1, 0, 5, 0};
        FeedCursorPosition(320, 240);
        MouseState = {320, 240, 320};
    }

    // The frame a tick presents with nothing on the board drawn: its status line only.
    static std::uint32_t StatusFrameCrc(int column, int row, int sensitivity, int counter) {
        Canvas expected(640, 480);
        expected.SetTextBkMode(1);
        expected.SetTextRGB(255, 255, 255);
        expected.Printf(0, 0, text::StatusLine, column, row, sensitivity, counter);
        return headless::FrameCrc32(expected.pixels);
    }
};

// Each frame shows the state before the tick's input; each idle tick waits its 10 ms and
// one reading more on the virtual clock.
TEST_F(GameTickTest, GravityComesInTheFiftyFirstTickAndTheCounterShowsOneToFiftyOne) {
    for (int tick = 1; tick <= 103; ++tick) {
        SCOPED_TRACE(tick);
        ASSERT_EQ(GameTick(), 1);
        EXPECT_EQ(FallingPiece.row, tick / 51);
        const int counter = (tick - 1) % 51 + 1;
        EXPECT_EQ(presents.back().crc, StatusFrameCrc(5, (tick - 1) / 51, 20, counter));
        EXPECT_EQ(presents.back().clock - presents.front().clock, 11u * (tick - 1));
    }
    EXPECT_EQ(TickControl.tickCounter, 1);
    // The left button and gravity each step in one tick; the button resets no counter.
    TickControl.tickCounter = 50;
    FeedKey(VK_LBUTTON, true);
    GameTick();
    EXPECT_EQ(FallingPiece.row, 4);
    EXPECT_EQ(TickControl.tickCounter, 0);
    GameTick();
    EXPECT_EQ(FallingPiece.row, 5);
    EXPECT_EQ(TickControl.tickCounter, 1);
}

// Travel is measured from the reference, which moves whenever a step is tried, blocked or
// not: 20 px is not more than 20, 21 gathered over two ticks is, 200 in one tick is still
// one column. At 639 and 0 the cursor comes back in at 1 and 638 on its own row, with no
// step in that tick, and travel is measured afresh from there.
TEST_F(GameTickTest, TheCursorStepsOneColumnPastTheSensitivityAndWrapsAtTheEdges) {
    FallingPiece.column = 8;  // the bar fills columns 8-11, one from the right wall
    struct Step {
        int x, y, cursorX, column, referenceX;
    };
    for (const Step s : {Step{340, 240, 340, 8, 320},  // 20 px right: no step
                         {341, 240, 341, 9, 341},      // 21, gathered over two ticks
                         {541, 240, 541, 9, 541},      // 200, against the wall
                         {551, 240, 551, 9, 541},      // 10 from the moved reference
                         {521, 240, 521, 9, 541},      // 20 px left: no step
                         {520, 240, 520, 8, 520}, {320, 240, 320, 7, 320},  // 21, then 200
                         {639, 200, 1, 7, 1}, {0, 300, 638, 7, 638}, {617, 300, 617, 6, 617}}) {
        SCOPED_TRACE(s.x);
        FeedCursorPosition(s.x, s.y);
        GameTick();
        POINT cursor{};
        GetCursorPos(&cursor);
        EXPECT_EQ(cursor.x, s.cursorX);
        EXPECT_EQ(cursor.y, s.y);
        EXPECT_EQ(FallingPiece.column, s.column);
        EXPECT_EQ(MouseState.referenceX, s.referenceX);
    }
}

TEST_F(GameTickTest, SensitivityWrapsInEightBitsBothWays) {
    FeedKey(VK_NEXT, true);
    for (int tick = 1; tick <= 11; ++tick) {
        GameTick();
        EXPECT_EQ(TickControl.mouseSensitivity, tick <= 10 ? 20 - 2 * tick : 254);
    }
    FeedKey(VK_NEXT, false);
    GameTick();
    EXPECT_EQ(presents.back().crc, StatusFrameCrc(5, 0, 254, 12));

    FeedKey(VK_PRIOR, true);
    GameTick();
    EXPECT_EQ(TickControl.mouseSensitivity, 0);
    FeedKey(VK_NEXT, true);  // both in one tick: up, then down
    GameTick();
    EXPECT_EQ(TickControl.mouseSensitivity, 0);
}

TEST_F(GameTickTest, EscapeEndsTheTickAfterTheSidewaysStepAndBeforeEverythingElse) {
    TickControl.tickCounter = 50;
    for (int key : {VK_ESCAPE, VK_LBUTTON, VK_RBUTTON, VK_PRIOR}) {
        FeedKey(key, true);
    }
    FeedCursorPosition(360, 240);
    EXPECT_EQ(GameTick(), 0);
    EXPECT_EQ(FallingPiece.column, 6);  // the step came first
    EXPECT_EQ(FallingPiece.row, 0);
    EXPECT_EQ(FallingPiece.rotation, 0);
    EXPECT_EQ(TickControl.mouseSensitivity, 20);
    EXPECT_EQ(TickControl.rightButtonLatch, 0);
    EXPECT_EQ(TickControl.tickCounter, 51);  // no gravity, no reset
}

// One turn per press, 3 turning on to 0; a turn that does not fit is taken back and not
// tried again until the button has been released.
TEST_F(GameTickTest, TheRightButtonTurnsOncePerPress) {
    struct Step {
        int row;
        bool held;
        int rotation, latch;
    };
    for (const Step s : {Step{21, true, 0, 1},  // standing up would reach into the floor
                         {10, true, 0, 1},      // now it would fit, but the button is held
                         {10, false, 0, 0}, {10, true, 1, 1}, {10, true, 1, 1},
                         {10, false, 1, 0}, {10, true, 2, 1}, {10, false, 2, 0},
                         {10, true, 3, 1}, {10, false, 3, 0}, {10, true, 0, 1}}) {
        FallingPiece.row = static_cast<std::int16_t>(s.row);
        FeedKey(VK_RBUTTON, s.held);
        GameTick();
        EXPECT_EQ(FallingPiece.rotation, s.rotation);
        EXPECT_EQ(TickControl.rightButtonLatch, s.latch);
    }
}

// The bar, turned twice, lies on the floor, and the square comes next. The button locks
// the bar, writing its type value under its filled cells only, with the landing sound, and
// the square comes in at column 5, row 0 in its first rotation, over locked cells, which
// nothing refuses; gravity in the same tick locks it at row 0 over them.
TEST_F(GameTickTest, TheLeftButtonAndGravityLockTwoPiecesInOneTick) {
    LoadSounds();
    FallingPiece = {0, 1, 2, 3, 22};
    At(22, 4) = 7;  // under an empty cell of the bar's block: stays
    At(23, 4) = 2;  // under a filled cell: overwritten
    for (int c = 5; c <= 8; ++c) {
        At(1, c) = 3;
    }
    crt::srand(99);
    const int third = crt::rand() % 7;
    const int fourth = crt::rand() % 7;
    crt::srand(99);
    TickControl.tickCounter = 50;
    FeedKey(VK_LBUTTON, true);
    GameTick();
    for (int c = 1; c <= 12; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(At(0, c), c == 6 || c == 7 ? 2 : 0);
        EXPECT_EQ(At(1, c), c == 6 || c == 7 ? 2 : c == 5 || c == 8 ? 3 : 0);
        EXPECT_EQ(At(22, c), c == 4 ? 7 : 0);
        EXPECT_EQ(At(23, c), c >= 3 && c <= 6 ? 1 : 0);
    }
    const std::string landing = "FSOUND_PlaySound -1 Dynamic.Wav";
    EXPECT_EQ(headless::SoundCalls(), (std::vector<std::string>{landing, landing}));
    EXPECT_EQ(FallingPiece.type, third);
    EXPECT_EQ(FallingPiece.nextType, fourth);
    EXPECT_EQ(FallingPiece.rotation, 0);
    EXPECT_EQ(FallingPiece.column, 5);
    EXPECT_EQ(FallingPiece.row, 0);
}

}  // namespace
