// Helpers for the tests of the generated data set: the files in the run folder (the tests'
// working directory), packs read with the game's readers, and sounds read from WAV files or
// decoded from MP3.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
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
inline LoadedPack LoadPack(const std::string& name, int wanted) {
    LoadedPack pack;
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return pack;
    pack.declared = ReadPackHeader(file);
    pack.format = packFormat;
    for (int i = 0; pack.declared && i < wanted; ++i) {
        auto image = std::make_unique<Surface>();
        if (image->LoadFromPack(file) != 1) break;
        pack.images.push_back(std::move(image));
    }
    std::fclose(file);
    return pack;
}

struct Sound {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;  // interleaved
    double Seconds() const { return channels ? double(samples.size()) / channels / rate : 0; }
    int Peak() const {
        int peak = 0;
        for (std::int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
        return peak;
    }
};

inline unsigned Le(const Bytes& b, std::size_t at, int size) {
    unsigned v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

// A RIFF WAVE file of PCM samples, every size in its header checked against the file.
inline bool ParseWav(const Bytes& b, Sound* sound, std::string* why) {
    auto tag = [&](std::size_t at, const char* t) { return at + 4 <= b.size() && std::equal(t, t + 4, b.begin() + at); };
    if (b.size() < 12 || !tag(0, "RIFF") || !tag(8, "WAVE")) return *why = "not RIFF WAVE", false;
    if (Le(b, 4, 4) != b.size() - 8) return *why = "RIFF size does not match the file", false;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const unsigned size = Le(b, at + 4, 4);
        if (at + 8 + size > b.size()) return *why = "a chunk runs past the file's end", false;
        if (tag(at, "fmt ")) {
            if (size < 16 || Le(b, at + 8, 2) != 1) return *why = "not PCM", false;
            sound->channels = static_cast<int>(Le(b, at + 10, 2));
            sound->rate = static_cast<int>(Le(b, at + 12, 4));
            sound->bits = static_cast<int>(Le(b, at + 22, 2));
            const unsigned align = Le(b, at + 20, 2);
            if (align != unsigned(sound->channels * sound->bits / 8) || Le(b, at + 16, 4) != sound->rate * align)
                return *why = "block align or byte rate disagree with the format", false;
            haveFormat = true;
        } else if (tag(at, "data")) {
            if (!haveFormat || sound->bits != 16) return *why = "data before a 16-bit format", false;
            for (std::size_t i = 0; i + 1 < size; i += 2)
                sound->samples.push_back(static_cast<std::int16_t>(Le(b, at + 8 + i, 2)));
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return *why = "no data chunk", false;
}

// The MP3 decoded by mpg123 into a WAV beside the test's other files.
inline bool DecodeMp3(const std::string& mp3, Sound* sound, std::string* why) {
    const std::string wav = testing::TempDir() + "tumblox-bgm-" + std::to_string(::getpid()) + ".wav";
    const std::string command = "mpg123 -q -w '" + wav + "' '" + mp3 + "' 2>&1";
    const int status = std::system(command.c_str());
    const Bytes bytes = ReadBytes(wav);
    std::remove(wav.c_str());
    if (status != 0) return *why = "mpg123 failed (" + std::to_string(status) + ") on " + mp3, false;
    return ParseWav(bytes, sound, why);
}
