// Helpers for the picture file tests: a display in either layout, a scratch folder, crafted
// pack and picture files, and the message boxes shown so far.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/display.h"
#include "platform/headless/headless.h"

using Bytes = std::vector<std::uint8_t>;

// The display up in one layout for the whole test; surfaces must be gone before it ends.
struct DisplayUp {
    explicit DisplayUp(bool is565) {
        headless::SetLayout565(is565);
        EXPECT_EQ(InitDisplay(), 1);
        EXPECT_EQ(TheDisplay.is565, is565 ? 1 : 0);
    }
    ~DisplayUp() { ReleaseDisplay(); }
};

// A folder of this test process's own, removed afterwards.
struct ScratchDir {
    std::filesystem::path path;
    ScratchDir() {
        static int made = 0;
        path = std::filesystem::temp_directory_path() /
               ("tumblox-imgfile-" + std::to_string(getpid()) + "-" + std::to_string(++made));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
};

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void PutLe16(Bytes& bytes, unsigned value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

// The bytes of a pack: signature, format byte, count, then whatever image bytes follow.
inline Bytes PackHeader(std::uint8_t format, unsigned count) {
    const char signature[] = "Quellin QSF V1'";
    Bytes bytes(signature, signature + 16);
    bytes.push_back(format);
    PutLe16(bytes, count);
    return bytes;
}

inline void PutImage(Bytes& bytes, unsigned width, unsigned height, const std::vector<std::uint16_t>& pixels) {
    PutLe16(bytes, width);
    PutLe16(bytes, height);
    for (std::uint16_t pixel : pixels) PutLe16(bytes, pixel);
}

// A picture file: a head holding only Xmax and Ymax, then the encoded data.
inline Bytes PictureFile(unsigned xMax, unsigned yMax, const Bytes& data) {
    Bytes bytes(128, 0);
    bytes[0] = 10;
    bytes[8] = static_cast<std::uint8_t>(xMax);
    bytes[9] = static_cast<std::uint8_t>(xMax >> 8);
    bytes[10] = static_cast<std::uint8_t>(yMax);
    bytes[11] = static_cast<std::uint8_t>(yMax >> 8);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

// An open file holding the bytes, positioned at its start.
inline std::FILE* FileOf(const Bytes& bytes) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    return file;
}

inline std::vector<std::uint16_t> PixelsOf(const std::uint16_t* pixels, std::size_t count) {
    return std::vector<std::uint16_t>(pixels, pixels + count);
}

// Independent of the game's code: channels cut to their top bits and packed.
inline std::uint16_t Truncated(std::uint8_t red, std::uint8_t green, std::uint8_t blue, bool is565) {
    return is565 ? static_cast<std::uint16_t>((red >> 3) << 11 | (green >> 2) << 5 | (blue >> 3))
                 : static_cast<std::uint16_t>((red >> 3) << 10 | (green >> 3) << 5 | (blue >> 3));
}

inline constexpr char kWidthMessage[] = "가로크기가 4의배수가 아닙니다.";

// The one message box shown so far, or a failure when there is not exactly one.
inline headless::MessageBoxRecord OnlyMessageBox() {
    const auto& boxes = headless::MessageBoxes();
    EXPECT_EQ(boxes.size(), 1u);
    return boxes.empty() ? headless::MessageBoxRecord{} : boxes.back();
}
