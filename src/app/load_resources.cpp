#include "app/load_resources.h"

#include <cstdint>
#include <cstdio>

#include "report/error_report.h"
#include "game/board.h"
#include "game/resources.h"
#include "gfx/display.h"
#include "imgfile/qsf_pack.h"
#include "sound/sounds.h"
#include "texts/texts.h"

namespace {

constexpr std::uint16_t kScreenWidth = 640;
constexpr std::uint16_t kScreenHeight = 480;

// One sprite pack: its file, the slots it fills (always this many, whatever it declares) and
// the transparent colour of its sprites in each display layout.
struct SpritePack {
    const char* fileName;
    Surface** slots;
    int slotCount;
    std::uint16_t key555;
    std::uint16_t key565;
};

constexpr std::uint16_t kBlack = 0x0000;
constexpr std::uint16_t kMagenta555 = 0x7C1F;
constexpr std::uint16_t kMagenta565 = 0xF81F;
constexpr std::uint16_t kWhite555 = 0x7FFF;
constexpr std::uint16_t kWhite565 = 0xFFFF;

// Without any of these the game cannot be played.
const SpritePack kPlayPacks[] = {
    {"Logo.QSF", &LogoSprite, 1, kBlack, kBlack},
    {"Block.QSF", BlockSprites, kBlockSpriteCount, kMagenta555, kMagenta565},
    {"Flame.Qsf", FlameFrames, kFlameFrameCount, kWhite555, kWhite565},
    {"Explo.Qsf", ExplosionFrames, kExplosionFrameCount, kWhite555, kWhite565},
};
// The four-row banner: the game goes on without it.
const SpritePack kBannerPack = {"Combo.Qsf", &ComboSprite, 1, kBlack, kBlack};

enum class PackOutcome { Loaded, Missing, Refused };

PackOutcome LoadPack(const SpritePack& pack)
{
    std::FILE* file = std::fopen(pack.fileName, "rb");
    if (file == nullptr) return PackOutcome::Missing;
    if (ReadPackHeader(file) == 0) {
        std::fclose(file);
        return PackOutcome::Refused;
    }
    const std::uint16_t key = TheDisplay.is565 != 0 ? pack.key565 : pack.key555;
    for (int slot = 0; slot < pack.slotCount; ++slot) {
        Surface* sprite = new Surface();
        pack.slots[slot] = sprite;
        sprite->LoadFromPack(file);
        sprite->SetColorKey(key);
    }
    std::fclose(file);
    return PackOutcome::Loaded;
}

void ShowDataFileMessage(const char* text)
{
    MessageBoxA(MainWindow, text, text::CaptionDataCheck, MB_ICONHAND);
}

// A file the game cannot do without is not there: say which one.
void ShowFileMissing(const char* fileName)
{
    char text[kTextBufferSize];
    std::snprintf(text, sizeof text, text::FileMissing, fileName);
    ShowDataFileMessage(text);
}

}  // namespace

int LoadResources()
{
    if (LoadPieceShapes() == 0) {
        ShowFileMissing("Block.Dat");
        return 0;
    }
    for (const SpritePack& pack : kPlayPacks) {
        switch (LoadPack(pack)) {
        case PackOutcome::Loaded:
            break;
        case PackOutcome::Missing:
            ShowFileMissing(pack.fileName);
            return 0;
        case PackOutcome::Refused:
            ShowDataFileMessage(text::DataFileModified);
            return 0;
        }
    }
    LoadPack(kBannerPack);  // missing or refused: no banner, and no message

    if (StartSoundLibrary() == 0) return 0;
    LoadSamples();
    OpenMusic();

    InitBoard();
    BackgroundCanvas = new Canvas(kScreenWidth, kScreenHeight);
    CompositionCanvas = new Canvas(kScreenWidth, kScreenHeight);
    BackgroundCanvas->LoadBackground("BACK1.Qsf");  // a missing picture has its own message
    StartMusic();
    return 1;
}
