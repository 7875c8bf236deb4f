#include "game_fixture.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "game/board.h"
#include "game/resources.h"
#include "gfx/display.h"
#include "platform/headless/headless.h"
#include "sound/sounds.h"

namespace gametest {

std::uint16_t Pixel(unsigned red, unsigned green, unsigned blue) {
    const bool is565 = headless::Layout565();
    return static_cast<std::uint16_t>((red << (is565 ? 11 : 10)) | (green << 5) | blue);
}
unsigned RedOf(std::uint16_t pixel) {
    return pixel >> (headless::Layout565() ? 11 : 10);
}
unsigned GreenOf(std::uint16_t pixel) {
    return (pixel >> 5) & (headless::Layout565() ? 63u : 31u);
}
unsigned BlueOf(std::uint16_t pixel) {
    return pixel & 31u;
}
std::uint16_t Magenta() {
    return headless::Layout565() ? 0xF81F : 0x7C1F;
}
std::uint16_t White() {
    return headless::Layout565() ? 0xFFFF : 0x7FFF;
}

void SetShape(int type, int rotation, std::initializer_list<const char*> rows) {
    int r = 0;
    for (const char* row : rows) {
        for (int c = 0; c < kShapeSize; ++c) {
            PieceShapeTable[ShapeElement(type, rotation, r, c)] = row[c] == 'X' ? 1 : 0;
        }
        ++r;
    }
}

void GameFixture::SetUpGame(bool is565) {
    headless::SetLayout565(is565);
    ASSERT_EQ(InitDisplay(), 1);
    creations_ = 1;  // the primary surface
    CompositionCanvas = new Canvas(640, 480);
    BackgroundCanvas = new Canvas(640, 480);
    creations_ += 2;
    for (Canvas* canvas : {CompositionCanvas, BackgroundCanvas}) {
        canvas->SetTextBkMode(1);
        canvas->SetTextRGB(255, 255, 255);
    }
    headless::OnPresent([this](int, const std::uint16_t* pixels) {
        PresentedFrame frame{headless::ClockNow(), headless::FrameCrc32(pixels), {}};
        for (const Probe& probe : probes_) {
            frame.probes.push_back(pixels[probe.y * 640 + probe.x]);
        }
        presents_.push_back(std::move(frame));
    });
}

void GameFixture::TearDown() {
    headless::OnPresent(nullptr);
    for (Surface* sprite : sprites_) {
        delete sprite;
    }
    delete CompositionCanvas;
    delete BackgroundCanvas;
    CompositionCanvas = nullptr;
    BackgroundCanvas = nullptr;
    ReleaseDisplay();
    if (!folder_.empty()) {
        std::filesystem::remove_all(folder_);
    }
}

Surface* GameFixture::MakeSprite(std::uint16_t width, std::uint16_t height, std::uint16_t colour,
                                 std::uint16_t key) {
    auto* sprite = new Surface();
    sprite->Create(width, height);
    ++creations_;
    sprite->Fill(colour);
    sprite->SetColorKey(key);
    sprites_.push_back(sprite);
    return sprite;
}

void GameFixture::EnterTempFolder() {
    char pattern[] = "/tmp/tumblox-game-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    ASSERT_EQ(chdir(pattern), 0);
}

void GameFixture::LoadSounds() {
    if (folder_.empty()) {
        EnterTempFolder();
    }
    for (const char* name : {"Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav"}) {
        std::FILE* file = std::fopen(name, "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("RIFF", file);
        std::fclose(file);
    }
    ASSERT_EQ(StartSoundLibrary(), 1);
    LoadSamples();
}

std::vector<std::string> GameFixture::PlayedSounds() const {
    std::vector<std::string> plays;
    for (const std::string& line : headless::SoundCalls()) {
        if (line.rfind("FSOUND_PlaySound", 0) == 0) {
            plays.push_back(line);
        }
    }
    return plays;
}

}  // namespace gametest
