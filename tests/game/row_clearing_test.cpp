#include "game/row_clearing.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/board.h"
#include "game/resources.h"
#include "game/well_drawing.h"
#include "game_fixture.h"
#include "gfx/display.h"
#include "platform/headless/headless.h"

namespace {

using gametest::Pixel;
using gametest::Probe;

std::uint8_t& At(int row, int column) {
    return Board[row * kBoardColumns + column];
}

constexpr int kFlameWidth = 8;
constexpr int kFlameHeight = 4;
constexpr int kExplosionSide = 8;
constexpr int kBannerWidth = 16;
constexpr int kBannerHeight = 8;

const std::string kAlpha = "FSOUND_PlaySound -1 Alpha.Wav";
const std::string kFlame = "FSOUND_PlaySound -1 Flame.Wav";
const std::string kExplo = "FSOUND_PlaySound -1 Explo.Wav";

std::uint16_t SaturatingAdd(std::uint16_t a, std::uint16_t b) {
    const unsigned greenMax = headless::Layout565() ? 63 : 31;
    return Pixel(std::min(gametest::RedOf(a) + gametest::RedOf(b), 31u),
                 std::min(gametest::GreenOf(a) + gametest::GreenOf(b), greenMax),
                 std::min(gametest::BlueOf(a) + gametest::BlueOf(b), 31u));
}

// Cells of a dark grey, flame frame f all blue f + 1, explosion frame f all green f + 1 and
// a red banner, so that every present shows which picture it is.
class RowClearingTest : public gametest::GameFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        SetUpGame(GetParam());
        LoadSounds();
        for (int i = 0; i < kBlockSpriteCount; ++i) {
            BlockSprites[i] = MakeSprite(24, 16, Pixel(2, 2, 2), gametest::Magenta());
        }
        for (int f = 0; f < kFlameFrameCount; ++f) {
            FlameFrames[f] = MakeSprite(kFlameWidth, kFlameHeight, Pixel(0, 0, f + 1), gametest::White());
        }
        for (int f = 0; f < kExplosionFrameCount; ++f) {
            ExplosionFrames[f] = MakeSprite(kExplosionSide, kExplosionSide, Pixel(0, f + 1, 0), gametest::White());
        }
        ComboSprite = MakeSprite(kBannerWidth, kBannerHeight, Pixel(5, 0, 0), 0);
        InitBoard();
    }

    // Fills columns 1-12 of each row given, and gives a few other rows a varied pattern.
    void FillRows(const std::vector<int>& fullRows) {
        for (int r = 10; r < 24; ++r) {
            for (int c = 1; c <= 12; ++c) {
                At(r, c) = static_cast<std::uint8_t>((r * 5 + c * 3) % 4 == 0 ? 0 : (r + c) % 7 + 1);
            }
        }
        for (int r : fullRows) {
            for (int c = 1; c <= 12; ++c) {
                At(r, c) = static_cast<std::uint8_t>((r + c) % 7 + 1);
            }
        }
    }

    // The board with its full rows taken out and empty rows put in at the top, worked out
    // without any scanning.
    static std::vector<std::uint8_t> BoardWithoutFullRows() {
        std::vector<std::vector<std::uint8_t>> kept;
        for (int r = 0; r < 24; ++r) {
            std::vector<std::uint8_t> row(&Board[r * 14], &Board[r * 14 + 14]);
            if (std::count(row.begin() + 1, row.begin() + 13, 0) != 0) {
                kept.push_back(row);
            }
        }
        std::vector<std::uint8_t> expected;
        for (std::size_t r = kept.size(); r < 24; ++r) {
            std::vector<std::uint8_t> empty(14, 0);
            empty[0] = empty[13] = 8;
            expected.insert(expected.end(), empty.begin(), empty.end());
        }
        for (const auto& row : kept) {
            expected.insert(expected.end(), row.begin(), row.end());
        }
        expected.insert(expected.end(), &Board[24 * 14], &Board[25 * 14]);
        return expected;
    }

    static void ExpectBoard(const std::vector<std::uint8_t>& expected) {
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(kBoardCells));
        for (int e = 0; e < kBoardCells; ++e) {
            EXPECT_EQ(Board[e], expected[e]) << "row " << e / 14 << " column " << e % 14;
        }
    }

    // Each removed row: its flash sound, then one flame sound per flame frame.
    static std::vector<std::string> SoundsForRows(int rows) {
        std::vector<std::string> sounds;
        for (int i = 0; i < rows; ++i) {
            sounds.push_back(kAlpha);
            sounds.insert(sounds.end(), 21, kFlame);
        }
        return sounds;
    }
    // Between flashes their 10 ms wait and the reading that starts it, between flames their
    // 2 ms, and none after the brightened row, so the next row's first flash follows at once.
    void ExpectRemovalPaces(int rows) {
        std::vector<std::uint32_t> expected;
        for (int i = 0; i < rows; ++i) {
            if (i > 0) {
                expected.push_back(0);
            }
            expected.insert(expected.end(), 5, 11);
            expected.insert(expected.end(), 21, 3);
        }
        std::vector<std::uint32_t> steps;
        for (std::size_t i = 1; i < Presents().size() && steps.size() < expected.size(); ++i) {
            steps.push_back(Presents()[i].clock - Presents()[i - 1].clock);
        }
        EXPECT_EQ(steps, expected);
    }
};

