#include "game/game_tick.h"

#include <array>

#include "game_fixture.h"
#include "platform/crt_random.h"
#include "platform/feed.h"
#include "texts/texts.h"

namespace {

using gametest::At;
using gametest::SetShape;

// Type, next type, rotation, column and row.
std::array<int, 5> PieceNow() {
    const FallingPieceFields& p = FallingPiece;
    return {p.type, p.nextType, p.rotation, p.column, p.row};
}

// A bar lying in block row 1 that stands up in block column 1, and a square; no sprites, so
// that each frame is the black background and the status line alone.
class GameTickTest : public gametest::GameFixture {
protected:
    void SetUp() override {
        SetUpGame(true);
        InitBoard();
        for (int q = 0; q < 4; ++q) {
            SetShape(0, q, q % 2 ? std::array{".X..", ".X..", ".X..", ".X.."}
                                 : std::array{"....", "XXXX", "....", "...."});
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
}

// Travel is measured from the reference, which moves whenever a step is tried, blocked or
// not: 20 px is not more than 20, 21 gathered over two ticks is, 200 in one tick is still
// one column. At 639 and 0 the cursor comes back in at 1 and 638 on its own row, with no
// step in that tick, and travel is measured afresh from there.
TEST_F(GameTickTest, TheCursorStepsOneColumnPastTheSensitivityAndWrapsAtTheEdges) {
    FallingPiece.column = 8;  // the bar fills columns 8-11, one from the right wall
    for (const auto& [x, y, cursorX, column, referenceX] :
         {std::array{340, 240, 340, 8, 320},  // 20 px right: no step
          {341, 240, 341, 9, 341},             // 21, gathered over two ticks
          {541, 240, 541, 9, 541},             // 200, against the wall
          {551, 240, 551, 9, 541},             // 10 from the moved reference
          {521, 240, 521, 9, 541},             // 20 px left: no step
          {520, 240, 520, 8, 520}, {320, 240, 320, 7, 320},  // 21, then 200
          {639, 200, 1, 7, 1}, {0, 300, 638, 7, 638}, {617, 300, 617, 6, 617}}) {
        FeedCursorPosition(x, y);
        GameTick();
        POINT cursor{};
        GetCursorPos(&cursor);
        EXPECT_EQ((std::array<long, 4>{cursor.x, cursor.y, FallingPiece.column,
                                       MouseState.referenceX}),
                  (std::array<long, 4>{cursorX, y, column, referenceX}))
            << x;
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
    // The step came first; no push, turn, sensitivity or gravity, no counter reset.
    EXPECT_EQ(PieceNow(), (std::array{0, 1, 0, 6, 0}));
    EXPECT_EQ((std::array<int, 3>{TickControl.mouseSensitivity, TickControl.rightButtonLatch,
                                  TickControl.tickCounter}),
              (std::array{20, 0, 51}));
}

// One turn per press, 3 turning on to 0; a turn that does not fit is taken back and not
// tried again until the button has been released.
TEST_F(GameTickTest, TheRightButtonTurnsOncePerPress) {
    // Standing up would reach into the floor; then it would fit, but the button is held.
    for (const auto& [row, held, rotation, latch] :
         {std::array{21, 1, 0, 1}, {10, 1, 0, 1}, {10, 0, 0, 0}, {10, 1, 1, 1}, {10, 1, 1, 1},
          {10, 0, 1, 0}, {10, 1, 2, 1}, {10, 0, 2, 0}, {10, 1, 3, 1}, {10, 0, 3, 0},
          {10, 1, 0, 1}}) {
        FallingPiece.row = static_cast<std::int16_t>(row);
        FeedKey(VK_RBUTTON, held);
        GameTick();
        EXPECT_EQ(FallingPiece.rotation, rotation);
        EXPECT_EQ(TickControl.rightButtonLatch, latch);
    }
}

// The turn comes before gravity: the bar can stand up at row 20 but not a row lower, so it
// stands and then, blocked by the floor, locks in column 6, rows 20-23.
TEST_F(GameTickTest, TheTurnComesBeforeGravity) {
    FallingPiece.row = 20;
    TickControl.tickCounter = 50;
    FeedKey(VK_RBUTTON, true);
    GameTick();
    EXPECT_EQ((std::array<int, 2>{At(20, 6), At(23, 6)}), (std::array{1, 1}));
}

// The bar, turned twice, lies on the floor, and the square comes next. The button locks
// the bar, writing its type value under its filled cells only, with the landing sound, and
// the square comes in at column 5, row 0 in its first rotation, over locked cells, which
// nothing refuses; gravity in the same tick locks it at row 0 over them.
TEST_F(GameTickTest, TheLeftButtonAndGravityLockTwoPiecesInOneTick) {
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
    EXPECT_EQ(PieceNow(), (std::array{third, fourth, 0, 5, 0}));
}

}  // namespace
