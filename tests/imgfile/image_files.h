// Helpers for the picture file tests: a scratch folder, crafted pack and picture files, and
// the message box shown.
#pragma once

#include <cstdio>

#include "common/scratch_dir.h"
#include "common/test_support.h"

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

inline void PutImage(Bytes& bytes, unsigned width, unsigned height,
                     const std::vector<std::uint16_t>& pixels) {
    PutLe16(bytes, width);
    PutLe16(bytes, height);
    for (std::uint16_t pixel : pixels) PutLe16(bytes, pixel);
}

// A picture file as a PCX encoder writes it: a 128-byte head for 3 run-length encoded planes
// of 8 bits, of which the game reads only Xmax and Ymax, then the encoded data.
inline Bytes PictureFile(unsigned xMax, unsigned yMax, const Bytes& data) {
    Bytes bytes = {10, 5, 1, 8, 0, 0, 0, 0};
    PutLe16(bytes, xMax);
    PutLe16(bytes, yMax);
    bytes.resize(65, 0);
    bytes.push_back(3);
    PutLe16(bytes, xMax + 1);  // bytes per plane row
    bytes.resize(128, 0);
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

// The one message box shown so far, or a failure when there is not exactly one.
inline headless::MessageBoxRecord OnlyMessageBox() {
    const auto& boxes = headless::MessageBoxes();
    EXPECT_EQ(boxes.size(), 1u);
    return boxes.empty() ? headless::MessageBoxRecord{} : boxes.back();
}
