#include "data_set.h"

#include <fstream>

#include "background_picture.h"
#include "block_sprites.h"
#include "combo_banner.h"
#include "explosion_frames.h"
#include "flame_frames.h"
#include "icon_picture.h"
#include "imgfile/pcx_writer.h"
#include "imgfile/qsf_writer.h"
#include "logo_sprite.h"
#include "shape_file.h"

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

bool WritePictures(const std::string& dir, const GlyphSet& glyphs, std::string* error) {
    const std::vector<RgbImage> blocks = BlockSprites();
    return WriteQsfPack(dir + "/Logo.QSF", {LogoSprite()}, k565, error) &&
           WriteQsfPack(dir + "/Block.QSF", blocks, k565, error) &&
           WriteQsfPack(dir + "/Flame.Qsf", FlameFrames(), k555, error) &&
           WriteQsfPack(dir + "/Explo.Qsf", ExplosionFrames(), k565, error) &&
           WriteQsfPack(dir + "/Combo.Qsf", {ComboBanner(glyphs)}, k555, error) &&
           WritePcx(dir + "/BACK1.Qsf", BackgroundPicture(), error) &&
           WritePng(dir + "/tumblox.png", IconPicture(blocks), error);
}

}  // namespace

bool WriteDataSet(const std::string& directory, const std::string& unifontHex, std::string* error) {
    GlyphSet glyphs;
    if (!LoadGlyphs(unifontHex, {DecodeUtf8(kComboText)}, &glyphs, error)) return false;
    return WriteText(directory + "/Block.Dat", ShapeFileText(), error) && WritePictures(directory, glyphs, error);
}
