#include "game/row_clearing.h"

#include <algorithm>
#include <iterator>

#include "game/well_drawing.h"
#include "game_fixture.h"
#include "gfx/display_fixture.h"
#include "platform/crt_random.h"

namespace {

using gametest::At;
using gametest::Probe;
using Pixels = std::vector<std::uint16_t>;

// Each removed row: its flash sound, then one flame sound per flame frame.
std::vector<std::string> SoundsFor(std::size_t rows) {
    std::vector<std::string> sounds;
    for (std::size_t i = 0; i < rows; ++i) {
        sounds.push_back("FSOUND_PlaySound -1 Alpha.Wav");
        sounds.insert(sounds.end(), 21, "FSOUND_PlaySound -1 Flame.Wav");
    }
    if (rows >= 4) {
        sounds.push_back("FSOUND_PlaySound -1 Explo.Wav");
    }
    return sounds;
}

std::vector<std::uint8_t> BoardNow() {
    return std::vector<std::uint8_t>(std::begin(Board), std::end(Board));
}

// Cells of a dark grey, flame frame f all blue f + 1, explosion frame f all green f + 1 and
// a red banner, so that every present shows which picture it is.
class RowClearingTest : public gametest::GameFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        SetUpGame(GetParam());
        for (Surface*& cell : BlockSprites) {
            cell = MakeSprite(24, 16, Colour(2, 2, 2));
        }
        for (int f = 0; f < kFlameFrameCount; ++f) {
            FlameFrames[f] = MakeSprite(8, 4, Colour(0, 0, f + 1));
        }
        for (int f = 0; f < kExplosionFrameCount; ++f) {
            ExplosionFrames[f] = MakeSprite(8, 8, Colour(0, f + 1, 0));
        }
        ComboSprite = MakeSprite(16, 8, Colour(5, 0, 0));
    }

    // Starts afresh with the rows given (top to bottom) full and rows 10-23 otherwise in a
    // varied pattern with gaps. Gives the board the removal must leave: each full row taken
    // out and an empty one put in at the top.
    std::vector<std::uint8_t> FillRows(const std::vector<int>& fullRows) {
        presents.clear();
        headless::ClearRecords();
        std::fill(std::begin(Board), std::end(Board), 0);
        InitBoard();
        for (int r = 10; r < 24; ++r) {
            for (int c = 1; c <= 12; ++c) {
                At(r, c) = (r * 5 + c * 3) % 4 == 0 ? 0 : (r + c) % 7 + 1;
            }
        }
        std::vector<std::uint8_t> expected = BoardNow();
        const std::uint8_t emptyRow[14] = {8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8};
        for (int r : fullRows) {
            for (int c = 1; c <= 12; ++c) {
                At(r, c) = (r + c) % 7 + 1;
            }
            expected.erase(expected.begin() + r * 14, expected.begin() + r * 14 + 14);
            expected.insert(expected.begin(), std::begin(emptyRow), std::end(emptyRow));
        }
        return expected;
    }

    // Each row's 27 presents: after each of the five flashes its 10 ms wait and the reading
    // that starts it, after each flame frame its 2 ms, and none after the brightened row, so
    // the next row's first flash follows at once.
    void ExpectRemovalPaces(std::size_t rows) {
        for (std::size_t i = 1; i < 27 * rows; ++i) {
            const std::size_t place = i % 27;
            const std::uint32_t pace = place == 0 ? 0 : place <= 5 ? 11 : 3;
            EXPECT_EQ(presents[i].clock - presents[i - 1].clock, pace) << "present " << i;
        }
    }
};

// Rows apart and together, at the top and the bottom: the rows above move down by how many
// went below, each removed row takes its sounds and 27 presents at their paces, and four or
// more rows set off the explosion with its sound and 23 presents.
TEST_P(RowClearingTest, FullRowsGoOneAfterAnother) {
    for (const std::vector<int>& rows : std::vector<std::vector<int>>{
             {}, {0}, {20, 22}, {12, 13, 23}, {1, 2, 3, 4}, {5, 9, 14, 18, 23}}) {
        SCOPED_TRACE(::testing::PrintToString(rows));
        const std::vector<std::uint8_t> expected = FillRows(rows);
        CheckFullRows();
        EXPECT_EQ(BoardNow(), expected);
        EXPECT_EQ(headless::SoundCalls(), SoundsFor(rows.size()));
        ASSERT_EQ(presents.size(), 27 * rows.size() + (rows.size() >= 4 ? 23 : 0));
        ExpectRemovalPaces(rows.size());
    }
}

