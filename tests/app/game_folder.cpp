#include "game_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "imgfile/pcx_writer.h"
#include "imgfile/qsf_writer.h"

namespace fs = std::filesystem;

namespace {

// The data files in the order the game loads them.
const char* const kDataFiles[] = {
    "Block.Dat",  "Logo.QSF",  "Block.QSF",   "Flame.Qsf", "Explo.Qsf", "Combo.Qsf",
    "Explo.Wav",  "Flame.Wav", "Alpha.Wav",   "Dynamic.Wav", "BGM.Mp3", "BACK1.Qsf",
};

}  // namespace

GameFolder::GameFolder()
{
    char pattern[] = "/tmp/tumblox-app-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr) {
        ADD_FAILURE() << "cannot make a scratch folder";
        return;
    }
    path_ = made;
    for (const char* name : kDataFiles) {
        std::error_code fault;
        fs::copy_file(fs::path(TUMBLOX_RUN_DIR) / name, PathOf(name), fault);
        if (fault) ADD_FAILURE() << "the generated data has no " << name << " in " << TUMBLOX_RUN_DIR;
    }
}

GameFolder::~GameFolder()
{
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
}

std::vector<std::uint8_t> GameFolder::Read(const std::string& name) const
{
    std::ifstream in(PathOf(name), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void GameFolder::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << name;
}

void GameFolder::WriteText(const std::string& name, const std::string& text) const
{
    Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void GameFolder::Remove(const std::string& name) const
{
    ASSERT_TRUE(fs::remove(PathOf(name))) << name;
}

void GameFolder::Patch(const std::string& name, std::size_t offset, std::uint8_t value) const
{
    std::vector<std::uint8_t> bytes = Read(name);
    ASSERT_LT(offset, bytes.size()) << name;
    bytes[offset] = value;
    Write(name, bytes);
}

void GameFolder::WritePack(const std::string& name, const std::vector<RgbImage>& images, int format) const
{
    std::string error;
    ASSERT_TRUE(WriteQsfPack(PathOf(name), images, format, &error)) << error;
}

void GameFolder::WriteBackground(const RgbImage& picture) const
{
    std::string error;
    ASSERT_TRUE(WritePcx(PathOf("BACK1.Qsf"), picture, &error)) << error;
}

RgbImage SolidPicture(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    RgbImage picture;
    picture.width = width;
    picture.height = height;
    for (int i = 0; i < width * height; ++i) picture.rgb.insert(picture.rgb.end(), {red, green, blue});
    return picture;
}

std::string UprightStraightShapes()
{
    std::string text;
    for (int shape = 0; shape < 7 * 4; ++shape) text += "1 0 0 0\n1 0 0 0\n1 0 0 0\n1 0 0 0\n\n";
    return text;
}
