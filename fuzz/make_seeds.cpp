// fuzz_seeds FOLDER: a small starting corpus for every fuzz target, made by the game's own
// writers: FOLDER/pack, background, roundtrip, shapes and script.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "imgfile/pcx_writer.h"
#include "imgfile/qsf_writer.h"
#include "shape_file.h"

namespace {

namespace fs = std::filesystem;

// A picture with a little of everything the encoders meet: runs, single values at and above
// 0xC0, and a different value in every channel.
RgbImage Sampler(int width, int height) {
    RgbImage picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool run = x < width / 2;
            picture.rgb.push_back(static_cast<std::uint8_t>(run ? 0xC7 : x * 37 + y));
            picture.rgb.push_back(static_cast<std::uint8_t>(run ? 0x10 : 0xFF - x * 11));
            picture.rgb.push_back(static_cast<std::uint8_t>(y * 90 + x));
        }
    }
    return picture;
}

bool WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return out.good();
}

bool Fail(const std::string& why) {
    std::fprintf(stderr, "fuzz_seeds: %s\n", why.c_str());
    return false;
}

bool MakeSeeds(const fs::path& folder) {
    for (const char* target : {"pack", "background", "roundtrip", "shapes", "script"}) {
        fs::create_directories(folder / target);
    }
    std::string error;
    const std::vector<RgbImage> sprites = {Sampler(8, 4), Sampler(4, 2), Sampler(12, 3)};
    for (const int format : {0, 1}) {
        const std::string name = "pack-" + std::to_string(format) + ".qsf";
        if (!WriteQsfPack((folder / "pack" / name).string(), sprites, format, &error)) return Fail(error);
    }
    if (!WritePcx((folder / "background/small.pcx").string(), Sampler(16, 5), &error)) return Fail(error);
    if (!WritePcx((folder / "background/one.pcx").string(), Sampler(4, 1), &error)) return Fail(error);
    for (const RgbImage& picture : {Sampler(8, 3), Sampler(5, 2)}) {
        std::string described{static_cast<char>(picture.width - 1), static_cast<char>(picture.height - 1)};
        described.append(picture.rgb.begin(), picture.rgb.end());
        const std::string name = "roundtrip/" + std::to_string(picture.width) + "x" + std::to_string(picture.height);
        if (!WriteText(folder / name, described)) return Fail("cannot write " + name);
    }
    if (!WriteText(folder / "shapes/Block.Dat", ShapeFileText())) return Fail("cannot write the shape file");
    const std::string script =
        "# every action once\n"
        "0 cursor 320 240\n1 move -12 3\n2 down lbutton\n3 up lbutton\n4 tap rbutton\n"
        "5 tap pgup\n5 tap pgdn\n6 message 274\n7 snap frame.png\n8 quit 3\n9 close\n10 destroy\n";
    if (!WriteText(folder / "script/all-actions.txt", script)) return Fail("cannot write the script");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return Fail("usage: fuzz_seeds FOLDER") ? 0 : 2;
    return MakeSeeds(argv[1]) ? 0 : 1;
}