TEST_P(RowClearingTest, NoFullRowChangesNothing) {
    FillRows({});
    const std::vector<std::uint8_t> before(std::begin(Board), std::end(Board));
    CompositionCanvas->Fill(Pixel(3, 3, 3));
    CheckFullRows();
    ExpectBoard(before);
    EXPECT_TRUE(Presents().empty());
    EXPECT_TRUE(PlayedSounds().empty());
    EXPECT_EQ(CompositionCanvas->GetPixel(100, 300), Pixel(3, 3, 3));
}

TEST_P(RowClearingTest, OneRowFlashesBurnsAndGoes) {
    const int row = 17;
    FillRows({row});
    const std::vector<std::uint8_t> expected = BoardWithoutFullRows();
    const Probe cell{CellX(1) + 12, CellY(row) + 8};
    const Probe flame{CellX(1) - 2 + 1, CellY(row) - 6 + 1};
    // Row 16 is drawn neither on the composition canvas nor anywhere else here: the flame
    // probe sees black under the flame.
    SetProbes({cell, flame});

    CheckFullRows();

    ExpectBoard(expected);
    EXPECT_EQ(PlayedSounds(), SoundsForRows(1));
    ASSERT_EQ(Presents().size(), 27u);
    for (int pass = 1; pass <= 5; ++pass) {
        const auto& probes = Presents()[pass - 1].probes;
        EXPECT_EQ(probes[0], Pixel(2 * pass, 2 * pass, 2 * pass)) << "flash " << pass;
        EXPECT_EQ(probes[1], 0) << "flash " << pass;
    }
    for (int f = 0; f < 21; ++f) {
        const auto& probes = Presents()[5 + f].probes;
        EXPECT_EQ(probes[0], Pixel(2, 2, 2)) << "flame " << f;  // the cells have their colour back
        EXPECT_EQ(probes[1], Pixel(0, 0, f + 1)) << "flame " << f;
    }
    EXPECT_EQ(Presents()[26].probes[0], Pixel(12, 12, 12));
    EXPECT_EQ(Presents()[26].probes[1], 0);
    ExpectRemovalPaces(1);
    // The scratch canvases were the only thing the flames touched.
    EXPECT_EQ(CompositionCanvas->GetPixel(static_cast<std::int16_t>(flame.x), static_cast<std::int16_t>(flame.y)), 0);
}

TEST_P(RowClearingTest, RowZeroIsClearedWithoutMovingAnything) {
    FillRows({0});
    CheckFullRows();
    for (int c = 0; c < 14; ++c) {
        EXPECT_EQ(At(0, c), c == 0 || c == 13 ? 8 : 0);
    }
    EXPECT_EQ(Presents().size(), 27u);
}

// Rows apart and together: the rows above move down by how many went below, each removed
// row takes its flashes and flames, and fewer than four set off no explosion.
TEST_P(RowClearingTest, SeveralRowsGoOneAfterAnother) {
    for (const std::vector<int>& rows : {std::vector<int>{20, 22}, std::vector<int>{12, 13, 23}}) {
        SCOPED_TRACE(rows.size());
        InitBoard();
        headless::ClearRecords();
        const std::size_t presentsBefore = Presents().size();
        FillRows(rows);
        const std::vector<std::uint8_t> expected = BoardWithoutFullRows();
        CheckFullRows();
        ExpectBoard(expected);
        EXPECT_EQ(PlayedSounds(), SoundsForRows(static_cast<int>(rows.size())));
        EXPECT_EQ(Presents().size() - presentsBefore, 27u * rows.size());
    }
    ExpectRemovalPaces(2);
}

// Ten spots from the generator, x before y, and the picture each explosion frame must give
// at a probe: the composition canvas plus every spot and the banner over it.
struct Explosion {
    std::vector<Probe> spots;