// Five flashes brighten the row's cells; 21 flame frames, two flames per cell standing 6 px
// above it, burn on the scratch canvas over the cells in their own colour; then the row is
// brightened five times more and presented once.
TEST_P(RowClearingTest, OneRowFlashesBurnsAndGoes) {
    FillRows({17});
    const Probe cell{CellX(1) + 12, CellY(17) + 8};
    // Row 16 is drawn nowhere here: the flames' probes see black under them.
    const Probe leftFlame{CellX(1) - 2 + 1, CellY(17) - 6 + 1};
    const Probe rightFlame{CellX(12) + 10 + 7, CellY(17) - 6 + 3};
    probes = {cell, leftFlame, rightFlame};

    CheckFullRows();

    ASSERT_EQ(presents.size(), 27u);
    for (unsigned pass = 1; pass <= 5; ++pass) {
        const std::uint16_t lit = Colour(2 * pass, 2 * pass, 2 * pass);
        EXPECT_EQ(presents[pass - 1].probes, (Pixels{lit, 0, 0})) << "flash " << pass;
    }
    for (unsigned f = 0; f < 21; ++f) {
        const std::uint16_t flame = Colour(0, 0, f + 1);
        EXPECT_EQ(presents[5 + f].probes, (Pixels{Colour(2, 2, 2), flame, flame})) << "flame " << f;
    }
    EXPECT_EQ(presents[26].probes, (Pixels{Colour(12, 12, 12), 0, 0}));
    // The scratch canvases were the only thing the flames touched.
    EXPECT_EQ(CompositionCanvas->GetPixel(leftFlame.x, leftFlame.y), 0);
}

// Each of the 23 explosion frames, 10 ms apart, against one built here: the composition
// canvas, the frame's picture added at the ten spots the generator gives (x before y, x
// below 511, y below 351), and the banner added at (30, 100); without a banner when its
// pack was refused.
TEST_P(RowClearingTest, FourRowsSetOffTheExplosion) {
    for (Surface* combo : {ComboSprite, static_cast<Surface*>(nullptr)}) {
        SCOPED_TRACE(combo ? "with the banner" : "without a banner");
        ComboSprite = combo;
        FillRows({8, 9, 10, 21});
        crt::srand(1234);
        std::vector<Probe> spots;
        for (int k = 0; k < 10; ++k) {
            spots.push_back({crt::rand() % 511, crt::rand() % 351});  // a braced list runs in order
        }
        crt::srand(1234);

        CheckFullRows();

        ASSERT_EQ(presents.size(), 4u * 27u + 23u);
        for (int f = 0; f < 23; ++f) {
            Canvas expected(640, 480);
            CompositionCanvas->BlitTo(expected, 0, 0);
            for (const Probe& spot : spots) {
                ExplosionFrames[f]->BlendAddTo(expected, spot.x, spot.y);
            }
            if (combo != nullptr) {
                combo->BlendAddTo(expected, 30, 100);
            }
            EXPECT_EQ(presents[108 + f].crc, headless::FrameCrc32(expected.pixels)) << f;
            EXPECT_EQ(presents[108 + f].clock - presents[107 + f].clock, f == 0 ? 0u : 11u) << f;
        }
    }
}

// The check's canvas, which the explosion draws on, and the first removal's cannot be made:
// the board and the sounds are as usual and only their pictures are missing.
TEST_P(RowClearingTest, ScratchCanvasesThatCannotBeMadeSkipOnlyTheirDrawing) {
    const std::vector<std::uint8_t> expected = FillRows({1, 2, 3, 4});
    headless::FailCall(host::Call::CreateSurface, NextCreation());
    headless::FailCall(host::Call::CreateSurface, NextCreation() + 1);
    CheckFullRows();
    EXPECT_EQ(BoardNow(), expected);
    EXPECT_EQ(headless::SoundCalls(), SoundsFor(4));
    EXPECT_EQ(presents.size(), 6u + 3u * 27u);  // the first row's flashes and brightened row
}

INSTANTIATE_TEST_SUITE_P(Layouts, RowClearingTest, ::testing::Bool());

// A wait takes its first reading and then as many more as pass its time, or one more for
// none.
TEST(WaitMs, WaitsAtLeastItsTimeAcrossTheTimersWrap) {
    for (const auto& [start, ms, end] :
         {std::array{0xFFFFFFF0u, 40u, 0x19u}, {0xFFFFFFFFu, 1u, 1u}, {1u, 0u, 3u}}) {
        headless::SetClock(start);
        WaitMs(ms);
        EXPECT_EQ(headless::ClockNow(), end) << ms;
    }
}

}  // namespace
