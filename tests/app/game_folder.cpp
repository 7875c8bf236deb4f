#include "game_folder.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "imgfile/qsf_writer.h"

namespace fs = std::filesystem;

std::vector<std::string> HeadlessRun::LinesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
    }
    return found;
}

int HeadlessRun::FrameCount() const
{
    return static_cast<int>(LinesStartingWith("frame ").size());
}

GameFolder::GameFolder()
{
    for (const char* name : {"Block.Dat", "Logo.QSF", "Block.QSF", "Flame.Qsf", "Explo.Qsf",
                             "Combo.Qsf", "Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav",
                             "BGM.Mp3", "BACK1.Qsf"}) {
        std::error_code fault;
        fs::copy_file(fs::path(TUMBLOX_RUN_DIR) / name, PathOf(name), fault);
        if (fault) ADD_FAILURE() << "the generated data has no " << name;
    }
}

std::vector<std::uint8_t> GameFolder::Read(const std::string& name) const
{
    std::ifstream in(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void GameFolder::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << name;
}

void GameFolder::Remove(const std::string& name) const
{
    ASSERT_TRUE(fs::remove(PathOf(name))) << name;
}

void GameFolder::WritePack(const std::string& name, const std::vector<RgbImage>& images,
                           int format) const
{
    std::string error;
    ASSERT_TRUE(WriteQsfPack(PathOf(name), images, format, &error)) << error;
}

HeadlessRun GameFolder::Run(std::vector<std::string> args, const std::string& script,
                            int seconds) const
{
    if (!script.empty()) {
        std::ofstream(PathOf("script.txt")) << script;
        args.push_back(PathOf("script.txt"));
    }
    std::string command = "cd '" + path_ + "' && exec timeout -s KILL " + std::to_string(seconds);
    command += " " TUMBLOX_HEADLESS;
    for (const std::string& arg : args) command += " '" + arg + "'";
    const int waited = std::system((command + " >stdout.txt 2>stderr.txt").c_str());
    HeadlessRun run;
    if (!WIFEXITED(waited) || WEXITSTATUS(waited) == 128 + SIGKILL) {
        ADD_FAILURE() << "tumblox-headless crashed or ran past " << seconds << " s";
        return run;
    }
    run.status = WEXITSTATUS(waited);
    std::ifstream out(PathOf("stdout.txt"));
    for (std::string line; std::getline(out, line);) run.lines.push_back(line);
    std::ostringstream errors;
    errors << std::ifstream(PathOf("stderr.txt")).rdbuf();
    run.errors = errors.str();
    return run;
}

std::vector<std::string> SampleFrees(bool loaded)
{
    std::vector<std::string> frees;
    for (const char* name : {"Explo.Wav", "Flame.Wav", "Alpha.Wav", "Dynamic.Wav"}) {
        frees.push_back(std::string("sound FSOUND_Sample_Free ") + (loaded ? name : "null"));
    }
    return frees;
}

RgbImage SolidPicture(int width, int height, std::uint8_t red, std::uint8_t green,
                      std::uint8_t blue)
{
    RgbImage picture;
    picture.width = width;
    picture.height = height;
    for (int i = 0; i < width * height; ++i) {
        picture.rgb.insert(picture.rgb.end(), {red, green, blue});
    }
    return picture;
}

std::vector<std::uint16_t> ReadFrame(const std::string& path, bool is565)
{
    RgbImage image;
    std::string error;
    std::vector<std::uint16_t> pixels;
    if (!ReadPng(path, &image, &error)) {
        ADD_FAILURE() << error;
        return pixels;
    }
    // The frames' channels were widened by bit replication, so the top bits are the pixel's.
    for (std::size_t at = 0; at + 2 < image.rgb.size(); at += 3) {
        const unsigned red = image.rgb[at] >> 3, blue = image.rgb[at + 2] >> 3;
        const unsigned green = is565 ? image.rgb[at + 1] >> 2 : image.rgb[at + 1] >> 3;
        pixels.push_back(static_cast<std::uint16_t>(is565 ? red << 11 | green << 5 | blue
                                                          : red << 10 | green << 5 | blue));
    }
    return pixels;
}

std::string FramePath(const std::string& folder, int frameNumber)
{
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%06d.png", frameNumber);
    return folder + name;
}