    explicit Explosion(unsigned seed) {
        std::srand(seed);
        for (int k = 0; k < 10; ++k) {
            const int x = std::rand() % 511;
            const int y = std::rand() % 351;
            spots.push_back({x, y});
        }
        std::srand(seed);
    }
    std::uint16_t Expected(std::uint16_t below, Probe probe, int frame, bool banner) const {
        std::uint16_t pixel = below;
        for (const Probe& spot : spots) {
            if (probe.x >= spot.x && probe.x < spot.x + kExplosionSide && probe.y >= spot.y &&
                probe.y < spot.y + kExplosionSide) {
                pixel = SaturatingAdd(pixel, Pixel(0, frame + 1, 0));
            }
        }
        if (banner && probe.x >= 30 && probe.x < 30 + kBannerWidth && probe.y >= 100 &&
            probe.y < 100 + kBannerHeight) {
            pixel = SaturatingAdd(pixel, Pixel(5, 0, 0));
        }
        return pixel;
    }
};

class ExplosionTest : public RowClearingTest {
protected:
    void RunFourRows(bool banner) {
        if (!banner) {
            ComboSprite = nullptr;
        }
        FillRows({8, 9, 10, 21});
        const std::vector<std::uint8_t> expected = BoardWithoutFullRows();
        const Explosion explosion(1234);
        const std::vector<Probe> probes = {explosion.spots[0], explosion.spots[9], {31, 101}, {45, 107}};
        SetProbes(probes);

        CheckFullRows();

        ExpectBoard(expected);
        std::vector<std::string> sounds = SoundsForRows(4);
        sounds.push_back(kExplo);
        EXPECT_EQ(PlayedSounds(), sounds);
        ASSERT_EQ(Presents().size(), 4u * 27u + 23u);
        ExpectRemovalPaces(4);
        for (int f = 0; f < 23; ++f) {
            const PresentedFrame& frame = Presents()[108 + f];
            for (std::size_t p = 0; p < probes.size(); ++p) {
                const std::uint16_t below = CompositionCanvas->GetPixel(
                    static_cast<std::int16_t>(probes[p].x), static_cast<std::int16_t>(probes[p].y));
                EXPECT_EQ(frame.probes[p], explosion.Expected(below, probes[p], f, banner))
                    << "frame " << f << " probe " << p;
            }
            EXPECT_EQ(frame.clock - Presents()[107 + f].clock, f == 0 ? 0u : 11u) << "frame " << f;
        }
    }
    using PresentedFrame = gametest::PresentedFrame;
};

TEST_P(ExplosionTest, FourRowsSetOffTheExplosionWithItsBanner) {
    RunFourRows(true);
}

TEST_P(ExplosionTest, WithoutABannerTheExplosionStillRuns) {
    RunFourRows(false);
}

TEST_P(RowClearingTest, AScratchCanvasThatCannotBeMadeSkipsOnlyItsDrawing) {
    FillRows({15});
    const std::vector<std::uint8_t> expected = BoardWithoutFullRows();
    headless::FailCall(host::Call::CreateSurface, NextCreation());      // the check's canvas
    headless::FailCall(host::Call::CreateSurface, NextCreation() + 1);  // the removal's
    CheckFullRows();
    ExpectBoard(expected);
    EXPECT_EQ(PlayedSounds(), SoundsForRows(1));
    EXPECT_EQ(Presents().size(), 6u);  // the five flashes and the brightened row
}

TEST_P(ExplosionTest, AnExplosionWithoutItsCanvasStillClearsAndSounds) {
    FillRows({1, 2, 3, 4});
    const std::vector<std::uint8_t> expected = BoardWithoutFullRows();
    headless::FailCall(host::Call::CreateSurface, NextCreation());
    CheckFullRows();
    ExpectBoard(expected);
    std::vector<std::string> sounds = SoundsForRows(4);
    sounds.push_back(kExplo);
    EXPECT_EQ(PlayedSounds(), sounds);
    EXPECT_EQ(Presents().size(), 4u * 27u);
}

INSTANTIATE_TEST_SUITE_P(Layouts, RowClearingTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Layout565" : "Layout555"; });
INSTANTIATE_TEST_SUITE_P(Layouts, ExplosionTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Layout565" : "Layout555"; });

TEST(WaitMs, WaitsAtLeastItsTimeAcrossTheTimersWrap) {
    headless::SetClock(0xFFFFFFF0u);
    WaitMs(40);
    EXPECT_EQ(headless::ClockNow() - 0xFFFFFFF0u, 41u);  // the first reading and 40 more
    headless::SetClock(0xFFFFFFFFu);
    WaitMs(1);
    EXPECT_EQ(headless::ClockNow(), 1u);
    WaitMs(0);
    EXPECT_EQ(headless::ClockNow(), 3u);  // the first reading and one more that ends the wait
}

}  // namespace
