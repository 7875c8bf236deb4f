#include "data_set.h"

#include <filesystem>
#include <fstream>
#include <thread>

#include "audio.h"

#include "background_picture.h"
#include "block_sprites.h"
#include "combo_banner.h"
#include "explosion_frames.h"
#include "flame_frames.h"
#include "icon_picture.h"
#include "imgfile/pcx_writer.h"
#include "imgfile/qsf_writer.h"
#include "logo_sprite.h"
#include "mp3_file.h"
#include "shape_file.h"
#include "sound_effects.h"
#include "tune_mix.h"
#include "wav_file.h"

namespace {

// The pack layouts: two packs are kept in 5-5-5 so that the game converts some packs on
// either kind of display.
constexpr int k555 = 0;
constexpr int k565 = 1;

bool WriteText(const std::string& path, const std::string& text, std::string* error) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (file) return true;
    *error = path + ": cannot be written";
    return false;
}

bool WritePictures(const std::string& dir, std::string* error) {
    const std::vector<RgbImage> blocks = BlockSprites();
    return WriteQsfPack(dir + "/Logo.QSF", {LogoSprite()}, k565, error) &&
           WriteQsfPack(dir + "/Block.QSF", blocks, k565, error) &&
           WriteQsfPack(dir + "/Flame.Qsf", FlameFrames(), k555, error) &&
           WriteQsfPack(dir + "/Explo.Qsf", ExplosionFrames(), k565, error) &&
           WriteQsfPack(dir + "/Combo.Qsf", {ComboBanner()}, k555, error) &&
           WritePcx(dir + "/BACK1.Qsf", BackgroundPicture(), error) &&
           WritePng(dir + "/tumblox.png", IconPicture(blocks), error);
}

// The music's loudest moment; the effects' levels are set against it.
constexpr float kTunePeak = 0.32f;

bool WriteEffects(const std::string& dir, std::string* error) {
    for (const SoundEffect& effect : SoundEffects())
        if (!WriteWav(dir + "/" + effect.file, ToPcm16(effect.make(), effect.peak), 1, error)) return false;
    return true;
}

bool WriteTune(const std::string& dir, std::string* error) {
    const std::vector<std::int16_t> tune = RenderTune(kTunePeak);
    if (tune.empty()) {
        *error = "the tune's score does not fill its bars";
        return false;
    }
    return WriteMp3(dir + "/BGM.Mp3", tune, error);
}

}  // namespace

bool WriteDataSet(const std::string& directory, std::string* error) {
    if (!std::filesystem::is_directory(directory)) {
        *error = directory + ": no such folder";
        return false;
    }
    // The tune takes longest; it is made beside everything else. Each file comes out the same
    // whichever finishes first.
    std::string tuneError;
    bool tuneWritten = false;
    std::thread tune([&] { tuneWritten = WriteTune(directory, &tuneError); });
    const bool rest = WriteText(directory + "/Block.Dat", ShapeFileText(), error) && WritePictures(directory, error) &&
                      WriteEffects(directory, error);
    tune.join();
    if (rest && !tuneWritten) *error = tuneError;
    return rest && tuneWritten;
}
