// Helpers for the picture file tests: a scratch folder, crafted pack and picture files, and
// the message box shown.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "common/test_support.h"

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
};

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
    Bytes bytes(128 + data.size(), 0);
    bytes[0] = 10;
    bytes[8] = static_cast<std::uint8_t>(xMax);
    bytes[9] = static_cast<std::uint8_t>(xMax >> 8);
    bytes[10] = static_cast<std::uint8_t>(yMax);
    bytes[11] = static_cast<std::uint8_t>(yMax >> 8);
    std::copy(data.begin(), data.end(), bytes.begin() + 128);
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

inline constexpr char kWidthMessage[] = "가로크기가 4의배수가 아닙니다.";

// The one message box shown so far, or a failure when there is not exactly one.
inline headless::MessageBoxRecord OnlyMessageBox() {
    const auto& boxes = headless::MessageBoxes();
    EXPECT_EQ(boxes.size(), 1u);
    return boxes.empty() ? headless::MessageBoxRecord{} : boxes.back();
}
