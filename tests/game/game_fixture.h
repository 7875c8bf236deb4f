// A game on the headless screen for the tests: the display up, the two canvases made as the
// intro leaves them, the four effects loaded from files of the test's own folder (so that
// each play names its file), synthetic sprites, shapes written straight into the table, and
// every presented frame kept with its moment on the virtual clock.
#pragma once

#include <unistd.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"
#include "game/board.h"
#include "game/resources.h"
#include "gfx/display.h"
#include "platform/headless/headless.h"
#include "sound/sounds.h"

namespace gametest {

// Four rows of four characters, 'X' filled.
inline void SetShape(int type, int rotation, const std::array<const char*, 4>& rows) {
    for (int r = 0; r < kShapeSize; ++r) {
        for (int c = 0; c < kShapeSize; ++c) {
            PieceShapeTable[ShapeElement(type, rotation, r, c)] = rows[r][c] == 'X' ? 1 : 0;
        }
    }
}

inline std::uint8_t& At(int row, int column) {
    return Board[row * kBoardColumns + column];
}

struct Probe {
    int x, y;
};

// A presented frame: its moment on the virtual clock, its CRC and the pixels at the probes.
struct PresentedFrame {
    std::uint32_t clock, crc;
    std::vector<std::uint16_t> probes;
};

class GameFixture : public ::testing::Test {
protected:
    // From then on the host's record of sound calls holds the plays alone.
    void SetUpGame(bool is565) {
        headless::SetLayout565(is565);
        ASSERT_EQ(InitDisplay(), 1);
        CompositionCanvas = new Canvas(640, 480);
        BackgroundCanvas = new Canvas(640, 480);
        for (Canvas* canvas : {CompositionCanvas, BackgroundCanvas}) {
            canvas->SetTextBkMode(1);
            canvas->SetTextRGB(255, 255, 255);
        }
        headless::OnPresent([this](int, const std::uint16_t* pixels) {
            presents.push_back({headless::ClockNow(), headless::FrameCrc32(pixels), {}});
            for (const Probe& probe : probes) {
                presents.back().probes.push_back(pixels[probe.y * 640 + probe.x]);
            }
        });
        ASSERT_EQ(chdir(folder_.path.c_str()), 0);
        for (const char* name : {"Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav"}) {
            std::ofstream file(name);
        }
        ASSERT_EQ(StartSoundLibrary(), 1);
        LoadSamples();
        headless::ClearRecords();
    }

    void TearDown() override {
        headless::OnPresent(nullptr);
        sprites_.clear();
        delete CompositionCanvas;
        delete BackgroundCanvas;
        ReleaseDisplay();
    }

    Surface* MakeSprite(std::uint16_t width, std::uint16_t height, std::uint16_t colour) {
        sprites_.push_back(std::make_unique<Surface>());
        sprites_.back()->Create(width, height);
        sprites_.back()->Fill(colour);
        return sprites_.back().get();
    }

    // The number (from 1) the next surface creation will have: the primary surface and the
    // two canvases came first, then the sprites.
    int NextCreation() const { return 4 + static_cast<int>(sprites_.size()); }

    std::vector<Probe> probes;
    std::vector<PresentedFrame> presents;

private:
    ScratchDir folder_;
    std::vector<std::unique_ptr<Surface>> sprites_;
};

}  // namespace gametest
