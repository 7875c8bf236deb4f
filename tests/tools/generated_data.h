// Helpers for the tests of the generated data set: the files in the run folder (the tests'
// working directory), packs read with the game's readers, and sounds read from WAV files or
// decoded from MP3.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "common/test_support.h"
#include "gfx/surface.h"
#include "imgfile/qsf_pack.h"

struct LoadedPack {
    std::uint16_t declared = 0;  // the header's count, 0 when the check fails
    std::uint8_t format = 0;     // the header's pixel-format byte
    std::vector<std::unique_ptr<Surface>> images;
};

// Reads `wanted` images the way the game's loader does, stopping at the first refused one.
inline LoadedPack LoadPack(const std::string& name, std::size_t wanted) {
    LoadedPack pack;
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return pack;
    pack.declared = ReadPackHeader(file), pack.format = packFormat;
    for (auto image = std::make_unique<Surface>(); pack.declared && pack.images.size() < wanted && image->LoadFromPack(file) == 1;
         image = std::make_unique<Surface>())
        pack.images.push_back(std::move(image));
    std::fclose(file);
    return pack;
}

struct Sound {
    unsigned channels = 0, rate = 0;
    std::vector<std::int16_t> samples;  // interleaved

    double Seconds() const { return double(samples.size()) / channels / rate; }
};

// A little-endian number of 2 or 4 bytes.
inline unsigned Le(const Bytes& b, std::size_t at, int size) {
    return size == 2 ? b[at] | b[at + 1] << 8 : Le(b, at, 2) | Le(b, at + 2, 2) << 16;
}

// A plain PCM WAV as any reader takes it: the RIFF header, a 16-byte format chunk of 16-bit
// PCM and a data chunk filling the rest of the file, every size, rate and alignment agreeing
// with the others. Gives what is wrong, or "" with the sound read.
inline std::string ParseWav(const Bytes& b, Sound* sound) {
    const std::string head(b.begin(), b.begin() + std::min<std::size_t>(b.size(), 44));
    if (head.size() < 44 || head.substr(0, 4) + head.substr(8, 8) + head.substr(36, 4) != "RIFFWAVEfmt data") {
        return "not a plain RIFF WAVE";
    }
    sound->channels = Le(b, 22, 2), sound->rate = Le(b, 24, 4);
    const unsigned align = sound->channels * 2;
    if (Le(b, 4, 4) != b.size() - 8 || Le(b, 40, 4) != b.size() - 44 || Le(b, 16, 4) != 16 || Le(b, 20, 2) != 1 ||
        Le(b, 34, 2) != 16 || align == 0 || Le(b, 32, 2) != align || Le(b, 28, 4) != sound->rate * align) {
        return "the sizes, format, alignment or byte rate disagree";
    }
    for (std::size_t at = 44; at + 1 < b.size(); at += 2) sound->samples.push_back(static_cast<std::int16_t>(Le(b, at, 2)));
    return "";
}

// The MP3 decoded by mpg123 into a WAV beside the test's other files.
inline std::string DecodeMp3(const std::string& mp3, Sound* sound) {
    const std::string wav = testing::TempDir() + "tumblox-bgm-" + std::to_string(::getpid());
    const int status = std::system(("mpg123 -q -w '" + wav + "' '" + mp3 + "' 2>&1").c_str());
    const Bytes bytes = ReadBytes(wav);
    std::remove(wav.c_str());
    return status != 0 ? "mpg123 failed on " + mp3 : ParseWav(bytes, sound);
}
