// Tests of the drawing layer run with the display up in one of the two pixel layouts.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gfx/display.h"
#include "gfx/surface.h"
#include "platform/headless/headless.h"

// A pixel of the running layout from its three channels.
inline std::uint16_t Colour(unsigned red, unsigned green, unsigned blue)
{
    return TheDisplay.is565 ? static_cast<std::uint16_t>(red << 11 | green << 5 | blue)
                            : static_cast<std::uint16_t>(red << 10 | green << 5 | blue);
}

inline std::vector<std::uint16_t> PixelsOf(const Surface& s)
{
    return {s.pixels, s.pixels + static_cast<std::size_t>(s.width) * s.height};
}

// Fills every pixel with a value of its position, so a misplaced copy shows.
inline void FillPattern(Surface& s, std::uint16_t salt)
{
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            s.pixels[y * s.width + x] = static_cast<std::uint16_t>(y * 331 + x * 7 + salt);
}

// The parameter: true for a 5-6-5 screen, false for 5-5-5.
class LayoutTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        headless::SetLayout565(GetParam());
        ASSERT_EQ(InitDisplay(), 1);
    }
};
