// A game on the headless screen for the tests: the display up, the two canvases made as the
// intro leaves them, synthetic sprites, shapes written straight into the table, and every
// presented frame and its moment on the virtual clock kept.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "gfx/surface.h"

namespace gametest {

// A pixel in the display's layout from 5-bit red and blue and a green of the layout's own
// width (0-63 in 5-6-5, 0-31 in 5-5-5).
std::uint16_t Pixel(unsigned red, unsigned green, unsigned blue);
unsigned RedOf(std::uint16_t pixel);
unsigned GreenOf(std::uint16_t pixel);
unsigned BlueOf(std::uint16_t pixel);
std::uint16_t Magenta();  // the block sprites' key
std::uint16_t White();    // the flame and explosion frames' key, and the text colour

// Writes rotation `rotation` of type `type`: four strings of four characters, 'X' filled.
void SetShape(int type, int rotation, std::initializer_list<const char*> rows);

struct Probe {
    int x;
    int y;
};

// What a test keeps of each presented frame: its moment on the virtual clock, its CRC and
// the pixels at the probe points the test asked for.
struct PresentedFrame {
    std::uint32_t clock;
    std::uint32_t crc;
    std::vector<std::uint16_t> probes;
};

class GameFixture : public ::testing::Test {
protected:
    void SetUpGame(bool is565);
    void TearDown() override;

    // A sprite filled with one colour; the number of surfaces made so far is kept, so that a
    // test can make the next creation fail.
    Surface* MakeSprite(std::uint16_t width, std::uint16_t height, std::uint16_t colour,
                        std::uint16_t key);
    // Starts the sound stand-in and loads the four effects from files made in the test's own
    // folder, so that each play names its file.
    void LoadSounds();
    // The number (from 1) that the next surface creation will have.
    int NextCreation() const { return creations_ + 1; }

    void SetProbes(std::vector<Probe> probes) { probes_ = std::move(probes); }
    const std::vector<PresentedFrame>& Presents() const { return presents_; }
    std::vector<std::string> PlayedSounds() const;  // the FSOUND_PlaySound lines only

private:
    // Moves into a fresh folder of its own, removed at the end.
    void EnterTempFolder();

    std::vector<Surface*> sprites_;
    std::vector<Probe> probes_;
    std::vector<PresentedFrame> presents_;
    std::string folder_;
    int creations_ = 0;
};

}  // namespace gametest
