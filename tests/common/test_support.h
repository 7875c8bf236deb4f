// What the picture-file and generated-data tests share: raw bytes of a file, and the display
// up in one layout for the length of a test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/display.h"
#include "platform/headless/headless.h"

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Surfaces must be gone before it ends.
struct DisplayUp {
    explicit DisplayUp(bool is565) {
        headless::SetLayout565(is565);
        EXPECT_EQ(InitDisplay(), 1);
        EXPECT_EQ(TheDisplay.is565, is565 ? 1 : 0);
    }
    ~DisplayUp() { ReleaseDisplay(); }
};
